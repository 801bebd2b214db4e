#include "windows/form3/form3.h"

#include "window_services/hover_button.h"
#include "window_services/ontop_notontop_less.h"
#include "window_services/qt_magnetic_dock.h"
#include "windows/common/layout.h"
#include "windows/form3/form3_texts.h"
#include "windows/form3/to_base.h"

#include <QCheckBox>
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

Form3::Form3(CompanionHost &host) : CompanionWindow(host, Companion::OtherBase, titleBarWithClose)
{
    setObjectName(QStringLiteral("Form3"));
    createControls();
    connectSignals();
    arrangeTabOrder();

    // Designed with the options frame in view; the load sequence opens it.
    setFixedSize(clientWidth, openHeight);
    applyLanguage(false);
    host.dock().enableDragAnywhere(this, {Frame1, Frame2});
}

void Form3::createControls()
{
    Frame1 = place(new QGroupBox(this), "Frame1", twipsRect(90, 90, 2565, 2805));
    Label1 = place(new QLabel(Frame1), "Label1", twipsRect(180, 315, 1770, 195));
    Text1 = place(new QLineEdit(Frame1), "Text1", twipsRect(180, 540, 2220, 285));
    Label2 = place(new QLabel(Frame1), "Label2", twipsRect(180, 945, 1020, 195));
    Text2 = place(new QLineEdit(Frame1), "Text2", twipsRect(180, 1200, 2220, 285));
    Label3 = place(new QLabel(Frame1), "Label3", twipsRect(180, 1485, 495, 195));
    Text3 = place(new QLineEdit(Frame1), "Text3", twipsRect(180, 1710, 2220, 285));
    Command1 = place(new QPushButton(Frame1), "Command1", twipsRect(585, 2070, 1320, 330));
    Check5 = place(new QCheckBox(Frame1), "Check5", twipsRect(180, 2475, 1155, 195));

    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    Label3->setBuddy(Text3);
    Text3->setReadOnly(true);

    createOptionsFrame();

}

void Form3::createOptionsFrame()
{
    Frame2 = place(new QGroupBox(this), "Frame2", twipsRect(90, 2970, 2565, 1095));
    Check3 = place(new QCheckBox(Frame2), "Check3", twipsRect(135, 225, 2010, 240));
    Check2 = place(new QCheckBox(Frame2), "Check2", twipsRect(135, 495, 1500, 240));
    Check1 = place(new QCheckBox(Frame2), "Check1", twipsRect(135, 810, 1950, 240));
    // Docking is always on; the box only shows that it cannot be turned off.
    Check2->setEnabled(false);
}

void Form3::arrangeTabOrder()
{
    QWidget *const order[] = {Text1, Text2, Text3, Command1, Check5, Check3, Check2, Check1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Form3::connectSignals()
{
    connect(Command1, &QPushButton::clicked, this, &Form3::calculateAndFocus);
    // Only the number field converts on Enter; the base field ignores it.
    connect(Text2, &QLineEdit::returnPressed, this, &Form3::calculateAndFocus);
    connect(Check1, &QCheckBox::toggled, this, &Form3::switchLanguage);
    connect(Check3, &QCheckBox::toggled, this, [this](bool ticked) { followOnTopBox(this, ticked); });
    connect(Check5, &QCheckBox::toggled, this, &Form3::showOptionsFrame);
    enableHover(Check5);
    enableHover(Command1);
}

int Form3::outerHeight() const
{
    // Before the window is first shown its frame is not known yet; the main
    // window's title bar and border are the best guess of it.
    int decoration = frameGeometry().height() - height();
    if (decoration <= 0) {
        const QWidget *main = host.mainWindow();
        decoration = qMax(0, main->frameGeometry().height() - main->height());
    }
    return height() + decoration;
}

void Form3::load()
{
    registerWithDock();
    // Below the conversion-to-decimal window when both open at their start places.
    move(twipsToPixels(500), twipsToPixels(700) + outerHeight());
    playOpenEffect();
    Check5->setChecked(true);
    // The window follows the main window's language; only a Greek one also passes on
    // its on-top state.
    if (!host.greek())
        return;
    Check1->setChecked(true);
    if (host.alwaysOnTop())
        Check3->setChecked(true);
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

void Form3::calculateAndFocus()
{
    Calculate();
    Text2->setFocus();
}

void Form3::showOptionsFrame(bool open)
{
    Frame2->setVisible(open);
    setFixedHeight(open ? openHeight : closedHeight);
    Text2->setFocus();
}


void Form3::switchLanguage()
{
    applyLanguage(Check1->isChecked());
    Text1->setFocus();
}

void Form3::applyLanguage(bool greek)
{
    applyTexts(this, form3::texts, greek);
}

} // namespace radixon
