#include "windows/to_decimal/to_decimal_window.h"

#include "windows/common/layout.h"
#include "windows/common/number_systems.h"
#include "windows/to_decimal/to_decimal_names.h"
#include "windows/to_decimal/to_decimal_texts.h"
#include "windows/to_decimal/to_decimal_working.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace radixon {

ToDecimalWindow::ToDecimalWindow(CompanionHost &host)
    : ConverterWindow(host, {to_decimal::context, to_decimal::texts,
                             int(std::size(to_decimal::texts)), 2580, 1275}) // widths in twips
{
    setObjectName(QLatin1String(to_decimal::name::window));
    createControls();
    finishCreation(m_calculateButton);
    offerWorking(m_resultField, {m_systemList, m_numberField});
    m_workingSource->setExerciseChoice([this] {
        const NumberSystem *system = numberSystemAt(m_systemList->currentIndex());
        return exerciseToDecimal(system ? system->base : 2);
    });
}

void ToDecimalWindow::createControls()
{
    m_systemLabel = place(new QLabel(m_converterFrame), to_decimal::name::systemLabel,
                          twipsRect(180, 315, 1935, 195));
    m_systemList = place(new QComboBox(m_converterFrame), to_decimal::name::systemList,
                         twipsRect(180, 540, 2220, 315));
    m_numberLabel = place(new QLabel(m_converterFrame), to_decimal::name::numberLabel,
                          twipsRect(180, 945, 1020, 195));
    m_numberField = place(new QLineEdit(m_converterFrame), to_decimal::name::numberField,
                          twipsRect(180, 1200, 2220, 285));
    m_resultLabel = place(new QLabel(m_converterFrame), to_decimal::name::resultLabel,
                          twipsRect(180, 1485, 1350, 195));
    m_resultField = place(new QLineEdit(m_converterFrame), to_decimal::name::resultField,
                          twipsRect(180, 1710, 2220, 285));
    m_calculateButton = place(new QPushButton(m_converterFrame), to_decimal::name::calculateButton,
                              twipsRect(585, 2070, 1320, 330));

    m_systemLabel->setBuddy(m_systemList);
    m_numberLabel->setBuddy(m_numberField);
    m_resultLabel->setBuddy(m_resultField);
    QFont bold = m_resultLabel->font();
    bold.setBold(true);
    m_resultLabel->setFont(bold);
    m_resultField->setReadOnly(true);
    chainTabOrder({m_systemList, m_numberField, m_resultField, m_calculateButton, m_optionsBox,
                   m_onTopBox, m_dockBox, m_languageBox});

    connect(m_calculateButton, &QPushButton::clicked, this, &ToDecimalWindow::calculate);
    connect(m_numberField, &QLineEdit::returnPressed, this, &ToDecimalWindow::calculate);
    connect(m_systemList, &QComboBox::activated, m_numberField,
            [this] { m_numberField->setFocus(); });
}

void ToDecimalWindow::load()
{
    loadAt({twipsToPixels(500), twipsToPixels(500)}, [this] { fillSystems(); });
}

void ToDecimalWindow::calculate()
{
    const QString input = m_numberField->text();
    if (input.isEmpty())
        return;
    // A failed conversion clears the result rather than leave one that belongs to
    // another number; the working tells why.
    Working working = toDecimalWorking(m_systemList->currentIndex(), input);
    m_resultField->setText(resultOf(working));
    m_workingSource->setWorking(std::move(working));
}

void ToDecimalWindow::languageSwitched()
{
    m_numberField->setFocus();
    fillSystems();
}

void ToDecimalWindow::fillSystems()
{
    m_systemList->clear();
    for (const NumberSystem &system : numberSystems)
        m_systemList->addItem(language().text(numberSystemContext, system.name));
    m_systemList->setCurrentIndex(0);
}

QWidget *ToDecimalWindow::numberField() const { return m_numberField; }

} // namespace radixon
