#pragma once

// The window's and its controls' object names: their identity for assistive technologies and tests.
namespace radixon::practice::name {

inline constexpr char window[] = "practiceWindow";
inline constexpr char kindLabel[] = "kindLabel";
inline constexpr char kindList[] = "kindList";
inline constexpr char baseLabel[] = "baseLabel";
inline constexpr char baseField[] = "baseField";
inline constexpr char levelLabel[] = "levelLabel";
inline constexpr char levelList[] = "levelList";
inline constexpr char questionLine[] = "questionLine";
inline constexpr char answerLabel[] = "answerLabel";
inline constexpr char answerField[] = "answerField";
inline constexpr char checkButton[] = "checkButton";
inline constexpr char tryAgainButton[] = "tryAgainButton";
inline constexpr char nextButton[] = "nextButton";
inline constexpr char verdictLine[] = "verdictLine";
inline constexpr char scoreLine[] = "scoreLine";

} // namespace radixon::practice::name
