#pragma once

// TStringGridOR: the sortable text grid of every table window. Cells are addressed by column and
// row as in the grid's model (StringGridModel), row 0 being the heading row, which this widget
// shows as its column header. A left press on a heading sorts that column ascending, a right
// press descending; the heading of the sort column is drawn grey with white text.
//
// Typical use by a view:
//     grid->setColumnCount(4); grid->setRowHeights(18); grid->setRowSelect(true);
//     grid->setHeadings({"Planet", "Capital", "Material", "Colonists"});
//     grid->SetNumericColumns({1, 2, 3});
//     grid->setRowCount(n + 1); ... grid->setGameCell(c, r, text) ...; grid->SortBy(0, true);
// Data row r of the grid (r >= 1) is row r - 1 of the underlying QTableView.

#include "stringgridmodel.h"

#include <QString>
#include <QStringList>
#include <QTableView>
#include <initializer_list>
#include <string_view>
#include <vector>

class QHeaderView;

namespace orrery {

class StringGridTableModel;
class StringGridHeader;

class TStringGridOR : public QTableView {
    Q_OBJECT

public:
    explicit TStringGridOR(QWidget* parent = nullptr);
    ~TStringGridOR() override;

    // Size. The row count includes the heading row (at least 1).
    int columnCount() const { return grid_.columnCount(); }
    int rowCount() const { return grid_.rowCount(); }
    void setColumnCount(int columns);
    void setRowCount(int rows);

    // Cells; row 0 is the heading. Game texts (Latin-1) have their own setter.
    QString Cells(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    void setGameCell(int column, int row, std::string_view text);
    void setHeadings(const QStringList& headings);
    void clearCells();

    // Look: every row (heading included) this many pixels high; widths per column.
    void setRowHeights(int pixels);
    void setDefaultColumnWidth(int pixels);
    void setColumnWidths(const std::vector<int>& widths);
    // Cells the player may type into (off unless set): a double click, F2 or a key starts editing,
    // and leaving the cell commits the text and signals cellEdited.
    void setEditable(bool on);
    bool editable() const;
    // Whole-row selection (on) or single cells (off).
    void setRowSelect(bool on);

    // Selection in grid rows (data rows from 1).
    int selectedRow() const; // the current row, -1 when none
    void selectRows(int firstRow, int lastRow, int firstColumn = 0, int lastColumn = -1);

    // Sorting, as in the model.
    void SetNumericColumns(const std::vector<int>& columns);
    void SetNumericColumns(std::initializer_list<int> columns) { SetNumericColumns(std::vector<int>(columns)); }
    void SetRecordLayout(bool twoRows, int keyRow);
    void SortBy(int column, bool ascending);
    void Resort();
    int sortColumn() const { return grid_.sortColumn(); }
    bool ascending() const { return grid_.ascending(); }
    int FindRow(int column, const QString& text) const;

    // The contents, for reading (and for views that fill many cells at once through
    // editCells(), which tells the table about the change when it returns). The cells hold
    // Latin-1 text, as the game's texts are.
    const StringGridModel& gridModel() const { return grid_; }
    template <typename Fill> void editCells(Fill fill)
    {
        fill(grid_);
        contentsReplaced();
    }

    // The grid row of a QTableView row, and back.
    static int gridRow(int viewRow) { return viewRow + 1; }
    static int viewRow(int gridRow) { return gridRow - 1; }

    // A heading press as the mouse gives it (public for the tests): sorts as described above.
    void headingPressed(int column, Qt::MouseButton button);

signals:
    // A data cell was clicked (grid row from 1).
    void cellClicked(int column, int row);
    // A context menu is wanted at a data cell (row -1: below the last row).
    void cellContextMenu(int column, int row, const QPoint& globalPos);
    // The rows were sorted (by a heading press or a call).
    void sorted();
    // The player committed the text of a data cell (grid row from 1); the cell holds it already.
    void cellEdited(int column, int row);

private:
    void contentsReplaced();
    void sortChanged();

    StringGridModel grid_;
    StringGridTableModel* table_ = nullptr;
    StringGridHeader* header_ = nullptr;
};

} // namespace orrery
