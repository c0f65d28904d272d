// The main window: turn steps, presses on the map and their follow-ups, the groups grid, the film,
// the zoom, toggles kept in configurations, default menu entries, the bar's hints and rows.

#include "TFormHelp.h"
#include "TFormNoConfiguration.h"
#include "TStringGridOR.h"
#include "configstore.h"
#include "mapgeometry.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

using namespace orrery;
using namespace orrery::test;
using C = MainCommand;

namespace {

// Two planets with no other planet within 2 map units: a press on one hits it alone.
std::pair<const planetrecord*, const planetrecord*> twoPlanets(const Game& g)
{
    std::vector<const planetrecord*> alone;
    for (const planetrecord& p : g.turn.planets)
        if (std::none_of(g.turn.planets.begin(), g.turn.planets.end(), [&p](const planetrecord& q) {
                return &q != &p && std::abs(q.x - p.x) < 2 && std::abs(q.y - p.y) < 2;
            }))
            alone.push_back(&p);
    return alone.size() < 2 ? std::pair<const planetrecord*, const planetrecord*>{} : std::pair{alone[0], alone[1]};
}

} // namespace

TEST(MainWindow, CreateShowsTheLastTurnAndTheStepsFollowTheTurn)
{
    MainWindowFixture f(14);
    ASSERT_TRUE(f.main->createConfigurationFrom(f.reportZero()));
    // The reminder to save the configuration offers its help page.
    EXPECT_TRUE(!f.boxes.messages.empty() && f.boxes.messages.back().kind == MessageKind::Information &&
                f.boxes.messages.back().help == HelpTopic::NewConfiguration);
    EXPECT_EQ(f.main->reportLabelText(), "report: 13");
    // A step taken some times, the turn shown, the steps enabled (previous, ten back, next, ten further).
    const std::tuple<MainCommand, int, int, StepState> rows[] = {
        {C::PreviousReport, 0, 13, {true, true, false, false}}, {C::PreviousReport, 6, 7, {true, true, true, true}},
        {C::TenReportsFurther, 1, 13, {true, true, false, false}},
        {C::TenReportsFurther, 1, 13, {true, true, false, false}}, // a disabled step does nothing
        {C::TenReportsBack, 1, 3, {true, true, true, true}},    {C::NextReport, 1, 4, {true, true, true, true}},
        {C::TenReportsBack, 1, 0, {false, false, true, true}},
    };
    for (const auto& [command, times, turn, enabled] : rows) {
        SCOPED_TRACE(turn);
        f.trigger(command, times);
        EXPECT_EQ(f.session().game().currentturn, turn);
        EXPECT_EQ((StepState{f.action(C::PreviousReport)->isEnabled(), f.action(C::TenReportsBack)->isEnabled(),
                             f.action(C::NextReport)->isEnabled(), f.action(C::TenReportsFurther)->isEnabled()}),
                  enabled);
    }
}

TEST(MainWindow, PressesSelectOrZoomThenRunTheFollowUpsAndSelectionsSurviveATurnChange)
{
    MainWindowFixture f;
    ASSERT_TRUE(f.start());
    zoomOut(f);
    f.paint();
    const auto [a, b] = twoPlanets(f.session().game());
    ASSERT_TRUE(a && b);
    ViewState& view = f.session().view();
    // A follow-up notes the zoom it sees: it runs after the press has done its work.
    std::vector<int> seen;
    f.main->addPressFollowUp([&](const PressResult*) { seen.push_back(view.zoomfactor); });
    // Where a press is and the first and second selection after it.
    const std::tuple<QPoint, const planetrecord*, const planetrecord*> presses[] = {
        {centreOf(f, *a), a, nullptr}, {centreOf(f, *b), a, b}, {centreOf(f, *a), b, a},
        {{3, 3}, nullptr, nullptr}, // the canvas's left margin is always black
    };
    for (const auto& [at, first, second] : presses) {
        f.paint();
        f.main->mapPressed(at);
        EXPECT_EQ(view.firstselection.isSet() ? view.firstselection.x : -1, first ? first->x : -1);
        EXPECT_EQ(view.secondselection.isSet() ? view.secondselection.x : -1, second ? second->x : -1);
    }
    // In zoom mode a press zooms in and selects nothing; the follow-ups see the new zoom.
    f.action(C::ZoomOnMouse)->trigger();
    f.main->mapPressed(centreOf(f, *a));
    EXPECT_TRUE(view.zoomfactor > 5 && !view.firstselection.isSet());
    EXPECT_EQ(seen, (std::vector<int>{5, 5, 5, 5, view.zoomfactor}));

    // A selection survives a change of turn by its position.
    f.action(C::ZoomOnMouse)->trigger();
    zoomOut(f);
    f.paint();
    f.main->mapPressed(centreOf(f, *a));
    const planetrecord target = *a;
    f.trigger(C::PreviousReport);
    EXPECT_EQ(f.session().game().currentturn, 1);
    EXPECT_TRUE(view.firstselection.isSet() && view.firstselection.x == target.x && view.firstselection.y == target.y);
    EXPECT_FALSE(f.main->panelText("LabelSelection").isEmpty());
}

