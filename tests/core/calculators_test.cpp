// The ship designer's and the planet forecast's arithmetic, their input fields, and the keeping
// of the own race's designs.

#include "forecast.h"
#include "shipdesign.h"
#include "testkit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace orrery {
namespace {

using test::makeShipType;
using test::Strings;

// A copy: the design is often a temporary.
DesignFigures figures(const ShipDesign& d)
{
    EXPECT_TRUE(d.figures.has_value());
    return d.figures.value_or(DesignFigures{});
}

// The worked examples: one of everything at technology 1, and a big hold of cargo technology 2.
TEST(ShipDesign, WorkedExamples)
{
    const ShipDesign small = computeDesign({1, 1, 1, 1, 1}, {});
    const DesignFigures& s = figures(small);
    EXPECT_EQ(small.mass, 4);
    EXPECT_DOUBLE_EQ(s.cost, 40);
    EXPECT_DOUBLE_EQ(s.capacity, 1.1);
    EXPECT_DOUBLE_EQ(s.loaded.mass, 5.1);
    EXPECT_DOUBLE_EQ(s.unloaded.speed, 5);
    EXPECT_DOUBLE_EQ(s.loaded.speed, 20 / 5.1);
    const DesignTexts t = designTexts(small);
    EXPECT_EQ((Strings{t.table[1][1], t.table[1][2], t.table[2][1], t.table[2][2], t.costs, t.capacity}),
              (Strings{"4.000", "5.000", "5.100", "3.922", "Costs: 40.000", "Cargo capacity: 1.100"}));

    // Drive 5, one gun of 5, shields 10, cargo 10: mass 30; the hold loads 20 and carries 40.
    const DesignParts hauler{5, 1, 5, 10, 10};
    const DesignFigures& h = figures(computeDesign(hauler, {1, 1, 1, 2}));
    EXPECT_DOUBLE_EQ(h.capacity, 40);
    EXPECT_DOUBLE_EQ(h.loaded.mass, 50);
    EXPECT_DOUBLE_EQ(h.loaded.speed, 20 * 5 / 70.0);
    // The loaded kill probability is that of a ship 40 heavier (the drive does not enter it), the
    // loaded thresholds those of a ship 20 heavier.
    const DesignFigures& heavy = figures(computeDesign({55, 1, 5, 10, 0}, {}));
    const DesignFigures& laden = figures(computeDesign({35, 1, 5, 10, 0}, {}));
    EXPECT_DOUBLE_EQ(h.loaded.pkill, heavy.unloaded.pkill);
    EXPECT_DOUBLE_EQ(h.loaded.weakestkill, laden.unloaded.weakestkill);
    EXPECT_DOUBLE_EQ(h.loaded.surekill, laden.unloaded.surekill);
}

// At mass 30 the defence is the shields times their technology, so the kill rule can be read off
// directly: a shot as strong as the defence kills half the time, four times as strong always, a
// quarter as strong never; more attacks add weapon mass (the first in full, the others half).
TEST(ShipDesign, KillProbabilityAtMassThirty)
{
    const struct {
        const char* what;
        DesignParts parts;
        DesignTech tech;
        double pkill, weakest, sure;
    } rows[] = {
        {"attack equals defence", {13, 1, 8, 8, 1}, {}, 50, 2, 32},
        {"four times the defence", {13, 1, 8, 8, 1}, {1, 4, 1, 1}, 100, 2, 32},
        {"a quarter of the defence", {13, 1, 8, 8, 1}, {1, 1, 4, 1}, 0, 8, 128},
        {"three guns of 4: mass 4 + 2 + 2, attack 12 against 8", {13, 3, 4, 8, 1}, {},
         (std::log(12.0 / 8) / std::log(4.0) + 1) * 50, 2, 32},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const ShipDesign d = computeDesign(r.parts, r.tech);
        EXPECT_DOUBLE_EQ(d.mass, 30);
        const DesignFigures& f = figures(d);
        EXPECT_FALSE(f.harmless);
        EXPECT_NEAR(f.unloaded.pkill, r.pkill, 1e-9);
        EXPECT_NEAR(f.unloaded.weakestkill, r.weakest, 1e-9);
        EXPECT_NEAR(f.unloaded.surekill, r.sure, 1e-9);
    }
    // Not clamped: sixteen times the defence shows 150 percent.
    EXPECT_NEAR(figures(computeDesign({13, 1, 8, 8, 1}, {1, 16, 1, 1})).unloaded.pkill, 150, 1e-9);
}

// Without attacks the weapons weigh nothing and both kill cells show "0", whatever the weapons;
// without weapons or shields too. A design without mass shows its mass and nothing else.
TEST(ShipDesign, HarmlessAndMasslessDesigns)
{
    for (const DesignParts& p : {DesignParts{2, 0, 7, 3, 1}, DesignParts{2, 2, 0, 3, 1}, DesignParts{2, 2, 7, 0, 1}}) {
        const ShipDesign d = computeDesign(p, {});
        const DesignTexts t = designTexts(d);
        EXPECT_TRUE(figures(d).harmless);
        EXPECT_EQ((Strings{t.table[1][3], t.table[2][3]}), (Strings{"0", "0"}));
    }
    EXPECT_EQ(computeDesign({2, 0, 7, 3, 1}, {}).mass, 6);

    const ShipDesign none = computeDesign({0, 0, 5, 0, 0}, {});
    EXPECT_EQ(none.mass, 0);
    EXPECT_FALSE(none.figures);
    const DesignTexts t = designTexts(none);
    EXPECT_EQ((Strings{t.costs, t.capacity}), (Strings{"Costs: ", "Cargo capacity: "}));
    for (int row = 1; row <= 2; ++row)
        for (int column = 1; column <= 5; ++column) EXPECT_EQ(t.table[row][column], "");
    EXPECT_FALSE(numberPerTurn(none.mass, 1000, 1000, 10, 0));
}

// Ships per turn: every ship costs 10 production points per mass unit and a unit of material per
// mass unit, the stockpile going first and further material costing 1 / resources points. So the
// production is spent exactly: 10 x M x N + (M x N - stockpile) / R = P.
TEST(ShipDesign, NumberPerTurn)
{
    const double mass = 4;
    const struct {
        const char* what;
        double population, industry, resources, material;
        std::optional<double> number;
    } rows[] = {
        {"no stockpile", 1000, 1000, 10, 0, 1000 / (mass / 10 + 10 * mass)},
        {"a stockpile above 100 covers everything", 1000, 1000, 10, 101, 1000 / (10 * mass)},
        {"a quarter of the population beyond the industry", 1400, 1000, 10, 200, 1100 / (10 * mass)},
        {"no resources: only the stockpile", 1000, 1000, 0, 20, 20 / mass},
        {"unknown population", -1, 1000, 10, 0, std::nullopt},
        {"unknown industry", 1000, -1, 10, 0, std::nullopt},
        {"unknown resources", 1000, 1000, -1, 0, std::nullopt},
        {"unknown stockpile", 1000, 1000, 10, -1, std::nullopt},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const std::optional<double> n = numberPerTurn(mass, r.population, r.industry, r.resources, r.material);
        ASSERT_EQ(n.has_value(), r.number.has_value());
        if (n) {
            EXPECT_NEAR(*n, *r.number, 1e-9);
        }
    }
    // Part of the material from the stockpile: the production is spent exactly.
    const double n = *numberPerTurn(mass, 1000, 1000, 10, 50);
    EXPECT_NEAR(10 * mass * n + (mass * n - 50) / 10, 1000, 1e-9);
    EXPECT_EQ(numberPerTurnText(12.5), "Number per turn: 12.500");
    EXPECT_EQ(numberPerTurnText(std::nullopt), "Number per turn:");

    // The planet of the most recent selection, found by its name or its alternative name.
    turnrecord turn;
    for (const char* name : {"Alpha", "Beta"}) {
        planetrecord& p = turn.planets.emplace_back();
        p.name = name, p.population = 1000, p.industry = 1000, p.resources = 10, p.material = 0;
    }
    turn.planets[1].altname = "Home", turn.planets[1].material = 101;
    ViewState view;
    EXPECT_FALSE(numberPerTurnAtSelection(turn, view, mass));
    view.firstselection.x = 1, view.firstselection.name = "Alpha";
    EXPECT_NEAR(numberPerTurnAtSelection(turn, view, mass).value_or(0), 1000 / (mass / 10 + 10 * mass), 1e-9);
    view.secondselection.x = 2, view.secondselection.name = "Home";
    EXPECT_NEAR(numberPerTurnAtSelection(turn, view, mass).value_or(0), 1000 / (10 * mass), 1e-9);
    view.secondselection.name = "ship"; // a mark of the text map
    EXPECT_FALSE(numberPerTurnAtSelection(turn, view, mass));
}

// The fields as the user types: an empty field is left alone; "12." is a number in progress;
// a wrong value is reset to "1" with the message of its field.
TEST(ShipDesign, FieldCheckWhileTyping)
{
    using F = DesignField;
    const char* const number = "Please enter a number!";
    const char* const atLeastOne = "The number has to be at least 1!";
    const char* const noneOrOne = "The number has to be 0 or at least 1!";
    const char* const whole = "The attack number has to be a whole number";
    const struct {
        F field;
        const char* text;
        const char* message;
        bool reset;
    } rows[] = {
        {F::Drive, "12.", "", false},         {F::Weapons, "1.2.", "", false},    {F::DriveTech, "1.", "", false},
        {F::Weapons, "abc", number, false},   {F::Cargo, ".", number, false},     {F::Shields, "1..", number, false},
        {F::Attacks, "1.5", whole, true},     {F::Attacks, "2.", whole, true},    {F::Attacks, "3", "", false},
        {F::Attacks, "0", "", false},         {F::Attacks, "-2", noneOrOne, true},
        {F::Shields, "0.5", noneOrOne, true}, {F::Shields, "-2", noneOrOne, true}, {F::Shields, "0", "", false},
        {F::Cargo, "1", "", false},           {F::Drive, " 7 ", "", false},
        {F::DriveTech, "0", atLeastOne, true}, {F::CargoTech, "0.5", atLeastOne, true},
        {F::ShieldTech, "1", "", false},      {F::WeaponTech, "2.5", "", false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.text) + " in field " + std::to_string(static_cast<int>(r.field)));
        const FieldCheck c = checkDesignFieldTyping(r.field, r.text);
        EXPECT_TRUE(c.checked);
        EXPECT_EQ(c.message, r.message);
        EXPECT_EQ(c.reset, r.reset ? std::optional<std::string>("1") : std::nullopt);
    }
    EXPECT_FALSE(checkDesignFieldTyping(F::Drive, "").checked);

