#include "app/ResultListViewData.h"

#include <algorithm>

#include "app/ResultRowLists.h"

ResultListViewData::ResultListViewData(const ResultRowLists& rows, QObject* parent)
    : QAbstractTableModel(parent), rows(rows)
{
}

void ResultListViewData::SetItemCount(int count)
{
    count = std::clamp(count, 0, rows.Count());
    if (count == itemCount)
        return;
    if (count > itemCount) {
        beginInsertRows(QModelIndex(), itemCount, count - 1);
        itemCount = count;
        endInsertRows();
    } else if (count == 0) {
        beginResetModel();
        itemCount = 0;
        endResetModel();
    } else {
        beginRemoveRows(QModelIndex(), count, itemCount - 1);
        itemCount = count;
        endRemoveRows();
    }
}

QStringList ResultListViewData::Item(int row) const
{
    QStringList item;
    if (row < 0 || row >= itemCount)
        return item;
    for (int list = 0; list < ResultRowLists::ListCount; ++list)
        item.append(rows.Entry(list, row));
    return item;
}

int ResultListViewData::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : itemCount;
}

int ResultListViewData::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultListViewData::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= itemCount)
        return {};
    return rows.Entry(index.column(), index.row());
}

QVariant ResultListViewData::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return ResultRowLists::ListCaption(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}
