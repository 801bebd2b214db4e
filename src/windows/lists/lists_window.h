#pragma once

#include "windows/common/companion_window.h"

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
    void sendLine(int list);

    QGroupBox *m_binaryFrame = nullptr;
    QListWidget *m_binaryList = nullptr;
    QGroupBox *m_octalFrame = nullptr;
    QListWidget *m_octalList = nullptr;
    QGroupBox *m_hexadecimalFrame = nullptr;
    QListWidget *m_hexadecimalList = nullptr;
    QGroupBox *m_optionsFrame = nullptr;
    QCheckBox *m_onTopBox = nullptr;
    std::array<QListWidget *, 3> m_lists{};
};

} // namespace radixon
