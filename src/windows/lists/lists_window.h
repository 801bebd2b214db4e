#pragma once

#include "windows/common/companion_window.h"
#include "windows/common/number_systems.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QListWidget;

namespace radixon {

// The numbers 1 to 100 in binary, octal and hexadecimal, for reference; a double
// click sends a line to the temporary list.
class ListsWindow : public CompanionWindow {
    Q_OBJECT
public:
    explicit ListsWindow(CompanionHost &host);

    void load() override;
    // Sets the window's own "Always On Top" box, which acts when its value changes.
    void setOnTopTicked(bool onTop);

private:
    void createControls();
    void connectSignals();
    void applyLanguage(const Language &language);
    void placeNearTopRight();
    void fillLists();

    void selectSameNumber();
    void refreshListTips();
    void sendLine(std::size_t list);

    // One each per system, in the order of numberSystems.
    std::array<QGroupBox *, numberSystems.size()> m_frames{};
    std::array<QListWidget *, numberSystems.size()> m_lists{};
    QGroupBox *m_optionsFrame = nullptr;
    QCheckBox *m_onTopBox = nullptr;
};

} // namespace radixon
