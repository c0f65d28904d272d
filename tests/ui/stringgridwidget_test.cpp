// The sortable grid widget over its model (whose sorting and searching tests/views covers): the
// heading row as the header, game text as Latin-1, mouse presses on the header sort (left
// ascending, right descending), the grey heading of the sort column, sizes, row selection, cell
// clicks in grid rows, and a bulk fill shown at once.

#include "TStringGridOR.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;

namespace {

// A planets table shown: name (text), size and population (numbers with leading blanks).
struct StringGridWidget : testing::Test {
    TStringGridOR grid;
    void SetUp() override
    {
        grid.setColumnCount(3);
        grid.setRowCount(5);
        grid.setHeadings({"Name", "Size", "Population"});
        const char* rows[][3] = {
            {"Castor", "  10.00", " 500.00"}, {"Alcor", "   9.00", "1000.00"}, {"Deneb", " 100.00", "  50.00"}, {"Bellatrix", "  45.50", "   0.00"}};
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c) grid.setGameCell(c, r + 1, rows[r][c]);
        grid.SetNumericColumns({1, 2});
        grid.resize(400, 300);
        grid.show();
    }
};

QStringList shownColumn(const TStringGridOR& grid, int column)
{
    QStringList cells;
    for (int r = 0; r < grid.model()->rowCount(); ++r) cells << grid.model()->index(r, column).data().toString();
    return cells;
}

} // namespace

TEST_F(StringGridWidget, HeadingsAndCellsShowInGridRows)
{
    EXPECT_EQ(grid.model()->rowCount(), 4) << "the heading row is the header, not a table row";
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), "Size");
    EXPECT_EQ(shownColumn(grid, 0), (QStringList{"Castor", "Alcor", "Deneb", "Bellatrix"}));
    // Game text is Latin-1.
    grid.setGameCell(0, 2, "Alc\xF6r");
    EXPECT_EQ(grid.Cells(0, 2), QString::fromUtf8("Alc\xC3\xB6r"));
    grid.setCell(1, 0, QStringLiteral("Gr\u00F6\u00DFe"));
    EXPECT_EQ(grid.gridModel().cell(1, 0), "Gr\xF6\xDF" "e");
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Gr\u00F6\u00DFe"));
    // Shrinking keeps what remains.
    grid.setRowCount(2);
    EXPECT_EQ(shownColumn(grid, 0), QStringList{QStringLiteral("Castor")});
}

TEST_F(StringGridWidget, HeaderPressesSortAndSelectNothing)
{
    int sorts = 0;
    QObject::connect(&grid, &TStringGridOR::sorted, [&] { ++sorts; });
    // The column and button pressed, the order then and the names in it.
    const std::tuple<int, Qt::MouseButton, bool, QStringList> presses[] = {
        {1, Qt::LeftButton, true, {"Alcor", "Castor", "Bellatrix", "Deneb"}},
        {1, Qt::RightButton, false, {"Deneb", "Bellatrix", "Castor", "Alcor"}},
        {0, Qt::LeftButton, true, {"Alcor", "Bellatrix", "Castor", "Deneb"}},
        {2, Qt::MiddleButton, true, {"Bellatrix", "Deneb", "Castor", "Alcor"}}, // any other button: ascending
    };
    QHeaderView* header = grid.horizontalHeader();
    for (const auto& [column, button, ascending, names] : presses) {
        SCOPED_TRACE("column " + std::to_string(column) + " button " + std::to_string(button));
        click(header->viewport(), {header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2}, button);
        EXPECT_TRUE(grid.sortColumn() == column && grid.ascending() == ascending);
        EXPECT_EQ(shownColumn(grid, 0), names);
    }
    EXPECT_EQ(sorts, 4);
    EXPECT_TRUE(grid.selectionModel()->selectedIndexes().isEmpty()) << "a heading press selects no column";
}

