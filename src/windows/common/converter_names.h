#pragma once

// Controls that both conversion windows have, with the same object names.
namespace radixon::converter::name {

inline constexpr char converterFrame[] = "converterFrame";
inline constexpr char optionsBox[] = "optionsBox";
inline constexpr char optionsPanel[] = "optionsPanel";
inline constexpr char onTopBox[] = "onTopBox";
inline constexpr char dockBox[] = "dockBox";
inline constexpr char languageBox[] = "languageBox";

} // namespace radixon::converter::name
