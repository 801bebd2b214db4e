#pragma once

#include "window_services/title_bar.h"

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace radixon {

// A framed window is frameless for the window manager and draws a one-pixel border and,
// inside its top border, a TitleBar; its designed client area starts below the bar.

// Frame arithmetic. A title-bar height of 0 means no frame of ours at all.
QMargins frameMarginsFor(int titleBarHeight);
QSize outerSizeFor(QSize client, int titleBarHeight);
QRect titleBarRectFor(QSize outer, int titleBarHeight);

// With system frames (main sets this from --system-frames) installFrame changes nothing
// and the window manager keeps drawing the decorations.
void setSystemFrames(bool on);
bool systemFrames();

// Makes `window` framed: call it before the window is first shown. The window's current
// size is kept as its client size. Does nothing with system frames.
void installFrame(QWidget *window, TitleBar::Buttons buttons,
                  TitleBar::Kind kind = TitleBar::Kind::Normal,
                  TitleBar::DragStart onDragStart = {});

// The window's title bar, or nullptr when it has none.
TitleBar *titleBarOf(const QWidget *window);
// The window's outer edges around its client area; zero when it is not framed.
QMargins frameMargins(const QWidget *window);
// Where the client area starts inside the window.
QPoint clientOrigin(const QWidget *window);
// Fixes the window's size to the client size plus the frame.
void setClientSize(QWidget *window, QSize client);
void setClientHeight(QWidget *window, int height);

} // namespace radixon
