#include "window_services/hook_table.h"

#include <algorithm>

namespace radixon {

namespace {

bool holds(const std::vector<HookMessage> &list, HookMessage message)
{
    return std::find(list.begin(), list.end(), message) != list.end();
}

void addOnce(std::vector<HookMessage> &list, HookMessage message)
{
    if (!holds(list, message))
        list.push_back(message);
}

} // namespace

int HookTable::Hook(WindowId window)
{
    if (window == 0)
        return -1;
    if (const int existing = recordOf(window); existing >= 0)
        return existing;
    if (records_.empty())
        records_.emplace_back();

    int slot = -1;
    for (int i = static_cast<int>(records_.size()) - 1; i >= 0; --i) {
        if (records_[static_cast<std::size_t>(i)].window == 0) {
            slot = i;
            break;
        }
    }
    if (slot < 0) {
        records_.emplace_back();
        slot = static_cast<int>(records_.size()) - 1;
    }
    HookRecord &record = records_[static_cast<std::size_t>(slot)];
    record.window = window;
    record.generation = nextGeneration_++;
    record.before.clear();
    record.after.clear();
    return slot;
}

bool HookTable::AddMessage(WindowId window, HookMessage message, HookSide side)
{
    const int index = recordOf(window);
    if (index < 0)
        return false;
    HookRecord &record = records_[static_cast<std::size_t>(index)];
    if (side != HookSide::After)
        addOnce(record.before, message);
    if (side != HookSide::Before)
        addOnce(record.after, message);
    return true;
}

bool HookTable::Unhook(WindowId window)
{
    const int index = recordOf(window);
    if (index < 0)
        return false;
    records_[static_cast<std::size_t>(index)] = HookRecord{};
    return true;
}

void HookTable::UnhookAll()
{
    for (auto i = records_.size(); i-- > 0;) {
        if (records_[i].window != 0)
            Unhook(records_[i].window);
    }
}

int HookTable::recordOf(WindowId window) const
{
    if (window == 0)
        return -1;
    for (std::size_t i = 0; i < records_.size(); ++i) {
        if (records_[i].window == window)
            return static_cast<int>(i);
    }
    return -1;
}

bool HookTable::wants(WindowId window, HookMessage message, HookSide side) const
{
    const int index = recordOf(window);
    if (index < 0)
        return false;
    const HookRecord &record = records_[static_cast<std::size_t>(index)];
    switch (side) {
    case HookSide::Before:
        return holds(record.before, message);
    case HookSide::After:
        return holds(record.after, message);
    case HookSide::Both:
        return holds(record.before, message) && holds(record.after, message);
    }
    return false;
}

int HookTable::relay(HookClient &client, WindowId window, HookMessage message, int &wParam, Rect &rect,
                     const WindowProc &windowProc)
{
    int result = 0;
    bool handled = false;
    const int index = recordOf(window);
    // A hook removed (or replaced) during a callback must not be called again
    // for this message, even if a new hook took over the same record.
    const std::uint64_t generation = index >= 0 ? records_[static_cast<std::size_t>(index)].generation : 0;
    const auto stillHooked = [&] {
        const int now = recordOf(window);
        return now >= 0 && records_[static_cast<std::size_t>(now)].generation == generation;
    };

    if (index >= 0 && wants(window, message, HookSide::Before)) {
        client.OnHookedMessage(true, handled, result, window, message, wParam, rect);
        if (handled)
            return result;
    }
    if (windowProc)
        result = windowProc();
    if (index >= 0 && stillHooked() && wants(window, message, HookSide::After))
        client.OnHookedMessage(false, handled, result, window, message, wParam, rect);
    return result;
}

} // namespace radixon
