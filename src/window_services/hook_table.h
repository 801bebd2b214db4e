#pragma once

#include "window_services/geometry.h"
#include "window_services/window_system.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace radixon {

// The messages the docking manager listens to; the numbers are the classic
// window-message numbers so that logs read the same on every platform.
enum class HookMessage : int {
    Command = 273,
    SysCommand = 274,
    Sizing = 532,
    Moving = 534,
    EnterSizeMove = 561,
    ExitSizeMove = 562,
};

// System commands carried by HookMessage::SysCommand in wParam.
constexpr int ScMinimize = 61472;
constexpr int ScRestore = 61728;

enum class HookSide { Before, After, Both };

struct HookRecord {
    WindowId window = 0; // 0 marks a free record
    std::uint64_t generation = 0; // tells successive hooks of one record apart
    std::vector<HookMessage> before;
    std::vector<HookMessage> after;
};

class HookClient {
public:
    virtual ~HookClient() = default;
    // Setting handled in a before call consumes the message: the window's own
    // handling and the after calls are skipped and result is the answer.
    virtual void OnHookedMessage(bool before, bool &handled, int &result, WindowId hWnd,
                                 HookMessage uMsg, int &wParam, Rect &rect) = 0;
};

class HookTable {
public:
    using WindowProc = std::function<int()>;

    // Returns the record number; a window that is hooked already keeps its record.
    int Hook(WindowId window);
    bool AddMessage(WindowId window, HookMessage message, HookSide side);
    bool Unhook(WindowId window);
    void UnhookAll();

    // Delivers one message to a window: before calls, the window's own handling
    // (windowProc), after calls. The client may unhook the window (or any other)
    // from inside its callback.
    int relay(HookClient &client, WindowId window, HookMessage message, int &wParam, Rect &rect,
              const WindowProc &windowProc);

    int recordOf(WindowId window) const; // -1 when not hooked
    bool isHooked(WindowId window) const { return recordOf(window) >= 0; }
    bool wants(WindowId window, HookMessage message, HookSide side) const;
    const std::vector<HookRecord> &records() const { return records_; }

private:
    std::vector<HookRecord> records_;
    std::uint64_t nextGeneration_ = 1;
};

} // namespace radixon
