#pragma once

#include "windows/common/companion_window.h"

#include <QObject>

#include <functional>
#include <vector>

namespace radixon {

// "Show All" opens or closes the companion windows one after the other: each step
// runs once the window of the step before has finished its effect, so that the
// event loop stays free while the order is kept.
class ShowAllCascade : public QObject {
public:
    // One step sets one window's box; it returns the window whose effect to wait
    // for, or nullptr when the box already was as wanted.
    using Step = std::function<CompanionWindow *()>;

    explicit ShowAllCascade(QObject *parent = nullptr) : QObject(parent) {}

    // Replaces any cascade still running.
    void run(std::vector<Step> steps);
    void cancel();

private:
    void runNext();
    void stopWaiting();

    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    std::vector<QMetaObject::Connection> m_waits;
};

} // namespace radixon
