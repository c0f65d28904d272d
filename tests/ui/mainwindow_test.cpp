// The main window offscreen: selections across presses and turns, the turn steps and their
// enabled states, the film, zoom limits, the button bar, and the toggles kept in configurations.

#include "TFormMain.h"
#include "TFormNoConfiguration.h"
#include "configstore.h"
#include "galaxygen.h"
#include "mapgeometry.h"
#include "messagerecorder.h"
#include "testfiles.h"

#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;
using namespace orrery::gen;

namespace {

// A generated GalaxyNG game of some turns in a temporary folder, and a main window over a
// settings file of its own.
struct Fixture {
    TempDir dir;
    QSettings settings{QString::fromStdString(dir.file("settings.ini")), QSettings::IniFormat};
    MessageRecorder messages;
    std::unique_ptr<TFormMain> main;
    std::string reportZero;

    explicit Fixture(int turns = 14)
    {
        GalaxyParams params;
        params.planets = 40;
        params.races = 4;
        params.seed = 3;
        writeGame(playGame(params, turns), dir.path(), "game");
        reportZero = dir.file("game0.txt");
        open();
    }
    void open()
    {
        main = std::make_unique<TFormMain>(settings);
        main->gameTypeAnswer = [](std::int32_t detected, const std::string&) {
            return GameTypeChoice{detected == gtUnknown ? gtStandard : detected, false};
        };
        main->resize(800, 607);
        main->show();
    }
    Session& session() { return main->session(); }
    bool enabled(const char* name) { return main->action(QString::fromLatin1(name))->isEnabled(); }
    void trigger(const char* name) { main->action(QString::fromLatin1(name))->trigger(); }
    // Paints the map now, so that presses see what is drawn.
    void paint() { main->grab(); }
    // Zoom 5: the whole of these small galaxies is in view, and planets 2 units apart do not
    // share a pixel.
    void zoomOut()
    {
        for (int i = 0; i < 40; ++i) trigger("SpeedButtonZoomminus");
        for (int i = 0; i < 4; ++i) trigger("SpeedButtonZoomplus");
    }
    QPoint centreOf(const planetrecord& p)
    {
        const MapGeometry g(session().game(), session().view().zoomfactor);
        const int r = SymbolRadius(p, session().planetSizesShown());
        return {g.MapToScreenX(p.x) + r, g.MapToScreenY(p.y) + r};
    }
};

// A planet with no other planet within 2 map units: a press on it hits it alone.
bool isolated(const Game& g, const planetrecord& p)
{
    for (const planetrecord& q : g.turn.planets)
        if (&q != &p && std::abs(q.x - p.x) < 2 && std::abs(q.y - p.y) < 2) return false;
    return true;
}

std::pair<const planetrecord*, const planetrecord*> twoPlanets(const Game& g)
{
    const planetrecord* a = nullptr;
    for (const planetrecord& p : g.turn.planets) {
        if (!isolated(g, p)) continue;
        if (!a)
            a = &p;
        else
            return {a, &p};
    }
    return {a, nullptr};
}

} // namespace

