#pragma once

// The window's and its controls' object names: their identity for assistive technologies and tests.
namespace radixon::main_window::name {

inline constexpr char window[] = "Form_Numeric";
inline constexpr char converterFrame[] = "Frame1";
inline constexpr char systemLabel[] = "Label1";
inline constexpr char systemList[] = "Combo1";
inline constexpr char numberLabel[] = "Label3";
inline constexpr char numberField[] = "Text1";
inline constexpr char resultLabel[] = "Label4";
inline constexpr char resultField[] = "Text2";
inline constexpr char previewField[] = "Text3";
inline constexpr char calculateButton[] = "Command2";
inline constexpr char aboutPicture[] = "Image1";
inline constexpr char optionsBox[] = "Check5";
inline constexpr char optionsPanel[] = "Frame3";
inline constexpr char temporaryListBox[] = "Check1";
inline constexpr char toDecimalBox[] = "Check12";
inline constexpr char otherBaseBox[] = "Check11";
inline constexpr char listsBox[] = "Check3";
inline constexpr char showAllBox[] = "Check13";
inline constexpr char onTopBox[] = "Check8";
inline constexpr char languageBox[] = "Check4";

} // namespace radixon::main_window::name
