#pragma once

#include "windows/common/converter_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace radixon {

// Converts a binary, octal or hexadecimal number into its exact decimal value.
class Form5 : public ConverterWindow {
    Q_OBJECT
public:
    explicit Form5(CompanionHost &host);

    void load() override;

private:
    void createControls();
    void Calculate();
    void fillSystems(bool greek);

    void languageSwitched(bool greek) override;
    QWidget *numberField() const override;

    QLabel *Label1 = nullptr;
    QComboBox *Combo1 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *Text2 = nullptr;
    QPushButton *Command2 = nullptr;
};

} // namespace radixon
