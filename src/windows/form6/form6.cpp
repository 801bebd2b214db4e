#include "windows/form6/form6.h"

#include "window_services/ontop_notontop_less.h"
#include "window_services/qt_magnetic_dock.h"
#include "windows/common/dialogs.h"
#include "windows/common/layout.h"
#include "windows/form6/form6_texts.h"
#include "windows/form6/temporary_list_file.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>

namespace radixon {

namespace {

QStringList linesOf(const QListWidget *list)
{
    QStringList lines;
    lines.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

} // namespace

Form6::Form6(CompanionHost &host)
    : CompanionWindow(host, Companion::TemporaryList,
                      Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form6"));
    createControls();
    connectSignals();
    applyLanguage(false);

    // The client area's designed place, from the screen's top-left corner.
    const QRect client = twipsRect(7560, 6855, 4470, 4230);
    const QPoint origin = QGuiApplication::primaryScreen()
                              ? QGuiApplication::primaryScreen()->geometry().topLeft()
                              : QPoint();
    setFixedSize(client.size());
    setGeometry(QRect(origin + client.topLeft(), client.size()));
    host.dock().enableDragAnywhere(this, {Frame1, Frame2});
}

void Form6::load()
{
    registerWithDock();
    playOpenEffect();
    if (host.greek())
        applyLanguage(true);
}

void Form6::createControls()
{
    Frame1 = place(new QGroupBox(this), "Frame1", twipsRect(75, 0, 4320, 2595));
    List1 = place(new QListWidget(Frame1), "List1", twipsRect(135, 240, 4050, 2205));
    Frame2 = place(new QGroupBox(this), "Frame2", twipsRect(75, 2625, 4320, 1530));
    Check2 = placeCheckBox(Frame2, "Check2", twipsRect(75, 225, 3930, 195), QColor(0, 0, 0));
    Check3 = placeCheckBox(Frame2, "Check3", twipsRect(75, 465, 3855, 195));
    Check4 = placeCheckBox(Frame2, "Check4", twipsRect(75, 675, 3855, 195));
    Check5 = placeCheckBox(Frame2, "Check5", twipsRect(75, 900, 3855, 195), QColor(0, 0, 255));
    Check1 = placeCheckBox(Frame2, "Check1", twipsRect(75, 1200, 2310, 240));

    List1->setSelectionMode(QAbstractItemView::SingleSelection);
}

void Form6::connectSignals()
{
    // The action boxes are buttons: every flip of the tick runs the action.
    connect(Check2, &QCheckBox::toggled, this, &Form6::removeSelectedItem);
    connect(Check3, &QCheckBox::toggled, this, [this] { KillDoubles(List1); });
    connect(Check4, &QCheckBox::toggled, this, &Form6::removeAllItems);
    connect(Check5, &QCheckBox::toggled, this, &Form6::saveList);
    connect(Check1, &QCheckBox::toggled, this, [this](bool ticked) { followOnTopBox(this, ticked); });
}

void Form6::applyLanguage(bool greek)
{
    applyTexts(this, form6::texts, greek);
}

void Form6::AddItem(const QString &line) { List1->addItem(line); }

int Form6::currentLine() const
{
    // A list that gains the focus marks its first line without selecting it; only a
    // selected line counts.
    const QListWidgetItem *item = List1->currentItem();
    return item && item->isSelected() ? List1->currentRow() : -1;
}

void Form6::moveCurrentItemDown()
{
    const int next = currentLine() + 1;
    if (next < List1->count())
        List1->setCurrentRow(next);
}

void Form6::KillDoubles(QListWidget *listbox)
{
    const QStringList all = linesOf(listbox);
    const QStringList kept = temporary_list::KillDoubles(all);
    if (kept.size() == all.size())
        return;
    listbox->clear();
    listbox->addItems(kept);
}

void Form6::removeSelectedItem()
{
    const int row = currentLine();
    if (row < 0)
        return;
    delete List1->takeItem(row);
    // The removed line was the selection; none takes its place.
    List1->setCurrentRow(-1);
}

void Form6::removeAllItems() { List1->clear(); }

void Form6::saveList()
{
    const bool greek = host.greek();
    Dialogs &dialogs = host.dialogs();
    const QString title = form6::messageTitle.in(greek);
    if (List1->count() == 0) {
        dialogs.inform(this, title, form6::emptyList.in(greek), Dialogs::Icon::Information);
        return;
    }
    const std::optional<QString> path =
        dialogs.saveFileName(this, form6::dialogTitle.in(greek), form6::defaultFileName.in(greek),
                             QString::fromLatin1(form6::fileFilter));
    if (!path || path->isEmpty())
        return;
    const QByteArray bytes =
        temporary_list::savedListBytes(linesOf(List1), temporary_list::codePageFor(QLocale()));
    if (!temporary_list::writeListFile(*path, bytes))
        dialogs.inform(this, title, form6::notSaved.in(greek), Dialogs::Icon::Information);
}

} // namespace radixon
