#include "main_window/main_window.h"

#include "main_window/main_window_names.h"
#include "main_window/main_window_texts.h"
#include "main_window/number_entry.h"
#include "window_services/always_on_top.h"
#include "window_services/hover_highlight.h"
#include "window_services/window_frame.h"
#include "windows/about/about_window.h"
#include "windows/common/appearance.h"
#include "windows/common/companion_window.h"
#include "windows/common/dialogs.h"
#include "windows/common/layout.h"
#include "windows/common/number_systems.h"
#include "windows/common/typed_numbers.h"
#include "windows/common/web_address.h"
#include "windows/lists/lists_window.h"
#include "windows/practice/practice_window.h"
#include "windows/temporary_list/temporary_list_window.h"
#include "windows/working/working_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace radixon {

MainWindow::MainWindow(Dialogs &dialogs, Height height, const Language &language, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint),
      m_dialogs(dialogs), m_language(&language)
{
    setObjectName(QLatin1String(main_window::name::window));
    installFrame(
        this, TitleBar::CloseButton | TitleBar::MinimizeButton, TitleBar::Kind::Normal,
        [this](QWidget *window, const QPoint &cursor) { return m_dock.startDrag(window, cursor); });
    m_dock.addWindow(this);
    createControls();
    enableWindowServices();
    connectSignals();
    arrangeTabOrder();

    setClientSize(this, {clientWidth, closedHeight + (height == Height::OnePixelTaller ? 1 : 0)});
    // The language box is ticked for the language it ticks; English starts with it cleared.
    {
        const QSignalBlocker quiet(m_languageBox);
        m_languageBox->setChecked(&language == &Language::ticked());
    }
    applyLanguage();
}

MainWindow::~MainWindow() = default;

bool MainWindow::alwaysOnTop() const { return m_onTopBox->isChecked(); }

void MainWindow::createControls()
{
    m_converterFrame = place(new QGroupBox(this), main_window::name::converterFrame,
                             twipsRect(90, 90, 2580, 3255));
    m_systemLabel = place(new QLabel(m_converterFrame), main_window::name::systemLabel,
                          twipsRect(180, 315, 1890, 195));
    m_systemList = place(new QComboBox(m_converterFrame), main_window::name::systemList,
                         twipsRect(180, 540, 2220, 315));
    m_numberLabel = place(new QLabel(m_converterFrame), main_window::name::numberLabel,
                          twipsRect(180, 945, 1020, 195));
    m_numberField = place(new NumberEntry(m_converterFrame), main_window::name::numberField,
                          twipsRect(180, 1170, 2220, 285));
    m_resultLabel = place(new QLabel(m_converterFrame), main_window::name::resultLabel,
                          twipsRect(180, 1485, 495, 195));
    m_resultField = place(new QLineEdit(m_converterFrame), main_window::name::resultField,
                          twipsRect(180, 1710, 2220, 285));
    m_previewField = place(new QLineEdit(m_converterFrame), main_window::name::previewField,
                           twipsRect(180, 2070, 2220, 285));
    m_calculateButton = place(new QPushButton(m_converterFrame), main_window::name::calculateButton,
                              twipsRect(585, 2475, 1320, 330));
    m_aboutPicture = place(new QLabel(m_converterFrame), main_window::name::aboutPicture,
                           twipsRect(1980, 2385, 480, 480));
    m_optionsBox = placeCheckBox(m_converterFrame, main_window::name::optionsBox,
                                 twipsRect(180, 2970, 1230, 195));

    m_systemLabel->setBuddy(m_systemList);
    m_numberLabel->setBuddy(m_numberField);
    m_resultLabel->setBuddy(m_resultField);
    m_resultField->setReadOnly(true);
    m_previewField->setReadOnly(true);
    QPalette preview = m_previewField->palette();
    preview.setColor(QPalette::Base, QColor(224, 224, 224));
    m_previewField->setPalette(preview);
    m_aboutPicture->setPixmap(programIcon(32));
    m_aboutPicture->installEventFilter(this);
    m_workingSource =
        new WorkingSource(*this, m_resultField, {m_systemList, m_numberField, m_previewField},
                          WorkingSource::Shortcut::ThroughBinary);
    m_workingSource->setExerciseChoice([this] { return exerciseToBase(selectedBase()); });

    createOptionsPanel();
}

