#pragma once

#include "windows/common/companion_window.h"

#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace radixon {

// Converts a binary, octal or hexadecimal number into its exact decimal value.
class Form5 : public CompanionWindow {
    Q_OBJECT
public:
    explicit Form5(CompanionHost &host);

    void load() override;

private:
    void createControls();
    void createOptionsFrame();
    void connectSignals();
    void arrangeTabOrder();

    void Calculate();
    void showOptionsFrame(bool open);
    void switchLanguage();
    void applyLanguage(bool greek);
    void fillSystems(bool greek);
    void focusNumber();

    QGroupBox *Frame1 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *Combo1 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *Text2 = nullptr;
    QPushButton *Command2 = nullptr;
    QCheckBox *Check5 = nullptr;

    QGroupBox *Frame2 = nullptr;
    QCheckBox *Check3 = nullptr;
    QCheckBox *Check2 = nullptr;
    QCheckBox *Check1 = nullptr;
};

} // namespace radixon
