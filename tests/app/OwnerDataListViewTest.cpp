// The play-by-play list asks for the rows it shows and for nothing else, whatever the count.
#include <gtest/gtest.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QKeyEvent>
#include <set>

#include "app/OwnerDataListView.h"

namespace {

// A list of `count` rows of three columns that notes which rows were asked for.
class CountingRows : public QAbstractTableModel {
public:
    int count = 0;
    mutable std::set<int> asked;

    void Grow(int to)
    {
        beginInsertRows(QModelIndex(), count, to - 1);
        count = to;
        endInsertRows();
    }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : count; }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : 3; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        asked.insert(index.row());
        return QString::number(index.row());
    }
};

struct ShownList {
    CountingRows rows;
    TOwnerDataListView view;
    ShownList()
    {
        view.setModel(&rows);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        view.setSelectionMode(QAbstractItemView::SingleSelection);
        view.resize(300, 200);
        view.show();
        QApplication::processEvents();
    }
    // Paints the list and gives the rows that the paint asked for.
    std::set<int> Paint()
    {
        rows.asked.clear();
        QPixmap shot = view.grab();
        (void)shot;
        return rows.asked;
    }
    std::set<int> Window(int first) const
    {
        std::set<int> shown;
        for (int r = first; r < first + view.VisibleRows() + 1 && r < rows.count; ++r)
            shown.insert(r);
        return shown;
    }
};

} // namespace

TEST(OwnerDataListView, PaintsAskOnlyForTheRowsOnScreenAtAnyCount)
{
    ShownList list;
    list.rows.Grow(1000);
    const int visible = list.view.VisibleRows();
    ASSERT_GT(visible, 3);
    EXPECT_EQ(list.Paint(), list.Window(0));
    EXPECT_EQ(list.view.verticalScrollBar()->maximum(), 1000 - visible);

    // Four thousand times the rows: growing asks for none of them, painting for the same few.
    list.rows.asked.clear();
    list.rows.Grow(4000000);
    EXPECT_TRUE(list.rows.asked.empty());
    EXPECT_EQ(list.Paint(), list.Window(0));
    EXPECT_EQ(list.view.verticalScrollBar()->maximum(), 4000000 - visible);

    // At the end the last rows are shown, the last one whole.
    list.view.scrollTo(list.rows.index(3999999, 0));
    EXPECT_EQ(list.view.TopRow(), 4000000 - visible);
    EXPECT_EQ(list.Paint(), list.Window(4000000 - visible));
    const QRect last = list.view.visualRect(list.rows.index(3999999, 2));
    EXPECT_EQ(last.bottom(), visible * list.view.RowHeight() - 1);
    EXPECT_TRUE(list.view.viewport()->rect().contains(last.topLeft()));
    EXPECT_EQ(list.view.indexAt(last.center()), list.rows.index(3999999, 2));
}

TEST(OwnerDataListView, ClicksAndKeysSelectWholeRows)
{
    ShownList list;
    list.rows.Grow(50);
    const int h = list.view.RowHeight();
    const QPointF at(list.view.columnWidth(0) + 5, 2 * h + h / 2);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, at, list.view.viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list.view.viewport(), &click);
    }
    EXPECT_EQ(list.view.currentIndex(), list.rows.index(2, 1));
    const QModelIndexList selected = list.view.selectionModel()->selectedIndexes();
    EXPECT_EQ(selected.size(), 3);
    for (const QModelIndex& index : selected)
        EXPECT_EQ(index.row(), 2);

    const auto key = [&](Qt::Key k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(&list.view, &press);
    };
    key(Qt::Key_Down);
    EXPECT_EQ(list.view.currentIndex().row(), 3);
    key(Qt::Key_End);
    EXPECT_EQ(list.view.currentIndex().row(), 49);
    EXPECT_EQ(list.view.TopRow(), 50 - list.view.VisibleRows());
    key(Qt::Key_Home);
    EXPECT_EQ(list.view.currentIndex().row(), 0);
    EXPECT_EQ(list.view.TopRow(), 0);
    EXPECT_EQ(list.view.selectionModel()->selectedRows().size(), 1);
}
