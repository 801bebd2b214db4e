#include "windows/form3/form3.h"

#include "windows/common/layout.h"
#include "windows/form3/form3_texts.h"
#include "windows/form3/to_base.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace radixon {

Form3::Form3(CompanionHost &host)
    : ConverterWindow(host, Companion::OtherBase, {form3::texts, int(std::size(form3::texts)), 2565, 1155})
{
    setObjectName(QStringLiteral("Form3"));
    createControls();
    finishCreation(Command1);
}

void Form3::createControls()
{
    Label1 = place(new QLabel(Frame1), "Label1", twipsRect(180, 315, 1770, 195));
    Text1 = place(new QLineEdit(Frame1), "Text1", twipsRect(180, 540, 2220, 285));
    Label2 = place(new QLabel(Frame1), "Label2", twipsRect(180, 945, 1020, 195));
    Text2 = place(new QLineEdit(Frame1), "Text2", twipsRect(180, 1200, 2220, 285));
    Label3 = place(new QLabel(Frame1), "Label3", twipsRect(180, 1485, 495, 195));
    Text3 = place(new QLineEdit(Frame1), "Text3", twipsRect(180, 1710, 2220, 285));
    Command1 = place(new QPushButton(Frame1), "Command1", twipsRect(585, 2070, 1320, 330));

    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    Label3->setBuddy(Text3);
    Text3->setReadOnly(true);
    chainTabOrder({Text1, Text2, Text3, Command1, Check5, Check3, Check2, Check1});

    const auto calculate = [this] {
        Calculate();
        Text2->setFocus();
    };
    connect(Command1, &QPushButton::clicked, this, calculate);
    // Only the number field converts on Enter; the base field ignores it.
    connect(Text2, &QLineEdit::returnPressed, this, calculate);
}

void Form3::load()
{
    // Below the conversion-to-decimal window when both open at their start places.
    const QMargins frame = decorationMargins();
    const int outerHeight = height() + frame.top() + frame.bottom();
    loadAt({twipsToPixels(500), twipsToPixels(700) + outerHeight}, [] {});
}

void Form3::Calculate()
{
    const QString number = Text2->text();
    if (number.isEmpty())
        return;
    // A failed conversion clears the result rather than leave one that belongs to
    // another number or base.
    Text3->setText(toBaseText(number, Text1->text()).value_or(QString()));
}

void Form3::languageSwitched(bool) { Text1->setFocus(); }

QWidget *Form3::numberField() const { return Text2; }

} // namespace radixon
