#include "app/OwnerDataListView.h"

#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

// Keeps a far-away row's pixel position inside the range that rectangles can hold.
int ClampedPixels(int64_t pixels)
{
    return static_cast<int>(std::clamp<int64_t>(pixels, -(int64_t(1) << 24), int64_t(1) << 24));
}

} // namespace

TOwnerDataListView::TOwnerDataListView(QWidget* parent)
    : QAbstractItemView(parent), header(new QHeaderView(Qt::Horizontal, this))
{
    header->setSectionsClickable(false);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerItem);
    connect(header, &QHeaderView::sectionResized, this, [this] {
        updateGeometries();
        viewport()->update();
    });
    connect(header, &QHeaderView::sectionCountChanged, this, [this] { updateGeometries(); });
}

void TOwnerDataListView::setModel(QAbstractItemModel* newModel)
{
    if (model())
        disconnect(model(), nullptr, this, nullptr);
    QAbstractItemView::setModel(newModel);
    header->setModel(newModel);
    if (!newModel)
        return;
    const auto relayout = [this] {
        updateGeometries();
        viewport()->update();
    };
    connect(newModel, &QAbstractItemModel::rowsRemoved, this, relayout);
    connect(newModel, &QAbstractItemModel::modelReset, this, relayout);
    connect(newModel, &QAbstractItemModel::layoutChanged, this, relayout);
    updateGeometries();
}

int TOwnerDataListView::columnWidth(int column) const
{
    return header->sectionSize(column);
}

void TOwnerDataListView::setColumnWidth(int column, int width)
{
    header->resizeSection(column, width);
}

int TOwnerDataListView::RowHeight() const
{
    if (rowHeight == 0) {
        // The height that a table's row header gives its rows: the text with its margins, and
        // no less than the style's least header section.
        const QHeaderView rows(Qt::Vertical, const_cast<TOwnerDataListView*>(this));
        rowHeight = std::max(fontMetrics().height() + 4, rows.minimumSectionSize());
    }
    return rowHeight;
}

void TOwnerDataListView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        rowHeight = 0;
        updateGeometries();
    }
    QAbstractItemView::changeEvent(event);
}

int TOwnerDataListView::TopRow() const
{
    return verticalScrollBar()->value();
}

int TOwnerDataListView::VisibleRows() const
{
    return std::max(1, viewport()->height() / RowHeight());
}

int TOwnerDataListView::RowCount() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int TOwnerDataListView::ColumnCount() const
{
    return model() ? model()->columnCount(rootIndex()) : 0;
}

int TOwnerDataListView::RowAtY(int y) const
{
    const int h = RowHeight();
    const int rows = y >= 0 ? y / h : -((-y + h - 1) / h);
    return static_cast<int>(std::clamp<int64_t>(int64_t(TopRow()) + rows, INT_MIN, INT_MAX));
}

QRect TOwnerDataListView::visualRect(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex())
        return {};
    const int h = RowHeight();
    return QRect(header->sectionViewportPosition(index.column()),
                 ClampedPixels((int64_t(index.row()) - TopRow()) * h), header->sectionSize(index.column()), h);
}

void TOwnerDataListView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid() || index.model() != model())
        return;
    const int row = index.row();
    const int visible = VisibleRows();
    int top = TopRow();
    switch (hint) {
    case EnsureVisible:
        if (row < top)
            top = row;
        else if (row >= top + visible)
            top = row - visible + 1;
        break;
    case PositionAtTop: top = row; break;
    case PositionAtBottom: top = row - visible + 1; break;
    case PositionAtCenter: top = row - visible / 2; break;
    }
    verticalScrollBar()->setValue(top);

    // Sideways as little as shows the column, its left edge first.
    const int x = header->sectionViewportPosition(index.column());
    const int width = header->sectionSize(index.column());
    QScrollBar* bar = horizontalScrollBar();
    if (x < 0)
        bar->setValue(bar->value() + x);
    else if (x + width > viewport()->width())
        bar->setValue(bar->value() + std::min(x, x + width - viewport()->width()));
}

QModelIndex TOwnerDataListView::indexAt(const QPoint& point) const
{
    const int row = RowAtY(point.y());
    const int column = header->logicalIndexAt(point.x());
    if (row < 0 || row >= RowCount() || column < 0)
        return {};
    return model()->index(row, column, rootIndex());
}

QModelIndex TOwnerDataListView::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int rows = RowCount();
    const int columns = ColumnCount();
    if (rows == 0 || columns == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return model()->index(0, 0, rootIndex());
    int64_t row = current.row();
    int column = current.column();
    const int page = VisibleRows();
    switch (action) {
    case MoveUp: --row; break;
    case MoveDown: ++row; break;
    case MovePageUp: row -= page; break;
    case MovePageDown: row += page; break;
    case MoveHome: row = 0; break;
    case MoveEnd: row = rows - 1; break;
    case MoveLeft:
    case MovePrevious: --column; break;
    case MoveRight:
    case MoveNext: ++column; break;
    }
    return model()->index(static_cast<int>(std::clamp<int64_t>(row, 0, rows - 1)), std::clamp(column, 0, columns - 1),
                          rootIndex());
}

