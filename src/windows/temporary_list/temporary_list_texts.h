#pragma once

#include "windows/common/window_texts.h"
#include "windows/temporary_list/temporary_list_names.h"

namespace radixon::temporary_list {

// The catalogues' context of every text below.
inline constexpr char context[] = "TemporaryListWindow";

// The window's captions, in the order the language switch writes them.
inline constexpr TextRow texts[] = {
    {name::window, TextRole::Title, QT_TRANSLATE_NOOP("TemporaryListWindow", "RX Temporary List:")},
    {name::listFrame, TextRole::Caption,
     QT_TRANSLATE_NOOP("TemporaryListWindow", "Temporary List")},
    {name::optionsPanel, TextRole::Caption, QT_TRANSLATE_NOOP("TemporaryListWindow", "Options")},
    {name::saveBox, TextRole::Caption,
     QT_TRANSLATE_NOOP("TemporaryListWindow", "Save Temporary List")},
    {name::removeSelectedBox, TextRole::Caption,
     QT_TRANSLATE_NOOP("TemporaryListWindow", "Remove Selected Item")},
    {name::removeRepeatsBox, TextRole::Caption,
     QT_TRANSLATE_NOOP("TemporaryListWindow", "Remove Double Items")},
    {name::removeAllBox, TextRole::Caption,
     QT_TRANSLATE_NOOP("TemporaryListWindow", "Remove All Items")},
    {name::onTopBox, TextRole::Caption, QT_TRANSLATE_NOOP("TemporaryListWindow", "Always On Top")},
};

// Texts of the save action; they follow the main window's language at the moment of the click.
inline constexpr const char *messageTitle =
    QT_TRANSLATE_NOOP("TemporaryListWindow", "Radixon_Radixon");
inline constexpr const char *emptyList =
    QT_TRANSLATE_NOOP("TemporaryListWindow", "There Are No Items In The Temporary List To Save");
inline constexpr const char *notSaved =
    QT_TRANSLATE_NOOP("TemporaryListWindow", "The Temporary List Could Not Be Saved");
inline constexpr const char *defaultFileName =
    QT_TRANSLATE_NOOP("TemporaryListWindow", "Radixon List");
inline constexpr const char *dialogTitle =
    QT_TRANSLATE_NOOP("TemporaryListWindow", "Radixon_Radixon. Enter a File Name:");
inline constexpr char fileFilter[] = "Text Document(*.txt)";

} // namespace radixon::temporary_list
