#pragma once

// The window's and its controls' object names: their identity for assistive technologies and tests.
namespace radixon::to_decimal::name {

inline constexpr char window[] = "Form5";
inline constexpr char systemLabel[] = "Label1";
inline constexpr char systemList[] = "Combo1";
inline constexpr char numberLabel[] = "Label3";
inline constexpr char numberField[] = "Text1";
inline constexpr char resultLabel[] = "Label4";
inline constexpr char resultField[] = "Text2";
inline constexpr char calculateButton[] = "Command2";

} // namespace radixon::to_decimal::name
