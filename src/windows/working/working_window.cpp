#include "windows/working/working_window.h"

#include "window_services/always_on_top.h"
#include "window_services/placement.h"
#include "window_services/qt_magnetic_dock.h"
#include "window_services/qt_window_system.h"
#include "windows/common/dialogs.h"
#include "windows/common/layout.h"
#include "windows/working/groups_table.h"
#include "windows/working/working_model.h"
#include "windows/working/working_text.h"
#include "windows/working/working_texts.h"
#include "windows/working/wrapping_label.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace radixon {

namespace {

// The content's width: enough for a sentence, at most what a table needs without
// taking the screen; a wider table scrolls.
constexpr int minContentWidth = 320;
constexpr int maxContentWidth = 760;
// Rows in view; longer tables scroll.
constexpr int tableRows = 12;
constexpr int fractionRows = 8;
// Past this the clipboard would take hundreds of megabytes.
constexpr double copyLimit = 64e6;

int scrollBarExtent(const QWidget *widget)
{
    return widget->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, widget);
}

// A table at most `width` pixels wide, as wide as its columns, showing `rows` rows and
// its header whole, with room for a scroll bar under columns wider than it.
void fitTable(QTableView *table, int rows, int columnsWidth, int width)
{
    const int frame = 2 * table->frameWidth();
    const bool scrolls = columnsWidth + frame > width;
    const QHeaderView *header = table->horizontalHeader();
    table->setFixedSize(std::min(width, columnsWidth + frame),
                        frame + (header->isHidden() ? 0 : header->sizeHint().height())
                            + rows * table->verticalHeader()->defaultSectionSize()
                            + (scrolls ? scrollBarExtent(table) : 0));
}

QString decimalPoint() { return QLocale().decimalPoint(); }

} // namespace

WorkingWindow::WorkingWindow(CompanionHost &host)
    : CompanionWindow(
        host, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint,
        host.mainWindow())
{
    setObjectName(QLatin1String(working::name::window));
    createControls();
    m_host.dock().enableDragAnywhere(this,
                                     {m_heading, m_readingLine, m_notes, m_throughBinaryLabel});
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &WorkingWindow::copyWorking);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &WorkingWindow::giveKeyboardBack);
}

void WorkingWindow::createControls()
{
    m_body = place(new QWidget(this), "workingBody", QRect(QPoint(), QSize(1, 1)));
    m_layout = new QVBoxLayout(m_body);
    m_layout->setSizeConstraint(QLayout::SetNoConstraint);
    m_heading = place(new WrappingLabel(m_body), working::name::heading, {});
    m_model = new WorkingModel(this);
    m_table = newTable(working::name::table);
    m_readingLine = place(new WrappingLabel(m_body), working::name::readingLine, {});
    m_notes = place(new WrappingLabel(m_body), working::name::notes, {});
    m_throughBinaryLabel = place(new QLabel(m_body), working::name::throughBinaryLabel, {});
    m_copyButton = place(new QPushButton(m_body), working::name::copyButton, {});
    m_practiseButton = place(new QPushButton(m_body), working::name::practiseButton, {});
    for (QWidget *part : std::initializer_list<QWidget *>{m_heading, m_table, m_readingLine,
                                                          m_notes, m_throughBinaryLabel})
        m_layout->addWidget(part);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_copyButton);
    buttons->addWidget(m_practiseButton);
    m_layout->addLayout(buttons);
    connect(m_copyButton, &QPushButton::clicked, this, &WorkingWindow::copyWorking);
    connect(m_practiseButton, &QPushButton::clicked, this, [this] {
        if (m_source)
            m_host.showPractice(*m_source);
    });
}

QTableView *WorkingWindow::newTable(const char *name)
{
    auto *table = new QTableView(m_body);
    table->setObjectName(QLatin1String(name));
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    // Rows of one height cost nothing per row, however many thousands there are.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // A number too wide for its column keeps its first and last digits, on one line.
    table->setTextElideMode(Qt::ElideMiddle);
    table->setWordWrap(false);
    // Tab goes on to the window's other controls rather than from cell to cell.
    table->setTabKeyNavigation(false);
    return table;
}

