#pragma once

// The window's and its controls' object names: their identity for assistive technologies and tests.
namespace radixon::main_window::name {

inline constexpr char window[] = "mainWindow";
inline constexpr char converterFrame[] = "converterFrame";
inline constexpr char systemLabel[] = "systemLabel";
inline constexpr char systemList[] = "systemList";
inline constexpr char numberLabel[] = "numberLabel";
inline constexpr char numberField[] = "numberField";
inline constexpr char resultLabel[] = "resultLabel";
inline constexpr char resultField[] = "resultField";
inline constexpr char previewField[] = "previewField";
inline constexpr char calculateButton[] = "calculateButton";
inline constexpr char aboutPicture[] = "aboutPicture";
inline constexpr char optionsBox[] = "optionsBox";
inline constexpr char optionsPanel[] = "optionsPanel";
inline constexpr char temporaryListBox[] = "temporaryListBox";
inline constexpr char toDecimalBox[] = "toDecimalBox";
inline constexpr char otherBaseBox[] = "otherBaseBox";
inline constexpr char listsBox[] = "listsBox";
inline constexpr char showAllBox[] = "showAllBox";
inline constexpr char onTopBox[] = "onTopBox";
inline constexpr char languageBox[] = "languageBox";

} // namespace radixon::main_window::name
