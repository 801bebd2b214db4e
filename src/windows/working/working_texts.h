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
    {name::table, TextRole::AccessibleName, QT_TRANSLATE_NOOP("WorkingWindow", "RX Working:")},
};

// The columns of the two kinds of working. A narrow column is as wide as the widest
// text of its kind; the shared ones, which hold the long numbers, share what is left.
enum class ColumnWidth { Shared, Digit, BelowBase, Position, Weight };
struct Column {
    const char *title;
    ColumnWidth width;
};
inline constexpr Column divisionColumns[] = {
    {QT_TRANSLATE_NOOP("WorkingWindow", "Number"), ColumnWidth::Shared},
    {QT_TRANSLATE_NOOP("WorkingWindow", "Quotient"), ColumnWidth::Shared},
    {QT_TRANSLATE_NOOP("WorkingWindow", "Remainder"), ColumnWidth::BelowBase},
    {QT_TRANSLATE_NOOP("WorkingWindow", "Digit"), ColumnWidth::Digit},
};
inline constexpr Column positionalColumns[] = {
    {QT_TRANSLATE_NOOP("WorkingWindow", "Digit"), ColumnWidth::Digit},
    {QT_TRANSLATE_NOOP("WorkingWindow", "Value"), ColumnWidth::BelowBase},
    {QT_TRANSLATE_NOOP("WorkingWindow", "Position"), ColumnWidth::Position},
    {QT_TRANSLATE_NOOP("WorkingWindow", "Weight"), ColumnWidth::Weight},
    {QT_TRANSLATE_NOOP("WorkingWindow", "Value × Weight"), ColumnWidth::Shared},
};

inline constexpr const char *calculateFirst = QT_TRANSLATE_NOOP("WorkingWindow", "Calculate first");
inline constexpr const char *readUpwards =
    QT_TRANSLATE_NOOP("WorkingWindow", "Read the remainders from the last to the first: ");
inline constexpr const char *sum = QT_TRANSLATE_NOOP("WorkingWindow", "Sum");
// A number too long for its place: its first digits, its last digits, its length.
inline constexpr const char *inBrief = QT_TRANSLATE_NOOP("WorkingWindow", "%1…%2 (%3 digits)");
inline constexpr const char *tooLongTitle = "Radixon";
inline constexpr const char *tooLongToCopy =
    QT_TRANSLATE_NOOP("WorkingWindow", "The working is too long to copy");

} // namespace radixon::working