// Made when first needed: most workings have no fraction.
QTableView *WorkingWindow::fractionTable()
{
    if (!m_fractionTable) {
        m_fractionModel = new WorkingModel(this);
        m_fractionTable = newTable(working::name::fractionTable);
        m_layout->insertWidget(m_layout->indexOf(m_table) + 1, m_fractionTable);
        m_fractionTable->stackUnder(m_readingLine); // painted in the order it is read
        setTabOrder(m_table, m_fractionTable);
    }
    return m_fractionTable;
}

// It comes on screen in follow(), once placed: a window the window manager frames is
// best moved before it is mapped.
void WorkingWindow::load() { setAlwaysOnTop(this, m_host.alwaysOnTop()); }

void WorkingWindow::follow(WorkingSource &source)
{
    if (m_source != &source) {
        if (m_source)
            disconnect(m_source, nullptr, this, nullptr);
        m_source = &source;
        connect(&source, &WorkingSource::changed, this, &WorkingWindow::showSource);
        connect(&source, &WorkingSource::withdrawn, this, &WorkingWindow::unload);
        showSource();
    }
    // The practice's working comes beside it while the learner types on.
    setAttribute(Qt::WA_ShowWithoutActivating, !source.handsOverKeyboard());
    if (!m_placed) {
        // Placed from the width its content asks for, then laid out once, at the width
        // it has there: laying out the texts is the dearest part of opening.
        const ContentFit fit = fitColumns();
        const QMargins edges =
            decorationMargins() + frameMargins(this) + m_layout->contentsMargins();
        const int around = edges.left() + edges.right(); // frames and margins
        const Rect beside = besideOf(source.window(), around + std::min(fit.width, maxContentWidth),
                                     0, around + minContentWidth);
        // Narrowed to the room beside the asker, its tables scroll.
        m_widthLimit = beside.width() - around;
        move(beside.left, beside.top);
        m_placed = true;
        fitToContent(fit); // and kept wholly on screen, now that its height is known
        registerWithDock();
        playOpenEffect();
    }
    raise();
    if (source.handsOverKeyboard()) {
        activateWindow();
        (m_table->isVisible() ? static_cast<QWidget *>(m_table) : m_copyButton)->setFocus();
    }
}

void WorkingWindow::showSource()
{
    // Once its window has gone, the last working stays in view.
    if (!m_source)
        return;
    m_working = m_source->working();
    m_language = &m_source->language();
    m_throughBinary = m_source->throughBinary();
    const Language &language = *m_language;
    applyTexts(this, working::context, working::texts, language);
    const QString point = decimalPoint();
    WorkingModel::Steps steps;
    if (const auto *division = std::get_if<DivisionWorking>(&m_working))
        steps = *division;
    else if (const auto *positional = std::get_if<PositionalWorking>(&m_working))
        steps = *positional;
    m_model->show(std::move(steps), language, point, markedIn(WorkingStep::Table::Division));
    // Given only now, so that the view lays out its headers once, for the first working.
    if (!m_table->model())
        m_table->setModel(m_model);
    // The keyboard starts at the first row of every working, or at the marked one,
    // whether or not the table had the focus already.
    m_table->selectionModel()->setCurrentIndex(
        m_model->index(std::max(0, markedIn(WorkingStep::Table::Division)), 0),
        QItemSelectionModel::NoUpdate);
    m_table->setVisible(!m_model->isEmpty() && !groupsOnly());
    const auto *division = std::get_if<DivisionWorking>(&m_working);
    const std::optional<FractionWorking> fraction = division ? division->fraction() : std::nullopt;
    if (fraction || m_fractionTable) {
        fractionTable()->setVisible(bool(fraction));
        m_fractionTable->setAccessibleName(language.text(working::context, working::fractionPart));
        m_fractionModel->show(fraction ? WorkingModel::Steps(*fraction) : WorkingModel::Steps(),
                              language, point, markedIn(WorkingStep::Table::Fraction));
        if (!m_fractionTable->model()) // as for the first table
            m_fractionTable->setModel(m_fractionModel);
    }
    const WorkingLines lines = markedLines(workingLines(m_working, language, point));
    m_heading->setText(lines.heading);
    m_readingLine->setText(lines.reading);
    m_readingLine->setVisible(!lines.reading.isEmpty());
    m_notes->setText(lines.notes);
    m_notes->setVisible(!lines.notes.isEmpty());
    m_copyButton->setEnabled(!std::holds_alternative<std::monostate>(m_working));
    showGroups(markedIn(WorkingStep::Table::Groups));
    if (m_placed) // else laid out once placed
        fitToContent();
    if (const int row = markedIn(WorkingStep::Table::Division); row >= 0)
        m_table->scrollTo(m_model->index(row, 0), QAbstractItemView::PositionAtCenter);
}

