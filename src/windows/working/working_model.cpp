#include "windows/working/working_model.h"

#include "conversion/to_radix.h"

#include <cmath>

namespace radixon {

namespace {

// Rows kept made; a screenful is a few dozen.
constexpr std::size_t keptRows = 512;

QString text(const std::string &s) { return QString::fromStdString(s); }

} // namespace

QString briefText(const NumberInBrief &number, const Language &language)
{
    if (number.last.empty())
        return text(number.first);
    return language.text(working::context, working::inBrief)
        .arg(text(number.first), text(number.last), QString::number(number.length));
}

void WorkingModel::show(const Working &working, const Language &language)
{
    beginResetModel();
    m_working = working;
    m_language = &language;
    m_shown.clear();
    endResetModel();
}

int WorkingModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    if (const auto *division = std::get_if<DivisionWorking>(&m_working))
        return int(division->rowCount());
    if (const auto *positional = std::get_if<PositionalWorking>(&m_working))
        return int(positional->rowCount());
    return 0;
}

int WorkingModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    if (std::holds_alternative<DivisionWorking>(m_working))
        return int(std::size(working::divisionColumns));
    if (std::holds_alternative<PositionalWorking>(m_working))
        return int(std::size(working::positionalColumns));
    return 0;
}

QVariant WorkingModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    // The tool tip tells a cell the view elides in full.
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole)
        return {};
    auto shown = m_shown.find(index.row());
    if (shown == m_shown.end()) {
        if (m_shown.size() >= keptRows)
            m_shown.clear();
        shown = m_shown.emplace(index.row(), rowTexts(index.row())).first;
    }
    return shown->second.value(index.column());
}

const working::Column *WorkingModel::column(int section) const
{
    if (section < 0 || section >= columnCount())
        return nullptr;
    const bool division = std::holds_alternative<DivisionWorking>(m_working);
    return &(division ? working::divisionColumns : working::positionalColumns)[section];
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
    const auto *division = std::get_if<DivisionWorking>(&m_working);
    const std::uint8_t base =
        division ? division->base() : std::get<PositionalWorking>(m_working).base();
    switch (shown->width) {
    case working::ColumnWidth::Shared:
        return {};
    case working::ColumnWidth::Digit:
        return text(radixDigit(std::uint8_t(base - 1)));
    case working::ColumnWidth::BelowBase:
        return QString::number(base - 1);
    case working::ColumnWidth::Position:
        return QString::number(rowCount() - 1);
    case working::ColumnWidth::Weight:
        // The top row has the largest weight; when it is too long for the cell, a
        // lower one nearly as long as the cell allows is written out.
        {
            const auto &positional = std::get<PositionalWorking>(m_working);
            return positional.weightFits(0, cellDigits)
                       ? text(positional.weight(0))
                       : QString(int(cellDigits), QLatin1Char('0'));
        }
    }
    return {};
}

QStringList WorkingModel::rowTexts(int row) const
{
    if (const auto *division = std::get_if<DivisionWorking>(&m_working)) {
        const DivisionRow step = division->row(std::size_t(row));
        return {text(step.number), text(step.quotient), QString::number(step.remainder),
                text(step.digit)};
    }
    const auto &positional = std::get<PositionalWorking>(m_working);
    const auto r = std::size_t(row);
    return {QString(QLatin1Char(positional.digit(r))).toUpper(),
            QString::number(positional.value(r)), QString::number(positional.position(r)),
            positional.weightFits(r, cellDigits)
                ? text(positional.weight(r))
                : QStringLiteral("%1^%2").arg(positional.base()).arg(positional.position(r)),
            briefText(positional.termInBrief(r, cellDigits), *m_language)};
}

QStringList WorkingModel::fullRow(int row) const
{
    if (const auto *positional = std::get_if<PositionalWorking>(&m_working)) {
        const auto r = std::size_t(row);
        QStringList texts = rowTexts(row).mid(0, 3);
        return texts << text(positional->weight(r)) << text(positional->term(r));
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
    const auto *positional = std::get_if<PositionalWorking>(&m_working);
    if (!positional)
        return 64.0 * rowCount();
    // A weight base^k has about k·log10(base) digits, a term as many: summed over k.
    const double rows = double(positional->rowCount());
    return std::log10(double(positional->base())) * rows * (rows - 1) + 16 * rows;
}

} // namespace radixon