TEST(MainWindow, CreateConfigurationShowsTheLastTurnWithStepsAtTheEnd)
{
    Fixture f;
    ASSERT_TRUE(f.main->createConfigurationFrom(QString::fromStdString(f.reportZero)));
    EXPECT_EQ(f.session().game().currentturn, 13);
    EXPECT_EQ(f.main->reportLabelText(), "report: 13");
    EXPECT_FALSE(f.enabled("SpeedButtonplus"));
    EXPECT_FALSE(f.enabled("SpeedButtonPlus10"));
    EXPECT_TRUE(f.enabled("SpeedButtonminus"));
    EXPECT_TRUE(f.enabled("SpeedButtonMinus10"));
    // The reminder to save the configuration, with its help topic.
    ASSERT_FALSE(f.messages.messages.empty());
    EXPECT_TRUE(f.messages.messages.back().text.startsWith("Now, adjust the settings of the map buttons"));
    EXPECT_EQ(f.messages.messages.back().helpTopic, 930);

    // From turn 7, "ten reports further" goes to 13 and disables both further commands.
    for (int i = 0; i < 6; ++i) f.trigger("SpeedButtonminus");
    ASSERT_EQ(f.session().game().currentturn, 7);
    EXPECT_TRUE(f.enabled("SpeedButtonplus"));
    f.trigger("SpeedButtonPlus10");
    EXPECT_EQ(f.session().game().currentturn, 13);
    EXPECT_FALSE(f.enabled("SpeedButtonplus"));
    EXPECT_FALSE(f.enabled("SpeedButtonPlus10"));
    // The menu entry of a disabled step does nothing either.
    f.main->action("SpeedButtonPlus10")->trigger();
    EXPECT_EQ(f.session().game().currentturn, 13);
    // Ten back from turn 4 reaches 0 and disables both back commands.
    f.trigger("SpeedButtonMinus10");
    EXPECT_EQ(f.session().game().currentturn, 3);
    f.trigger("SpeedButtonplus");
    ASSERT_EQ(f.session().game().currentturn, 4);
    f.trigger("SpeedButtonMinus10");
    EXPECT_EQ(f.session().game().currentturn, 0);
    EXPECT_FALSE(f.enabled("SpeedButtonminus"));
    EXPECT_FALSE(f.enabled("SpeedButtonMinus10"));
}

TEST(MainWindow, PressesRotateTheSelectionsAndBlackSpaceClearsThem)
{
    Fixture f(3);
    ASSERT_TRUE(f.main->createConfigurationFrom(QString::fromStdString(f.reportZero)));
    f.zoomOut();
    f.paint();
    const Game& g = f.session().game();
    const auto [a, b] = twoPlanets(g);
    ASSERT_TRUE(a && b);
    ViewState& view = f.session().view();
    f.main->mapPressed(f.centreOf(*a));
    EXPECT_EQ(view.firstselection.x, a->x);
    EXPECT_FALSE(view.secondselection.isSet());
    EXPECT_TRUE(f.main->panelText("LabelSelection").startsWith("Name: "));
    f.paint();
    f.main->mapPressed(f.centreOf(*b));
    EXPECT_EQ(view.firstselection.x, a->x);
    EXPECT_EQ(view.secondselection.x, b->x);
    f.paint();
    f.main->mapPressed(f.centreOf(*a));
    EXPECT_EQ(view.firstselection.x, b->x);
    EXPECT_EQ(view.secondselection.x, a->x);
    // The canvas's left margin is always black.
    f.paint();
    f.main->mapPressed({3, 3});
    EXPECT_FALSE(view.firstselection.isSet());
    EXPECT_FALSE(view.secondselection.isSet());
}

TEST(MainWindow, TheSelectionSurvivesAChangeOfTurnByPosition)
{
    Fixture f(3);
    ASSERT_TRUE(f.main->createConfigurationFrom(QString::fromStdString(f.reportZero)));
    f.zoomOut();
    f.paint();
    const planetrecord target = *twoPlanets(f.session().game()).first;
    f.main->mapPressed(f.centreOf(target));
    ASSERT_TRUE(f.session().view().firstselection.isSet());
    f.trigger("SpeedButtonminus");
    EXPECT_EQ(f.session().game().currentturn, 1);
    const mapselection& s = f.session().view().firstselection;
    ASSERT_TRUE(s.isSet());
    EXPECT_EQ(s.x, target.x);
    EXPECT_EQ(s.y, target.y);
    EXPECT_FALSE(f.main->panelText("LabelSelection").isEmpty());
}

