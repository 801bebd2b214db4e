#pragma once

#include "windows/common/converter_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace radixon {

// Converts a decimal number into any base from 2 to 255.
class OtherBaseWindow : public ConverterWindow {
    Q_OBJECT
public:
    explicit OtherBaseWindow(CompanionHost &host);

    void load() override;

private:
    void createControls();
    void calculate();

    void languageSwitched() override;
    QWidget *numberField() const override;

    QLabel *m_baseLabel = nullptr;
    QLineEdit *m_baseField = nullptr;
    QLabel *m_numberLabel = nullptr;
    QLineEdit *m_numberField = nullptr;
    QLabel *m_resultLabel = nullptr;
    QLineEdit *m_resultField = nullptr;
    QPushButton *m_calculateButton = nullptr;
};

} // namespace radixon
