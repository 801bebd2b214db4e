#pragma once

// The window's and its controls' object names: their identity for assistive technologies and tests.
namespace radixon::other_base::name {

inline constexpr char window[] = "Form3";
inline constexpr char baseLabel[] = "Label1";
inline constexpr char baseField[] = "Text1";
inline constexpr char numberLabel[] = "Label2";
inline constexpr char numberField[] = "Text2";
inline constexpr char resultLabel[] = "Label3";
inline constexpr char resultField[] = "Text3";
inline constexpr char calculateButton[] = "Command1";

} // namespace radixon::other_base::name
