// The sortable grid's contents: the order its quicksort leaves records in (also for equal keys),
// numeric and text keys, two-row records, the heading presses and the row lookup.

#include "stringgridmodel.h"
#include "textrules.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace orrery;

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The grid's quicksort written out as plainly as possible on the rows themselves: pivot text of
// the last record, i from the front until key >= pivot, j from the back until key <= pivot or
// j at lo, exchange all rows of both records, finally exchange i with hi and sort both sides.
struct ReferenceSort {
    Rows& rows;
    int column;
    bool ascending;
    int rowsPerRecord;
    int keyRow;
    bool numeric;

    static double number(const std::string& text)
    {
        const std::size_t start = text.find_first_not_of(' ');
        return start == std::string::npos ? 0.0 : readNumber(std::string_view(text).substr(start));
    }
    int compare(const std::string& a, const std::string& b) const
    {
        if (numeric) {
            const double x = number(a), y = number(b);
            return x < y ? -1 : (x > y ? 1 : 0);
        }
        return a.compare(b) < 0 ? -1 : (a.compare(b) > 0 ? 1 : 0);
    }
    const std::string& key(int row) const { return rows[static_cast<std::size_t>(row + keyRow)][static_cast<std::size_t>(column)]; }
    void exchange(int a, int b)
    {
        for (int k = 0; k < rowsPerRecord; ++k) std::swap(rows[static_cast<std::size_t>(a + k)], rows[static_cast<std::size_t>(b + k)]);
    }
    void sort(int lo, int hi)
    {
        if (hi <= lo) return;
        const std::string pivot = key(hi);
        int i = lo - rowsPerRecord;
        int j = hi;
        for (;;) {
            do i += rowsPerRecord;
            while (ascending ? compare(key(i), pivot) < 0 : compare(key(i), pivot) > 0);
            do j -= rowsPerRecord;
            while (!(ascending ? compare(key(j), pivot) <= 0 : compare(key(j), pivot) >= 0) && j != lo);
            if (i >= j) break;
            exchange(i, j);
        }
        exchange(i, hi);
        sort(lo, i - rowsPerRecord);
        sort(i + rowsPerRecord, hi);
    }
    void run() { sort(1, static_cast<int>(rows.size()) - rowsPerRecord); }
};

StringGridModel gridOf(const Rows& rows)
{
    StringGridModel grid(static_cast<int>(rows.empty() ? 0 : rows[0].size()), static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) grid.setRow(static_cast<int>(r), rows[r]);
    return grid;
}

Rows rowsOf(const StringGridModel& grid)
{
    Rows rows;
    for (int r = 0; r < grid.rowCount(); ++r) {
        rows.emplace_back();
        for (int c = 0; c < grid.columnCount(); ++c) rows.back().push_back(grid.cell(c, r));
    }
    return rows;
}

// Column c of the data rows (heading left out).
std::vector<std::string> columnOf(const StringGridModel& grid, int c)
{
    std::vector<std::string> cells;
    for (int r = 1; r < grid.rowCount(); ++r) cells.push_back(grid.cell(c, r));
    return cells;
}

// A one-column-key grid: column 0 the key, column 1 a tag that shows where each row went.
StringGridModel keyedGrid(const std::vector<std::string>& keys)
{
    StringGridModel grid(2, static_cast<int>(keys.size()) + 1);
    grid.setRow(0, {"Key", "Tag"});
    for (std::size_t k = 0; k < keys.size(); ++k)
        grid.setRow(static_cast<int>(k) + 1, {keys[k], std::string(1, static_cast<char>('a' + k))});
    return grid;
}

std::string tags(const StringGridModel& grid)
{
    std::string out;
    for (const std::string& t : columnOf(grid, 1)) out += t;
    return out;
}

} // namespace

