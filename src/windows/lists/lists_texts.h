#pragma once

#include "windows/common/window_texts.h"
#include "windows/lists/lists_names.h"

#include <array>

namespace radixon::lists {

// The catalogues' context of every text below.
inline constexpr char context[] = "ListsWindow";

// The window's captions, in the order the language switch writes them.
inline constexpr TextRow texts[] = {
    {name::binaryFrame, TextRole::Caption, QT_TRANSLATE_NOOP("ListsWindow", "Binary System")},
    {name::hexadecimalFrame, TextRole::Caption,
     QT_TRANSLATE_NOOP("ListsWindow", "Hexademical System")},
    {name::octalFrame, TextRole::Caption, QT_TRANSLATE_NOOP("ListsWindow", "Octal System")},
    {name::optionsFrame, TextRole::Caption, QT_TRANSLATE_NOOP("ListsWindow", "Options")},
    {name::window, TextRole::Title,
     QT_TRANSLATE_NOOP("ListsWindow", "RX Lists:  (Double Click Item To Send To Temorary List)")},
    {name::onTopBox, TextRole::Caption, QT_TRANSLATE_NOOP("ListsWindow", "Always On Top")},
};

// One list per system: its base, the number of columns it shows, and the texts that
// follow the main window's language at the moment they are used.
struct NumberList {
    const char *objectName;
    int base;
    int columns;
    const char *tipPrefix;
    const char *sentLabel;
};

inline constexpr std::array<NumberList, 3> numberLists{{
    {name::binaryList, 2, 4, QT_TRANSLATE_NOOP("ListsWindow", "Binary "),
     QT_TRANSLATE_NOOP("ListsWindow", "Bin: ")},
    {name::octalList, 8, 6, QT_TRANSLATE_NOOP("ListsWindow", "Octal "),
     QT_TRANSLATE_NOOP("ListsWindow", "Oct: ")},
    {name::hexadecimalList, 16, 7, QT_TRANSLATE_NOOP("ListsWindow", "Hexademical "),
     QT_TRANSLATE_NOOP("ListsWindow", "Hex: ")},
}};

} // namespace radixon::lists
