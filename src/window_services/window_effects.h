#pragma once

#include "window_services/effect_frames.h"

#include <functional>

class QWidget;

namespace radixon {

// Called once when the effect has run to its end. Not called when the window is
// destroyed first, or when another effect on the same window takes over.
using EffectFinished = std::function<void()>;

// Opens or closes the window with a centred rectangle that grows or shrinks, without
// blocking: `steps` frames after the first, one every frameDelayMs (both at least 1)
// on the event loop. Opening shows the window; closing leaves it visible with an
// empty shape, so the caller hides or deletes it from onFinished. The shape covers
// the client area; a window manager's decoration stays.
void playEffect(QWidget *window, EffectDirection direction, int frameDelayMs = 10, int steps = 50,
                EffectFinished onFinished = {});

bool isEffectRunning(const QWidget *window);

} // namespace radixon
