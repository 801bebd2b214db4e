#pragma once

#include "windows/about/about_names.h"
#include "windows/common/window_texts.h"

namespace radixon::about {

// The catalogues' context of every text below.
inline constexpr char context[] = "AboutWindow";

// The window's texts, in the order the window writes them. Lines are separated by
// a bare line feed: a plain-text label breaks there, while a carriage return would
// be drawn as a glyph of its own.
inline constexpr TextRow texts[] = {
    {name::aboutText, TextRole::Caption,
     QT_TRANSLATE_NOOP("AboutWindow",
                       "The << Radixon >> is a program created by Zendor.\n"
                       "It was created for educational reasons.\n"
                       "\n"
                       "It's a program for converting decimal numbers to Binary, Octal and "
                       "Hexademical system and "
                       "other...\n"
                       "\n"
                       "Features:\n"
                       "1. Decimal convertion to Binary, Octal and Hexademical system.\n"
                       "2. Binary, Octal and Hexademical convertion to Decimal.\n"
                       "3. Any base convertion.\n"
                       "4. List with Binary, Octal and Hexademical first 100 numbers.\n"
                       "5. Temporary list.")},
    {name::licenceText, TextRole::Caption,
     QT_TRANSLATE_NOOP("AboutWindow",
                       "Radixon is free to use for learning and teaching.\n"
                       "It comes without any warranty; you use it at your own risk.")},
    {name::aboutFrame, TextRole::Caption, QT_TRANSLATE_NOOP("AboutWindow", "About Radixon")},
    {name::licenceFrame, TextRole::Caption, QT_TRANSLATE_NOOP("AboutWindow", "License")},
    {name::window, TextRole::Title, QT_TRANSLATE_NOOP("AboutWindow", "About:")},
};

} // namespace radixon::about
