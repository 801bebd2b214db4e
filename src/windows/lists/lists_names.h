#pragma once

// The window's and its controls' object names: their identity for assistive technologies and tests.
namespace radixon::lists::name {

inline constexpr char window[] = "listsWindow";
inline constexpr char binaryFrame[] = "binaryFrame";
inline constexpr char binaryList[] = "binaryList";
inline constexpr char octalFrame[] = "octalFrame";
inline constexpr char octalList[] = "octalList";
inline constexpr char hexadecimalFrame[] = "hexadecimalFrame";
inline constexpr char hexadecimalList[] = "hexadecimalList";
inline constexpr char optionsFrame[] = "optionsFrame";
inline constexpr char onTopBox[] = "onTopBox";

} // namespace radixon::lists::name
