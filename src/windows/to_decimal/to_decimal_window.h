#pragma once

#include "windows/common/converter_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace radixon {

// Converts a binary, octal or hexadecimal number into its exact decimal value.
class ToDecimalWindow : public ConverterWindow {
    Q_OBJECT
public:
    explicit ToDecimalWindow(CompanionHost &host);

    void load() override;

private:
    void createControls();
    void calculate();
    void fillSystems();

    void languageSwitched() override;
    QWidget *numberField() const override;

    QLabel *m_systemLabel = nullptr;
    QComboBox *m_systemList = nullptr;
    QLabel *m_numberLabel = nullptr;
    QLineEdit *m_numberField = nullptr;
    QLabel *m_resultLabel = nullptr;
    QLineEdit *m_resultField = nullptr;
    QPushButton *m_calculateButton = nullptr;
};

} // namespace radixon
