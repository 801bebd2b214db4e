#pragma once

// The window's and its controls' object names: their identity for assistive technologies and tests.
namespace radixon::temporary_list::name {

inline constexpr char window[] = "temporaryListWindow";
inline constexpr char listFrame[] = "listFrame";
inline constexpr char list[] = "list";
inline constexpr char optionsPanel[] = "optionsPanel";
inline constexpr char removeSelectedBox[] = "removeSelectedBox";
inline constexpr char removeRepeatsBox[] = "removeRepeatsBox";
inline constexpr char removeAllBox[] = "removeAllBox";
inline constexpr char saveBox[] = "saveBox";
inline constexpr char onTopBox[] = "onTopBox";

} // namespace radixon::temporary_list::name