    EXPECT_TRUE(recomputeAfterTyping("2.00"));
    for (const char* cargoTech : {"", "0", "x", "-1"}) EXPECT_FALSE(recomputeAfterTyping(cargoTech)) << cargoTech;
    EXPECT_EQ(designFieldValue("abc"), 0);
    EXPECT_EQ(designFieldValue("2.5"), 2.5);

    EXPECT_EQ(checkDesignFieldLeaving("12"), std::nullopt);
    for (const char* text : {"", "1.2.", "x"}) EXPECT_EQ(checkDesignFieldLeaving(text), number) << text;

    shiptyperecord type = makeShipType("Scout", "Me", 1.5, 2.9, 0, 1, 12.125);
    EXPECT_EQ(designFieldTexts(type), (std::array<std::string, 5>{"1.50", "2", "0.00", "1.00", "12.12"}));
}

// "Add", "Change" and "Delete" on the own race's designs; those of other races stay as they are.
TEST(ShipDesign, AddChangeAndDeleteOwnDesigns)
{
    std::vector<shiptyperecord> types = {makeShipType("Scout", "Them", 1, 0, 0, 0, 0),
                                         makeShipType("Scout", "Me", 1, 0, 0, 0, 0),
                                         makeShipType("ABCDEFGHIJKLMNOPQRST", "Me", 2, 0, 0, 0, 0)};
    types[1].fromreport = 1;
    const DesignParts parts{3, 2, 4, 5, 6};
    const auto names = [&] {
        Strings n;
        for (const shiptyperecord& t : types) n.push_back(t.owner.str() + ":" + t.name.str());
        return n;
    };
    const std::string duplicate = "There exists a ship type with this name already!\n\r"
                                  "Use the button \"Change\" to change an existing ship type";
    const struct {
        const char* name;
        std::string message;
    } refused[] = {
        {"", "You have to type in a name for the ship type or select one from the list, first!"},
        {"Scout", duplicate},
        // Cut to 20 characters it would be a second design of one name.
        {"ABCDEFGHIJKLMNOPQRSTUVWXY", duplicate},
    };
    for (const auto& r : refused) {
        const Status s = addDesign(types, "Me", r.name, parts);
        ASSERT_FALSE(s.ok()) << r.name;
        EXPECT_EQ(s.error().message, r.message);
    }
    ASSERT_TRUE(addDesign(types, "Me", "Battleship of the first rank", parts).ok());
    EXPECT_EQ(names(), (Strings{"Them:Scout", "Me:Scout", "Me:ABCDEFGHIJKLMNOPQRST", "Me:Battleship of the fi"}));
    EXPECT_EQ(toJson(types.back()), toJson(shiptyperecord{"Battleship of the fi", "Me", 3, 2, 4, 5, 6, 0}));

    EXPECT_EQ(changeDesign(types, "Me", "Scout", "", parts).error().message, "You have to type in a new name first!");
    EXPECT_EQ(changeDesign(types, "Me", std::nullopt, "Probe", parts).error().message,
              "You have to select a list entry first!");
    EXPECT_EQ(changeDesign(types, "Me", "Nothing", "Probe", parts).value(), false);
    EXPECT_EQ(changeDesign(types, "Me", "Scout", "Probe", parts).value(), true);
    EXPECT_EQ(toJson(types[1]), toJson(shiptyperecord{"Probe", "Me", 3, 2, 4, 5, 6, 1}));
    EXPECT_EQ(toJson(types[0]), toJson(makeShipType("Scout", "Them", 1, 0, 0, 0, 0)));

    EXPECT_EQ(deleteDesign(types, "Me", std::nullopt).error().message, "You have to select a list entry first!");
    EXPECT_EQ(deleteDesign(types, "Me", "Scout").value(), false) << "only the own race's designs";
    EXPECT_EQ(deleteDesign(types, "Me", "Probe").value(), true);
    EXPECT_EQ(names(), (Strings{"Them:Scout", "Me:ABCDEFGHIJKLMNOPQRST", "Me:Battleship of the fi"}));
}