std::optional<WorkingStep> WorkingWindow::markedStep() const
{
    return m_source ? m_source->markedStep() : std::nullopt;
}

int WorkingWindow::markedIn(WorkingStep::Table table) const
{
    const std::optional<WorkingStep> marked = markedStep();
    return marked && marked->table == table ? int(marked->index) : -1;
}

// Binary to octal or hexadecimal and back, where the groups are the whole working.
bool WorkingWindow::groupsOnly() const { return markedIn(WorkingStep::Table::Groups) >= 0; }

// A practice answer's working says what the mark means.
WorkingLines WorkingWindow::markedLines(WorkingLines lines) const
{
    const std::optional<WorkingStep> marked = markedStep();
    if (!marked)
        return lines;
    const auto text = [this](const char *source) {
        return m_language->text(working::context, source);
    };
    const auto *division = std::get_if<DivisionWorking>(&m_working);
    if (groupsOnly() && division) {
        lines.heading =
            text(working::groupingMethod).arg(division->base()).arg(division->base() == 8 ? 3 : 4);
        lines.reading.clear();
        lines.notes.clear();
    }
    const QString mark =
        text(marked->table == WorkingStep::Table::Sum ? working::sumGivesAll : working::markedStep);
    lines.notes = lines.notes.isEmpty() ? mark : lines.notes + QLatin1Char('\n') + mark;
    return lines;
}

// From the widest text a column can hold rather than from all its rows, which the view
// would have to make and measure.
int WorkingWindow::fitColumns(QTableView *table, const WorkingModel &model)
{
    QHeaderView *header = table->horizontalHeader();
    QFont bold = table->font(); // a fraction that comes back is marked bold
    bold.setBold(true);
    const QFontMetrics cells(bold), titles = header->fontMetrics();
    const int padding = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
    int total = 0;
    for (int column = 0; column < model.columnCount(); ++column) {
        const QString title = model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const int width = padding
                          + std::max(titles.horizontalAdvance(title),
                                     cells.horizontalAdvance(model.widestText(column)));
        header->resizeSection(column, width);
        total += width;
    }
    return total;
}

WorkingWindow::ContentFit WorkingWindow::fitColumns()
{
    ContentFit fit{{}, minContentWidth};
    for (auto [table, model, inView] :
         {std::tuple(m_table, m_model, tableRows),
          std::tuple(m_fractionTable, m_fractionModel, fractionRows)}) {
        if (!table || table->isHidden())
            continue;
        const int rows = model->rowCount();
        const int columns =
            fitColumns(table, *model) + (rows > inView ? scrollBarExtent(table) : 0);
        fit.tables.push_back({table, std::min(rows, inView), columns});
        fit.width = std::max(fit.width, columns + 2 * table->frameWidth());
    }
    if (m_groupsTable && !m_groupsTable->isHidden()) {
        const int groupsWidth = m_groupsTable->columnsWidth();
        fit.tables.push_back({m_groupsTable, 2, groupsWidth});
        fit.width = std::max(fit.width, groupsWidth + 2 * m_groupsTable->frameWidth());
    }
    return fit;
}

