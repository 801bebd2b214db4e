#pragma once

#include "windows/common/companion_host.h"

#include <QRgb>

#include <array>

namespace radixon {

class CompanionWindow;

// One companion window as the main window knows it.
struct CompanionEntry {
    Companion which;
    const char *windowName;                          // the window's object name
    CompanionWindow *(*create)(CompanionHost &host); // a new window, not yet loaded
    // Its box in the options panel; none for About, which the picture opens.
    const char *boxName;
    const char *boxCaption; // a source text of the main window's catalogue context
    int boxTop;             // twips, in the options panel
    int boxWidth;           // twips
    QRgb boxColour;
};

// Every companion window, each kind once, in the order "Show All" opens the ones with
// a box. A new window is its folder under windows/, its kind in
// Companion and its row here.
extern const std::array<CompanionEntry, 5> companionList;

const CompanionEntry &companionEntry(Companion which);

} // namespace radixon
