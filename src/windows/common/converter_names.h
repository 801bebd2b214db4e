#pragma once

// Controls that both conversion windows have, with the same object names.
namespace radixon::converter::name {

inline constexpr char converterFrame[] = "Frame1";
inline constexpr char optionsBox[] = "Check5";
inline constexpr char optionsPanel[] = "Frame2";
inline constexpr char onTopBox[] = "Check3";
inline constexpr char dockBox[] = "Check2";
inline constexpr char languageBox[] = "Check1";

} // namespace radixon::converter::name
