#include "windows/working/groups_table.h"

#include "windows/working/working_model.h"
#include "windows/working/working_names.h"

#include <QHeaderView>

namespace radixon {

GroupsTable::GroupsTable(QWidget *parent, int rowHeight) : QTableWidget(parent)
{
    setObjectName(QLatin1String(working::name::groupsTable));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    setRowCount(2); // of the height just set
}

void GroupsTable::showGroups(const std::vector<BinaryGroup> &groups, int marked)
{
    setColumnCount(int(groups.size()));
    for (int i = 0; i < int(groups.size()); ++i) {
        const BinaryGroup &group = groups[std::size_t(i)];
        setItem(0, i, new QTableWidgetItem(QString::fromStdString(group.bits)));
        setItem(1, i, new QTableWidgetItem(QString(QLatin1Char(group.digit))));
        item(1, i)->setTextAlignment(Qt::AlignCenter);
        if (i == marked) {
            item(0, i)->setBackground(markedColour);
            item(1, i)->setBackground(markedColour);
        }
    }
    resizeColumnsToContents();
    if (marked >= 0)
        setCurrentCell(0, marked, QItemSelectionModel::NoUpdate);
}

int GroupsTable::columnsWidth() const
{
    int width = 0;
    for (int column = 0; column < columnCount(); ++column)
        width += columnWidth(column);
    return width;
}

} // namespace radixon
