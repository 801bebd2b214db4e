#pragma once

// The window's and its controls' object names: their identity for assistive technologies and tests.
namespace radixon::to_decimal::name {

inline constexpr char window[] = "toDecimalWindow";
inline constexpr char systemLabel[] = "systemLabel";
inline constexpr char systemList[] = "systemList";
inline constexpr char numberLabel[] = "numberLabel";
inline constexpr char numberField[] = "numberField";
inline constexpr char resultLabel[] = "resultLabel";
inline constexpr char resultField[] = "resultField";
inline constexpr char calculateButton[] = "calculateButton";

} // namespace radixon::to_decimal::name
