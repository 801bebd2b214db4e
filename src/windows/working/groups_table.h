#pragma once

#include "conversion/working.h"

#include <QTableWidget>

#include <vector>

namespace radixon {

// The way through binary: the binary digits in groups of three or four, a column a group,
// over the octal or hexadecimal digit each group makes.
class GroupsTable : public QTableWidget {
    Q_OBJECT
public:
    GroupsTable(QWidget *parent, int rowHeight);

    // `marked` is the column shown marked, or -1.
    void showGroups(const std::vector<BinaryGroup> &groups, int marked);
    int columnsWidth() const;
};

} // namespace radixon
