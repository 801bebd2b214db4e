#pragma once

#include "window_services/effect_frames.h"

#include <functional>

class QWidget;

namespace radixon {

// Called once when the effect has run to its end (true) or stopped on an error
// (false). Not called when the window is destroyed first, or when another
// effect on the same window takes over.
using EffectFinished = std::function<void(bool ok)>;

// Opens or closes the window with an animated shape, without blocking: frames
// follow every frameDelayMs on the event loop. Opening shows the window;
// closing leaves it visible with an empty shape, so the caller hides or
// deletes it from onFinished. Returns false, after showing the window, when
// the steps give no step size; an effect number outside 0 to 13 just shows the
// window. In both of those cases onFinished runs before playEffect returns.
// The shape covers the client area; a window manager's decoration stays.
bool playEffect(QWidget *window, EffectDirection direction, int effect = 10, int frameDelayMs = 10,
                int steps = 50, EffectFinished onFinished = {});

bool isEffectRunning(const QWidget *window);
// Jumps to the last frame of a running effect and reports it as finished.
void finishEffect(QWidget *window);

} // namespace radixon
