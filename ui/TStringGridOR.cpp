#include "TStringGridOR.h"

#include "messages.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QItemSelection>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace orrery {

// The grid's cells as a Qt table: data rows only; row 0 of the grid is the header.
class StringGridTableModel : public QAbstractTableModel {
public:
    StringGridTableModel(const StringGridModel& grid, TStringGridOR& view)
        : QAbstractTableModel(&view), grid_(grid), view_(view)
    {
        rows_ = grid_.rowCount() - 1;
        columns_ = grid_.columnCount();
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : columns_; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
        return fromGame(grid_.cell(index.column(), TStringGridOR::gridRow(index.row())));
    }

    // An edited cell: the text goes into the grid, then the grid tells its window.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (!index.isValid() || role != Qt::EditRole || !editable) return false;
        const int row = TStringGridOR::gridRow(index.row());
        view_.setGameCell(index.column(), row, toGame(value.toString()));
        emit view_.cellEdited(index.column(), row);
        return true;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        return fromGame(grid_.cell(section, 0));
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        if (!index.isValid()) return Qt::NoItemFlags;
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | (editable ? Qt::ItemIsEditable : Qt::NoItemFlags);
    }

    // Brings the table's size in line with the grid's (after the grid changed).
    void syncSize()
    {
        const int columns = grid_.columnCount();
        if (columns > columns_) {
            beginInsertColumns({}, columns_, columns - 1);
            columns_ = columns;
            endInsertColumns();
        } else if (columns < columns_) {
            beginRemoveColumns({}, columns, columns_ - 1);
            columns_ = columns;
            endRemoveColumns();
        }
        const int rows = grid_.rowCount() - 1;
        if (rows > rows_) {
            beginInsertRows({}, rows_, rows - 1);
            rows_ = rows;
            endInsertRows();
        } else if (rows < rows_) {
            beginRemoveRows({}, rows, rows_ - 1);
            rows_ = rows;
            endRemoveRows();
        }
    }

    void cellChanged(int column, int row)
    {
        if (row == 0) {
            emit headerDataChanged(Qt::Horizontal, column, column);
        } else {
            const QModelIndex i = index(TStringGridOR::viewRow(row), column);
            emit dataChanged(i, i, {Qt::DisplayRole});
        }
    }

    void allChanged()
    {
        syncSize();
        if (columns_ > 0) emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
        if (rows_ > 0 && columns_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1), {Qt::DisplayRole});
    }

    bool editable = false;

private:
    const StringGridModel& grid_;
    TStringGridOR& view_;
    int rows_ = 0;
    int columns_ = 0;
};

// The heading row: marks the sort column and sorts on presses.
class StringGridHeader : public QHeaderView {
public:
    StringGridHeader(TStringGridOR& grid) : QHeaderView(Qt::Horizontal, &grid), grid_(grid)
    {
        setSectionsClickable(false);
        setHighlightSections(false);
        setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override
    {
        if (!grid_.gridModel().isSortHeading(logicalIndex, 0)) {
            QHeaderView::paintSection(painter, rect, logicalIndex);
            return;
        }
        const int grey = StringGridModel::sortHeadingGrey;
        painter->save();
        painter->fillRect(rect, QColor(grey, grey, grey));
        painter->setPen(Qt::white);
        painter->drawText(rect.adjusted(StringGridModel::sortHeadingTextIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          grid_.Cells(logicalIndex, 0));
        painter->restore();
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        const int x = event->position().toPoint().x();
        const int logical = logicalIndexAt(x);
        const bool resizing = onResizeHandle(x, logical);
        QHeaderView::mousePressEvent(event);
        // A press that starts resizing a column is not meant as a sort.
        if (logical >= 0 && !resizing) grid_.headingPressed(logical, event->button());
    }

private:
    bool onResizeHandle(int x, int logical) const
    {
        if (logical < 0) return false;
        const int margin = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, this);
        const int left = sectionViewportPosition(logical);
        const int right = left + sectionSize(logical);
        const int visual = visualIndex(logical);
        if (x > right - margin && sectionResizeMode(logical) == QHeaderView::Interactive) return true;
        if (x < left + margin && visual > 0 && sectionResizeMode(logicalIndex(visual - 1)) == QHeaderView::Interactive)
            return true;
        return false;
    }

    TStringGridOR& grid_;
};

TStringGridOR::TStringGridOR(QWidget* parent) : QTableView(parent)
{
    table_ = new StringGridTableModel(grid_, *this);
    header_ = new StringGridHeader(*this);
    setHorizontalHeader(header_);
    setModel(table_);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setDefaultColumnWidth(64);
    setRowHeights(24);
    setContextMenuPolicy(Qt::CustomContextMenu);

    connect(this, &QTableView::clicked, this,
            [this](const QModelIndex& index) { emit cellClicked(index.column(), gridRow(index.row())); });
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex index = indexAt(pos);
        const int column = index.isValid() ? index.column() : columnAt(pos.x());
        emit cellContextMenu(column, index.isValid() ? gridRow(index.row()) : -1, viewport()->mapToGlobal(pos));
    });
}

