#pragma once

#include "windows/common/window_texts.h"
#include "windows/working/working_names.h"

namespace radixon::working {

// The catalogues' context of every text below.
inline constexpr char context[] = "WorkingWindow";

inline constexpr TextRow texts[] = {
    {name::window, TextRole::Title, QT_TRANSLATE_NOOP("WorkingWindow", "RX Working:")},
    {name::throughBinaryLabel, TextRole::Caption,
     QT_TRANSLATE_NOOP("WorkingWindow", "Through binary")},
    {name::copyButton, TextRole::Caption, QT_TRANSLATE_NOOP("WorkingWindow", "Copy")},
    {name::practiseButton, TextRole::Caption, QT_TRANSLATE_NOOP("WorkingWindow", "Practise")},
    {name::table, TextRole::AccessibleName, QT_TRANSLATE_NOOP("WorkingWindow", "RX Working:")},
};

// The columns of the kinds of working. A column is as wide as the widest text it holds:
// the narrow ones know it from the base, the others measure their first rows.
enum class ColumnWidth { Measured, Digit, BelowBase, Position, Weight };
struct Column {
    const char *title;
    ColumnWidth width;
};
inline constexpr Column divisionColumns[] = {
    {QT_TRANSLATE_NOOP("WorkingWindow", "Number"), ColumnWidth::Measured},
    {QT_TRANSLATE_NOOP("WorkingWindow", "Quotient"), ColumnWidth::Measured},
    {QT_TRANSLATE_NOOP("WorkingWindow", "Remainder"), ColumnWidth::BelowBase},
    {QT_TRANSLATE_NOOP("WorkingWindow", "Digit"), ColumnWidth::Digit},
};
inline constexpr Column positionalColumns[] = {
    {QT_TRANSLATE_NOOP("WorkingWindow", "Digit"), ColumnWidth::Digit},
    {QT_TRANSLATE_NOOP("WorkingWindow", "Value"), ColumnWidth::BelowBase},
    {QT_TRANSLATE_NOOP("WorkingWindow", "Position"), ColumnWidth::Position},
    {QT_TRANSLATE_NOOP("WorkingWindow", "Weight"), ColumnWidth::Weight},
    {QT_TRANSLATE_NOOP("WorkingWindow", "Value × Weight"), ColumnWidth::Measured},
};
inline constexpr Column fractionColumns[] = {
    {QT_TRANSLATE_NOOP("WorkingWindow", "Fraction"), ColumnWidth::Measured},
    {QT_TRANSLATE_NOOP("WorkingWindow", "Fraction × Base"), ColumnWidth::Measured},
    {QT_TRANSLATE_NOOP("WorkingWindow", "Digit"), ColumnWidth::Digit},
    {QT_TRANSLATE_NOOP("WorkingWindow", "Next Fraction"), ColumnWidth::Measured},
};

// The heading of a base without a name of its own; the systems with one have theirs.
inline constexpr const char *toOtherBase =
    QT_TRANSLATE_NOOP("WorkingWindow", "%1 from decimal to base %2");

// The fraction's table, made only for a number with a fraction, is named for screen readers.
inline constexpr const char *fractionPart = QT_TRANSLATE_NOOP("WorkingWindow", "Fractional part");
inline constexpr const char *divideMethod =
    QT_TRANSLATE_NOOP("WorkingWindow", "Divide by %1 repeatedly: each remainder is a digit.");
inline constexpr const char *positionalMethod = QT_TRANSLATE_NOOP(
    "WorkingWindow", "Each digit times %1 to the power of its position; the products are added.");
inline constexpr const char *multiplyMethod =
    QT_TRANSLATE_NOOP("WorkingWindow", "The fraction %1: multiply by %2 repeatedly; the whole "
                                       "part of each product is the next digit.");
inline constexpr const char *calculateFirst = QT_TRANSLATE_NOOP("WorkingWindow", "Calculate first");
inline constexpr const char *readUpwards =
    QT_TRANSLATE_NOOP("WorkingWindow", "Read the remainders from the last to the first: ");
inline constexpr const char *readWithFraction =
    QT_TRANSLATE_NOOP("WorkingWindow", "Read the remainders from the last to the first, then the "
                                       "digits of the fraction from the first to the last: ");
inline constexpr const char *wholePartOnly =
    QT_TRANSLATE_NOOP("WorkingWindow", "The result field holds the whole part only.");
inline constexpr const char *periodShown = QT_TRANSLATE_NOOP(
    "WorkingWindow", "The fraction %1 comes back, so the digits in parentheses repeat for ever "
                     "(period %2).");
inline constexpr const char *periodLonger = QT_TRANSLATE_NOOP(
    "WorkingWindow",
    "The digits repeat with a period of %1 digits, longer than the %2 rows shown here.");
inline constexpr const char *sum = QT_TRANSLATE_NOOP("WorkingWindow", "Sum");
inline constexpr const char *copyGivesAll =
    QT_TRANSLATE_NOOP("WorkingWindow", "(Copy gives it in full.)");
inline constexpr const char *digitValues = QT_TRANSLATE_NOOP("WorkingWindow", "Digit values: %1");
inline constexpr const char *spacedDigits = QT_TRANSLATE_NOOP(
    "WorkingWindow", "In base %1 a digit may take two or three figures, so the digits are "
                     "spaced here; the result field writes them run together.");
// A practice answer's working: the step that gives its first wrong digit is marked.
inline constexpr const char *markedStep = QT_TRANSLATE_NOOP(
    "WorkingWindow", "The marked step gives the first wrong digit of your answer.");
inline constexpr const char *sumGivesAll = QT_TRANSLATE_NOOP(
    "WorkingWindow", "The sum gives every digit of the answer: compare them one by one.");
inline constexpr const char *groupingMethod = QT_TRANSLATE_NOOP(
    "WorkingWindow", "Binary and base %1: each group of %2 binary digits, counted from the "
                     "right, is one digit in base %1.");
// A number too long for its place: its first digits, its last digits, its length.
inline constexpr const char *inBrief = QT_TRANSLATE_NOOP("WorkingWindow", "%1…%2 (%3 digits)");
inline constexpr const char *tooLongTitle = "Radixon";
inline constexpr const char *tooLongToCopy =
    QT_TRANSLATE_NOOP("WorkingWindow", "The working is too long to copy");

// Why the last calculation gave no working, in the order of ConversionFailure::Reason.
inline constexpr const char *noResult =
    QT_TRANSLATE_NOOP("WorkingWindow", "The last calculation gave no result.");
inline constexpr const char *failures[] = {
    QT_TRANSLATE_NOOP("WorkingWindow", "“%1” is not a number."),
    QT_TRANSLATE_NOOP("WorkingWindow",
                      "%1 is negative: only numbers from 0 upwards are converted."),
    QT_TRANSLATE_NOOP("WorkingWindow",
                      "%1 is too large: the largest number converted is %2 (2^96 − 1)."),
    QT_TRANSLATE_NOOP("WorkingWindow", "“%1” is not a digit in base %2: its digits are %3."),
    QT_TRANSLATE_NOOP("WorkingWindow",
                      "“%1” is not a base: a base is a whole number from 2 to 255."),
    QT_TRANSLATE_NOOP("WorkingWindow", "The number has %1 digits: at most 32767 are converted."),
};
inline constexpr const char *twoDigits = QT_TRANSLATE_NOOP("WorkingWindow", "0 and 1");
inline constexpr const char *figuresTo = QT_TRANSLATE_NOOP("WorkingWindow", "0 to %1");
inline constexpr const char *figuresAndLettersTo =
    QT_TRANSLATE_NOOP("WorkingWindow", "0 to 9 and A to %1");

} // namespace radixon::working