void WorkingWindow::fitToContent(const ContentFit &fit)
{
    const int width = std::min({fit.width, maxContentWidth, m_widthLimit});
    for (const TableInView &shown : fit.tables)
        fitTable(shown.table, shown.rows, shown.columns, width);
    const QMargins margins = m_layout->contentsMargins();
    const int clientWidth = width + margins.left() + margins.right();
    const QSize client(clientWidth, m_layout->totalHeightForWidth(clientWidth));
    m_body->setGeometry(QRect(clientOrigin(this), client));
    const QPoint topLeft = pos();
    setClientSize(this, client);
    // Grown or shrunk with its content, it stays wholly on screen.
    const QSize outer = frameGeometry().size();
    const Rect inside =
        movedInside(toRect(QRect(topLeft, outer)), toRect(screen()->availableGeometry()));
    move(inside.left, inside.top);
}

// Made when first needed: most workings have no groups, and a table is the dearest
// control of the window to make.
GroupsTable *WorkingWindow::groupsTable()
{
    if (m_groupsTable)
        return m_groupsTable;
    m_groupsTable = new GroupsTable(m_body, m_table->verticalHeader()->defaultSectionSize());
    m_layout->insertWidget(m_layout->indexOf(m_throughBinaryLabel) + 1, m_groupsTable);
    setTabOrder(m_fractionTable ? m_fractionTable : m_table, m_groupsTable);
    setTabOrder(m_groupsTable, m_copyButton);
    return m_groupsTable;
}

std::vector<BinaryGroup> WorkingWindow::groups() const
{
    const auto *division = std::get_if<DivisionWorking>(&m_working);
    return division && m_throughBinary ? division->binaryGroups() : std::vector<BinaryGroup>();
}

void WorkingWindow::showGroups(int marked)
{
    const std::vector<BinaryGroup> groups = this->groups();
    m_throughBinaryLabel->setVisible(!groups.empty());
    if (groups.empty()) {
        if (m_groupsTable)
            m_groupsTable->hide();
        return;
    }
    groupsTable()->setAccessibleName(m_throughBinaryLabel->text());
    m_groupsTable->showGroups(groups, marked);
    m_groupsTable->show();
}

void WorkingWindow::copyWorking()
{
    if (std::holds_alternative<std::monostate>(m_working))
        return;
    const Language &language = *m_language;
    if (m_model->fullTextLength() > copyLimit) {
        m_host.dialogs().inform(this, QString::fromUtf8(working::tooLongTitle),
                                language.text(working::context, working::tooLongToCopy),
                                Dialogs::Icon::Information);
        return;
    }
    const WorkingLines lines = markedLines(workingLines(m_working, language, decimalPoint(), true));
    QStringList parts{lines.heading};
    if (!m_model->isEmpty() && !groupsOnly())
        parts << m_model->fullText();
    if (m_fractionModel && !m_fractionModel->isEmpty())
        parts << m_fractionModel->fullText();
    parts << lines.reading << lines.notes;
    if (const std::vector<BinaryGroup> groups = this->groups(); !groups.empty()) {
        QStringList bits, digits;
        for (const BinaryGroup &group : groups) {
            bits << QString::fromStdString(group.bits);
            digits << QString(QLatin1Char(group.digit));
        }
        parts << m_throughBinaryLabel->text() << bits.join(QLatin1Char('\t'))
              << digits.join(QLatin1Char('\t'));
    }
    parts.removeAll(QString());
    QApplication::clipboard()->setText(parts.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void WorkingWindow::giveKeyboardBack()
{
    QPointer<QWidget> field = m_source ? m_source->askingField() : nullptr;
    unload();
    if (field) {
        field->window()->activateWindow();
        field->setFocus();
    }
}

} // namespace radixon
