#pragma once

#include "windows/common/companion_window.h"

#include <utility>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace radixon {

// Converts a decimal number into any base from 2 to 255.
class Form3 : public CompanionWindow {
    Q_OBJECT
public:
    explicit Form3(CompanionHost &host);

    void load() override;

private:
    void createControls();
    void createOptionsFrame();
    void connectSignals();
    void arrangeTabOrder();

    void Calculate();
    void calculateAndFocus();
    void showOptionsFrame(bool open);
    void switchLanguage();
    void applyLanguage(bool greek);
    int outerHeight() const;

    QGroupBox *Frame1 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Text3 = nullptr;
    QPushButton *Command1 = nullptr;
    QCheckBox *Check5 = nullptr;

    QGroupBox *Frame2 = nullptr;
    QCheckBox *Check3 = nullptr;
    QCheckBox *Check2 = nullptr;
    QCheckBox *Check1 = nullptr;
};

} // namespace radixon