TEST(MainWindow, TheFilmReturnsToTheTurnItStartedFrom)
{
    Fixture f(5);
    ASSERT_TRUE(f.main->createConfigurationFrom(QString::fromStdString(f.reportZero)));
    f.trigger("SpeedButtonminus");
    ASSERT_EQ(f.session().game().currentturn, 3);
    f.trigger("SpeedButtonFilm");
    EXPECT_TRUE(f.session().filmRunning());
    EXPECT_TRUE(f.main->action("SpeedButtonFilm")->isChecked());
    for (int tick = 0; tick < 20 && f.session().filmRunning(); ++tick) f.session().filmTick();
    EXPECT_FALSE(f.session().filmRunning());
    EXPECT_FALSE(f.main->action("SpeedButtonFilm")->isChecked());
    EXPECT_EQ(f.session().game().currentturn, 3);
    // Stopped in the middle by a second press, it returns too.
    f.trigger("SpeedButtonFilm");
    f.session().filmTick();
    f.trigger("SpeedButtonFilm");
    EXPECT_FALSE(f.session().filmRunning());
    EXPECT_EQ(f.session().game().currentturn, 3);
}

TEST(MainWindow, ZoomStaysWithinItsLimits)
{
    Fixture f(2);
    ASSERT_TRUE(f.main->createConfigurationFrom(QString::fromStdString(f.reportZero)));
    for (int i = 0; i < 50; ++i) f.trigger("SpeedButtonZoomplus");
    EXPECT_EQ(f.session().view().zoomfactor, 35);
    EXPECT_FALSE(f.enabled("SpeedButtonZoomplus"));
    EXPECT_FALSE(f.enabled("SpeedButtonZoom"));
    EXPECT_TRUE(f.enabled("SpeedButtonZoomminus"));
    const QSize canvas = f.main->map().canvasSize();
    EXPECT_EQ(canvas.width(), f.session().game().mapwidth * 35 + 55);
    for (int i = 0; i < 50; ++i) f.trigger("SpeedButtonZoomminus");
    EXPECT_EQ(f.session().view().zoomfactor, 1);
    EXPECT_FALSE(f.enabled("SpeedButtonZoomminus"));
    EXPECT_TRUE(f.enabled("SpeedButtonZoomplus"));
}

TEST(MainWindow, TogglesAreKeptInStepAndInTheConfiguration)
{
    Fixture f(2);
    ASSERT_TRUE(f.main->createConfigurationFrom(QString::fromStdString(f.reportZero)));
    QAction* names = f.main->toggleAction(tgNames);
    QAction* info = f.main->toggleAction(tgShowInfo);
    QAction* strength = f.main->toggleAction(tgShowInfo2);
    EXPECT_FALSE(names->isChecked());
    EXPECT_TRUE(f.main->toggleAction(tgCircles)->isChecked());
    // The menu entry and the bar button are one action: pressing the button checks the entry.
    f.main->barButton("SpeedButtonNames")->click();
    EXPECT_TRUE(names->isChecked());
    // Information and strength bars exclude each other.
    info->trigger();
    EXPECT_TRUE(info->isChecked());
    strength->trigger();
    EXPECT_TRUE(strength->isChecked());
    EXPECT_FALSE(info->isChecked());
    f.main->toggleAction(tgCircles)->trigger();

    f.main->registry().saveConfiguration("Kept", f.main->currentConfiguration());
    f.main->close();
    f.open();
    EXPECT_FALSE(f.main->toggleAction(tgNames)->isChecked());
    f.main->loadAndStartConfiguration("Kept");
    EXPECT_TRUE(f.main->toggleAction(tgNames)->isChecked());
    EXPECT_TRUE(f.main->toggleAction(tgShowInfo2)->isChecked());
    EXPECT_FALSE(f.main->toggleAction(tgShowInfo)->isChecked());
    EXPECT_FALSE(f.main->toggleAction(tgCircles)->isChecked());
    EXPECT_EQ(f.session().game().currentturn, 1);
    EXPECT_EQ(f.session().game().reportname, "game");
}

