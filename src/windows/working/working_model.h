#pragma once

#include "windows/common/working_offer.h"
#include "windows/working/working_texts.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <unordered_map>

namespace radixon {

// A number as a cell or line shows it: whole, or in brief in the language.
QString briefText(const NumberInBrief &number, const Language &language);

// The rows of a working for a table view. A row's texts are made when the view asks
// for them and kept while they are likely to be asked for again; long weights and
// terms are shown in brief, and in full by fullText().
class WorkingModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Longer numbers are shown in brief.
    static constexpr std::size_t cellDigits = 16;

    using QAbstractTableModel::QAbstractTableModel;

    void show(const Working &working, const Language &language);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // A text as wide as any a narrow column holds; empty for the columns of long
    // numbers, which share the rest of the width.
    QString widestText(int section) const;

    // The header and every row, one a line, columns separated by tabs, values in full.
    QString fullText() const;
    // About how many characters fullText() would make, without making them.
    double fullTextLength() const;

private:
    const working::Column *column(int section) const;
    QStringList rowTexts(int row) const;
    QStringList fullRow(int row) const;

    Working m_working;
    const Language *m_language = &Language::english();
    mutable std::unordered_map<int, QStringList> m_shown;
};

} // namespace radixon