TEST(StringGridModelSort, OrderOfKeys)
{
    struct Case {
        const char* name;
        std::vector<std::string> keys;
        bool numeric;
        bool ascending;
        std::string expectedTags; // data rows' tags after the sort, a = first row before it
    };
    const std::vector<Case> cases = {
        {"numbers ascending", {"10", "9", "100"}, true, true, "bac"},
        {"numbers as text", {"10", "9", "100"}, false, true, "acb"},
        {"numbers descending", {"10", "9", "100"}, true, false, "cab"},
        {"padded numbers read after the blanks", {"  10", "   9", " 100", "   0"}, true, true, "dbac"},
        {"leading digits of a word, none is 0", {"7abc", "x", "12.5", "-3"}, true, true, "dbac"},
        {"empty numeric cells are 0", {"5", "", "-1"}, true, true, "cba"},
        {"text by character code", {"b", "B", "a", "ab"}, false, true, "bcda"},
        {"Latin-1 letters after ASCII", {"\xE9t\xE9", "zeta", "Alpha"}, false, true, "cba"},
        {"text descending", {"b", "B", "a", "ab"}, false, false, "adcb"},
        // The quicksort is not stable: three equal keys come out b, c, a.
        {"equal keys ascending", {"1", "1", "1"}, true, true, "bca"},
        {"equal keys descending", {"x", "x", "x"}, false, false, "bca"},
        {"equal keys among others", {"1", "1", "0"}, true, true, "cab"},
        {"single record", {"5"}, true, true, "a"},
        {"no records", {}, true, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StringGridModel grid = keyedGrid(c.keys);
        if (c.numeric) grid.SetNumericColumns({0});
        grid.SortBy(0, c.ascending);
        EXPECT_EQ(tags(grid), c.expectedTags);
        EXPECT_EQ(grid.cell(0, 0), "Key") << "the heading row never moves";
    }
}

TEST(StringGridModelSort, SameOrderAsThePlainQuicksort)
{
    // Many equal keys, both directions, one- and two-row records, key in either row: the grid's
    // order must be exactly that of the plain algorithm, equal keys included.
    std::mt19937 random(1234);
    const std::vector<std::string> numericKeys = {"1", " 1", "2", "  2", "10", "9", "", "x", "-4", "3.5"};
    const std::vector<std::string> textKeys = {"a", "b", "B", "ab", "", "a ", "Zeta"};
    int checked = 0;
    for (int records = 0; records <= 40; ++records) {
        for (int rowsPerRecord = 1; rowsPerRecord <= 2; ++rowsPerRecord) {
            for (int keyRow = 0; keyRow < rowsPerRecord; ++keyRow) {
                for (int variant = 0; variant < 4; ++variant) {
                    const bool numeric = variant & 1;
                    const bool ascending = variant & 2;
                    const auto& pool = numeric ? numericKeys : textKeys;
                    Rows rows = {{"Key", "Tag", "Other"}};
                    for (int r = 0; r < records * rowsPerRecord; ++r)
                        rows.push_back({pool[random() % pool.size()], std::to_string(r), pool[random() % pool.size()]});
                    SCOPED_TRACE("records " + std::to_string(records) + ", rows per record " + std::to_string(rowsPerRecord) +
                                 ", key row " + std::to_string(keyRow) + (numeric ? ", numeric" : ", text") +
                                 (ascending ? ", ascending" : ", descending"));

                    StringGridModel grid = gridOf(rows);
                    if (numeric) grid.SetNumericColumns({0, 2});
                    grid.SetRecordLayout(rowsPerRecord == 2, keyRow);
                    grid.SortBy(0, ascending);

                    Rows expected = rows;
                    ReferenceSort{expected, 0, ascending, rowsPerRecord, keyRow, numeric}.run();
                    ASSERT_EQ(rowsOf(grid), expected);
                    ++checked;
                }
            }
        }
    }
    EXPECT_EQ(checked, 41 * 3 * 4);
}

TEST(StringGridModelSort, LargeSortedAndEqualInputs)
{
    // Already sorted input is the quicksort's worst case; the grid must still get through a
    // big table and agree with the plain algorithm.
    for (const bool allEqual : {false, true}) {
        SCOPED_TRACE(allEqual ? "all equal" : "already sorted");
        Rows rows = {{"Key", "Tag"}};
        for (int r = 0; r < 3000; ++r) rows.push_back({allEqual ? "7" : std::to_string(r), std::to_string(r)});
        StringGridModel grid = gridOf(rows);
        grid.SetNumericColumns({0});
        grid.SortBy(0, true);
        Rows expected = rows;
        ReferenceSort{expected, 0, true, 1, 0, true}.run();
        EXPECT_EQ(rowsOf(grid), expected);
    }
}

TEST(StringGridModelSort, TwoRowRecordsMoveTogether)
{
    // Races-table layout: a value row and a change row per race.
    StringGridModel grid(2, 7);
    grid.setRow(0, {"Race", "Prod. points"});
    grid.setRow(1, {"Alpha", "100.00"});
    grid.setRow(2, {"", "-5.00"});
    grid.setRow(3, {"Beta", "300.00"});
    grid.setRow(4, {"", "20.00"});
    grid.setRow(5, {"Gamma", "200.00"});
    grid.setRow(6, {"", "1.00"});
    grid.SetNumericColumns({1});
    grid.SetRecordLayout(true, 0);

    grid.SortBy(1, false);
    EXPECT_EQ(columnOf(grid, 0), (std::vector<std::string>{"Beta", "", "Gamma", "", "Alpha", ""}));
    EXPECT_EQ(columnOf(grid, 1), (std::vector<std::string>{"300.00", "20.00", "200.00", "1.00", "100.00", "-5.00"}));

    // "sort by difference": the change row becomes the key and the grid sorts again at once.
    grid.SetRecordLayout(true, 1);
    EXPECT_EQ(columnOf(grid, 0), (std::vector<std::string>{"Beta", "", "Gamma", "", "Alpha", ""}));
    grid.SortBy(1, true);
    EXPECT_EQ(columnOf(grid, 0), (std::vector<std::string>{"Alpha", "", "Gamma", "", "Beta", ""}));
    EXPECT_EQ(columnOf(grid, 1), (std::vector<std::string>{"100.00", "-5.00", "200.00", "1.00", "300.00", "20.00"}));
}

TEST(StringGridModelSort, IncompleteLastRecordStays)
{
    StringGridModel grid(1, 6);
    for (const auto& [row, text] : std::vector<std::pair<int, std::string>>{{0, "H"}, {1, "c"}, {2, "c2"}, {3, "a"}, {4, "a2"}, {5, "odd"}})
        grid.setCell(0, row, text);
    grid.SetRecordLayout(true, 0);
    grid.SortBy(0, true);
    EXPECT_EQ(columnOf(grid, 0), (std::vector<std::string>{"a", "a2", "c", "c2", "odd"}));
}

TEST(StringGridModelSort, SortStateAndHeadingPresses)
{
    StringGridModel grid = keyedGrid({"2", "3", "1"});
    grid.SetNumericColumns({0});
    EXPECT_EQ(grid.sortColumn(), -1);
    EXPECT_TRUE(grid.ascending());
    EXPECT_FALSE(grid.isSortHeading(0, 0)) << "no marked heading while unsorted";

    struct Press {
        int column;
        bool right;
        int sortColumn;
        bool ascending;
        std::string tags;
    };
    const std::vector<Press> presses = {
        {0, false, 0, true, "cab"},
        {0, true, 0, false, "bac"},  // right press on the sort column: same column, descending
        {1, true, 1, false, "cba"},  // tag column as text, descending
        {0, false, 0, true, "cab"},
    };
    for (const Press& p : presses) {
        SCOPED_TRACE("press on column " + std::to_string(p.column) + (p.right ? " (right)" : " (left)"));
        grid.headingPressed(p.column, p.right);
        EXPECT_EQ(grid.sortColumn(), p.sortColumn);
        EXPECT_EQ(grid.ascending(), p.ascending);
        EXPECT_EQ(tags(grid), p.tags);
        EXPECT_TRUE(grid.isSortHeading(p.sortColumn, 0));
        EXPECT_FALSE(grid.isSortHeading(p.sortColumn, 1)) << "only the heading row is marked";
        EXPECT_FALSE(grid.isSortHeading(1 - p.sortColumn, 0));
    }

    // Unsorting keeps the order and drops the mark.
    grid.SortBy(-1, false);
    EXPECT_EQ(tags(grid), "cab");
    EXPECT_FALSE(grid.isSortHeading(0, 0));
}

TEST(StringGridModelSort, ResortAfterRefill)
{
    StringGridModel grid = keyedGrid({"b", "a"});
    grid.SortBy(0, true);
    EXPECT_EQ(tags(grid), "ba");
    // A view refills the grid in list order and asks for the same sort again.
    grid.setRowCount(4);
    grid.setRow(1, {"z", "1"});
    grid.setRow(2, {"m", "2"});
    grid.setRow(3, {"a", "3"});
    grid.Resort();
    EXPECT_EQ(columnOf(grid, 1), (std::vector<std::string>{"3", "2", "1"}));
    // Changing the numeric columns alone does not sort.
    grid.setCell(0, 1, "zz");
    grid.SetNumericColumns({0});
    EXPECT_EQ(grid.cell(0, 1), "zz");
}

TEST(StringGridModel, NumericKey)
{
    const std::vector<std::pair<std::string, double>> cases = {
        {"12", 12}, {"   12", 12}, {" 3.25", 3.25}, {"\t7", 7}, {"-2.5", -2.5}, {"  -2.5", -2.5},
        {"7abc", 7}, {"abc", 0}, {"", 0}, {"   ", 0}, {"1e3", 1000}, {"\xA0" "5", 5},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE("\"" + text + "\"");
        EXPECT_DOUBLE_EQ(StringGridModel::numericKey(text), value);
    }
}

TEST(StringGridModel, FindRow)
{
    StringGridModel grid(2, 400);
    grid.setRow(0, {"Name", "ID"});
    for (int r = 1; r < 400; ++r) grid.setRow(r, {std::string("P").append(std::to_string(r)), std::to_string(r % 7)});
    grid.setCell(0, 350, "P3"); // a second "P3" far down

    struct Case {
        int column;
        std::string text;
        int row;
    };
    const std::vector<Case> cases = {
        {0, "Name", 0},   // the heading row itself
        {1, "ID", 0},
        {0, "P3", 3},     // the first of two
        {0, "p3", -1},    // case-sensitive
        {0, "P3 ", -1},   // exact text
        {0, "P399", 399}, // far beyond row 255
        {0, "P300", 300},
        {0, "P400", -1},
        {1, "0", 7},
        {2, "P3", -1},    // no such column
        {-1, "P3", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "column " << c.column << " \"" << c.text << "\"");
        EXPECT_EQ(grid.FindRow(c.column, c.text), c.row);
    }
}
