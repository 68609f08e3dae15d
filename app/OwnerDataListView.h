#pragma once

#include <QAbstractItemView>

class QHeaderView;

// A list in report style whose rows are asked of the model only when they are shown: the view
// holds the row count and nothing per row, so ten million rows cost what ten do (a table view
// keeps a row header with room for every row, which for a long run is a hundred megabytes made
// and copied while the rows come in). Rows have one height; the columns have a header whose
// sections the user can resize. Scrolls by whole rows downwards and by pixels sideways.
class TOwnerDataListView : public QAbstractItemView {
    Q_OBJECT
public:
    explicit TOwnerDataListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;

    QHeaderView* horizontalHeader() const { return header; }
    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);
    int RowHeight() const;
    // The first row shown.
    int TopRow() const;
    // Rows that fit whole in the viewport (at least 1).
    int VisibleRows() const;

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void paintEvent(QPaintEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void changeEvent(QEvent* event) override;

private:
    int RowCount() const;
    int ColumnCount() const;
    // Row under a viewport y, which may lie past the last row.
    int RowAtY(int y) const;

    QHeaderView* header;
    // Setting the viewport's margins resizes it, which asks for the geometries again.
    bool layingOut = false;
    // Worked out when first asked for after a change of font or style.
    mutable int rowHeight = 0;
};
