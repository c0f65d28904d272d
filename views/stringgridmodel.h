#pragma once

// The contents and sort state of a sortable text grid (the table control `TStringGridOR` shows
// one): cells addressed by column and row, row 0 being the heading row, rows sorted by clicking a
// heading. Numeric columns compare their cells as numbers; a record may span two rows that move
// together. The sort is the grid's own quicksort; it is not stable, and the order it leaves
// records with equal keys in is part of its behaviour (the views rely on it looking the same
// every time), so it must not be replaced by a library sort.

#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

class StringGridModel {
public:
    // Columns that can be numeric: 0..maxNumericColumns-1.
    static constexpr int maxNumericColumns = 256;
    // The marked heading of the sort column: filled grey, text white, indented.
    static constexpr int sortHeadingGrey = 128;
    static constexpr int sortHeadingTextIndent = 2;

    explicit StringGridModel(int columns = 5, int rows = 2);

    int columnCount() const { return columns_; }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    // Changing the size keeps the cells that remain; new cells are empty. At least one row (the
    // heading) and no negative column count.
    void setColumnCount(int columns);
    void setRowCount(int rows);

    // Cells outside the grid read as empty; writes outside it are ignored.
    const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string text);
    // Replaces the cells of one row from column 0 on (missing columns become empty).
    void setRow(int row, const std::vector<std::string>& cells);
    void clearCells(); // every cell of every row, the heading included

    // Sort state.
    int sortColumn() const { return sortColumn_; }
    bool ascending() const { return ascending_; }
    int rowsPerRecord() const { return rowsPerRecord_; }
    int keyRow() const { return keyRow_; }
    bool isNumericColumn(int column) const;

    void SetNumericColumns(std::initializer_list<int> columns);
    void SetNumericColumns(const std::vector<int>& columns);
    // Two-row records when twoRows is set; keyRow (0 or 1) is the row of a record whose cells are
    // compared. Sorts again with the current column and direction.
    void SetRecordLayout(bool twoRows, int keyRow);
    // Stores column and direction; sorts the records when the column is 0 or more.
    void SortBy(int column, bool ascending);
    // Sorts again by the stored column and direction (after the cells were refilled).
    void Resort();
    // A mouse press in the heading row: a right press sorts that column descending, any other
    // press ascending.
    void headingPressed(int column, bool rightButton) { SortBy(column, !rightButton); }
    // Whether a cell is the marked heading of the sort column.
    bool isSortHeading(int column, int row) const { return row == 0 && sortColumn_ >= 0 && column == sortColumn_; }

    // The first row from 0 (the heading row included) whose cell in the column is exactly text;
    // -1 when there is none. Every row is searched.
    int FindRow(int column, std::string_view text) const;

    // The number a numeric cell compares as: blanks before it are skipped, then the leading
    // number is read as every number of the game is (0 when there is none).
    static double numericKey(std::string_view text);

private:
    void sortRecords();

    int columns_ = 0;
    std::vector<std::vector<std::string>> rows_; // rows_[row][column]
    int sortColumn_ = -1;
    bool ascending_ = true;
    std::bitset<maxNumericColumns> numeric_;
    int rowsPerRecord_ = 1;
    int keyRow_ = 0;
};

} // namespace orrery
