// The sortable grid widget: headings as the header, presses on the header sort (left ascending,
// right descending), the grey heading of the sort column, cells shown in grid rows, FindRow and
// the row signals.

#include "TStringGridOR.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QMouseEvent>
#include <gtest/gtest.h>

using namespace orrery;

namespace {

// Planets table: name (text), size and population (numbers with leading blanks).
void fill(TStringGridOR& grid)
{
    grid.setColumnCount(3);
    grid.setRowCount(5);
    grid.setHeadings({QStringLiteral("Name"), QStringLiteral("Size"), QStringLiteral("Population")});
    const char* rows[][3] = {{"Castor", "  10.00", " 500.00"},
                             {"Alcor", "   9.00", "1000.00"},
                             {"Deneb", " 100.00", "  50.00"},
                             {"Bellatrix", "  45.50", "   0.00"}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) grid.setGameCell(c, r + 1, rows[r][c]);
    grid.SetNumericColumns({1, 2});
}

QStringList shownColumn(const TStringGridOR& grid, int column)
{
    QStringList cells;
    for (int r = 0; r < grid.model()->rowCount(); ++r) cells << grid.model()->index(r, column).data().toString();
    return cells;
}

void pressHeader(TStringGridOR& grid, int column, Qt::MouseButton button)
{
    QHeaderView* header = grid.horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, header->viewport()->mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(header->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, header->viewport()->mapToGlobal(at), button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(header->viewport(), &release);
}

} // namespace

TEST(StringGridWidget, HeadingsAndCellsShowInGridRows)
{
    TStringGridOR grid;
    fill(grid);
    EXPECT_EQ(grid.model()->rowCount(), 4) << "the heading row is the header, not a table row";
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Size"));
    EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("Name"));
    EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("Castor"));
    EXPECT_EQ(shownColumn(grid, 0),
              (QStringList{QStringLiteral("Castor"), QStringLiteral("Alcor"), QStringLiteral("Deneb"), QStringLiteral("Bellatrix")}));

    // Game text is Latin-1.
    grid.setGameCell(0, 2, "Alc\xF6r");
    EXPECT_EQ(grid.Cells(0, 2), QString::fromUtf8("Alc\xC3\xB6r"));
    grid.setCell(1, 0, QStringLiteral("Gr\u00F6\u00DFe"));
    EXPECT_EQ(grid.gridModel().cell(1, 0), "Gr\xF6\xDF" "e");
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Gr\u00F6\u00DFe"));

    // Growing and shrinking keeps what remains.
    grid.setRowCount(7);
    EXPECT_EQ(grid.model()->rowCount(), 6);
    EXPECT_EQ(grid.Cells(0, 4), QStringLiteral("Bellatrix"));
    grid.setRowCount(2);
    EXPECT_EQ(grid.model()->rowCount(), 1);
    EXPECT_EQ(shownColumn(grid, 0), QStringList{QStringLiteral("Castor")});
    grid.setColumnCount(2);
    EXPECT_EQ(grid.model()->columnCount(), 2);
}

TEST(StringGridWidget, HeaderPressesSort)
{
    TStringGridOR grid;
    fill(grid);
    grid.resize(400, 200);
    grid.show();
    int sorts = 0;
    QObject::connect(&grid, &TStringGridOR::sorted, [&] { ++sorts; });

    struct Press {
        int column;
        Qt::MouseButton button;
        bool ascending;
        QStringList names;
    };
    const std::vector<Press> presses = {
        {1, Qt::LeftButton, true, {"Alcor", "Castor", "Bellatrix", "Deneb"}},   // 9, 10, 45.5, 100
        {1, Qt::RightButton, false, {"Deneb", "Bellatrix", "Castor", "Alcor"}}, // same column, descending
        {0, Qt::LeftButton, true, {"Alcor", "Bellatrix", "Castor", "Deneb"}},
        {2, Qt::RightButton, false, {"Alcor", "Castor", "Deneb", "Bellatrix"}}, // 1000, 500, 50, 0
        {2, Qt::MiddleButton, true, {"Bellatrix", "Deneb", "Castor", "Alcor"}}, // any other button: ascending
    };
    int expectedSorts = 0;
    for (const Press& p : presses) {
        SCOPED_TRACE("column " + std::to_string(p.column) + " button " + std::to_string(p.button));
        pressHeader(grid, p.column, p.button);
        EXPECT_EQ(grid.sortColumn(), p.column);
        EXPECT_EQ(grid.ascending(), p.ascending);
        EXPECT_EQ(shownColumn(grid, 0), p.names);
        EXPECT_EQ(sorts, ++expectedSorts);
    }
    EXPECT_TRUE(grid.selectionModel()->selectedIndexes().isEmpty()) << "a heading press selects no column";
    // Rows move whole: Alcor keeps its size and population.
    const int alcor = grid.FindRow(0, QStringLiteral("Alcor"));
    EXPECT_EQ(grid.Cells(1, alcor), QStringLiteral("   9.00"));
    EXPECT_EQ(grid.Cells(2, alcor), QStringLiteral("1000.00"));
}

