// The sortable grid's contents: the order its quicksort leaves records in (also for equal keys),
// numeric and text keys, two-row records, the heading presses and the row lookup.

#include "stringgridmodel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

using namespace orrery;

namespace {

using Rows = std::vector<std::vector<std::string>>;

StringGridModel gridOf(const Rows& rows)
{
    StringGridModel grid(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) grid.setRow(static_cast<int>(r), rows[r]);
    return grid;
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
    Rows rows = {{"Key", "Tag"}};
    for (std::size_t k = 0; k < keys.size(); ++k) rows.push_back({keys[k], std::string(1, static_cast<char>('a' + k))});
    return gridOf(rows);
}

std::string tags(const StringGridModel& grid)
{
    std::string out;
    for (const std::string& t : columnOf(grid, 1)) out += t;
    return out;
}

} // namespace

// The order worked out by hand from the quicksort (pivot the last record's key, i from the front
// until key >= pivot, j from the back until key <= pivot or j at the first record, exchange, then
// the pivot to i and both sides sorted): it is not stable, so equal keys move.
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
        {"equal keys ascending", {"1", "1", "1"}, true, true, "bca"},
        {"equal keys descending", {"x", "x", "x"}, false, false, "bca"},
        {"equal keys among others", {"1", "1", "0"}, true, true, "cab"},
        {"pairs of equal keys", {"1", "0", "1", "0"}, true, true, "bdac"},
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

// Random grids of many equal keys, both directions, one- and two-row records with the key in
// either row, and big sorted or all-equal tables (the quicksort's worst cases): the records come
// out whole (their rows together, in order, with their cells), none lost or doubled, keys in order.
TEST(StringGridModelSort, RecordsComeOutWholeAndInOrder)
{
    std::mt19937 random(1234);
    const std::vector<std::string> numericKeys = {"1", " 1", "2", "  2", "10", "9", "", "x", "-4", "3.5"};
    const std::vector<std::string> textKeys = {"a", "b", "B", "ab", "", "a ", "Zeta"};
    struct Case {
        int records, rowsPerRecord, keyRow;
        bool numeric, ascending;
        int pattern; // 0 random keys, 1 already sorted, 2 all equal
    };
    std::vector<Case> cases = {{3000, 1, 0, true, true, 1}, {3000, 1, 0, true, true, 2}};
    for (int records = 0; records <= 40; ++records)
        for (int variant = 0; variant < 12; ++variant)
            cases.push_back({records, variant < 4 ? 1 : 2, variant / 8, (variant & 1) != 0, (variant & 2) != 0, 0});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.records << " records of " << c.rowsPerRecord << " rows, key row "
                                        << c.keyRow << (c.numeric ? ", numeric" : ", text")
                                        << (c.ascending ? ", ascending" : ", descending") << ", pattern " << c.pattern);
        const auto& pool = c.numeric ? numericKeys : textKeys;
        Rows rows = {{"Key", "Tag"}};
        for (int r = 0; r < c.records * c.rowsPerRecord; ++r)
            rows.push_back({c.pattern == 0 ? pool[random() % pool.size()] : c.pattern == 1 ? std::to_string(r) : "7",
                            std::to_string(r)});
        StringGridModel grid = gridOf(rows);
        if (c.numeric) grid.SetNumericColumns({0});
        grid.SetRecordLayout(c.rowsPerRecord == 2, c.keyRow);
        grid.SortBy(0, c.ascending);

        ASSERT_EQ(grid.cell(1, 0), "Tag") << "the heading stays";
        std::vector<int> tags;
        std::vector<std::string> keys;
        for (int r = 1; r < grid.rowCount(); ++r) {
            const int tag = std::stoi(grid.cell(1, r)), k = (r - 1) % c.rowsPerRecord;
            ASSERT_EQ(grid.cell(0, r), rows[static_cast<std::size_t>(tag) + 1][0]) << "a row keeps its cells";
            ASSERT_EQ(tag % c.rowsPerRecord, k) << "records stay whole, their rows in order";
            ASSERT_EQ(tag, k > 0 ? tags.back() + 1 : tag);
            tags.push_back(tag);
            if (k == c.keyRow) keys.push_back(grid.cell(0, r));
        }
        std::sort(tags.begin(), tags.end());
        for (std::size_t k = 0; k < tags.size(); ++k) ASSERT_EQ(tags[k], static_cast<int>(k)) << "none lost or doubled";
        if (!c.ascending) std::reverse(keys.begin(), keys.end());
        auto before = [&](const std::string& a, const std::string& b) {
            return c.numeric ? StringGridModel::numericKey(a) < StringGridModel::numericKey(b) : a < b;
        };
        EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end(), before));
    }
}