TStringGridOR::~TStringGridOR() = default;

void TStringGridOR::setColumnCount(int columns)
{
    grid_.setColumnCount(columns);
    table_->syncSize();
}

void TStringGridOR::setRowCount(int rows)
{
    grid_.setRowCount(rows);
    table_->syncSize();
}

QString TStringGridOR::Cells(int column, int row) const { return fromGame(grid_.cell(column, row)); }

void TStringGridOR::setCell(int column, int row, const QString& text) { setGameCell(column, row, toGame(text)); }

void TStringGridOR::setGameCell(int column, int row, std::string_view text)
{
    if (column < 0 || column >= grid_.columnCount() || row < 0 || row >= grid_.rowCount()) return;
    grid_.setCell(column, row, std::string(text));
    table_->cellChanged(column, row);
}

void TStringGridOR::setHeadings(const QStringList& headings)
{
    for (int c = 0; c < headings.size() && c < grid_.columnCount(); ++c) setCell(c, 0, headings[c]);
}

void TStringGridOR::clearCells()
{
    grid_.clearCells();
    table_->allChanged();
}

void TStringGridOR::setRowHeights(int pixels)
{
    verticalHeader()->setMinimumSectionSize(std::min(pixels, verticalHeader()->minimumSectionSize()));
    verticalHeader()->setDefaultSectionSize(pixels);
    horizontalHeader()->setFixedHeight(pixels);
}

void TStringGridOR::setDefaultColumnWidth(int pixels)
{
    horizontalHeader()->setMinimumSectionSize(std::min(pixels, horizontalHeader()->minimumSectionSize()));
    horizontalHeader()->setDefaultSectionSize(pixels);
    for (int c = 0; c < grid_.columnCount(); ++c) setColumnWidth(c, pixels);
}

void TStringGridOR::setColumnWidths(const std::vector<int>& widths)
{
    for (std::size_t c = 0; c < widths.size() && static_cast<int>(c) < grid_.columnCount(); ++c)
        setColumnWidth(static_cast<int>(c), widths[c]);
}

void TStringGridOR::setEditable(bool on)
{
    table_->editable = on;
    setEditTriggers(on ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed
                       : QAbstractItemView::NoEditTriggers);
}

bool TStringGridOR::editable() const { return table_->editable; }

void TStringGridOR::setRowSelect(bool on)
{
    setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

int TStringGridOR::selectedRow() const
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && selectionModel()->isSelected(current)) return gridRow(current.row());
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : gridRow(selected.first().row());
}

void TStringGridOR::selectRows(int firstRow, int lastRow, int firstColumn, int lastColumn)
{
    if (lastColumn < 0) lastColumn = grid_.columnCount() - 1;
    const QModelIndex topLeft = table_->index(viewRow(firstRow), firstColumn);
    const QModelIndex bottomRight = table_->index(viewRow(lastRow), lastColumn);
    if (!topLeft.isValid() || !bottomRight.isValid()) return;
    selectionModel()->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
}

void TStringGridOR::SetNumericColumns(const std::vector<int>& columns) { grid_.SetNumericColumns(columns); }

void TStringGridOR::SetRecordLayout(bool twoRows, int keyRow)
{
    grid_.SetRecordLayout(twoRows, keyRow);
    sortChanged();
}

void TStringGridOR::SortBy(int column, bool ascending)
{
    grid_.SortBy(column, ascending);
    sortChanged();
}

void TStringGridOR::Resort() { SortBy(grid_.sortColumn(), grid_.ascending()); }

int TStringGridOR::FindRow(int column, const QString& text) const { return grid_.FindRow(column, toGame(text)); }

void TStringGridOR::headingPressed(int column, Qt::MouseButton button)
{
    grid_.headingPressed(column, button == Qt::RightButton);
    sortChanged();
}

void TStringGridOR::contentsReplaced() { table_->allChanged(); }

void TStringGridOR::sortChanged()
{
    table_->allChanged();
    header_->viewport()->update();
    emit sorted();
}

} // namespace orrery
