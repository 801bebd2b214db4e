#include "windows/other_base/other_base_window.h"

#include "windows/common/layout.h"
#include "windows/common/typed_numbers.h"
#include "windows/other_base/other_base_names.h"
#include "windows/other_base/other_base_texts.h"
#include "windows/other_base/to_base_working.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace radixon {

OtherBaseWindow::OtherBaseWindow(CompanionHost &host)
    : ConverterWindow(host, {other_base::context, other_base::texts,
                             int(std::size(other_base::texts)), 2565, 1155}) // widths in twips
{
    setObjectName(QLatin1String(other_base::name::window));
    createControls();
    finishCreation(m_calculateButton);
    offerWorking(m_resultField, {m_baseField, m_numberField});
    m_workingSource->setExerciseChoice([this] {
        return exerciseToBase(baseFromText(m_baseField->text()).value_or(minExerciseBase));
    });
}

void OtherBaseWindow::createControls()
{
    m_baseLabel = place(new QLabel(m_converterFrame), other_base::name::baseLabel,
                        twipsRect(180, 315, 1770, 195));
    m_baseField = place(new QLineEdit(m_converterFrame), other_base::name::baseField,
                        twipsRect(180, 540, 2220, 285));
    m_numberLabel = place(new QLabel(m_converterFrame), other_base::name::numberLabel,
                          twipsRect(180, 945, 1020, 195));
    m_numberField = place(new QLineEdit(m_converterFrame), other_base::name::numberField,
                          twipsRect(180, 1200, 2220, 285));
    m_resultLabel = place(new QLabel(m_converterFrame), other_base::name::resultLabel,
                          twipsRect(180, 1485, 495, 195));
    m_resultField = place(new QLineEdit(m_converterFrame), other_base::name::resultField,
                          twipsRect(180, 1710, 2220, 285));
    m_calculateButton = place(new QPushButton(m_converterFrame), other_base::name::calculateButton,
                              twipsRect(585, 2070, 1320, 330));

    m_baseLabel->setBuddy(m_baseField);
    m_numberLabel->setBuddy(m_numberField);
    m_resultLabel->setBuddy(m_resultField);
    m_resultField->setReadOnly(true);
    chainTabOrder({m_baseField, m_numberField, m_resultField, m_calculateButton, m_optionsBox,
                   m_onTopBox, m_dockBox, m_languageBox});

    const auto calculateAndRefocus = [this] {
        calculate();
        m_numberField->setFocus();
    };
    connect(m_calculateButton, &QPushButton::clicked, this, calculateAndRefocus);
    // Only the number field converts on Enter; the base field ignores it.
    connect(m_numberField, &QLineEdit::returnPressed, this, calculateAndRefocus);
}

void OtherBaseWindow::load()
{
    // Below the conversion-to-decimal window when both open at their start places.
    const QMargins frame = decorationMargins();
    const int outerHeight = height() + frame.top() + frame.bottom();
    loadAt({twipsToPixels(500), twipsToPixels(700) + outerHeight}, [] {});
}

void OtherBaseWindow::calculate()
{
    const QString number = m_numberField->text();
    if (number.isEmpty())
        return;
    // A failed conversion clears the result rather than leave one that belongs to
    // another number or base; the working tells why.
    Working working = toBaseWorking(number, m_baseField->text());
    m_resultField->setText(resultOf(working));
    m_workingSource->setWorking(std::move(working));
}

void OtherBaseWindow::languageSwitched() { m_baseField->setFocus(); }

QWidget *OtherBaseWindow::numberField() const { return m_numberField; }

} // namespace radixon