// What the race box, the design list and the technology fields are filled with.
TEST(ShipDesign, RacesDesignsAndTechnologies)
{
    std::vector<shiptyperecord> types = {makeShipType("Scout", "Me", 1, 0, 0, 0, 0),
                                         makeShipType("Drone", "Them", 1, 0, 0, 0, 0),
                                         makeShipType("Hauler", "Me", 1, 0, 0, 0, 0)};
    std::tie(types[0].fromreport, types[2].fromreport) = std::tuple{1, 0};
    EXPECT_EQ(designRaces(types), (Strings{"Me", "Them"}));
    EXPECT_EQ(designNames(types, "Me", false), (Strings{"Scout", "Hauler"}));
    EXPECT_EQ(designNames(types, "Me", true), (Strings{"Scout"})) << "the player's own additions left out";

    playerrecord me = test::makePlayer("Me", 3, 2.5);
    std::tie(me.weapontech, me.shieldtech, me.cargotech) = std::tuple{1.125, 1.0, 3.0};
    const std::vector<playerrecord> players = {test::makePlayer("Them"), me};
    EXPECT_EQ(designTechTexts(players, "Me"), (std::array<std::string, 4>{"2.50", "1.12", "1.00", "3.00"}));
    EXPECT_EQ(designTechTexts(players, "Ghost"), (std::array<std::string, 4>{"1.00", "1.00", "1.00", "1.00"}));
    EXPECT_EQ(designTechTexts({}, "Me"), std::nullopt);
}

