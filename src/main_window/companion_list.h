#pragma once

#include <QRgb>

#include <cstddef>

struct QMetaObject;

namespace radixon {

class CompanionHost;
class CompanionWindow;

// One companion window as the main window knows it.
struct CompanionEntry {
    const QMetaObject *window;                       // the window's class
    const char *windowName;                          // its object name
    CompanionWindow *(*create)(CompanionHost &host); // a new window, not yet loaded
    // Whether it is on top exactly when the main window is; the others have a box of their own.
    bool onTopWithMain = false;
    // Its box in the options panel; none for About, which the picture opens, or the
    // working, which the converting windows open.
    const char *boxName = nullptr;
    int boxTop = 0;                   // twips, in the options panel
    int boxWidth = 0;                 // twips
    const char *boxCaption = nullptr; // a source text of the main window's catalogue context
    QRgb boxColour = 0;
    int tabPosition = 0; // of the box, in the main window's tab chain
};

// Every companion window, each once, in the order "Show All" opens the ones with a
// box. A new window is its folder under windows/ and its row here.
struct CompanionList {
    const CompanionEntry *first;
    std::size_t count;

    const CompanionEntry *begin() const { return first; }
    const CompanionEntry *end() const { return first + count; }
    std::size_t size() const { return count; }
};
// Set before any code runs (constant initialization), so other files' statics may read it.
extern const CompanionList companionList;

// The row of a window class, which must have one.
const CompanionEntry &companionEntry(const QMetaObject &window);
template <class Window>
const CompanionEntry &companionEntry()
{
    return companionEntry(Window::staticMetaObject);
}
inline std::size_t indexOf(const CompanionEntry &entry)
{
    return static_cast<std::size_t>(&entry - companionList.begin());
}

} // namespace radixon
