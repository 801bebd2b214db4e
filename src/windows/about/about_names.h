#pragma once

// The window's and its controls' object names: their identity for assistive technologies and tests.
namespace radixon::about::name {

inline constexpr char window[] = "aboutWindow";
inline constexpr char aboutFrame[] = "aboutFrame";
inline constexpr char picture[] = "picture";
inline constexpr char aboutText[] = "aboutText";
inline constexpr char licenceFrame[] = "licenceFrame";
inline constexpr char licenceText[] = "licenceText";
inline constexpr char webAddressLink[] = "webAddressLink";

} // namespace radixon::about::name
