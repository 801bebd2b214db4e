#include "main_window/form_numeric.h"

#include "main_window/form_numeric_texts.h"
#include "main_window/number_entry.h"
#include "window_services/hover_button.h"
#include "window_services/ontop_notontop_less.h"
#include "windows/common/appearance.h"
#include "windows/common/companion_window.h"
#include "windows/common/dialogs.h"
#include "windows/common/layout.h"
#include "windows/common/number_text.h"
#include "windows/form2/form2.h"
#include "windows/form3/form3.h"
#include "windows/form4/form4.h"
#include "windows/form4/web_address.h"
#include "windows/form5/form5.h"
#include "windows/form6/form6.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace radixon {

namespace {

template <class Window>
Companions::Factory factoryOf()
{
    return [](CompanionHost &host) -> CompanionWindow * { return new Window(host); };
}

} // namespace

Form_Numeric::Form_Numeric(Dialogs &dialogs, Copy copy, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint),
      dialogs_(dialogs)
{
    setObjectName(QStringLiteral("Form_Numeric"));
    magneticDock.AddWindow(this);
    registerCompanions();
    createControls();
    enableWindowServices();
    connectSignals();
    arrangeTabOrder();

    setFixedSize(clientWidth, closedHeight + (copy == Copy::Second ? 1 : 0));
    fillSystems();
    // Ticking the language box switches every text to Greek: each run starts in Greek.
    Check4->setChecked(true);
}

Form_Numeric::~Form_Numeric() = default;

bool Form_Numeric::greek() const { return Check4->isChecked(); }

bool Form_Numeric::alwaysOnTop() const { return Check8->isChecked(); }

void Form_Numeric::createControls()
{
    Frame1 = place(new QGroupBox(this), "Frame1", twipsRect(90, 90, 2580, 3255));
    Label1 = place(new QLabel(Frame1), "Label1", twipsRect(180, 315, 1890, 195));
    Combo1 = place(new QComboBox(Frame1), "Combo1", twipsRect(180, 540, 2220, 315));
    Label3 = place(new QLabel(Frame1), "Label3", twipsRect(180, 945, 1020, 195));
    Text1 = place(new NumberEntry(Frame1), "Text1", twipsRect(180, 1170, 2220, 285));
    Label4 = place(new QLabel(Frame1), "Label4", twipsRect(180, 1485, 495, 195));
    Text2 = place(new QLineEdit(Frame1), "Text2", twipsRect(180, 1710, 2220, 285));
    Text3 = place(new QLineEdit(Frame1), "Text3", twipsRect(180, 2070, 2220, 285));
    Command2 = place(new QPushButton(Frame1), "Command2", twipsRect(585, 2475, 1320, 330));
    Image1 = place(new QLabel(Frame1), "Image1", twipsRect(1980, 2385, 480, 480));
    Check5 = placeCheckBox(Frame1, "Check5", twipsRect(180, 2970, 1230, 195));

    Label1->setBuddy(Combo1);
    Label3->setBuddy(Text1);
    Label4->setBuddy(Text2);
    Text2->setReadOnly(true);
    Text3->setReadOnly(true);
    QPalette preview = Text3->palette();
    preview.setColor(QPalette::Base, QColor(224, 224, 224));
    Text3->setPalette(preview);
    Image1->setPixmap(programIcon(32));
    Image1->installEventFilter(this);

    createOptionsPanel();
}

void Form_Numeric::createOptionsPanel()
{
    const QColor red(255, 0, 0);
    const QColor blue(0, 0, 255);
    const QColor black(0, 0, 0);
    Frame3 = place(new QGroupBox(this), "Frame3", twipsRect(75, 3450, 2580, 1820));
    Check1 = placeCheckBox(Frame3, "Check1", twipsRect(75, 210, 2310, 195), red);
    Check12 = placeCheckBox(Frame3, "Check12", twipsRect(75, 420, 2480, 195), blue);
    Check11 = placeCheckBox(Frame3, "Check11", twipsRect(75, 630, 2400, 195), blue);
    Check3 = placeCheckBox(Frame3, "Check3", twipsRect(75, 840, 2310, 195), blue);
    Check13 = placeCheckBox(Frame3, "Check13", twipsRect(75, 1050, 2310, 195), blue);
    Check8 = placeCheckBox(Frame3, "Check8", twipsRect(75, 1260, 2355, 195), black);
    Check4 = placeCheckBox(Frame3, "Check4", twipsRect(75, 1485, 2310, 195));
}

