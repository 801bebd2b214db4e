#pragma once

// The window's and its controls' object names: their identity for assistive technologies and tests.
namespace radixon::about::name {

inline constexpr char window[] = "Form4";
inline constexpr char aboutFrame[] = "Frame1";
inline constexpr char picture[] = "Picture1";
inline constexpr char aboutText[] = "Label1";
inline constexpr char licenceFrame[] = "Frame2";
inline constexpr char licenceText[] = "lblDisclaimer";
inline constexpr char webAddressLink[] = "Label3";

} // namespace radixon::about::name