TEST(MainWindow, StartWithoutAnyConfigurationShowsTheNoConfigurationWindow)
{
    Fixture f(1);
    f.main->startUp(QString());
    EXPECT_TRUE(f.main->noConfigurationWindow().isVisible());
    EXPECT_TRUE(f.session().game().turn.planets.empty());
    // A named configuration that does not exist is an error instead.
    f.main->noConfigurationWindow().hide();
    f.main->startUp("Missing.cfg");
    EXPECT_FALSE(f.main->noConfigurationWindow().isVisible());
    ASSERT_FALSE(f.messages.messages.empty());
    EXPECT_TRUE(f.messages.messages.back().text.startsWith(
        "Couldn't open key\r\nHKEY_CURRENT_USER\\Software\\Orrery\\Configurations\\Missing\r\n"));
}

TEST(MainWindow, TheButtonBarTakesOneRowWhenWideEnough)
{
    Fixture f(1);
    QWidget* bar = f.main->buttonBar();
    QToolButton* film = f.main->barButton("SpeedButtonFilm");
    EXPECT_EQ(bar->height(), 66);
    EXPECT_EQ(film->y(), 36);
    const int left = film->x();
    f.main->resize(1200, 607);
    QApplication::processEvents();
    EXPECT_EQ(bar->height(), 37);
    EXPECT_EQ(film->y(), 6);
    EXPECT_EQ(film->x(), left + 670);
    f.main->resize(900, 607);
    QApplication::processEvents();
    EXPECT_EQ(bar->height(), 66);
    EXPECT_EQ(film->x(), left);
}

TEST(MainWindow, LoadingAConfigurationStopsTheFilmFirst)
{
    Fixture f(4);
    ASSERT_TRUE(f.main->createConfigurationFrom(QString::fromStdString(f.reportZero)));
    f.main->registry().saveConfiguration("Film", f.main->currentConfiguration());
    f.trigger("SpeedButtonFilm");
    f.session().filmTick();
    ASSERT_TRUE(f.session().filmRunning());
    f.main->loadAndStartConfiguration("Film");
    EXPECT_FALSE(f.session().filmRunning());
    EXPECT_FALSE(f.main->action("SpeedButtonFilm")->isChecked());
    EXPECT_EQ(f.session().game().currentturn, 3);
}

TEST(MainWindow, ARealGameIsCreatedAndSteppedThroughEveryTurn)
{
    ORRERY_REQUIRE_CORPUS();
    Fixture f(1);
    const std::string folder = f.dir.path() + "beta/";
    ASSERT_TRUE(copyCorpus("gng-game1/beta", folder));
    ASSERT_TRUE(f.main->createConfigurationFrom(QString::fromStdString(folder + "beta0.txt")));
    EXPECT_EQ(f.session().game().currentturn, 15);
    EXPECT_EQ(f.session().game().ownrace, "Beta");
    f.messages.clear();
    for (int turn = 14; turn >= 0; --turn) {
        f.trigger("SpeedButtonminus");
        SCOPED_TRACE(turn);
        EXPECT_EQ(f.session().game().currentturn, turn);
        EXPECT_TRUE(f.session().isUsableTurn());
        EXPECT_EQ(f.main->reportLabelText(), QString("report: %1").arg(turn));
        f.paint();
    }
    EXPECT_TRUE(f.messages.messages.empty());
    EXPECT_FALSE(f.enabled("SpeedButtonminus"));
    // Beta's home planet, still called 12 in turn 0 (it became Betelgeuse in turn 1).
    f.main->SelectPlanet("12");
    EXPECT_EQ(f.main->panelText("LabelSelection"), "Name: 12");
    EXPECT_EQ(f.main->panelText("LabelOwner"), "Owner: race_2");
    EXPECT_EQ(f.main->panelText("LabelSize"), "Size: 1000.00");
    f.trigger("SpeedButtonplus");
    EXPECT_TRUE(f.session().view().firstselection.isSet());
    EXPECT_EQ(f.main->panelText("LabelSelection"), "Name: Betelgeuse");
}