void Form_Numeric::registerCompanions()
{
    companions.setFactory(Companion::TemporaryList, factoryOf<Form6>());
    companions.setFactory(Companion::ToDecimal, factoryOf<Form5>());
    companions.setFactory(Companion::OtherBase, factoryOf<Form3>());
    companions.setFactory(Companion::Lists, factoryOf<Form2>());
    companions.setFactory(Companion::About, factoryOf<Form4>());
}

void Form_Numeric::enableWindowServices()
{
    magneticDock.enableDragAnywhere(this, {Frame1, Frame3});
    for (QAbstractButton *control : std::initializer_list<QAbstractButton *>{
             Check1, Check3, Check4, Check5, Check8, Check11, Check12, Check13, Command2})
        enableHover(control);
}

void Form_Numeric::arrangeTabOrder()
{
    chainTabOrder({Text1, Command2, Combo1, Check4, Check1, Check5, Check3, Check8, Check11,
                   Check12, Check13});
}

void Form_Numeric::connectSignals()
{
    connect(Command2, &QPushButton::clicked, this, &Form_Numeric::Calculate);
    connect(Text1, &NumberEntry::calculateRequested, this, &Form_Numeric::Calculate);
    connect(Text1, &NumberEntry::toggleOptionsRequested, Check5, &QCheckBox::toggle);
    connect(Text1, &QLineEdit::textChanged, this, &Form_Numeric::updatePreview);
    connect(Combo1, &QComboBox::activated, this, &Form_Numeric::focusEntry);

    connect(Check5, &QCheckBox::toggled, this, &Form_Numeric::showOptionsPanel);
    connect(Check8, &QCheckBox::toggled, this, &Form_Numeric::setAlwaysOnTop);
    connect(Check4, &QCheckBox::toggled, this, &Form_Numeric::switchLanguage);
    const std::pair<QCheckBox *, Companion> windowBoxes[] = {
        {Check1, Companion::TemporaryList},
        {Check12, Companion::ToDecimal},
        {Check11, Companion::OtherBase},
        {Check3, Companion::Lists},
    };
    for (const auto &[box, which] : windowBoxes) {
        connect(box, &QCheckBox::toggled, this,
                [this, which = which](bool ticked) { showCompanion(which, ticked); });
    }
    // "Show All" sets the four window boxes in this order; each acts only if it changes.
    connect(Check13, &QCheckBox::toggled, this, [this](bool ticked) {
        for (QCheckBox *box : {Check1, Check12, Check11, Check3})
            box->setChecked(ticked);
    });
}

int Form_Numeric::selectedBase() const
{
    const int index = Combo1->currentIndex();
    if (index < 0 || index >= static_cast<int>(form_numeric::systems.size()))
        return 0;
    return form_numeric::systems[static_cast<std::size_t>(index)].base;
}

void Form_Numeric::Calculate()
{
    const QString input = Text1->text();
    if (!input.isEmpty()) {
        // A failed conversion clears the result rather than leave one that belongs to
        // another number.
        const std::optional<QString> digits = decimalTextToRadix(input, selectedBase());
        Text2->setText(digits.value_or(QString()));
        if (digits)
            AppendResultLine();
    }
    focusEntry();
}

