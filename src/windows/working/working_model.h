#pragma once

#include "windows/common/working_source.h"
#include "windows/working/working_texts.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>

#include <unordered_map>

namespace radixon {

// The background of a marked step: a highlighter's yellow, whatever the selection's colour.
inline const QColor markedColour{255, 225, 110};

// A number as a cell or line shows it: whole, or in brief in the language.
QString briefText(const NumberInBrief &number, const Language &language);
// The engine's decimal text ("0.75") with `point` for its separator.
QString decimalText(const std::string &number, const QString &point);

// The rows of one table of a working, for a table view: the division, the positional
// sum or the repeated multiplication of a fraction. A row's texts are made when the
// view asks for them and kept while they are likely to be asked for again; long weights
// and terms are shown in brief, and in full by fullText().
class WorkingModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Steps = std::variant<std::monostate, DivisionWorking, PositionalWorking, FractionWorking>;

    // Longer numbers are shown in brief, which is then always the shorter.
    static constexpr std::size_t cellDigits = 26;

    using QAbstractTableModel::QAbstractTableModel;

    // `point` stands between the whole and the fractional digits of a decimal number;
    // `markedRow`, when not -1, is shown marked.
    void show(Steps steps, const Language &language, const QString &point, int markedRow = -1);
    bool isEmpty() const { return std::holds_alternative<std::monostate>(m_steps); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // A text as wide as any the column holds (read off the first rows where no rule gives it).
    QString widestText(int section) const;

    // The header and every row, one a line, columns separated by tabs, values in full.
    QString fullText() const;
    // About how many characters fullText() would make, without making them.
    double fullTextLength() const;

private:
    const working::Column *column(int section) const;
    const QStringList &shownRow(int row) const;
    QStringList rowTexts(int row) const;
    QStringList fullRow(int row) const;

    Steps m_steps;
    const Language *m_language = &Language::english();
    QString m_point = QStringLiteral(".");
    int m_markedRow = -1;
    mutable std::unordered_map<int, QStringList> m_rowTexts;
};

} // namespace radixon
