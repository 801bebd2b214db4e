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
    {name::groupsTable, TextRole::AccessibleName,
     QT_TRANSLATE_NOOP("WorkingWindow", "Through binary")},
};

// The columns of the two kinds of working.
inline constexpr const char *divisionColumns[] = {
    QT_TRANSLATE_NOOP("WorkingWindow", "Number"),
    QT_TRANSLATE_NOOP("WorkingWindow", "Quotient"),
    QT_TRANSLATE_NOOP("WorkingWindow", "Remainder"),
    QT_TRANSLATE_NOOP("WorkingWindow", "Digit"),
};
inline constexpr const char *positionalColumns[] = {
    QT_TRANSLATE_NOOP("WorkingWindow", "Digit"),
    QT_TRANSLATE_NOOP("WorkingWindow", "Value"),
    QT_TRANSLATE_NOOP("WorkingWindow", "Position"),
    QT_TRANSLATE_NOOP("WorkingWindow", "Weight"),
    QT_TRANSLATE_NOOP("WorkingWindow", "Value × Weight"),
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
