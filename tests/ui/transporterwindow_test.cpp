// The Develop planets window in the main window: opened from the move editor's menu, its tables
// filled from the shown turn, the buttons on the tables, its messages, and OK writing the plan's
// orders into the move.

#include "TFormMove.h"
#include "TFormMoveTransporter.h"
#include "TFormSelectFromList.h"
#include "TStringGridOR.h"
#include "orderwindows.h"
#include "transporterwindows.h"
#include "uitestkit.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;

namespace {

Strings column(const TStringGridOR* grid, int c)
{
    Strings out;
    for (int r = 1; r < grid->rowCount(); ++r) out.push_back(toGame(grid->Cells(c, r)));
    return out;
}

} // namespace

TEST(TransporterWindow, TablesButtonsAndOrders)
{
    MainWindowFixture f;
    ASSERT_TRUE(f.start());
    Game& g = f.session().game();
    // Two haulers at the first own planet, which has colonists to spare.
    planetrecord* home = nullptr;
    for (planetrecord& p : g.turn.planets)
        if (p.ownercode == ocOwn && !home) home = &p;
    ASSERT_TRUE(home && ownGroups(g));
    home->colonists = 50;
    grouprecord hauler = makeGroup(900, "Hauler", 2, home->name.view());
    hauler.drive = 10, hauler.cargo = 5, hauler.drivetech = 1, hauler.cargotech = 1;
    ownGroups(g)->groups.push_back(hauler);

    TFormMove& move = *installedMoveEditor(*f.main);
    TFormMoveTransporter& w = *installedTransporterWindow(*f.main);
    ASSERT_TRUE(move.menuItemDevelop->isEnabled());
    move.menuItemDevelop->trigger();
    ASSERT_TRUE(w.isVisible());
    EXPECT_FALSE(move.menuItemDevelop->isEnabled());

    Strings ids, planets;
    for (const grouprecord* t : transporterGroups(g, 1.0)) ids.push_back(std::to_string(static_cast<int>(t->groupnumber)));
    for (const planetrecord* p : planetsToDevelop(g)) planets.push_back(developRow(*p)[0]);
    EXPECT_EQ(column(w.GridTransporters, 0), ids);
    ASSERT_GE(planets.size(), 2u);
    EXPECT_EQ(column(w.GridPlanets, 0), planets);

    // Reordering wraps around; without a selected row the buttons say so.
    w.GridPlanets->clearSelection();
    w.ButtonPlus->click();
    EXPECT_EQ(f.boxes.texts(), Strings{"Please select a row first!"});
    const int last = w.GridPlanets->rowCount() - 1;
    w.GridPlanets->selectRows(last, last);
    w.ButtonPlus->click();
    EXPECT_EQ(column(w.GridPlanets, 0).front(), planets.back());
    EXPECT_EQ(w.GridPlanets->selectedRow(), 1);
    w.ButtonMinus->click();
    EXPECT_EQ(column(w.GridPlanets, 0), planets);

    // The cargo filter, and a calculation without transporters.
    f.boxes.clear();
    w.EditCargo->setText(QStringLiteral("many"));
    w.ButtonCargo->click();
    EXPECT_EQ(f.boxes.texts(), Strings{"No number given!"});
    w.GridTransporters->selectAll();
    w.ButtonTransDelete->click();
    EXPECT_TRUE(w.listedGroups().empty());
    w.ButtonCalculate->click();
    EXPECT_EQ(f.boxes.texts().back(), "Transporter list is empty!");

    // The hauler added back through the chooser, the planets kept: OK writes the plan's orders.
    w.ButtonTransAdd->click();
    ASSERT_TRUE(w.Chooser->isVisible());
    for (int i = 0; i < w.Chooser->ListBoxEntries->count(); ++i)
        if (w.Chooser->ListBoxEntries->item(i)->text().startsWith(QStringLiteral("900: ")))
            w.Chooser->ListBoxEntries->item(i)->setSelected(true);
    w.Chooser->ButtonOKClick();
    EXPECT_EQ(w.listedGroups(), std::vector<double>{900});
    w.EditTurns->setText(QStringLiteral("100"));
    const Result<TransportPlan> plan = planTransports(g, {900}, w.listedPlanets(), 100);
    ASSERT_TRUE(plan);
    const std::vector<PlannedOrder> orders = transportOrders(*plan);
    ASSERT_FALSE(orders.empty());
    const std::size_t before = move.editor().lines().size();
    w.ButtonOK->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(move.menuItemDevelop->isEnabled());
    EXPECT_EQ(move.editor().lines().size(), before + orders.size());
}
