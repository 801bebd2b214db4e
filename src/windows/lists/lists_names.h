#pragma once

// The window's and its controls' object names: their identity for assistive technologies and tests.
namespace radixon::lists::name {

inline constexpr char window[] = "Form2";
inline constexpr char binaryFrame[] = "Frame1";
inline constexpr char binaryList[] = "List1";
inline constexpr char octalFrame[] = "Frame2";
inline constexpr char octalList[] = "List2";
inline constexpr char hexadecimalFrame[] = "Frame3";
inline constexpr char hexadecimalList[] = "List3";
inline constexpr char optionsFrame[] = "Frame4";
inline constexpr char onTopBox[] = "Check2";

} // namespace radixon::lists::name
