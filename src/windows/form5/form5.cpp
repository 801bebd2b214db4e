#include "windows/form5/form5.h"

#include "window_services/hover_button.h"
#include "window_services/ontop_notontop_less.h"
#include "window_services/qt_magnetic_dock.h"
#include "windows/common/layout.h"
#include "windows/form5/form5_texts.h"
#include "windows/form5/to_decimal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace radixon {

namespace {

constexpr Qt::WindowFlags titleBarWithClose = Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                      | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// Client area: the frames keep a 90-twip margin to the window's edges.
const int clientWidth = twipsToPixels(2760);
const int closedHeight = twipsToPixels(90 + 2805 + 90);
const int openHeight = twipsToPixels(2970 + 1095 + 90);


} // namespace

Form5::Form5(CompanionHost &host) : CompanionWindow(host, Companion::ToDecimal, titleBarWithClose)
{
    setObjectName(QStringLiteral("Form5"));
    createControls();
    connectSignals();
    arrangeTabOrder();

    // Designed with the options frame in view; the load sequence opens it.
    setFixedSize(clientWidth, openHeight);
    applyLanguage(false);
    host.dock().enableDragAnywhere(this, {Frame1, Frame2});
}

void Form5::createControls()
{
    Frame1 = place(new QGroupBox(this), "Frame1", twipsRect(90, 90, 2580, 2805));
    Label1 = place(new QLabel(Frame1), "Label1", twipsRect(180, 315, 1935, 195));
    Combo1 = place(new QComboBox(Frame1), "Combo1", twipsRect(180, 540, 2220, 315));
    Label3 = place(new QLabel(Frame1), "Label3", twipsRect(180, 945, 1020, 195));
    Text1 = place(new QLineEdit(Frame1), "Text1", twipsRect(180, 1200, 2220, 285));
    Label4 = place(new QLabel(Frame1), "Label4", twipsRect(180, 1485, 1350, 195));
    Text2 = place(new QLineEdit(Frame1), "Text2", twipsRect(180, 1710, 2220, 285));
    Command2 = place(new QPushButton(Frame1), "Command2", twipsRect(585, 2070, 1320, 330));
    Check5 = place(new QCheckBox(Frame1), "Check5", twipsRect(180, 2475, 1275, 195));

    Label1->setBuddy(Combo1);
    Label3->setBuddy(Text1);
    Label4->setBuddy(Text2);
    QFont bold = Label4->font();
    bold.setBold(true);
    Label4->setFont(bold);
    Text2->setReadOnly(true);

    createOptionsFrame();

}

void Form5::createOptionsFrame()
{
    Frame2 = place(new QGroupBox(this), "Frame2", twipsRect(90, 2970, 2580, 1095));
    Check3 = place(new QCheckBox(Frame2), "Check3", twipsRect(135, 225, 2010, 240));
    Check2 = place(new QCheckBox(Frame2), "Check2", twipsRect(135, 495, 1500, 240));
    Check1 = place(new QCheckBox(Frame2), "Check1", twipsRect(135, 810, 1950, 240));
    // Docking is always on; the box only shows that it cannot be turned off.
    Check2->setEnabled(false);
}

void Form5::arrangeTabOrder()
{
    QWidget *const order[] = {Combo1, Text1, Text2, Command2, Check5, Check3, Check2, Check1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Form5::connectSignals()
{
    connect(Command2, &QPushButton::clicked, this, &Form5::Calculate);
    connect(Text1, &QLineEdit::returnPressed, this, &Form5::Calculate);
    connect(Combo1, &QComboBox::activated, this, &Form5::focusNumber);
    connect(Check1, &QCheckBox::toggled, this, &Form5::switchLanguage);
    connect(Check3, &QCheckBox::toggled, this, [this](bool ticked) { followOnTopBox(this, ticked); });
    connect(Check5, &QCheckBox::toggled, this, &Form5::showOptionsFrame);
    enableHover(Check5);
    enableHover(Command2);
}

void Form5::load()
{
    registerWithDock();
    move(twipsToPixels(500), twipsToPixels(500));
    playOpenEffect();
    Check5->setChecked(true);
    fillSystems(false);
    // The window follows the main window's language; only a Greek one also passes on
    // its on-top state.
    if (!host.greek())
        return;
    Check1->setChecked(true);
    if (host.alwaysOnTop())
        Check3->setChecked(true);
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

void Form5::showOptionsFrame(bool open)
{
    Frame2->setVisible(open);
    setFixedHeight(open ? openHeight : closedHeight);
    focusNumber();
}


void Form5::switchLanguage()
{
    const bool greek = Check1->isChecked();
    applyLanguage(greek);
    focusNumber();
    fillSystems(greek);
}

void Form5::applyLanguage(bool greek)
{
    applyTexts(this, form5::texts, greek);
}

void Form5::fillSystems(bool greek)
{
    Combo1->clear();
    for (const TextPair &system : form5::systems)
        Combo1->addItem(system.in(greek));
    Combo1->setCurrentIndex(0);
}

void Form5::focusNumber() { Text1->setFocus(); }

} // namespace radixon
