#pragma once

#include "windows/common/number_systems.h"
#include "windows/common/window_texts.h"
#include "windows/lists/lists_names.h"

#include <array>

namespace radixon::lists {

// The catalogues' context of every text below.
inline constexpr char context[] = "ListsWindow";

// The window's own captions; each system's frame takes the system's.
inline constexpr TextRow texts[] = {
    {name::optionsFrame, TextRole::Caption, QT_TRANSLATE_NOOP("ListsWindow", "Options")},
    {name::window, TextRole::Title,
     QT_TRANSLATE_NOOP("ListsWindow", "RX Lists:  (Double Click Item To Send To Temorary List)")},
    {name::onTopBox, TextRole::Caption, QT_TRANSLATE_NOOP("ListsWindow", "Always On Top")},
};

// Each system's frame and list, in the order of numberSystems; the frame's caption and
// the list's texts are the system's.
struct SystemList {
    const char *frameName;
    const char *listName;
    int frameLeft, frameTop; // in twips
    int columns;
};

inline constexpr std::array<SystemList, numberSystems.size()> systemLists{{
    {name::binaryFrame, name::binaryList, 90, 15, 4},             // twips, then columns
    {name::octalFrame, name::octalList, 90, 1725, 6},             // twips, then columns
    {name::hexadecimalFrame, name::hexadecimalList, 75, 3450, 7}, // twips, then columns
}};

} // namespace radixon::lists