TEST_F(StringGridWidget, SortHeadingIsGreyWithWhiteText)
{
    QHeaderView* header = grid.horizontalHeader();
    // Grey, white and all pixels inside a heading, away from its borders.
    const auto pixels = [header](int column) {
        const QImage image = header->grab().toImage();
        int grey = 0, white = 0, total = 0;
        const int left = header->sectionViewportPosition(column);
        for (int x = left + 2; x < left + header->sectionSize(column) - 2; ++x)
            for (int y = 2; y < image.height() - 2; ++y, ++total) {
                grey += image.pixelColor(x, y) == QColor(128, 128, 128);
                white += image.pixelColor(x, y) == QColor(Qt::white);
            }
        return std::tuple{grey, white, total};
    };
    grid.SortBy(1, true);
    QApplication::processEvents();
    const auto [grey, white, total] = pixels(1);
    EXPECT_TRUE(grey > total / 2 && white > 0) << "the sort column's heading is filled grey, its text white";
    EXPECT_LT(std::get<0>(pixels(0)), total / 10) << "other headings are drawn as usual";
    grid.SortBy(-1, true);
    QApplication::processEvents();
    EXPECT_LT(std::get<0>(pixels(1)), total / 10) << "unsorted: no grey heading";
}

TEST_F(StringGridWidget, SizesSelectionAndCellClicks)
{
    grid.setRowHeights(18);
    grid.setColumnWidths({100, 46, 56});
    grid.setRowSelect(true);
    EXPECT_TRUE(grid.rowHeight(3) == 18 && grid.horizontalHeader()->height() == 18 && grid.columnWidth(2) == 56);

    EXPECT_EQ(grid.selectedRow(), -1);
    grid.selectRows(3, 3);
    EXPECT_TRUE(grid.selectedRow() == 3 && grid.selectionModel()->selectedIndexes().size() == 3);
    // Sorting keeps the selection on the same grid row, as a plain grid does.
    grid.SortBy(0, true);
    EXPECT_EQ(grid.selectedRow(), 3);
    // Races-table style: both rows of a pair, columns 1 to 2.
    grid.selectRows(1, 2, 1, 2);
    EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 4);

    std::vector<std::pair<int, int>> clicks;
    QObject::connect(&grid, &TStringGridOR::cellClicked, [&](int column, int row) { clicks.emplace_back(column, row); });
    click(grid.viewport(), grid.visualRect(grid.model()->index(TStringGridOR::viewRow(2), 1)).center());
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{1, 2}}));
}

TEST_F(StringGridWidget, ABulkFillIsShownAndSortedAgain)
{
    grid.SortBy(1, false);
    grid.editCells([](StringGridModel& m) {
        m.setRowCount(3);
        m.setRow(1, {"Mira", "   1.00", ""});
        m.setRow(2, {"Vega", "   7.00", ""});
    });
    EXPECT_EQ(shownColumn(grid, 0), (QStringList{"Mira", "Vega"}));
    grid.Resort();
    EXPECT_EQ(shownColumn(grid, 0), (QStringList{"Vega", "Mira"}));
}

// Cells are typed into only when the grid is made editable; a committed text is in the cell (as
// Latin-1) before the grid reports it, in grid rows.
TEST_F(StringGridWidget, EditableCellsReportTheirCommit)
{
    const QModelIndex deneb = grid.model()->index(2, 0);
    EXPECT_FALSE(grid.model()->flags(deneb) & Qt::ItemIsEditable);
    EXPECT_FALSE(grid.model()->setData(deneb, QStringLiteral("Vega")));
    std::vector<std::pair<int, std::string>> edited;
    QObject::connect(&grid, &TStringGridOR::cellEdited, [&](int column, int row) {
        edited.emplace_back(column * 100 + row, grid.gridModel().cell(column, row));
    });
    grid.setEditable(true);
    EXPECT_TRUE(grid.model()->flags(deneb) & Qt::ItemIsEditable);
    EXPECT_TRUE(grid.model()->setData(deneb, QStringLiteral("Véga")));
    EXPECT_EQ(edited, (std::vector<std::pair<int, std::string>>{{3, "V\xe9ga"}}));
    EXPECT_EQ(grid.model()->index(2, 0).data(Qt::EditRole).toString(), QStringLiteral("Véga"));
}