// Races-table layout: a value row and a change row per race, moving together; "sort by
// difference" makes the change row the key and sorts again at once. An incomplete last record
// stays where it is.
TEST(StringGridModelSort, TwoRowRecordsMoveTogether)
{
    using Cells = std::vector<std::string>;
    StringGridModel grid = gridOf({{"Race", "Prod. points"}, {"Alpha", "100.00"}, {"", "-5.00"}, {"Beta", "300.00"},
                                   {"", "20.00"}, {"Gamma", "200.00"}, {"", "1.00"}});
    grid.SetNumericColumns({1});
    grid.SetRecordLayout(true, 0);
    grid.SortBy(1, false);
    EXPECT_EQ(columnOf(grid, 0), (Cells{"Beta", "", "Gamma", "", "Alpha", ""}));
    EXPECT_EQ(columnOf(grid, 1), (Cells{"300.00", "20.00", "200.00", "1.00", "100.00", "-5.00"}));
    grid.SetRecordLayout(true, 1);
    EXPECT_EQ(columnOf(grid, 0), (Cells{"Beta", "", "Gamma", "", "Alpha", ""}));
    grid.SortBy(1, true);
    EXPECT_EQ(columnOf(grid, 0), (Cells{"Alpha", "", "Gamma", "", "Beta", ""}));
    EXPECT_EQ(columnOf(grid, 1), (Cells{"100.00", "-5.00", "200.00", "1.00", "300.00", "20.00"}));

    StringGridModel odd = gridOf({{"H"}, {"c"}, {"c2"}, {"a"}, {"a2"}, {"odd"}});
    odd.SetRecordLayout(true, 0);
    odd.SortBy(0, true);
    EXPECT_EQ(columnOf(odd, 0), (Cells{"a", "a2", "c", "c2", "odd"}));
}

// A left press on a heading sorts ascending, a right one descending; only the sort column's
// heading cell is marked; unsorting keeps the order and drops the mark.
TEST(StringGridModelSort, SortStateAndHeadingPresses)
{
    StringGridModel grid = keyedGrid({"2", "3", "1"});
    grid.SetNumericColumns({0});
    EXPECT_EQ(std::tuple(grid.sortColumn(), grid.ascending(), grid.isSortHeading(0, 0)), std::tuple(-1, true, false))
        << "unsorted, ascending, no marked heading";
    for (const auto& [column, right, ascending, order] : {std::tuple{0, false, true, "cab"}, {0, true, false, "bac"},
                                                            {1, true, false, "cba"}, {0, false, true, "cab"}}) {
        SCOPED_TRACE(testing::Message() << "press on column " << column << (right ? " (right)" : " (left)"));
        grid.headingPressed(column, right);
        EXPECT_EQ(std::tuple(grid.sortColumn(), grid.ascending(), tags(grid)), std::tuple(column, ascending, order));
        EXPECT_TRUE(grid.isSortHeading(column, 0));
        EXPECT_FALSE(grid.isSortHeading(column, 1));
        EXPECT_FALSE(grid.isSortHeading(1 - column, 0));
    }
    grid.SortBy(-1, false);
    EXPECT_EQ(tags(grid), "cab");
    EXPECT_FALSE(grid.isSortHeading(0, 0));
}

// A view refills the grid in list order and asks for the same sort again; changing the numeric
// columns alone does not sort.
TEST(StringGridModelSort, ResortAfterRefill)
{
    StringGridModel grid = keyedGrid({"b", "a"});
    grid.SortBy(0, true);
    EXPECT_EQ(tags(grid), "ba");
    grid.setRowCount(4);
    for (int r = 1; r <= 3; ++r) grid.setRow(r, {std::string(1, "zma"[r - 1]), std::to_string(r)});
    grid.Resort();
    EXPECT_EQ(columnOf(grid, 1), (std::vector<std::string>{"3", "2", "1"}));
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

// The first row from 0 (the heading included) whose cell is exactly the text, in every row of a
// grid beyond 256 rows; -1 for none or for a column outside the grid.
TEST(StringGridModel, FindRow)
{
    StringGridModel grid(2, 400);
    grid.setRow(0, {"Name", "ID"});
    for (int r = 1; r < 400; ++r) grid.setRow(r, {"P" + std::to_string(r), std::to_string(r % 7)});
    grid.setCell(0, 350, "P3"); // a second "P3" far down
    for (const auto& [column, text, row] :
         {std::tuple{0, "Name", 0}, {1, "ID", 0}, {0, "P3", 3}, {0, "p3", -1}, {0, "P3 ", -1}, {0, "P399", 399},
          {0, "P300", 300}, {0, "P400", -1}, {1, "0", 7}, {2, "P3", -1}, {-1, "P3", -1}}) {
        SCOPED_TRACE(testing::Message() << "column " << column << " \"" << text << "\"");
        EXPECT_EQ(grid.FindRow(column, text), row);
    }
}
