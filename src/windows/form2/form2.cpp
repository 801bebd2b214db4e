#include "windows/form2/form2.h"

#include "window_services/ontop_notontop_less.h"
#include "window_services/qt_magnetic_dock.h"
#include "windows/common/layout.h"
#include "windows/form2/form2_texts.h"
#include "windows/form2/number_lines.h"
#include "windows/form6/form6.h"

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
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFlow(QListView::TopToBottom);
    list->setWrapping(true);
    list->setMovement(QListView::Static);
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

Form2::Form2(CompanionHost &host)
    : CompanionWindow(host, Companion::Lists,
                      Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint,
                      host.mainWindow())
{
    setObjectName(QStringLiteral("Form2"));
    createControls();
    connectSignals();
    applyLanguage(false);
    setFixedSize(twipsRect(0, 0, 5325, 5715).size());
    host.dock().enableDragAnywhere(this, {Frame1, Frame2, Frame3, Frame4});
}

void Form2::load()
{
    registerWithDock();
    if (host.greek())
        applyLanguage(true);
    placeNearTopRight();
    RefreshListTips();
    fillLists();
    playOpenEffect();
}

void Form2::setAlwaysOnTop(bool onTop) { Check2->setChecked(onTop); }

void Form2::createControls()
{
    Frame1 = place(new QGroupBox(this), "Frame1", twipsRect(90, 15, 5175, 1665));
    List1 = numberList(Frame1, "List1", form2::lists[0].columns);
    Frame2 = place(new QGroupBox(this), "Frame2", twipsRect(90, 1725, 5175, 1665));
    List2 = numberList(Frame2, "List2", form2::lists[1].columns);
    Frame3 = place(new QGroupBox(this), "Frame3", twipsRect(75, 3450, 5175, 1665));
    List3 = numberList(Frame3, "List3", form2::lists[2].columns);
    Frame4 = place(new QGroupBox(this), "Frame4", twipsRect(90, 5100, 5175, 555));
    Check2 = place(new QCheckBox(Frame4), "Check2", twipsRect(150, 225, 3045, 290));
    lists = {List1, List2, List3};
}

void Form2::connectSignals()
{
    // A list's click runs on every change of its selection and on every click on a
    // line, so the tooltips always take the language of the moment.
    connect(List1, &QListWidget::itemSelectionChanged, this, &Form2::selectSameNumber);
    connect(List1, &QListWidget::itemClicked, this, &Form2::selectSameNumber);
    for (QListWidget *list : {List2, List3}) {
        connect(list, &QListWidget::itemSelectionChanged, this, &Form2::RefreshListTips);
        connect(list, &QListWidget::itemClicked, this, &Form2::RefreshListTips);
    }
    for (int i = 0; i < static_cast<int>(lists.size()); ++i)
        connect(lists[i], &QListWidget::itemDoubleClicked, this, [this, i] { sendLine(i); });
    connect(Check2, &QCheckBox::toggled, this, [this](bool ticked) { followOnTopBox(this, ticked); });
}

void Form2::applyLanguage(bool greek)
{
    applyTexts(this, form2::texts, greek);
}

void Form2::placeNearTopRight()
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

void Form2::fillLists()
{
    for (std::size_t i = 0; i < lists.size(); ++i)
        lists[i]->addItems(numberLines(form2::lists[i].base));
}

void Form2::selectSameNumber()
{
    const QListWidgetItem *binary = selectedLine(List1);
    selectRow(List2, binary ? List1->row(binary) : -1);
    const QListWidgetItem *octal = selectedLine(List2);
    selectRow(List3, octal ? List2->row(octal) : -1);
    RefreshListTips();
}

void Form2::RefreshListTips()
{
    const bool greek = host.greek();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        const QListWidgetItem *selected = selectedLine(lists[i]);
        lists[i]->setToolTip(form2::lists[i].tipPrefix.in(greek)
                             + (selected ? selected->text() : QString()));
    }
}

void Form2::sendLine(int list)
{
    const QListWidgetItem *selected = selectedLine(lists[static_cast<std::size_t>(list)]);
    if (!selected)
        return;
    const QString line =
        form2::lists[static_cast<std::size_t>(list)].sentLabel.in(host.greek()) + selected->text();
    host.temporaryList().AddItem(line);
}

} // namespace radixon
