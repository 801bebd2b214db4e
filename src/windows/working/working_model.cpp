#include "windows/working/working_model.h"

#include "conversion/to_radix.h"

#include <QFont>

#include <algorithm>
#include <cmath>

namespace radixon {

namespace {

// Rows kept made; a screenful is a few dozen.
constexpr std::size_t keptRows = 512;
// Rows read to find a column's widest text. A division's and a sum's largest numbers
// come first (the second row too, after a leading zero); a fraction's vary in length.
constexpr int measuredRows = 2;
constexpr int measuredFractionRows = 8;

QString text(const std::string &s) { return QString::fromStdString(s); }

std::uint8_t baseOf(const WorkingModel::Steps &steps)
{
    return std::visit(
        [](const auto &working) -> std::uint8_t {
            if constexpr (std::is_same_v<std::decay_t<decltype(working)>, std::monostate>)
                return 0;
            else
                return working.base();
        },
        steps);
}

// An exponent as a superscript: 2 → "²".
QString superscript(std::size_t exponent)
{
    static const QString figures = QString::fromUtf8("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString raised;
    for (const QChar figure : QString::number(exponent))
        raised += figures[figure.digitValue()];
    return raised;
}

// A weight's power, as "16²", before its value.
QString powerOf(const PositionalWorking &positional, std::size_t row)
{
    return QString::number(positional.base()) + superscript(positional.position(row))
           + QLatin1String(" = ");
}

} // namespace

QString briefText(const NumberInBrief &number, const Language &language)
{
    if (number.last.empty())
        return text(number.first);
    return language.text(working::context, working::inBrief)
        .arg(text(number.first), text(number.last), QString::number(number.length));
}

QString decimalText(const std::string &number, const QString &point)
{
    return text(number).replace(QLatin1Char('.'), point);
}

void WorkingModel::show(Steps steps, const Language &language, const QString &point, int markedRow)
{
    beginResetModel();
    m_steps = std::move(steps);
    m_language = &language;
    m_point = point;
    m_markedRow = markedRow;
    m_rowTexts.clear();
    endResetModel();
}

int WorkingModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return std::visit(
        [](const auto &working) -> int {
            if constexpr (std::is_same_v<std::decay_t<decltype(working)>, std::monostate>)
                return 0;
            else
                return int(working.rowCount());
        },
        m_steps);
}

int WorkingModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    constexpr int counts[] = {0, int(std::size(working::divisionColumns)),
                              int(std::size(working::positionalColumns)),
                              int(std::size(working::fractionColumns))};
    return counts[m_steps.index()];
}

const working::Column *WorkingModel::column(int section) const
{
    if (section < 0 || section >= columnCount())
        return nullptr;
    constexpr const working::Column *tables[] = {
        nullptr, working::divisionColumns, working::positionalColumns, working::fractionColumns};
    return &tables[m_steps.index()][section];
}

QVariant WorkingModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::BackgroundRole)
        return index.row() == m_markedRow ? QVariant(markedColour) : QVariant();
    if (role == Qt::FontRole) {
        // The fraction that comes back, where it first stands and where it returns.
        const auto *fraction = std::get_if<FractionWorking>(&m_steps);
        if (!fraction || !fraction->repeats() || !fraction->periodShownWhole())
            return {};
        const bool first = index.row() == int(fraction->preperiodLength()) && index.column() == 0;
        const bool back = index.row() == rowCount() - 1 && index.column() == 3;
        if (!first && !back)
            return {};
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    // The tool tip tells a cell the view elides in full.
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole)
        return {};
    return shownRow(index.row()).value(index.column());
}

const QStringList &WorkingModel::shownRow(int row) const
{
    auto shown = m_rowTexts.find(row);
    if (shown == m_rowTexts.end()) {
        if (m_rowTexts.size() >= keptRows)
            m_rowTexts.clear();
        shown = m_rowTexts.emplace(row, rowTexts(row)).first;
    }
    return shown->second;
}

QVariant WorkingModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (const working::Column *shown = column(section))
        return m_language->text(working::context, shown->title);
    return {};
}

QString WorkingModel::widestText(int section) const
{
    const working::Column *shown = column(section);
    if (!shown)
        return {};
    const std::uint8_t base = baseOf(m_steps);
    switch (shown->width) {
    case working::ColumnWidth::Measured: {
        QString widest;
        const bool fraction = std::holds_alternative<FractionWorking>(m_steps);
        const int rows = std::min(rowCount(), fraction ? measuredFractionRows : measuredRows);
        for (int row = 0; row < rows; ++row) {
            const QString &cell = shownRow(row)[section];
            if (cell.size() > widest.size())
                widest = cell;
        }
        return widest;
    }
    case working::ColumnWidth::Digit:
        return text(radixDigit(std::uint8_t(base - 1)));
    case working::ColumnWidth::BelowBase:
        return QString::number(base - 1);
    case working::ColumnWidth::Position:
        return QString::number(rowCount() - 1);
    case working::ColumnWidth::Weight:
        return shownRow(0)[section]; // the top row's weight is the largest
    }
    return {};
}

QStringList WorkingModel::rowTexts(int row) const
{
    const auto r = std::size_t(row);
    if (const auto *division = std::get_if<DivisionWorking>(&m_steps)) {
        const DivisionRow step = division->row(r);
        return {text(step.number), text(step.quotient), QString::number(step.remainder),
                text(step.digit)};
    }
    if (const auto *fraction = std::get_if<FractionWorking>(&m_steps)) {
        const MultiplicationRow step = fraction->row(r);
        return {decimalText(step.fraction, m_point), decimalText(step.product, m_point),
                text(step.digitText), decimalText(step.carried, m_point)};
    }
    const auto &positional = std::get<PositionalWorking>(m_steps);
    return {QString(QLatin1Char(positional.digit(r))).toUpper(),
            QString::number(positional.value(r)), QString::number(positional.position(r)),
            powerOf(positional, r)
                + briefText(positional.weightInBrief(r, cellDigits), *m_language),
            briefText(positional.termInBrief(r, cellDigits), *m_language)};
}

QStringList WorkingModel::fullRow(int row) const
{
    if (const auto *positional = std::get_if<PositionalWorking>(&m_steps)) {
        const auto r = std::size_t(row);
        QStringList texts = rowTexts(row).mid(0, 3);
        return texts << powerOf(*positional, r) + text(positional->weight(r))
                     << text(positional->term(r));
    }
    return rowTexts(row);
}

QString WorkingModel::fullText() const
{
    QStringList lines;
    QStringList header;
    for (int column = 0; column < columnCount(); ++column)
        header << headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    lines << header.join(QLatin1Char('\t'));
    for (int row = 0; row < rowCount(); ++row)
        lines << fullRow(row).join(QLatin1Char('\t'));
    return lines.join(QLatin1Char('\n'));
}

double WorkingModel::fullTextLength() const
{
    const auto *positional = std::get_if<PositionalWorking>(&m_steps);
    if (!positional)
        return 64.0 * rowCount();
    // A weight base^k has about k·log10(base) digits, a term as many: summed over k.
    const double rows = double(positional->rowCount());
    return std::log10(double(positional->base())) * rows * (rows - 1) + 16 * rows;
}

} // namespace radixon