void Form_Numeric::AppendResultLine()
{
    const int index = Combo1->currentIndex();
    if (Check1->isChecked() && !Text1->text().isEmpty() && index >= 0
        && index < static_cast<int>(form_numeric::systems.size())) {
        const TextPair &label = form_numeric::systems[static_cast<std::size_t>(index)].listLabel;
        Form6 &list = temporaryList();
        list.AddItem(label.in(greek()) + Text1->text() + QLatin1String(" = ") + Text2->text());
        list.moveCurrentItemDown();
    }
    focusEntry();
}

void Form_Numeric::showCompanion(Companion which, bool ticked)
{
    if (!ticked) {
        companions.unload(which);
        return;
    }
    CompanionWindow *window = companions.show(which);
    if (which == Companion::TemporaryList) {
        focusEntry();
    } else if (which == Companion::Lists && window) {
        // The lists window takes the main window's on-top state when opened from here.
        static_cast<Form2 *>(window)->setAlwaysOnTop(alwaysOnTop());
    }
}

QCheckBox *Form_Numeric::boxOf(Companion which) const
{
    switch (which) {
    case Companion::TemporaryList: return Check1;
    case Companion::ToDecimal: return Check12;
    case Companion::OtherBase: return Check11;
    case Companion::Lists: return Check3;
    case Companion::About: break;
    }
    return nullptr;
}

void Form_Numeric::companionUnloading(Companion which)
{
    // Clearing the box asks for the same window to unload, which it ignores by then.
    if (QCheckBox *box = boxOf(which))
        box->setChecked(false);
}

Form6 &Form_Numeric::temporaryList()
{
    return *static_cast<Form6 *>(companions.show(Companion::TemporaryList));
}

void Form_Numeric::updatePreview() { Text3->setText(previewLine(Text1->text())); }

void Form_Numeric::showOptionsPanel(bool open)
{
    setFixedHeight(open ? openHeight : closedHeight);
    focusEntry();
}

void Form_Numeric::setAlwaysOnTop(bool onTop)
{
    followOnTopBox(this, onTop);
    focusEntry();
}

void Form_Numeric::switchLanguage()
{
    applyTexts(this, form_numeric::texts, greek());
    focusEntry();
    fillSystems();
    focusEntry();
}

void Form_Numeric::fillSystems()
{
    Combo1->clear();
    for (const form_numeric::NumberSystem &system : form_numeric::systems)
        Combo1->addItem(system.entry.in(greek()));
    Combo1->setCurrentIndex(0);
}

void Form_Numeric::focusEntry() { Text1->setFocus(); }

} // namespace radixon

namespace radixon {

bool Form_Numeric::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease)
        showAbout();
    return QWidget::eventFilter(watched, event);
}

void Form_Numeric::showAbout()
{
    // A second click only brings the open window forward.
    if (CompanionWindow *about = companions.show(Companion::About)) {
        about->raise();
        about->activateWindow();
    }
}

void Form_Numeric::UnloadAllForms(const QString &form_name)
{
    companions.unloadAll(form_name);
    if (objectName() != form_name)
        close();
}

void Form_Numeric::closeEvent(QCloseEvent *event)
{
    if (shuttingDown) {
        event->ignore();
        return;
    }
    shuttingDown = true;
    UnloadAllForms(objectName());
    waitForClosingWindows();
    const QString text = form_numeric::farewell.in(greek()) + QLatin1Char('\n')
        + QLatin1String(webAddress) + QLatin1Char('\n') + QLatin1String(form_numeric::author);
    dialogs_.inform(this, QString::fromUtf8(form_numeric::farewellTitle), text,
                    Dialogs::Icon::Information);
    // Unsaved lines of the temporary list go with the program. With the last window
    // closed the application ends.
    companions.discardAll();
    event->accept();
}

void Form_Numeric::waitForClosingWindows()
{
    // The companions play their close effects before the farewell, as they would
    // one after the other; a safety limit keeps a stuck effect from holding shutdown.
    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [this, &loop] {
        if (!companions.anyClosing())
            loop.quit();
    });
    QTimer::singleShot(3000, &loop, &QEventLoop::quit);
    poll.start(10);
    if (companions.anyClosing())
        loop.exec();
}

} // namespace radixon
