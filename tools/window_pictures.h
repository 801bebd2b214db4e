#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace radixon {

class MainWindow;

// The scene of the README's pictures: in each language every window open, a little
// typed, the text cursor steady. Each window is handed over while it is the active one,
// with the file name of its picture ("lists-greek.png"), so that a picture taken on any
// display is the same. False if a window did not open or close in time.
using PictureTaker = std::function<void(QWidget *window, const QString &fileName)>;
bool showEveryWindow(MainWindow &main, const PictureTaker &take);

} // namespace radixon