// The grid's rows are other groups after a refill: no command may act on a row chosen before.
TEST(MainWindow, EveryRefillOfTheGroupsGridLeavesItWithoutASelection)
{
    MainWindowFixture f;
    ASSERT_TRUE(f.start());
    const Game& g = f.session().game();
    // The own planet with the most groups, and another planet.
    const auto [best, most] = busiestOwnPlanet(g);
    ASSERT_TRUE(best && most >= 2);
    const QString planet = QString::fromStdString(best->name.str());
    const QString other = QString::fromStdString((best == &g.turn.planets[0] ? g.turn.planets[1] : g.turn.planets[0]).name.str());
    TStringGridOR& grid = f.main->groupsGrid();
    const std::pair<const char*, std::function<void()>> refills[] = {
        {"turn step", [&] { f.trigger(C::PreviousReport); }},
        {"another planet", [&] { f.main->SelectPlanet(other); }},
        {"filter", [&] { f.main->setGroupFilter(GroupFilter::Military); }},
    };
    for (const auto& [what, refill] : refills) {
        SCOPED_TRACE(what);
        f.trigger(C::NextReport);
        f.main->setGroupFilter(GroupFilter::All);
        f.main->SelectPlanet(planet);
        grid.selectRows(2, 2);
        ASSERT_EQ(grid.selectedRow(), 2);
        refill();
        EXPECT_EQ(grid.selectedRow(), -1);
    }
}

TEST(MainWindow, TheFilmReturnsToTheTurnItStartedFromAndALoadStopsIt)
{
    MainWindowFixture f(5);
    ASSERT_TRUE(f.start());
    f.main->registry().saveConfiguration("Film", f.main->currentConfiguration());
    f.trigger(C::PreviousReport);
    QAction* film = f.action(C::Film);
    // Played to its end, stopped in the middle by a second press, stopped by loading a configuration.
    const std::pair<std::function<void()>, int> ends[] = {
        {[&] { for (int tick = 0; tick < 20 && f.session().filmRunning(); ++tick) f.session().filmTick(); }, 3},
        {[&] { f.session().filmTick(), film->trigger(); }, 3},
        {[&] { f.session().filmTick(), f.main->loadAndStartConfiguration("Film"); }, 4}};
    for (const auto& [end, turn] : ends) {
        film->trigger();
        EXPECT_TRUE(f.session().filmRunning() && film->isChecked());
        end();
        EXPECT_FALSE(f.session().filmRunning() || film->isChecked());
        EXPECT_EQ(f.session().game().currentturn, turn);
    }
}

