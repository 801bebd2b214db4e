#pragma once

// The window's and its controls' object names: their identity for assistive technologies and tests.
namespace radixon::other_base::name {

inline constexpr char window[] = "otherBaseWindow";
inline constexpr char baseLabel[] = "baseLabel";
inline constexpr char baseField[] = "baseField";
inline constexpr char numberLabel[] = "numberLabel";
inline constexpr char numberField[] = "numberField";
inline constexpr char resultLabel[] = "resultLabel";
inline constexpr char resultField[] = "resultField";
inline constexpr char calculateButton[] = "calculateButton";

} // namespace radixon::other_base::name
