// The ship designer and the planet view in the main window: their buttons, what they take from
// the map, and what they store.

#include "TFormMove.h"
#include "TFormMoveC7.h"
#include "TFormPlanetView.h"
#include "TFormShipDesign.h"
#include "calculatorwindows.h"
#include "intelligence.h"
#include "orderwindows.h"
#include "planetview.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;
using C = MainCommand;

namespace {

const planetrecord* firstOwnPlanet(const Game& g)
{
    for (const planetrecord& p : g.turn.planets)
        if (p.owner == g.ownrace) return &p;
    return nullptr;
}

} // namespace

TEST(ShipDesigner, FollowsTheSelectionAndKeepsTheOwnDesigns)
{
    MainWindowFixture f;
    ASSERT_TRUE(f.start());
    TFormShipDesign& d = *installedShipDesigner(*f.main);
    Game& g = f.session().game();
    f.trigger(C::ShipDesign);
    ASSERT_TRUE(d.isVisible());
    EXPECT_FALSE(f.action(C::ShipDesign)->isEnabled());
    EXPECT_EQ(d.ComboBoxRace->currentText(), fromGame(g.ownrace.view()));
    EXPECT_TRUE(d.ButtonAdd->isEnabled());

    // The technologies of the own race; a planet selected on the map gives the number per turn.
    const playerrecord& own = *std::find_if(g.turn.players.begin(), g.turn.players.end(),
                                            [&](const playerrecord& p) { return p.name == g.ownrace; });
    EXPECT_EQ(d.Edits[5]->text().toDouble(), std::round(own.drivetech * 100) / 100);
    EXPECT_EQ(d.LabelNumberPerTurn->text(), QStringLiteral("Number per turn:"));
    const planetrecord& home = *firstOwnPlanet(g);
    f.main->SelectPlanet(fromGame(home.name.view()));
    const ShipDesign ones = computeDesign({1, 1, 1, 1, 1}, {});
    EXPECT_EQ(d.LabelNumberPerTurn->text().toStdString(),
              numberPerTurnText(numberPerTurn(ones.mass, home.population, home.industry, home.resources, home.material)));

    // A wrong attack number is reset with its message; the outputs follow every field.
    d.Edits[1]->setText(QStringLiteral("1.5"));
    EXPECT_EQ(d.Edits[1]->text(), QStringLiteral("1"));
    EXPECT_EQ(f.boxes.texts(), Strings{"The attack number has to be a whole number"});
    d.Edits[4]->setText(QStringLiteral("0"));
    EXPECT_EQ(d.LabelCapacity->text(), QStringLiteral("Cargo capacity: 0.000"));

    // A design added here is kept, offered to the design order, and written when the window closes.
    d.EditName->setText(QStringLiteral("Hunter"));
    d.ButtonAdd->click();
    ASSERT_EQ(d.ListBoxShipTypes->findItems(QStringLiteral("Hunter"), Qt::MatchExactly).size(), 1);
    EXPECT_EQ(g.shiptypes.back().name, "Hunter");
    auto* c7 = dynamic_cast<TFormMoveC7*>(installedMoveEditor(*f.main)->commandWindow(CommandWindowId::C7));
    ASSERT_TRUE(c7 && c7->ButtonTakeFromDesigner->isEnabled());
    c7->ButtonTakeFromDesigner->click();
    EXPECT_EQ(c7->edit(0)->text(), QStringLiteral("Hunter"));
    EXPECT_EQ(c7->edit(5)->text(), QStringLiteral("0"));
    d.close();
    EXPECT_TRUE(f.action(C::ShipDesign)->isEnabled());
    const auto written = parseShipDesigns(readText(g.shipsFile()), g.ownrace);
    EXPECT_TRUE(std::any_of(written.begin(), written.end(), [](const shiptyperecord& t) { return t.name == "Hunter"; }));

    // Another race's designs are for looking only.
    g.shiptypes.push_back({"Drone", "Others", 1, 0, 0, 0, 0, 1});
    f.trigger(C::ShipDesign);
    const int other = d.ComboBoxRace->findText(fromGame(g.ownrace.view())) == 0 ? 1 : 0;
    ASSERT_GT(d.ComboBoxRace->count(), 1);
    d.ComboBoxRace->setCurrentIndex(other);
    EXPECT_TRUE(d.CheckBoxFromReport->isChecked());
    EXPECT_FALSE(d.CheckBoxFromReport->isEnabled());
    EXPECT_FALSE(d.ButtonAdd->isEnabled() || d.ButtonChange->isEnabled() || d.ButtonDelete->isEnabled());
}

TEST(PlanetView, WaitsForAPlanetAndStoresWhatThePlayerKnows)
{
    MainWindowFixture f;
    ASSERT_TRUE(f.start());
    zoomOut(f);
    f.paint();
    TFormPlanetView& v = *installedPlanetView(*f.main);
    Game& g = f.session().game();
    f.session().view().clearSelections();

    // Nothing selected: the button stays down until a planet is pressed.
    f.trigger(C::PlanetView);
    EXPECT_TRUE(f.action(C::PlanetView)->isChecked());
    EXPECT_FALSE(v.isVisible());
    const planetrecord* foreign = nullptr;
    for (const planetrecord& p : g.turn.planets)
        if (p.owner.empty() && p.size < 0) foreign = &p;
    ASSERT_NE(foreign, nullptr);
    const std::string name = foreign->name.str();
    const double x = foreign->x;
    f.main->mapPressed(centreOf(f, *foreign));
    ASSERT_TRUE(v.isVisible());
    EXPECT_FALSE(f.action(C::PlanetView)->isChecked());
    EXPECT_FALSE(f.action(C::PlanetView)->isEnabled());
    EXPECT_EQ(v.LabelName->text().toStdString(), planetViewTexts(*foreign).name);

    // An owner of the player's guess and a size: stored, shown again after the turn is read anew.
    v.ComboBoxOwner->setEditText(QStringLiteral("zzz Pseudo player 7 zzz"));
    v.Edits[0]->setText(QStringLiteral("800"));
    v.ButtonAccept->click();
    EXPECT_EQ(f.boxes.texts(), Strings{"Intelligence information updated!"});
    EXPECT_EQ(v.ComboBoxOwner->currentText(), QStringLiteral("zzz Pseudo player 7 zzz"));
    EXPECT_EQ(v.Edits[0]->text(), QStringLiteral("800.00"));
    const planetrecord* stored = findPlanet(g.turn, name);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->x, x);
    EXPECT_EQ(stored->ownercode, -1008);
    EXPECT_EQ(f.session().view().recentSelection()->name, name);

    v.close();
    EXPECT_TRUE(f.action(C::PlanetView)->isEnabled());
}
