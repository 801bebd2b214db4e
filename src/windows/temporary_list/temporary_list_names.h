#pragma once

// The window's and its controls' object names: their identity for assistive technologies and tests.
namespace radixon::temporary_list::name {

inline constexpr char window[] = "Form6";
inline constexpr char listFrame[] = "Frame1";
inline constexpr char list[] = "List1";
inline constexpr char optionsPanel[] = "Frame2";
inline constexpr char removeSelectedBox[] = "Check2";
inline constexpr char removeRepeatsBox[] = "Check3";
inline constexpr char removeAllBox[] = "Check4";
inline constexpr char saveBox[] = "Check5";
inline constexpr char onTopBox[] = "Check1";

} // namespace radixon::temporary_list::name