void MainWindow::createOptionsPanel()
{
    const QColor blue(0, 0, 255);
    const QColor black(0, 0, 0);
    m_optionsPanel = place(new QGroupBox(this), main_window::name::optionsPanel,
                           twipsRect(75, 3450, 2580, 1820));
    for (const CompanionEntry &entry : companionList) {
        if (entry.boxName)
            m_companionBoxes[indexOf(entry)] = placeCheckBox(
                m_optionsPanel, entry.boxName, twipsRect(75, entry.boxTop, entry.boxWidth, 195),
                QColor::fromRgb(entry.boxColour));
    }
    m_showAllBox = placeCheckBox(m_optionsPanel, main_window::name::showAllBox,
                                 twipsRect(75, 1050, 2310, 195), blue);
    m_onTopBox = placeCheckBox(m_optionsPanel, main_window::name::onTopBox,
                               twipsRect(75, 1260, 2355, 195), black);
    m_languageBox = placeCheckBox(m_optionsPanel, main_window::name::languageBox,
                                  twipsRect(75, 1485, 2310, 195));
}

void MainWindow::enableWindowServices()
{
    m_dock.enableDragAnywhere(this, {m_converterFrame, m_optionsPanel});
    for (QAbstractButton *control : std::initializer_list<QAbstractButton *>{
             m_languageBox, m_optionsBox, m_onTopBox, m_showAllBox, m_calculateButton})
        enableHover(control);
    for (QCheckBox *box : m_companionBoxes) {
        if (box)
            enableHover(box);
    }
}