// The worked forecasts and the unknown inputs: a figure that needs an unknown value is -1, a
// label both of whose values are unknown is empty.
TEST(PlanetForecast, FiguresAndLabels)
{
    const struct {
        const char* what;
        double size, population, industry, resources;
        Strings labels;
    } rows[] = {
        {"the worked example", 1000, 1000, 500, 10,
         {"max./cur. production: 1000.000 / 625.000", "max./cur. mass: 99.010 / 61.881",
          "max./cur. tech: 0.200 / 0.125"}},
        {"population below industry produces the population", 1000, 400, 500, 10,
         {"max./cur. production: 1000.000 / 400.000", "max./cur. mass: 99.010 / 39.604",
          "max./cur. tech: 0.200 / 0.080"}},
        {"unknown resources: no current figures, no mass", 1000, 1000, 500, -1,
         {"max./cur. production: 1000.000 / -1.000", "", "max./cur. tech: 0.200 / -1.000"}},
        {"unknown size: only current figures", -1, 1000, 500, 10,
         {"max./cur. production: -1.000 / 625.000", "max./cur. mass: -1.000 / 61.881",
          "max./cur. tech: -1.000 / 0.125"}},
        {"unknown industry", 500, 1000, -1, 1,
         {"max./cur. production: 500.000 / -1.000", "max./cur. mass: 45.455 / -1.000",
          "max./cur. tech: 0.100 / -1.000"}},
        {"a typed size below -1 shows as -1.000 in the production label", -5, 0, 0, 1,
         {"max./cur. production: -1.000 / 0.000", "max./cur. mass: -0.455 / 0.000", "max./cur. tech: -0.001 / 0.000"}},
        {"nothing known", -1, -1, -1, -1, {"", "", ""}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const std::array<std::string, 3> labels = forecastLabels(planetForecast(r.size, r.population, r.industry, r.resources));
        EXPECT_EQ(Strings(labels.begin(), labels.end()), r.labels);
    }
    const PlanetForecast unknown = planetForecast(-1, 1000, 500, -1);
    EXPECT_EQ((std::array{unknown.maxProduction, unknown.currentProduction, unknown.maxMass, unknown.currentMass,
                          unknown.maxTech, unknown.currentTech}),
              (std::array{-1.0, -1.0, -1.0, -1.0, -1.0, -1.0}));
    // Resources of -0.1 would divide by 0: the mass cannot be computed.
    EXPECT_EQ(planetForecast(1000, 1000, 500, -0.1).maxMass, -1);
    planetrecord p = test::makePlanet("P", 1, 1, ocOther, 1000);
    std::tie(p.population, p.industry, p.resources) = std::tuple{1000.0, 500.0, 10.0};
    EXPECT_EQ(planetForecast(p).currentProduction, 625);
}

// The planet view's value fields.
TEST(PlanetForecast, PlanetViewFields)
{
    const char* const number = "Please enter a number!";
    for (const char* text : {"", "12", "12.", "1.2.", "0.5"}) EXPECT_EQ(checkPlanetFieldTyping(text), std::nullopt) << text;
    for (const char* text : {"abc", ".", "1..", "7x"}) EXPECT_EQ(checkPlanetFieldTyping(text), number) << text;
    for (const char* text : {"", "12."}) EXPECT_EQ(checkPlanetFieldLeaving(text), std::nullopt) << text;
    for (const char* text : {"1.2.", "abc"}) EXPECT_EQ(checkPlanetFieldLeaving(text), number) << text;
    EXPECT_EQ((std::array{planetFieldTypingValue(""), planetFieldAcceptedValue(""), planetFieldTypingValue("12."),
                          planetFieldAcceptedValue("2.5")}),
              (std::array{0.0, -1.0, 12.0, 2.5}));
    EXPECT_EQ((Strings{planetFieldText(-1), planetFieldText(-3), planetFieldText(0), planetFieldText(12.5)}),
              (Strings{"", "", "0.00", "12.50"}));
}

} // namespace
} // namespace orrery
