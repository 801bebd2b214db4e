#pragma once

#include "windows/common/companion_window.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QListWidget;

namespace radixon {

// The numbers 1 to 100 in binary, octal and hexadecimal, for reference; a double
// click sends a line to the temporary list.
class Form2 : public CompanionWindow {
    Q_OBJECT
public:
    explicit Form2(CompanionHost &host);

    void load() override;
    // Sets the window's own "Always On Top" box, which acts when its value changes.
    void setAlwaysOnTop(bool onTop);

private:
    void createControls();
    void connectSignals();
    void applyLanguage(bool greek);
    void placeNearTopRight();
    void fillLists();

    void selectSameNumber();
    void RefreshListTips();
    void sendLine(int list);

    QGroupBox *Frame1 = nullptr;
    QListWidget *List1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QListWidget *List2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QListWidget *List3 = nullptr;
    QGroupBox *Frame4 = nullptr;
    QCheckBox *Check2 = nullptr;
    std::array<QListWidget *, 3> lists{};
};

} // namespace radixon
