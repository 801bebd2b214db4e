#include "window_services/effect_frames.h"

#include <algorithm>
#include <cmath>

namespace radixon {

namespace {

// Nearest integer, ties to even (the default floating-point rounding mode).
int r(double x) { return static_cast<int>(std::nearbyint(x)); }

Rect clipped(Rect a, const Rect &bounds)
{
    a.left = std::max(a.left, bounds.left);
    a.top = std::max(a.top, bounds.top);
    a.right = std::min(a.right, bounds.right);
    a.bottom = std::min(a.bottom, bounds.bottom);
    return a;
}

void addClipped(EffectRegion &region, const Rect &a, const Rect &bounds)
{
    const Rect c = clipped(a, bounds);
    if (!c.isEmpty())
        region.push_back(c);
}

// Region minus one rectangle; every piece stays disjoint from the others.
EffectRegion subtract(const EffectRegion &region, const Rect &cut)
{
    EffectRegion out;
    for (const Rect &a : region) {
        const Rect overlap = clipped(cut, a);
        if (overlap.isEmpty()) {
            out.push_back(a);
            continue;
        }
        const Rect pieces[] = {
            {a.left, a.top, a.right, overlap.top},
            {a.left, overlap.bottom, a.right, a.bottom},
            {a.left, overlap.top, overlap.left, overlap.bottom},
            {overlap.right, overlap.top, a.right, overlap.bottom},
        };
        for (const Rect &p : pieces) {
            if (!p.isEmpty())
                out.push_back(p);
        }
    }
    return out;
}

bool isBlinds(int effect) { return effect == 12 || effect == 13; }

} // namespace

int effectFrameCount(int effect, int steps)
{
    if (effect < 0 || effect >= effectCount)
        return 0;
    if (steps == 0)
        return -1;
    const int last = isBlinds(effect) ? r(steps / 2.0) : steps;
    return last < 0 ? 0 : last + 1;
}

EffectRegion effectRegion(int effect, EffectDirection direction, int frame, int width, int height,
                          int steps)
{
    EffectRegion region;
    if (effectFrameCount(effect, steps) <= 0)
        return region;

    const Rect whole{0, 0, width, height};
    const bool open = direction == EffectDirection::Open;
    const double W = width;
    const double H = height;
    const double i = frame;
    const double dx = W / steps;
    const double dy = H / steps;

    Rect shape;
    switch (effect) {
    case 0:
        shape = {0, 0, r(i * dx), height};
        break;
    case 1:
        shape = {r(W - i * dx), 0, width, height};
        break;
    case 2:
        shape = {0, 0, width, r(i * dy)};
        break;
    case 3:
        shape = {0, r(H - i * dy), width, height};
        break;
    case 4:
        shape = open ? Rect{0, 0, r(i * dx), r(i * dy)} : Rect{0, 0, r(W - i * dx), r(H - i * dy)};
        break;
    case 5:
        shape = open ? Rect{0, r(H - i * dy), r(i * dx), height}
                     : Rect{0, r(i * dy), r(W - i * dx), height};
        break;
    case 6:
        shape = open ? Rect{r(W - i * dx), 0, width, r(i * dy)}
                     : Rect{r(i * dx), 0, width, r(H - i * dy)};
        break;
    case 7:
        shape = open ? Rect{r(W - i * dx), r(H - i * dy), width, height}
                     : Rect{r(i * dx), r(i * dy), width, height};
        break;
    case 8: {
        const double a = open ? r(W - i * dx) : r(i * dx);
        shape = {r(a / 2), 0, r(W - a / 2), height};
        break;
    }
    case 9: {
        const double b = open ? r(i * dy) : r(H - i * dy);
        shape = {0, r(H / 2 - b / 2), width, r(b / 2 + H / 2)};
        break;
    }
    case 10:
    case 11: {
        double a = 0;
        double b = 0;
        if (effect == 10) {
            a = open ? r(i * dx) : r(W - i * dx);
            b = open ? r(i * dy) : r(H - i * dy);
        } else {
            const double s = height >= width ? dx : dy;
            a = open ? r(i * s) : r(W - i * s);
            b = open ? r(i * s) : r(H - i * s);
        }
        shape = {r((W - a) / 2), r((H - b) / 2), r((a + W) / 2), r((b + H) / 2)};
        break;
    }
    default: {
        const int period = r(steps / 2.0);
        const int lastStrip = effect == 12 ? r(2 * H / steps) : r(2 * W / steps);
        EffectRegion blinds;
        for (int k = 0; k <= lastStrip; ++k) {
            const Rect strip = effect == 12 ? Rect{0, k * period, width, k * period + frame}
                                            : Rect{k * period, 0, k * period + frame, height};
            addClipped(blinds, strip, whole);
        }
        if (open)
            return blinds;
        region.push_back(whole);
        for (const Rect &strip : blinds)
            region = subtract(region, strip);
        return region;
    }
    }

    if (effect <= 3 && !open) {
        if (!whole.isEmpty())
            region = subtract({whole}, shape);
    } else {
        addClipped(region, shape, whole);
    }
    return region;
}

} // namespace radixon