TEST(StringGridWidget, SortHeadingIsGreyWithWhiteText)
{
    TStringGridOR grid;
    fill(grid);
    grid.resize(400, 200);
    grid.show();
    grid.SortBy(1, true);
    QApplication::processEvents();

    QHeaderView* header = grid.horizontalHeader();
    const QImage image = header->grab().toImage();
    auto sectionPixels = [&](int column) {
        int grey = 0, white = 0, total = 0;
        const int left = header->sectionViewportPosition(column);
        // Inside the section, away from its borders.
        for (int x = left + 2; x < left + header->sectionSize(column) - 2; ++x)
            for (int y = 2; y < image.height() - 2; ++y) {
                const QColor c = image.pixelColor(x, y);
                ++total;
                if (c == QColor(128, 128, 128)) ++grey;
                if (c == QColor(Qt::white)) ++white;
            }
        return std::tuple{grey, white, total};
    };
    const auto [grey, white, total] = sectionPixels(1);
    EXPECT_GT(grey, total / 2) << "the sort column's heading is filled grey";
    EXPECT_GT(white, 0) << "its text is white";
    const auto [otherGrey, otherWhite, otherTotal] = sectionPixels(0);
    EXPECT_LT(otherGrey, otherTotal / 10) << "other headings are drawn as usual";

    grid.SortBy(-1, true);
    QApplication::processEvents();
    const QImage unsorted = header->grab().toImage();
    const int x = header->sectionViewportPosition(1) + header->sectionSize(1) - 6;
    EXPECT_NE(unsorted.pixelColor(x, unsorted.height() / 2), QColor(128, 128, 128)) << "unsorted: no grey heading";
}

TEST(StringGridWidget, RowHeightsWidthsAndSelection)
{
    TStringGridOR grid;
    fill(grid);
    grid.setRowHeights(18);
    grid.setColumnWidths({100, 46, 56});
    grid.setRowSelect(true);
    EXPECT_EQ(grid.rowHeight(0), 18);
    EXPECT_EQ(grid.rowHeight(3), 18);
    EXPECT_EQ(grid.horizontalHeader()->height(), 18);
    EXPECT_EQ(grid.columnWidth(0), 100);
    EXPECT_EQ(grid.columnWidth(2), 56);

    EXPECT_EQ(grid.selectedRow(), -1);
    grid.selectRows(3, 3);
    EXPECT_EQ(grid.selectedRow(), 3);
    EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 3);
    // Sorting keeps the selection on the same grid row, as a plain grid does.
    grid.SortBy(0, true);
    EXPECT_EQ(grid.selectedRow(), 3);
    grid.clearSelection();
    EXPECT_EQ(grid.selectedRow(), -1);

    // Races-table style: both rows of a pair, columns 1 to 2.
    grid.selectRows(1, 2, 1, 2);
    EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 4);
}

TEST(StringGridWidget, FindRowAndCellClicks)
{
    TStringGridOR grid;
    fill(grid);
    grid.setRowCount(301);
    for (int r = 5; r < 301; ++r) grid.setCell(0, r, QStringLiteral("P%1").arg(r));
    EXPECT_EQ(grid.FindRow(0, QStringLiteral("Name")), 0);
    EXPECT_EQ(grid.FindRow(0, QStringLiteral("Deneb")), 3);
    EXPECT_EQ(grid.FindRow(0, QStringLiteral("deneb")), -1);
    EXPECT_EQ(grid.FindRow(0, QStringLiteral("P300")), 300);
    EXPECT_EQ(grid.FindRow(1, QStringLiteral("Deneb")), -1);

    grid.resize(400, 300);
    grid.show();
    std::vector<std::pair<int, int>> clicks;
    QObject::connect(&grid, &TStringGridOR::cellClicked, [&](int column, int row) { clicks.emplace_back(column, row); });
    const QRect cell = grid.visualRect(grid.model()->index(TStringGridOR::viewRow(2), 1));
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, cell.center(), grid.viewport()->mapToGlobal(cell.center()), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &e);
    }
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{1, 2}}));
}

TEST(StringGridWidget, TwoRowRecordsAndBulkFill)
{
    TStringGridOR grid;
    grid.setColumnCount(2);
    grid.setHeadings({QStringLiteral("Race"), QStringLiteral("Prod. points")});
    grid.SetNumericColumns({1});
    grid.SetRecordLayout(true, 0);
    grid.SortBy(1, false);
    // A view fills many cells at once and sorts again.
    grid.editCells([](StringGridModel& m) {
        m.setRowCount(5);
        m.setRow(1, {"Alpha", "100.00"});
        m.setRow(2, {"", " -5.00"});
        m.setRow(3, {"Beta", "300.00"});
        m.setRow(4, {"", " 20.00"});
    });
    EXPECT_EQ(grid.model()->rowCount(), 4);
    EXPECT_EQ(shownColumn(grid, 0), (QStringList{QStringLiteral("Alpha"), QString(), QStringLiteral("Beta"), QString()}));
    grid.Resort();
    EXPECT_EQ(shownColumn(grid, 0), (QStringList{QStringLiteral("Beta"), QString(), QStringLiteral("Alpha"), QString()}));
    grid.SetRecordLayout(true, 1);
    grid.SortBy(1, true);
    EXPECT_EQ(shownColumn(grid, 1),
              (QStringList{QStringLiteral("100.00"), QStringLiteral(" -5.00"), QStringLiteral("300.00"), QStringLiteral(" 20.00")}));
}
