#include "windows/temporary_list/temporary_list_window.h"

#include "window_services/always_on_top.h"
#include "window_services/qt_magnetic_dock.h"
#include "windows/common/dialogs.h"
#include "windows/common/layout.h"
#include "windows/temporary_list/temporary_list_file.h"
#include "windows/temporary_list/temporary_list_names.h"
#include "windows/temporary_list/temporary_list_texts.h"

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

TemporaryListWindow::TemporaryListWindow(CompanionHost &host)
    : CompanionWindow(host, Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                | Qt::WindowCloseButtonHint)
{
    setObjectName(QLatin1String(temporary_list::name::window));
    createControls();
    connectSignals();
    applyLanguage(Language::english());

    // The client area's designed place, from the screen's top-left corner; the
    // window's outer corner lies its frame above and left of it.
    const QRect client = twipsRect(7560, 6855, 4470, 4230);
    const QPoint origin = QGuiApplication::primaryScreen()
                              ? QGuiApplication::primaryScreen()->geometry().topLeft()
                              : QPoint();
    setClientSize(this, client.size());
    const QMargins decoration = decorationMargins();
    move(origin + client.topLeft() - clientOrigin(this)
         - QPoint(decoration.left(), decoration.top()));
    m_host.dock().enableDragAnywhere(this, {m_listFrame, m_optionsPanel});
}

void TemporaryListWindow::load()
{
    registerWithDock();
    playOpenEffect();
    if (&m_host.language() != &Language::english())
        applyLanguage(m_host.language());
}

void TemporaryListWindow::createControls()
{
    m_listFrame =
        place(new QGroupBox(this), temporary_list::name::listFrame, twipsRect(75, 0, 4320, 2595));
    m_list = place(new QListWidget(m_listFrame), temporary_list::name::list,
                   twipsRect(135, 240, 4050, 2205));
    m_optionsPanel = place(new QGroupBox(this), temporary_list::name::optionsPanel,
                           twipsRect(75, 2625, 4320, 1530));
    m_removeSelectedBox = placeCheckBox(m_optionsPanel, temporary_list::name::removeSelectedBox,
                                        twipsRect(75, 225, 3930, 195), QColor(0, 0, 0));
    m_removeRepeatsBox = placeCheckBox(m_optionsPanel, temporary_list::name::removeRepeatsBox,
                                       twipsRect(75, 465, 3855, 195));
    m_removeAllBox = placeCheckBox(m_optionsPanel, temporary_list::name::removeAllBox,
                                   twipsRect(75, 675, 3855, 195));
    m_saveBox = placeCheckBox(m_optionsPanel, temporary_list::name::saveBox,
                              twipsRect(75, 900, 3855, 195), QColor(0, 0, 255));
    m_onTopBox = placeCheckBox(m_optionsPanel, temporary_list::name::onTopBox,
                               twipsRect(75, 1200, 2310, 240));
}

void TemporaryListWindow::connectSignals()
{
    // The action boxes are buttons: every flip of the tick runs the action.
    connect(m_removeSelectedBox, &QCheckBox::toggled, this,
            &TemporaryListWindow::removeSelectedItem);
    connect(m_removeRepeatsBox, &QCheckBox::toggled, this, &TemporaryListWindow::removeRepeats);
    connect(m_removeAllBox, &QCheckBox::toggled, this, &TemporaryListWindow::removeAllItems);
    connect(m_saveBox, &QCheckBox::toggled, this, &TemporaryListWindow::saveList);
    connect(m_onTopBox, &QCheckBox::toggled, this,
            [this](bool ticked) { setAlwaysOnTop(this, ticked); });
}

void TemporaryListWindow::applyLanguage(const Language &language)
{
    applyTexts(this, temporary_list::context, temporary_list::texts, language);
}

void TemporaryListWindow::appendLine(const QString &line) { m_list->addItem(line); }

int TemporaryListWindow::currentLine() const
{
    // A list that gains the focus marks its first line without selecting it; only a
    // selected line counts.
    const QListWidgetItem *item = m_list->currentItem();
    return item && item->isSelected() ? m_list->currentRow() : -1;
}

void TemporaryListWindow::moveCurrentItemDown()
{
    const int next = currentLine() + 1;
    if (next < m_list->count())
        m_list->setCurrentRow(next);
}

void TemporaryListWindow::removeRepeats()
{
    const QStringList all = linesOf(m_list);
    const QStringList kept = temporary_list::withoutRepeats(all);
    if (kept.size() == all.size())
        return;
    m_list->clear();
    m_list->addItems(kept);
}

void TemporaryListWindow::removeSelectedItem()
{
    const int row = currentLine();
    if (row < 0)
        return;
    delete m_list->takeItem(row);
    // The removed line was the selection; none takes its place.
    m_list->setCurrentRow(-1);
}

void TemporaryListWindow::removeAllItems() { m_list->clear(); }

void TemporaryListWindow::saveList()
{
    // In the main window's language at the moment of the click.
    const auto text = [language = &m_host.language()](const char *source) {
        return language->text(temporary_list::context, source);
    };
    Dialogs &dialogs = m_host.dialogs();
    const QString title = text(temporary_list::messageTitle);
    if (m_list->count() == 0) {
        dialogs.inform(this, title, text(temporary_list::emptyList), Dialogs::Icon::Information);
        return;
    }
    const std::optional<QString> path = dialogs.saveFileName(
        this, text(temporary_list::dialogTitle), text(temporary_list::defaultFileName),
        QString::fromLatin1(temporary_list::fileFilter));
    if (!path || path->isEmpty())
        return;
    const QByteArray bytes =
        temporary_list::savedListBytes(linesOf(m_list), temporary_list::codePageFor(QLocale()));
    if (!temporary_list::writeListFile(*path, bytes))
        dialogs.inform(this, title, text(temporary_list::notSaved), Dialogs::Icon::Information);
}

} // namespace radixon
