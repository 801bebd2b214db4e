#pragma once

// The window's and its controls' object names: their identity for assistive technologies and tests.
namespace radixon::working::name {

inline constexpr char window[] = "workingWindow";
inline constexpr char heading[] = "headingLine";
inline constexpr char table[] = "workingTable";
inline constexpr char fractionTable[] = "fractionTable";
inline constexpr char readingLine[] = "readingLine";
inline constexpr char notes[] = "notesLine";
inline constexpr char throughBinaryLabel[] = "throughBinaryLabel";
inline constexpr char groupsTable[] = "groupsTable";
inline constexpr char copyButton[] = "copyButton";
inline constexpr char practiseButton[] = "practiseButton";

} // namespace radixon::working::name
