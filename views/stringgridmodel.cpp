#include "stringgridmodel.h"

#include "textrules.h"

#include <algorithm>
#include <utility>

namespace orrery {

namespace {

const std::string emptyCell;

// The grid's quicksort over records, on positions 0..n-1 of order. It works on a permutation of
// the records and their keys so that the cells are moved once at the end; the comparisons and
// exchanges are those of the quicksort over the rows themselves, so the resulting order (also of
// equal keys) is the same. Of the two parts left after a partition the smaller one is sorted
// by recursion and the larger one by the loop, which keeps the recursion shallow on sorted
// input without changing the result (the parts do not overlap).
template <typename Key>
class RecordSort {
public:
    RecordSort(const std::vector<Key>& keys, std::vector<int>& order, bool ascending)
        : keys_(keys), order_(order), ascending_(ascending)
    {
    }

    void sort(int lo, int hi)
    {
        while (hi > lo) {
            const Key& pivot = key(hi);
            int i = lo - 1;
            int j = hi;
            for (;;) {
                do ++i;
                while (before(key(i), pivot));
                do --j;
                while (j > lo && before(pivot, key(j)));
                if (i >= j) break;
                std::swap(order_[static_cast<std::size_t>(i)], order_[static_cast<std::size_t>(j)]);
            }
            std::swap(order_[static_cast<std::size_t>(i)], order_[static_cast<std::size_t>(hi)]);
            if (i - lo < hi - i) {
                sort(lo, i - 1);
                lo = i + 1;
            } else {
                sort(i + 1, hi);
                hi = i - 1;
            }
        }
    }

private:
    const Key& key(int position) const
    {
        return keys_[static_cast<std::size_t>(order_[static_cast<std::size_t>(position)])];
    }
    // a belongs before b in the sort direction (a strict order).
    bool before(const Key& a, const Key& b) const { return ascending_ ? a < b : b < a; }

    const std::vector<Key>& keys_;
    std::vector<int>& order_;
    bool ascending_;
};

} // namespace

StringGridModel::StringGridModel(int columns, int rows)
{
    setColumnCount(columns);
    setRowCount(rows);
}

void StringGridModel::setColumnCount(int columns)
{
    columns_ = std::max(0, columns);
    for (auto& row : rows_) row.resize(static_cast<std::size_t>(columns_));
}

void StringGridModel::setRowCount(int rows)
{
    rows_.resize(static_cast<std::size_t>(std::max(1, rows)), std::vector<std::string>(static_cast<std::size_t>(columns_)));
}

const std::string& StringGridModel::cell(int column, int row) const
{
    if (column < 0 || column >= columns_ || row < 0 || row >= rowCount()) return emptyCell;
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void StringGridModel::setCell(int column, int row, std::string text)
{
    if (column < 0 || column >= columns_ || row < 0 || row >= rowCount()) return;
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
}

void StringGridModel::setRow(int row, const std::vector<std::string>& cells)
{
    if (row < 0 || row >= rowCount()) return;
    auto& target = rows_[static_cast<std::size_t>(row)];
    for (std::size_t c = 0; c < target.size(); ++c) target[c] = c < cells.size() ? cells[c] : std::string();
}

void StringGridModel::clearCells()
{
    for (auto& row : rows_)
        for (auto& text : row) text.clear();
}

bool StringGridModel::isNumericColumn(int column) const
{
    return column >= 0 && column < maxNumericColumns && numeric_.test(static_cast<std::size_t>(column));
}

void StringGridModel::SetNumericColumns(std::initializer_list<int> columns)
{
    SetNumericColumns(std::vector<int>(columns));
}

void StringGridModel::SetNumericColumns(const std::vector<int>& columns)
{
    numeric_.reset();
    for (int c : columns)
        if (c >= 0 && c < maxNumericColumns) numeric_.set(static_cast<std::size_t>(c));
}

void StringGridModel::SetRecordLayout(bool twoRows, int keyRow)
{
    rowsPerRecord_ = twoRows ? 2 : 1;
    // The key row lies inside the record; with one-row records it can only be the row itself.
    keyRow_ = twoRows && keyRow == 1 ? 1 : 0;
    SortBy(sortColumn_, ascending_);
}

void StringGridModel::SortBy(int column, bool ascending)
{
    sortColumn_ = column;
    ascending_ = ascending;
    if (column >= 0) sortRecords();
}

void StringGridModel::Resort() { SortBy(sortColumn_, ascending_); }

int StringGridModel::FindRow(int column, std::string_view text) const
{
    if (column < 0 || column >= columns_) return -1;
    for (int r = 0; r < rowCount(); ++r)
        if (rows_[static_cast<std::size_t>(r)][static_cast<std::size_t>(column)] == text) return r;
    return -1;
}

double StringGridModel::numericKey(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && isSeparator(static_cast<unsigned char>(text[start]))) ++start;
    return readNumber(text.substr(start));
}

void StringGridModel::sortRecords()
{
    // Records start at row 1 and every rowsPerRecord_ rows after it; an incomplete record at the
    // end (a two-row grid with an odd number of data rows) stays where it is.
    const int records = (rowCount() - 1) / rowsPerRecord_;
    if (records < 2) return;
    std::vector<int> order(static_cast<std::size_t>(records));
    for (int k = 0; k < records; ++k) order[static_cast<std::size_t>(k)] = k;
    auto keyText = [&](int record) -> const std::string& { return cell(sortColumn_, 1 + record * rowsPerRecord_ + keyRow_); };

    if (isNumericColumn(sortColumn_)) {
        std::vector<double> keys(static_cast<std::size_t>(records));
        for (int k = 0; k < records; ++k) keys[static_cast<std::size_t>(k)] = numericKey(keyText(k));
        RecordSort<double>(keys, order, ascending_).sort(0, records - 1);
    } else {
        std::vector<std::string_view> keys(static_cast<std::size_t>(records));
        for (int k = 0; k < records; ++k) keys[static_cast<std::size_t>(k)] = keyText(k);
        RecordSort<std::string_view>(keys, order, ascending_).sort(0, records - 1);
    }

    std::vector<std::vector<std::string>> sorted;
    sorted.reserve(rows_.size());
    sorted.push_back(std::move(rows_[0]));
    for (int k = 0; k < records; ++k)
        for (int r = 0; r < rowsPerRecord_; ++r)
            sorted.push_back(std::move(rows_[static_cast<std::size_t>(1 + order[static_cast<std::size_t>(k)] * rowsPerRecord_ + r)]));
    for (std::size_t r = sorted.size(); r < rows_.size(); ++r) sorted.push_back(std::move(rows_[r]));
    rows_ = std::move(sorted);
}

} // namespace orrery
