#include "windows/working/working_window.h"

#include "window_services/always_on_top.h"
#include "window_services/qt_magnetic_dock.h"
#include "windows/common/dialogs.h"
#include "windows/common/layout.h"
#include "windows/working/working_model.h"
#include "windows/working/working_texts.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace radixon {

namespace {

constexpr QSize clientSize(560, 340);
// Past this the clipboard would take hundreds of megabytes.
constexpr double copyLimit = 64e6;
// A reading line longer than this is shown in brief.
constexpr std::size_t lineDigits = 200;

// Touching the right side of `asker`, top edges in line, else its left side; wholly
// inside `area` either way.
QPoint besideOf(const QRect &asker, const QSize &size, const QRect &area)
{
    int x = asker.right() + 1;
    if (x + size.width() - 1 > area.right())
        x = asker.left() - size.width();
    x = std::max(area.left(), std::min(x, area.right() + 1 - size.width()));
    const int y = std::max(area.top(), std::min(asker.top(), area.bottom() + 1 - size.height()));
    return {x, y};
}

std::string breakableAnywhere(const std::string &digits)
{
    static constexpr char zeroWidthSpace[] = "\u200B";
    std::string text;
    text.reserve(digits.size() * 4);
    for (const char digit : digits)
        text.append(1, digit).append(zeroWidthSpace);
    return text;
}

} // namespace

WorkingWindow::WorkingWindow(CompanionHost &host)
    : CompanionWindow(
        host, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint,
        host.mainWindow())
{
    setObjectName(QLatin1String(working::name::window));
    setClientSize(this, clientSize);
    createControls();
    m_host.dock().enableDragAnywhere(this, {m_readingLine, m_throughBinaryLabel});
}

void WorkingWindow::createControls()
{
    auto *body = place(new QWidget(this), "workingBody", QRect(QPoint(), clientSize));
    m_layout = new QVBoxLayout(body);
    m_model = new WorkingModel(this);
    m_table = new QTableView(body);
    m_table->setObjectName(QLatin1String(working::name::table));
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    // Rows of one height cost nothing per row, however many thousands there are.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // A number too wide for its column keeps its first and last digits, on one line.
    m_table->setTextElideMode(Qt::ElideMiddle);
    m_table->setWordWrap(false);
    m_readingLine = new QLabel(body);
    m_readingLine->setObjectName(QLatin1String(working::name::readingLine));
    m_readingLine->setWordWrap(true);
    m_throughBinaryLabel = new QLabel(body);
    m_throughBinaryLabel->setObjectName(QLatin1String(working::name::throughBinaryLabel));
    m_copyButton = new QPushButton(body);
    m_copyButton->setObjectName(QLatin1String(working::name::copyButton));
    m_layout->addWidget(m_table, 1);
    m_layout->addWidget(m_readingLine);
    m_layout->addWidget(m_throughBinaryLabel);
    m_layout->addWidget(m_copyButton, 0, Qt::AlignRight);
    connect(m_copyButton, &QPushButton::clicked, this, &WorkingWindow::copyWorking);
}

void WorkingWindow::load()
{
    playOpenEffect();
    setAlwaysOnTop(this, m_host.alwaysOnTop());
}

void WorkingWindow::follow(WorkingOffer &offer)
{
    if (m_offer != &offer) {
        if (m_offer)
            disconnect(m_offer, nullptr, this, nullptr);
        m_offer = &offer;
        connect(&offer, &WorkingOffer::changed, this, &WorkingWindow::showOffer);
        showOffer();
    }
    if (std::exchange(m_placed, true))
        return;
    const QRect asker = offer.window()->frameGeometry();
    const QScreen *screen = offer.window()->screen();
    const QMargins frame = decorationMargins();
    const QSize outer = size().grownBy(frame);
    move(besideOf(asker, outer, screen->availableGeometry()));
    registerWithDock();
}

void WorkingWindow::showOffer()
{
    // Once its window has gone, the last working stays in view.
    if (!m_offer)
        return;
    m_working = m_offer->working();
    m_language = &m_offer->language();
    m_throughBinary = m_offer->throughBinary();
    const Language &language = *m_language;
    applyTexts(this, working::context, working::texts, language);
    m_model->show(m_working, language);
    // Given only now, so that the view lays out its headers once, for the first working.
    if (!m_table->model())
        m_table->setModel(m_model);
    fitColumns();
    m_readingLine->setText(readingLine(false));
    m_copyButton->setEnabled(!std::holds_alternative<std::monostate>(m_working));
    showGroups();
}