void MainWindow::arrangeTabOrder()
{
    // The companions' boxes fill the gaps by their tab positions.
    std::vector<std::pair<int, QWidget *>> chain{
        {0, m_numberField}, {1, m_calculateButton}, {2, m_systemList}, {3, m_languageBox},
        {5, m_optionsBox},  {7, m_onTopBox},        {10, m_showAllBox}};
    for (const CompanionEntry &entry : companionList) {
        if (QCheckBox *box = boxOf(entry))
            chain.emplace_back(entry.tabPosition, box);
    }
    std::stable_sort(chain.begin(), chain.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<QWidget *> order;
    for (const auto &[position, control] : chain)
        order.push_back(control);
    chainTabOrder(order);
}

void MainWindow::connectSignals()
{
    connect(m_calculateButton, &QPushButton::clicked, this, &MainWindow::calculate);
    connect(m_numberField, &NumberEntry::calculateRequested, this, &MainWindow::calculate);
    connect(m_numberField, &NumberEntry::toggleOptionsRequested, m_optionsBox, &QCheckBox::toggle);
    connect(m_numberField, &QLineEdit::textChanged, this, &MainWindow::updatePreview);
    connect(m_systemList, &QComboBox::activated, this, &MainWindow::focusEntry);

    connect(m_optionsBox, &QCheckBox::toggled, this, &MainWindow::showOptionsPanel);
    connect(m_onTopBox, &QCheckBox::toggled, this, &MainWindow::applyOnTop);
    connect(m_languageBox, &QCheckBox::toggled, this, &MainWindow::switchLanguage);
    for (const CompanionEntry &entry : companionList) {
        if (QCheckBox *box = boxOf(entry))
            connect(box, &QCheckBox::toggled, this,
                    [this, &entry](bool ticked) { showCompanion(entry, ticked); });
    }
    connect(m_showAllBox, &QCheckBox::toggled, this, &MainWindow::showAll);
}

// "Show All" sets the four window boxes in this order, each once the window before
// has finished its effect; a box that already is as wanted is passed over.
void MainWindow::showAll(bool ticked)
{
    std::vector<ShowAllCascade::Step> steps;
    for (const CompanionEntry &entry : companionList) {
        QCheckBox *box = boxOf(entry);
        if (!box)
            continue;
        steps.push_back([this, &entry, box, ticked]() -> CompanionWindow * {
            if (box->isChecked() == ticked)
                return nullptr;
            CompanionWindow *closing = m_companions.loaded(entry);
            box->setChecked(ticked);
            return ticked ? m_companions.loaded(entry) : closing;
        });
    }
    m_showAllCascade.run(std::move(steps));
}

const NumberSystem *MainWindow::selectedSystem() const
{
    return numberSystemAt(m_systemList->currentIndex());
}

std::uint8_t MainWindow::selectedBase() const
{
    const NumberSystem *system = selectedSystem();
    return system ? system->base : 0;
}

void MainWindow::calculate()
{
    const QString input = m_numberField->text();
    if (!input.isEmpty()) {
        // A failed conversion clears the result rather than leave one that belongs to
        // another number; the working tells why.
        Working working = decimalTextWorking(input, selectedBase());
        m_resultField->setText(resultOf(working));
        m_workingSource->setWorking(std::move(working));
        if (!m_resultField->text().isEmpty()) // a result is never empty
            appendResultLine();
    }
    focusEntry();
}

void MainWindow::appendResultLine()
{
    const NumberSystem *system = selectedSystem();
    if (boxOf(companionEntry<TemporaryListWindow>())->isChecked()
        && !m_numberField->text().isEmpty() && system) {
        TemporaryListWindow &list = temporaryList();
        list.appendLine(language().text(numberSystemContext, system->sentLabel)
                        + m_numberField->text() + QLatin1String(" = ") + m_resultField->text());
        list.moveCurrentItemDown();
    }
    focusEntry();
}

void MainWindow::showCompanion(const CompanionEntry &entry, bool ticked)
{
    if (!ticked) {
        m_companions.unload(entry);
        return;
    }
    CompanionWindow *window = m_companions.show(entry);
    if (qobject_cast<TemporaryListWindow *>(window)) {
        focusEntry();
    } else if (auto *lists = qobject_cast<ListsWindow *>(window)) {
        // The lists window takes the main window's on-top state when opened from here.
        lists->setOnTopTicked(alwaysOnTop());
    }
}

QCheckBox *MainWindow::boxOf(const CompanionEntry &entry) const
{
    return m_companionBoxes[indexOf(entry)];
}

void MainWindow::companionUnloading(const CompanionWindow &window)
{
    // Clearing the box asks for the same window to unload, which it ignores by then.
    if (QCheckBox *box = boxOf(companionEntry(*window.metaObject())))
        box->setChecked(false);
}

void MainWindow::appendToTemporaryList(const QString &line) { temporaryList().appendLine(line); }

TemporaryListWindow &MainWindow::temporaryList()
{
    return *m_companions.show<TemporaryListWindow>();
}

void MainWindow::showWorking(WorkingSource &source)
{
    auto *working = m_companions.show<WorkingWindow>();
    working->follow(source);
    working->raise();
}

void MainWindow::showPractice(WorkingSource &source)
{
    m_companions.show<PracticeWindow>()->follow(source);
}

void MainWindow::updatePreview() { m_previewField->setText(previewLine(m_numberField->text())); }

void MainWindow::showOptionsPanel(bool open)
{
    setClientHeight(this, open ? openHeight : closedHeight);
    focusEntry();
}

void MainWindow::applyOnTop(bool onTop)
{
    setAlwaysOnTop(this, onTop);
    for (const CompanionEntry &entry : companionList) {
        if (CompanionWindow *companion = m_companions.loaded(entry);
            companion && entry.onTopWithMain)
            setAlwaysOnTop(companion, onTop);
    }
    focusEntry();
}

void MainWindow::switchLanguage(bool ticked)
{
    m_language = &languageOfBox(ticked);
    applyLanguage();
}

void MainWindow::applyLanguage()
{
    applyTexts(this, main_window::context, main_window::texts, language());
    m_workingSource->setLanguage(language());
    std::vector<TextRow> boxCaptions;
    for (const CompanionEntry &entry : companionList) {
        if (entry.boxName)
            boxCaptions.push_back({entry.boxName, TextRole::Caption, entry.boxCaption});
    }
    applyTexts(this, main_window::context, boxCaptions.data(), int(boxCaptions.size()), language());
    focusEntry();
    fillSystems();
    focusEntry();
}

void MainWindow::fillSystems()
{
    m_systemList->clear();
    for (const NumberSystem &system : numberSystems)
        m_systemList->addItem(language().text(numberSystemContext, system.name));
    m_systemList->setCurrentIndex(0);
}

void MainWindow::focusEntry()
{
    // Focus inside a window that is not active goes nowhere the user types: a
    // companion that has just opened, or was clicked, holds the activation.
    if (isVisible())
        activateWindow();
    m_numberField->setFocus();
}

// A click on the picture opens About: the primary button pressed and released on it.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_aboutPicture) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_aboutPressed = static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto *release = static_cast<const QMouseEvent *>(event);
            if (std::exchange(m_aboutPressed, false) && release->button() == Qt::LeftButton
                && m_aboutPicture->rect().contains(release->position().toPoint()))
                showAbout();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::showAbout()
{
    // A second click only brings the open window forward.
    if (CompanionWindow *about = m_companions.show<AboutWindow>()) {
        about->raise();
        about->activateWindow();
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_farewellSaid) {
        event->accept();
        return;
    }
    event->ignore();
    if (std::exchange(m_shuttingDown, true))
        return;
    // Leaving, the user is not kept waiting: the companions close together, and the
    // farewell follows once they have gone, or after a while if an effect is stuck.
    m_showAllCascade.cancel();
    m_companions.unloadAll();
    QTimer::singleShot(3000, this, &MainWindow::sayFarewell);
    m_companions.whenAllClosed(this, [this] { sayFarewell(); });
}

void MainWindow::sayFarewell()
{
    if (std::exchange(m_farewellSaid, true))
        return;
    const QString text = language().text(main_window::context, main_window::farewell)
                         + QLatin1Char('\n') + QLatin1String(webAddress) + QLatin1Char('\n')
                         + QLatin1String(main_window::author);
    m_dialogs.inform(this, QString::fromUtf8(main_window::farewellTitle), text,
                     Dialogs::Icon::Information);
    // Unsaved lines of the temporary list go with the program. With the last window
    // closed the application ends.
    m_companions.discardAll();
    close();
}

} // namespace radixon
