#pragma once

#include "conversion/practice.h"
#include "windows/common/window_texts.h"
#include "windows/practice/practice_names.h"

namespace radixon::practice {

// The catalogues' context of every text below.
inline constexpr char context[] = "PracticeWindow";

inline constexpr TextRow texts[] = {
    {name::window, TextRole::Title, QT_TRANSLATE_NOOP("PracticeWindow", "RX Practice:")},
    {name::kindLabel, TextRole::Caption, QT_TRANSLATE_NOOP("PracticeWindow", "Exercise:")},
    {name::baseLabel, TextRole::Caption, QT_TRANSLATE_NOOP("PracticeWindow", "Base:")},
    {name::levelLabel, TextRole::Caption, QT_TRANSLATE_NOOP("PracticeWindow", "Numbers up to:")},
    {name::answerLabel, TextRole::Caption, QT_TRANSLATE_NOOP("PracticeWindow", "Your answer:")},
    {name::checkButton, TextRole::Caption, QT_TRANSLATE_NOOP("PracticeWindow", "Check")},
    {name::tryAgainButton, TextRole::Caption, QT_TRANSLATE_NOOP("PracticeWindow", "Try Again")},
    {name::nextButton, TextRole::Caption, QT_TRANSLATE_NOOP("PracticeWindow", "Next")},
    {name::questionLine, TextRole::AccessibleName, QT_TRANSLATE_NOOP("PracticeWindow", "Exercise")},
    {name::verdictLine, TextRole::AccessibleName, QT_TRANSLATE_NOOP("PracticeWindow", "Verdict")},
    {name::scoreLine, TextRole::AccessibleName, QT_TRANSLATE_NOOP("PracticeWindow", "Score")},
};

// Each kind of exercise as the list names it and as an exercise asks it (%1 the number,
// %2 the base), in the order of ExerciseKind.
struct KindTexts {
    const char *name;
    const char *question;
};
inline constexpr KindTexts kinds[] = {
    {QT_TRANSLATE_NOOP("PracticeWindow", "Decimal to binary"),
     QT_TRANSLATE_NOOP("PracticeWindow", "Write %1 in binary.")},
    {QT_TRANSLATE_NOOP("PracticeWindow", "Decimal to octal"),
     QT_TRANSLATE_NOOP("PracticeWindow", "Write %1 in octal.")},
    {QT_TRANSLATE_NOOP("PracticeWindow", "Decimal to hexadecimal"),
     QT_TRANSLATE_NOOP("PracticeWindow", "Write %1 in hexadecimal.")},
    {QT_TRANSLATE_NOOP("PracticeWindow", "Decimal to another base"),
     QT_TRANSLATE_NOOP("PracticeWindow", "Write %1 in base %2.")},
    {QT_TRANSLATE_NOOP("PracticeWindow", "Binary to decimal"),
     QT_TRANSLATE_NOOP("PracticeWindow", "Write %1 (binary) in decimal.")},
    {QT_TRANSLATE_NOOP("PracticeWindow", "Octal to decimal"),
     QT_TRANSLATE_NOOP("PracticeWindow", "Write %1 (octal) in decimal.")},
    {QT_TRANSLATE_NOOP("PracticeWindow", "Hexadecimal to decimal"),
     QT_TRANSLATE_NOOP("PracticeWindow", "Write %1 (hexadecimal) in decimal.")},
    {QT_TRANSLATE_NOOP("PracticeWindow", "Binary to octal, by groups"),
     QT_TRANSLATE_NOOP("PracticeWindow", "Write %1 (binary) in octal.")},
    {QT_TRANSLATE_NOOP("PracticeWindow", "Binary to hexadecimal, by groups"),
     QT_TRANSLATE_NOOP("PracticeWindow", "Write %1 (binary) in hexadecimal.")},
    {QT_TRANSLATE_NOOP("PracticeWindow", "Octal to binary, by groups"),
     QT_TRANSLATE_NOOP("PracticeWindow", "Write %1 (octal) in binary.")},
    {QT_TRANSLATE_NOOP("PracticeWindow", "Hexadecimal to binary, by groups"),
     QT_TRANSLATE_NOOP("PracticeWindow", "Write %1 (hexadecimal) in binary.")},
    {QT_TRANSLATE_NOOP("PracticeWindow", "Decimal fraction to binary"),
     QT_TRANSLATE_NOOP("PracticeWindow", "Write %1 in binary.")},
};
static_assert(std::size(kinds) == exerciseKindCount);

inline constexpr const char *right =
    QT_TRANSLATE_NOOP("PracticeWindow", "✓ Right! Enter gives the next exercise.");
// %1 is the digit's place, counted from 1 at the left.
inline constexpr const char *mistakes[] = {
    QT_TRANSLATE_NOOP("PracticeWindow", "✗ Not right: digit %1 from the left is wrong."),
    QT_TRANSLATE_NOOP("PracticeWindow", "✗ Not right: digit %1 from the left is missing."),
    QT_TRANSLATE_NOOP("PracticeWindow",
                      "✗ Not right: the answer has too many digits, from digit %1 on."),
};
inline constexpr const char *markedStep =
    QT_TRANSLATE_NOOP("PracticeWindow", "The working shows the step that gives it, marked.");
inline constexpr const char *sumStep =
    QT_TRANSLATE_NOOP("PracticeWindow", "The working shows the sum that gives every digit.");
// Why an answer is not taken, in the order of AnswerCheck::Refusal from Empty on.
inline constexpr const char *refusals[] = {
    QT_TRANSLATE_NOOP("PracticeWindow", "Type your answer first."),
    QT_TRANSLATE_NOOP("PracticeWindow", "“%1” is not a digit in base %2."),
    QT_TRANSLATE_NOOP("PracticeWindow", "The answer is a whole number: it has no point."),
    QT_TRANSLATE_NOOP("PracticeWindow", "A number has one point at most."),
    QT_TRANSLATE_NOOP("PracticeWindow", "Spaces may only stand between groups of digits."),
};
inline constexpr const char *notCounted =
    QT_TRANSLATE_NOOP("PracticeWindow", "This does not count as an attempt.");
inline constexpr const char *score =
    QT_TRANSLATE_NOOP("PracticeWindow", "Right: %1 of %2 · In a row: %3");

} // namespace radixon::practice