// The zoom commands stop at the zoom's limits. A saved zoom left in the view by an earlier
// configuration belongs to "Zoom to saved position": a start without a stored map position keeps
// the zoom it fitted to the map's width.
TEST(MainWindow, TheZoomStaysInItsLimitsAndAStartWithoutAStoredMapPositionKeepsIt)
{
    MainWindowFixture f;
    ASSERT_TRUE(f.start());
    f.trigger(C::ZoomOut, 50);
    EXPECT_EQ(f.session().view().zoomfactor, minimumZoom);
    EXPECT_TRUE(!f.action(C::ZoomOut)->isEnabled() && f.action(C::ZoomIn)->isEnabled());
    f.trigger(C::ZoomIn, 50);
    EXPECT_EQ(f.session().view().zoomfactor, maximumZoom);
    EXPECT_TRUE(!f.action(C::ZoomIn)->isEnabled() && !f.action(C::ZoomOnMouse)->isEnabled() && f.action(C::ZoomOut)->isEnabled());
    EXPECT_EQ(f.main->map().canvasSize().width(), f.session().game().mapwidth * maximumZoom + 55);
    Configuration zoomed = f.main->currentConfiguration();
    zoomed.includeMapPosition = true;
    f.main->registry().saveConfiguration("Zoomed", zoomed);
    f.main->loadAndStartConfiguration("Zoomed");
    ASSERT_EQ(f.session().view().savedzoom, maximumZoom);

    // None saved: a configuration created anew.
    ASSERT_TRUE(f.start());
    const int fitted = std::clamp(f.main->map().viewportSize().width() / f.session().game().mapwidth, minimumZoom,
                                  maximumZoom);
    ASSERT_LT(fitted, maximumZoom);
    EXPECT_TRUE(f.session().view().zoomfactor == fitted && f.action(C::ZoomIn)->isEnabled());
    // A configuration stored without its map position.
    Configuration plain = f.main->currentConfiguration();
    plain.includeMapPosition = false;
    f.main->registry().saveConfiguration("Plain", plain);
    f.main->loadAndStartConfiguration("Plain");
    EXPECT_EQ(f.session().view().zoomfactor, fitted);
    EXPECT_EQ(f.main->map().canvasSize().width(), f.session().game().mapwidth * fitted + 55);
}

TEST(MainWindow, TogglesAreKeptInStepAndInTheConfiguration)
{
    MainWindowFixture f(2);
    ASSERT_TRUE(f.start());
    // Names, information, strength bars, circles.
    const auto shown = [&f] {
        std::vector<bool> on;
        for (ToggleIndex t : {tgNames, tgShowInfo, tgShowInfo2, tgCircles}) on.push_back(f.main->toggleAction(t)->isChecked());
        return on;
    };
    EXPECT_EQ(shown(), (std::vector<bool>{false, false, false, true}));
    // The menu entry and the bar button are one action: pressing the button checks the entry.
    f.main->barButton(C::Names)->click();
    // Information and strength bars exclude each other.
    f.main->toggleAction(tgShowInfo)->trigger();
    f.main->toggleAction(tgShowInfo2)->trigger();
    f.main->toggleAction(tgCircles)->trigger();
    const std::vector<bool> set = {true, false, true, false};
    EXPECT_EQ(shown(), set);
    f.main->registry().saveConfiguration("Kept", f.main->currentConfiguration());
    f.main->close();
    f.open();
    EXPECT_NE(shown(), set);
    f.main->loadAndStartConfiguration("Kept");
    EXPECT_EQ(shown(), set);
    EXPECT_TRUE(f.session().game().currentturn == 1 && f.session().game().reportname == "game");
}

TEST(MainWindow, StartWithoutAnyConfigurationShowsTheNoConfigurationWindow)
{
    MainWindowFixture f(1);
    f.main->startUp(QString());
    EXPECT_TRUE(f.main->noConfigurationWindow().isVisible() && f.session().game().turn.planets.empty());
    // Its F1 opens the main window's help at the page on configurations.
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&f.main->noConfigurationWindow(), &f1);
    EXPECT_TRUE(f.main->helpWindow().isVisible() && f.main->helpWindow().currentKeyword() == "configurations");
    // A named configuration that does not exist is an error instead.
    f.main->noConfigurationWindow().hide();
    f.main->startUp("Missing.cfg");
    EXPECT_FALSE(f.main->noConfigurationWindow().isVisible());
    ASSERT_EQ(f.boxes.messages.size(), 1u);
    EXPECT_TRUE(f.boxes.messages[0].kind == MessageKind::Error && f.boxes.messages[0].text.startsWith(
        "Couldn't open key\r\nHKEY_CURRENT_USER\\Software\\Orrery\\Configurations\\Missing\r\n"));
}

