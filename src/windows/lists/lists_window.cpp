#include "windows/lists/lists_window.h"

#include "window_services/always_on_top.h"
#include "window_services/qt_magnetic_dock.h"
#include "windows/common/layout.h"
#include "windows/lists/lists_names.h"
#include "windows/lists/lists_texts.h"
#include "windows/lists/number_lines.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>

namespace radixon {

namespace {

// A list whose lines run down a column and on at the top of the next, each column
// an equal share of the list's width; it scrolls sideways.
QListWidget *numberList(QWidget *frame, const char *name, int columns)
{
    auto *list = place(new QListWidget(frame), name, twipsRect(135, 270, 4890, 1230));
    list->setFlow(QListView::TopToBottom);
    list->setWrapping(true);
    list->setUniformItemSizes(true);
    list->setTextElideMode(Qt::ElideNone);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setGridSize(QSize(list->width() / columns, list->fontMetrics().height() + 2));
    return list;
}

// The selected line, or none. A list that gains the focus marks its first line
// without selecting it, which does not count.
QListWidgetItem *selectedLine(const QListWidget *list)
{
    QListWidgetItem *item = list->currentItem();
    return item && item->isSelected() ? item : nullptr;
}

void selectRow(QListWidget *list, int row)
{
    if (row >= 0)
        list->setCurrentRow(row);
    else
        list->clearSelection();
}

} // namespace

ListsWindow::ListsWindow(CompanionHost &host)
    : CompanionWindow(
        host, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint,
        host.mainWindow())
{
    setObjectName(QLatin1String(lists::name::window));
    createControls();
    connectSignals();
    applyLanguage(Language::english());
    setClientSize(this, twipsRect(0, 0, 5325, 5715).size());
    std::vector<QWidget *> surfaces(m_frames.begin(), m_frames.end());
    surfaces.push_back(m_optionsFrame);
    m_host.dock().enableDragAnywhere(this, surfaces);
}

void ListsWindow::load()
{
    registerWithDock();
    if (&m_host.language() != &Language::english())
        applyLanguage(m_host.language());
    placeNearTopRight();
    refreshListTips();
    fillLists();
    playOpenEffect();
}

void ListsWindow::setOnTopTicked(bool onTop) { m_onTopBox->setChecked(onTop); }

void ListsWindow::createControls()
{
    for (std::size_t i = 0; i < m_lists.size(); ++i) {
        const lists::SystemList &at = lists::systemLists[i];
        m_frames[i] = place(new QGroupBox(this), at.frameName,
                            twipsRect(at.frameLeft, at.frameTop, 5175, 1665));
        m_lists[i] = numberList(m_frames[i], at.listName, at.columns);
    }
    m_optionsFrame =
        place(new QGroupBox(this), lists::name::optionsFrame, twipsRect(90, 5100, 5175, 555));
    m_onTopBox =
        place(new QCheckBox(m_optionsFrame), lists::name::onTopBox, twipsRect(150, 225, 3045, 290));
}

void ListsWindow::connectSignals()
{
    // A list's click runs on every change of its selection and on every click on a
    // line, so the tooltips always take the language of the moment.
    // A line picked in the first list is picked in the others too.
    for (std::size_t i = 0; i < m_lists.size(); ++i) {
        const auto picked = i == 0 ? &ListsWindow::selectSameNumber : &ListsWindow::refreshListTips;
        connect(m_lists[i], &QListWidget::itemSelectionChanged, this, picked);
        connect(m_lists[i], &QListWidget::itemClicked, this, picked);
        connect(m_lists[i], &QListWidget::itemDoubleClicked, this, [this, i] { sendLine(i); });
    }
    connect(m_onTopBox, &QCheckBox::toggled, this,
            [this](bool ticked) { radixon::setAlwaysOnTop(this, ticked); });
}

void ListsWindow::applyLanguage(const Language &language)
{
    applyTexts(this, lists::context, lists::texts, language);
    for (std::size_t i = 0; i < m_frames.size(); ++i)
        m_frames[i]->setTitle(language.text(numberSystemContext, numberSystems[i].listTitle));
}

void ListsWindow::placeNearTopRight()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QMargins frame = decorationMargins();
    const int frameExtra = frame.left() + frame.right();
    const QRect area = screen->availableGeometry();
    const int margin = twipsToPixels(500);
    move(area.x() + area.width() - (width() + frameExtra) - margin, area.y() + margin);
}

void ListsWindow::fillLists()
{
    for (std::size_t i = 0; i < m_lists.size(); ++i)
        m_lists[i]->addItems(numberLines(numberSystems[i].base));
}

void ListsWindow::selectSameNumber()
{
    for (std::size_t i = 1; i < m_lists.size(); ++i) {
        const QListWidgetItem *before = selectedLine(m_lists[i - 1]);
        selectRow(m_lists[i], before ? m_lists[i - 1]->row(before) : -1);
    }
    refreshListTips();
}

void ListsWindow::refreshListTips()
{
    const Language &language = m_host.language();
    for (std::size_t i = 0; i < m_lists.size(); ++i) {
        const QListWidgetItem *selected = selectedLine(m_lists[i]);
        m_lists[i]->setToolTip(language.text(numberSystemContext, numberSystems[i].listTip)
                               + (selected ? selected->text() : QString()));
    }
}

void ListsWindow::sendLine(std::size_t list)
{
    const QListWidgetItem *selected = selectedLine(m_lists[list]);
    if (!selected)
        return;
    const QString line = m_host.language().text(numberSystemContext, numberSystems[list].sentLabel)
                         + selected->text();
    m_host.appendToTemporaryList(line);
}

} // namespace radixon
