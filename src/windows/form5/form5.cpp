#include "windows/form5/form5.h"

#include "windows/common/layout.h"
#include "windows/form5/form5_texts.h"
#include "windows/form5/to_decimal.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace radixon {

Form5::Form5(CompanionHost &host)
    : ConverterWindow(host, Companion::ToDecimal, {form5::texts, int(std::size(form5::texts)), 2580, 1275})
{
    setObjectName(QStringLiteral("Form5"));
    createControls();
    finishCreation(Command2);
}

void Form5::createControls()
{
    Label1 = place(new QLabel(Frame1), "Label1", twipsRect(180, 315, 1935, 195));
    Combo1 = place(new QComboBox(Frame1), "Combo1", twipsRect(180, 540, 2220, 315));
    Label3 = place(new QLabel(Frame1), "Label3", twipsRect(180, 945, 1020, 195));
    Text1 = place(new QLineEdit(Frame1), "Text1", twipsRect(180, 1200, 2220, 285));
    Label4 = place(new QLabel(Frame1), "Label4", twipsRect(180, 1485, 1350, 195));
    Text2 = place(new QLineEdit(Frame1), "Text2", twipsRect(180, 1710, 2220, 285));
    Command2 = place(new QPushButton(Frame1), "Command2", twipsRect(585, 2070, 1320, 330));

    Label1->setBuddy(Combo1);
    Label3->setBuddy(Text1);
    Label4->setBuddy(Text2);
    QFont bold = Label4->font();
    bold.setBold(true);
    Label4->setFont(bold);
    Text2->setReadOnly(true);
    chainTabOrder({Combo1, Text1, Text2, Command2, Check5, Check3, Check2, Check1});

    connect(Command2, &QPushButton::clicked, this, &Form5::Calculate);
    connect(Text1, &QLineEdit::returnPressed, this, &Form5::Calculate);
    connect(Combo1, &QComboBox::activated, Text1, [this] { Text1->setFocus(); });
}

void Form5::load()
{
    loadAt({twipsToPixels(500), twipsToPixels(500)}, [this] { fillSystems(false); });
}

void Form5::Calculate()
{
    const QString input = Text1->text();
    if (input.isEmpty())
        return;
    // A failed conversion clears the result rather than leave one that belongs to
    // another number.
    Text2->setText(toDecimalText(Combo1->currentIndex(), input).value_or(QString()));
}

void Form5::languageSwitched(bool greek)
{
    Text1->setFocus();
    fillSystems(greek);
}

void Form5::fillSystems(bool greek)
{
    Combo1->clear();
    for (const TextPair &system : form5::systems)
        Combo1->addItem(system.in(greek));
    Combo1->setCurrentIndex(0);
}

QWidget *Form5::numberField() const { return Text1; }

} // namespace radixon
