#pragma once

#include <QAbstractTableModel>

class ResultRowLists;

// The play-by-play list as an owner-data list: the view holds only an item count, and the
// text of row k is read from the row lists when the view paints that row. A million rows
// cost nothing until they are shown.
class ResultListViewData : public QAbstractTableModel {
    Q_OBJECT
public:
    // Columns "PLAY数" ... "備考": lists 0 to 5 (list 6 has no column).
    static constexpr int ColumnCount = 6;

    explicit ResultListViewData(const ResultRowLists& rows, QObject* parent = nullptr);

    // The list's item count; rows at or above it are not shown, whatever the lists hold.
    int ItemCount() const { return itemCount; }
    // Grows or shrinks the list to `count` rows (clamped to the rows that the lists hold).
    void SetItemCount(int count);

    // The texts of row k: caption and the six sub-items (lists 0 to 6), as the list asks
    // for an item.
    QStringList Item(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const ResultRowLists& rows;
    int itemCount = 0;
};