int TOwnerDataListView::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int TOwnerDataListView::verticalOffset() const
{
    return static_cast<int>(std::min<int64_t>(int64_t(TopRow()) * RowHeight(), INT_MAX));
}

bool TOwnerDataListView::isIndexHidden(const QModelIndex&) const
{
    return false;
}

void TOwnerDataListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    const int rows = RowCount();
    const int columns = ColumnCount();
    if (!selectionModel() || rows == 0 || columns == 0)
        return;
    const QRect r = rect.normalized();
    const int firstRow = std::clamp(RowAtY(r.top()), 0, rows - 1);
    const int lastRow = std::clamp(RowAtY(r.bottom()), 0, rows - 1);
    auto columnAt = [&](int x) {
        const int column = header->logicalIndexAt(x);
        return column >= 0 ? column : (x < 0 ? 0 : columns - 1);
    };
    const QModelIndex from = model()->index(firstRow, columnAt(r.left()), rootIndex());
    const QModelIndex to = model()->index(lastRow, columnAt(r.right()), rootIndex());
    selectionModel()->select(QItemSelection(from, to), command);
}

QRegion TOwnerDataListView::visualRegionForSelection(const QItemSelection& selection) const
{
    // Only the part of each range that is on screen: a range may span millions of rows.
    const int top = TopRow();
    const int bottom = top + VisibleRows();
    const int h = RowHeight();
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        if (range.parent() != rootIndex())
            continue;
        const int first = std::max(range.top(), top);
        const int last = std::min(range.bottom(), bottom);
        if (first > last)
            continue;
        const int left = header->sectionViewportPosition(range.left());
        const int right = header->sectionViewportPosition(range.right()) + header->sectionSize(range.right());
        region += QRect(left, (first - top) * h, right - left, (last - first + 1) * h);
    }
    return region;
}

void TOwnerDataListView::paintEvent(QPaintEvent* event)
{
    const int rows = RowCount();
    const int columns = ColumnCount();
    if (rows == 0 || columns == 0)
        return;
    QPainter painter(viewport());
    const QRect area = event->rect();
    const int h = RowHeight();
    const int top = TopRow();
    const int first = std::max(0, RowAtY(area.top()));
    const int last = std::min(rows - 1, RowAtY(area.bottom()));
    const QModelIndex current = currentIndex();
    QStyleOptionViewItem base;
    initViewItemOption(&base);
    const bool active = isActiveWindow();
    for (int row = first; row <= last; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int x = header->sectionViewportPosition(column);
            const int width = header->sectionSize(column);
            if (width <= 0 || x + width <= area.left() || x > area.right())
                continue;
            const QModelIndex index = model()->index(row, column, rootIndex());
            QStyleOptionViewItem option = base;
            option.rect = QRect(x, (row - top) * h, width, h);
            if (selectionModel() && selectionModel()->isSelected(index))
                option.state |= QStyle::State_Selected;
            if (index == current && hasFocus())
                option.state |= QStyle::State_HasFocus;
            if (!isEnabled())
                option.palette.setCurrentColorGroup(QPalette::Disabled);
            else if (!active)
                option.palette.setCurrentColorGroup(QPalette::Inactive);
            itemDelegateForIndex(index)->paint(&painter, option, index);
        }
    }
}

void TOwnerDataListView::updateGeometries()
{
    if (layingOut)
        return;
    layingOut = true;
    const int headerHeight = header->isHidden() ? 0 : header->sizeHint().height();
    setViewportMargins(0, headerHeight, 0, 0);
    const QRect area = viewport()->geometry();
    header->setGeometry(area.left(), area.top() - headerHeight, area.width(), headerHeight);

    const int visible = VisibleRows();
    QScrollBar* down = verticalScrollBar();
    down->setRange(0, std::max(0, RowCount() - visible));
    down->setPageStep(visible);
    down->setSingleStep(1);
    QScrollBar* across = horizontalScrollBar();
    across->setRange(0, std::max(0, header->length() - area.width()));
    across->setPageStep(area.width());
    across->setSingleStep(20);
    header->setOffset(across->value());
    layingOut = false;
    QAbstractItemView::updateGeometries();
}

void TOwnerDataListView::scrollContentsBy(int dx, int)
{
    // The vertical bar counts rows, not pixels: the rows are painted afresh.
    if (dx != 0)
        header->setOffset(horizontalScrollBar()->value());
    viewport()->update();
}

void TOwnerDataListView::rowsInserted(const QModelIndex& parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    if (start <= TopRow() + VisibleRows())
        viewport()->update();
}