TEST(MainWindow, DefaultMenuEntriesTheBarsHintsAndItsRowsAtEachWidth)
{
    MainWindowFixture f(1);
    for (MainCommand c : {C::LoadConfiguration, C::HelpIntroduction}) {
        SCOPED_TRACE(f.action(c)->objectName().toStdString());
        QMenu* menu = nullptr;
        for (QObject* o : f.action(c)->associatedObjects())
            if (auto* m = qobject_cast<QMenu*>(o)) menu = m;
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->defaultAction() == f.action(c) && f.action(c)->font().bold());
    }
    // A tool tip event on each button: the button shows its hint, the text editor's shows nothing
    // (not even its caption), so the tip shown before stays.
    int buttons = 0;
    for (const MainCommandEntry& entry : mainCommands()) {
        QToolButton* button = f.main->barButton(entry.command);
        if (!button) continue;
        SCOPED_TRACE(entry.name);
        const QPoint at = button->rect().center();
        QToolTip::showText(button->mapToGlobal(at), QStringLiteral("before"));
        QHelpEvent tip(QEvent::ToolTip, at, button->mapToGlobal(at));
        QApplication::sendEvent(button, &tip);
        EXPECT_EQ(QToolTip::text(), entry.command == C::TextEditor ? QStringLiteral("before") : QString::fromLatin1(entry.hint));
        ++buttons;
    }
    EXPECT_GT(buttons, 0);
    QToolTip::hideText();

    // Below 1048 pixels the bar has two rows (the second at top 36); from 1048 the second row moves
    // up beside the first (670 pixels to the right, at top 6) and the bar is 37 pixels high.
    QWidget* bar = f.main->buttonBar();
    std::map<QToolButton*, QPoint> narrow;
    f.main->resize(1047, 607);
    QApplication::processEvents();
    EXPECT_EQ(bar->height(), 66);
    for (QToolButton* b : bar->findChildren<QToolButton*>()) {
        narrow[b] = b->pos();
        EXPECT_TRUE(b->y() == 6 || b->y() == 36) << b->objectName().toStdString();
    }
    EXPECT_GT(std::count_if(narrow.begin(), narrow.end(), [](const auto& b) { return b.second.y() == 36; }), 10);
    for (int width : {1048, 1600, 1047, 800}) {
        SCOPED_TRACE(width);
        f.main->resize(width, 607);
        QApplication::processEvents();
        ASSERT_EQ(bar->width(), width);
        const bool oneRow = width >= 1048;
        EXPECT_EQ(bar->height(), oneRow ? 37 : 66);
        for (const auto& [b, at] : narrow)
            EXPECT_EQ(b->pos(), at.y() == 36 && oneRow ? at + QPoint(670, -30) : at) << b->objectName().toStdString();
    }
}

TEST(MainWindow, ARealGameIsCreatedAndSteppedThroughEveryTurn)
{
    ORRERY_REQUIRE_CORPUS();
    MainWindowFixture f(1);
    const std::string folder = f.dir.path() + "beta/";
    ASSERT_TRUE(copyCorpus("gng-game1/beta", folder));
    ASSERT_TRUE(f.main->createConfigurationFrom(QString::fromStdString(folder + "beta0.txt")));
    EXPECT_EQ(f.session().game().currentturn, 15);
    f.boxes.clear();
    for (int turn = 14; turn >= 0; --turn) {
        f.trigger(C::PreviousReport);
        SCOPED_TRACE(turn);
        EXPECT_EQ(f.main->reportLabelText(), QString("report: %1").arg(turn));
        f.paint();
    }
    EXPECT_TRUE(f.boxes.messages.empty());
    // Beta's home planet, still called 12 in turn 0 (it became Betelgeuse in turn 1).
    f.main->SelectPlanet("12");
    EXPECT_EQ((QStringList{f.main->panelText("LabelSelection"), f.main->panelText("LabelOwner"), f.main->panelText("LabelSize")}),
              (QStringList{"Name: 12", "Owner: race_2", "Size: 1000.00"}));
    f.trigger(C::NextReport);
    EXPECT_TRUE(f.session().view().firstselection.isSet() && f.main->panelText("LabelSelection") == "Name: Betelgeuse");
}
