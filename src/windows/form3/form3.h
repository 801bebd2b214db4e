#pragma once

#include "windows/common/converter_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace radixon {

// Converts a decimal number into any base from 2 to 255.
class Form3 : public ConverterWindow {
    Q_OBJECT
public:
    explicit Form3(CompanionHost &host);

    void load() override;

private:
    void createControls();
    void Calculate();

    void languageSwitched(bool greek) override;
    QWidget *numberField() const override;

    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Text3 = nullptr;
    QPushButton *Command1 = nullptr;
};

} // namespace radixon