// From the widest text a column can hold rather than from its rows, which the view
// would have to make and measure.
void WorkingWindow::fitColumns()
{
    QHeaderView *header = m_table->horizontalHeader();
    const QFontMetrics metrics = m_table->fontMetrics();
    const int padding = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
    for (int column = 0; column < m_model->columnCount(); ++column) {
        const QString widest = m_model->widestText(column);
        if (widest.isEmpty()) {
            header->setSectionResizeMode(column, QHeaderView::Stretch);
            continue;
        }
        const QString title =
            m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        header->setSectionResizeMode(column, QHeaderView::Interactive);
        header->resizeSection(column, padding
                                          + std::max(metrics.horizontalAdvance(title),
                                                     metrics.horizontalAdvance(widest)));
    }
}

QString WorkingWindow::readingLine(bool inFull) const
{
    // On screen a long number wraps between any two digits rather than run past the
    // window's edge; on the clipboard it stays whole.
    const auto shown = [inFull](std::string digits) {
        return inFull ? digits : breakableAnywhere(digits);
    };
    const Language &language = *m_language;
    const Working &steps = m_working;
    if (const auto *division = std::get_if<DivisionWorking>(&steps))
        return language.text(working::context, working::readUpwards)
               + QString::fromStdString(shown(division->result()));
    const auto *positional = std::get_if<PositionalWorking>(&steps);
    if (!positional)
        return language.text(working::context, working::calculateFirst);
    NumberInBrief sum = positional->sumInBrief(inFull ? SIZE_MAX : lineDigits);
    sum.first = shown(sum.first);
    sum.last = shown(sum.last);
    return language.text(working::context, working::sum) + QLatin1String(": ")
           + briefText(sum, language);
}

// Made when first needed: most workings have no groups, and a table is the dearest
// control of the window to make.
QTableWidget *WorkingWindow::groupsTable()
{
    if (m_groupsTable)
        return m_groupsTable;
    m_groupsTable = new QTableWidget(2, 0, m_readingLine->parentWidget());
    m_groupsTable->setObjectName(QLatin1String(working::name::groupsTable));
    m_groupsTable->horizontalHeader()->hide();
    m_groupsTable->verticalHeader()->hide();
    m_groupsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_groupsTable->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_groupsTable->setFixedHeight(2 * m_groupsTable->verticalHeader()->defaultSectionSize() + 4);
    m_layout->insertWidget(m_layout->indexOf(m_throughBinaryLabel) + 1, m_groupsTable);
    return m_groupsTable;
}

std::vector<BinaryGroup> WorkingWindow::groups() const
{
    const auto *division = std::get_if<DivisionWorking>(&m_working);
    return division && m_throughBinary ? division->binaryGroups() : std::vector<BinaryGroup>();
}

void WorkingWindow::showGroups()
{
    const std::vector<BinaryGroup> groups = this->groups();
    m_throughBinaryLabel->setVisible(!groups.empty());
    if (groups.empty()) {
        if (m_groupsTable)
            m_groupsTable->hide();
        return;
    }
    groupsTable()->setAccessibleName(m_throughBinaryLabel->text());
    m_groupsTable->setColumnCount(int(groups.size()));
    for (int i = 0; i < int(groups.size()); ++i) {
        const BinaryGroup &group = groups[std::size_t(i)];
        m_groupsTable->setItem(0, i, new QTableWidgetItem(QString::fromStdString(group.bits)));
        m_groupsTable->setItem(1, i, new QTableWidgetItem(QString(QLatin1Char(group.digit))));
        m_groupsTable->item(1, i)->setTextAlignment(Qt::AlignCenter);
    }
    m_groupsTable->resizeColumnsToContents();
    m_groupsTable->show();
}

void WorkingWindow::copyWorking()
{
    const Language &language = *m_language;
    if (m_model->fullTextLength() > copyLimit) {
        m_host.dialogs().inform(this, QString::fromUtf8(working::tooLongTitle),
                                language.text(working::context, working::tooLongToCopy),
                                Dialogs::Icon::Information);
        return;
    }
    QString text = m_model->fullText() + QLatin1Char('\n') + readingLine(true);
    if (const std::vector<BinaryGroup> groups = this->groups(); !groups.empty()) {
        QStringList bits, digits;
        for (const BinaryGroup &group : groups) {
            bits << QString::fromStdString(group.bits);
            digits << QString(QLatin1Char(group.digit));
        }
        text += QLatin1Char('\n') + m_throughBinaryLabel->text() + QLatin1Char('\n')
                + bits.join(QLatin1Char('\t')) + QLatin1Char('\n') + digits.join(QLatin1Char('\t'));
    }
    QApplication::clipboard()->setText(text + QLatin1Char('\n'));
}

} // namespace radixon
