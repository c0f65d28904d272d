#include "session.h"

#include "fileio.h"
#include "intelligence.h"
#include "reportpath.h"
#include "textrules.h"
#include "turnstatistics.h"

#include <algorithm>

namespace orrery {

namespace {

const char* const illegalReportName =
    "Illegal format of report filename!\r\nFilename has to be of type <name><number>.<extension>\r\nwhere <name> and "
    "<extension> are strings, <number> is a number\r\nstarting with 0 for turn report 0.\r\nExample: "
    "turn0.txt\r\n\r\nPlease rename your turn report(s) and try again.";
const char* const noReports = "No reports in turndirectory!\r\nPlease create a new configuration.";
const char* const adjustSettings =
    "Now, adjust the settings of the map buttons as you like. Then,\r\nopen the Move Editor and load a previously "
    "saved move or fill\r\nin the fields \"Name of Galaxy game\", \"Name of your race\" and\r\n\"Password\" manually. "
    "Press F1 for details.\r\nFinally, DON'T FORGET TO SAVE THIS CONFIGURATION";

std::string badTurnMessage(int turn) { return "Error in turn report " + std::to_string(turn) + "!"; }

racestatrecord statisticsOf(const playerrecord& p, std::size_t position, bool byName)
{
    racestatrecord r;
    r.name = byName ? p.name : shortname(std::to_string(position));
    r.industry = p.industry;
    r.population = p.population;
    r.planets = p.planetcount;
    // A quarter of the population above the industry counts as production too.
    r.production = p.population > p.industry ? p.industry + (p.population - p.industry) / 4 : p.industry;
    r.drivetech = p.drivetech;
    r.weapontech = p.weapontech;
    r.shieldtech = p.shieldtech;
    r.cargotech = p.cargotech;
    r.techsum = p.drivetech + p.weapontech + p.shieldtech + p.cargotech;
    return r;
}

} // namespace

Session::Session(SessionUi& ui) : ui_(ui)
{
    game_.gametype = gtStandard;
    game_.mapwidth = -99999;
    game_.mapheight = -99999;
}

void Session::useReportSet(const std::string& turndirectory, const std::string& reportname,
                           const std::string& reportext, std::int32_t gametype, std::int32_t homeplanetcount)
{
    if (filmRunning_) stopFilm();
    releaseDesigns();
    game_.turndirectory = withTrailingSeparator(turndirectory);
    game_.reportname = reportname;
    game_.reportext = reportext;
    game_.gametype = gametype;
    game_.homeplanetcount = homeplanetcount;
    storedGameType_ = gametype;
    settings_.turnDirectory = game_.turndirectory;
    settings_.reportName = reportname;
    settings_.reportExt = reportext;
    settings_.gameType = gametype;
    settings_.planetsPerPlayer = homeplanetcount;
}

void Session::releaseDesigns()
{
    if (!game_.shiptypes.empty() && !game_.turndirectory.empty()) {
        if (const Status written = writeOwnDesigns(game_); !written)
            ui_.message(MessageKind::Error, written.error().text());
    }
    game_.shiptypes.clear();
}

bool Session::createConfiguration(const std::string& chosenReport)
{
    game_.homeplanetcount = -1;
    view_.savedscrollx = -1;
    view_.zoomfactor = -1;
    const std::size_t slash = chosenReport.rfind(directorySeparator);
    const std::string folder = slash == std::string::npos ? std::string(".") : chosenReport.substr(0, slash);
    std::string name = slash == std::string::npos ? chosenReport : chosenReport.substr(slash + 1);
    std::string extension;
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) {
        extension = name.substr(dot);
        name.resize(dot);
    }
    if (name.empty() || name.back() != '0') {
        ui_.message(MessageKind::Error, illegalReportName);
        return false;
    }
    name.pop_back();
    if (filmRunning_) stopFilm();
    releaseDesigns();
    game_.turndirectory = withTrailingSeparator(folder.empty() ? std::string("/") : folder);
    game_.reportname = name;
    game_.reportext = extension;
    storedGameType_ = gtUnknown;
    if (!startConfiguration()) return false;

    if (game_.homeplanetcount == -1) {
        // The intelligence existed already, so turn 0 was not looked at: its own planets are the
        // home planets. Reading it changes nothing of the shown turn.
        if (const std::optional<TurnRead> turnZero = readTurnFiles(game_, 0))
            game_.homeplanetcount = static_cast<std::int32_t>(
                std::count_if(turnZero->turn.planets.begin(), turnZero->turn.planets.end(),
                              [](const planetrecord& p) { return p.ownercode == ocOwn; }));
    }
    settings_.turnDirectory = game_.turndirectory;
    settings_.reportName = game_.reportname;
    settings_.reportExt = game_.reportext;
    settings_.gameType = game_.gametype;
    settings_.planetsPerPlayer = game_.homeplanetcount;
    ui_.message(MessageKind::Information, adjustSettings, HelpTopic::NewConfiguration);
    return true;
}

void Session::keepVersion31()
{
    // Reports never tell GalaxyNG 3.1 from GalaxyNG: the player's choice is kept.
    if (storedGameType_ == gtGalaxyNG31 && game_.gametype == gtGalaxyNG) game_.gametype = gtGalaxyNG31;
}

void Session::fitZoomIfUnknown()
{
    if (view_.zoomfactor != -1 || game_.mapwidth <= 0) return;
    view_.zoomfactor = std::clamp(ui_.mapViewportWidth() / game_.mapwidth, minimumZoom, maximumZoom);
    ui_.zoomChanged();
}

bool Session::startFailed(const std::string& message)
{
    release(game_, false);
    ui_.repaintMap();
    ui_.message(MessageKind::Error, message);
    return false;
}

bool Session::startConfiguration()
{
    if (filmRunning_) stopFilm();
    // Everything is rebuilt from the game's own files, its designs too.
    releaseDesigns();
    game_.gametype = gtUnknown;
    view_.clearSelections();
    ui_.showPanelForLabel("");

    int last = -1;
    while (fileExists(game_.reportFile(last + 1))) ++last;
    if (last < 0) {
        ui_.message(MessageKind::Error, noReports);
        return false;
    }
    game_.lastturn = last;

    // Intelligence for every turn that has none yet; the zoom is left as it was.
    const std::int32_t zoom = view_.zoomfactor;
    AutoIntelHooks hooks;
    hooks.confirmGameType = [this](std::int32_t detected, const std::string& details) {
        return ui_.confirmGameType(detected, details);
    };
    hooks.turnShown = [this] {
        ui_.turnButtonsVisible(game_.currentturn != 0);
        ui_.reportLabelChanged(game_.currentturn);
        keepVersion31();
        ui_.turnRead();
        ui_.repaintMap();
        fitZoomIfUnknown();
    };
    if (const Status intelligence = runAutomaticIntelligence(game_, hooks); !intelligence)
        ui_.message(MessageKind::Error, intelligence.error().text());
    if (view_.zoomfactor != zoom) {
        view_.zoomfactor = zoom;
        ui_.zoomChanged();
    }

    game_.mapwidth = -1;
    readTurn(game_.lastturn);
    // Blind Galaxy reports without map printing have no text map: the header's map size serves.
    if (game_.mapwidth == -1 && game_.gametype == gtBlind && !game_.gameoptions.map) {
        game_.mapwidth = truncToInt(game_.gameoptions.mapsize);
        game_.mapheight = game_.mapwidth;
    }
    fitZoomIfUnknown();
    if (!isUsableTurn()) return startFailed(badTurnMessage(game_.lastturn));

    buildStatistics();
    // The statistics read every report without touching the shown turn; the label shows it again.
    ui_.reportLabelChanged(game_.currentturn);
    ui_.mapResized(true);
    readOwnDesigns(game_);
    completeTurn(game_, planetSizesShown());
    readPlanetIntelligence(game_, true);

    setSteps(StepState{game_.currentturn != 0, game_.currentturn != 0, false, false});
    ui_.repaintMap();
    ui_.shipDesignerRefresh();
    return true;
}

bool Session::readTurn(int turnNumber)
{
    ui_.turnButtonsVisible(turnNumber != 0);
    std::optional<TurnRead> read = readTurnFiles(game_, turnNumber);
    if (!read) {
        release(game_, true);
        return false;
    }
    ui_.reportLabelChanged(turnNumber);
    showTurnRead(game_, std::move(*read), turnNumber);
    keepVersion31();
    ui_.turnRead();
    return true;
}

void buildTurnStatistics(const Game& game, std::vector<turnstatnode>& turnstats,
                         std::vector<chartracerecord>& chartraces, const std::function<void(int)>& progress)
{
    turnstats.clear();
    chartraces.clear();
    const bool byName = game.gametype == gtStandard || game.gametype == gtBlind;
    for (int t = 0; t <= game.lastturn; ++t) {
        // Each node is read on its own, so a report that went missing leaves an empty node of
        // its own number instead of shifting the turns after it.
        if (progress) progress(t);
        turnstatnode node;
        node.turn = t;
        if (const auto players = readTurnPlayers(game, t)) {
            for (std::size_t k = 0; k < players->size(); ++k)
                node.races.push_back(statisticsOf((*players)[k], k, byName));
        }
        turnstats.push_back(std::move(node));
    }
    if (byName) {
        for (const turnstatnode& node : turnstats)
            for (const racestatrecord& r : node.races)
                if (std::none_of(chartraces.begin(), chartraces.end(),
                                 [&](const chartracerecord& c) { return c.name == r.name; }))
                    chartraces.push_back({r.name, false});
    } else {
        for (const playerrecord& p : game.turn.players) chartraces.push_back({p.name, false});
    }
    if (!chartraces.empty()) chartraces.front().display = true;
}

void Session::buildStatistics()
{
    buildTurnStatistics(game_, turnstats_, chartraces_, [this](int t) { ui_.reportLabelChanged(t); });
}

bool Session::isUsableTurn() const
{
    // A map size of 0 or below is as unusable as none at all: the map could not be drawn.
    return game_.mapwidth > 0 && game_.mapheight > 0 && !game_.turn.players.empty() && !game_.turn.planets.empty();
}

void Session::setSteps(const StepState& steps)
{
    steps_ = steps;
    ui_.stepCommandsChanged(steps_);
}

void Session::readAndComplete(int turnNumber)
{
    if (!readTurn(turnNumber)) return;
    completeTurn(game_, planetSizesShown());
    readPlanetIntelligence(game_, true);
}

void Session::nextReport()
{
    if (steps_.next) changeTurn(1);
}

void Session::previousReport()
{
    if (steps_.previous) changeTurn(-1);
}

void Session::tenReportsFurther()
{
    if (steps_.tenFurther) changeTurn(std::min(10, game_.lastturn - game_.currentturn));
}

void Session::tenReportsBack()
{
    if (steps_.tenBack) changeTurn(-std::min(10, game_.currentturn));
}

void Session::changeTurn(int delta)
{
    StepState steps = steps_;
    if (delta < 0) steps.next = steps.tenFurther = true;
    if (delta > 0) steps.previous = steps.tenBack = true;
    setSteps(steps);

    const int wanted = game_.currentturn + delta;
    readAndComplete(wanted);
    std::string reselected;
    if (isUsableTurn()) {
        ui_.mapResized(false);
        ui_.repaintMap();
        if (delta > 0 && game_.currentturn == game_.lastturn) steps.next = steps.tenFurther = false;
        if (delta < 0 && game_.currentturn == 0) steps.previous = steps.tenBack = false;
        setSteps(steps);
        reselectAfterTurnChange();
        if (const mapselection* s = view_.recentSelection()) reselected = s->name.str();
    } else {
        // The designs of all races (the player's own among them) outlive a turn that cannot be
        // shown: ships.ori is written from them when the program closes.
        release(game_, true);
        ui_.repaintMap();
        ui_.message(MessageKind::Error, badTurnMessage(wanted));
    }
    ui_.refreshOpenViews(reselected);
}

void Session::reselectAfterTurnChange()
{
    mapselection* recent = view_.secondselection.isSet() ? &view_.secondselection
                           : view_.firstselection.isSet() ? &view_.firstselection
                                                          : nullptr;
    if (!recent) return;
    for (const planetrecord& p : game_.turn.planets) {
        if (p.x != recent->x || p.y != recent->y) continue;
        recent->ownercode = p.ownercode;
        recent->radiusx = recent->radiusy = planetSymbolRadius(p.size, planetSizesShown());
        recent->name = p.altname.empty() ? p.name : p.altname;
        ui_.showPanelForLabel(recent->name.str());
        return;
    }
    view_.clearSelections();
    ui_.repaintMap();
}

void Session::startFilm()
{
    if (filmRunning_) {
        stopFilm();
        return;
    }
    view_.clearSelections();
    ui_.showPanelForLabel("");
    filmReturnTurn_ = game_.currentturn;
    game_.currentturn = 0;
    filmRunning_ = true;
    ui_.filmButton(true);
    ui_.filmTimer(true, settings_.filmDelay);
}

void Session::filmTick()
{
    if (!filmRunning_) return;
    if (game_.currentturn == game_.lastturn + 1) {
        stopFilm();
        return;
    }
    const std::int32_t turn = game_.currentturn;
    readAndComplete(turn);
    ui_.mapResized(false);
    ui_.repaintMap();
    ui_.refreshOpenViews("");
    game_.currentturn = turn + 1;
}

void Session::stopFilm()
{
    if (!filmRunning_) return;
    ui_.filmTimer(false, settings_.filmDelay);
    filmRunning_ = false;
    game_.currentturn = filmReturnTurn_;
    readAndComplete(filmReturnTurn_);
    ui_.mapResized(false);
    ui_.repaintMap();
    ui_.refreshOpenViews("");
    ui_.filmButton(false);
}

Status Session::close()
{
    if (filmRunning_) {
        ui_.filmTimer(false, settings_.filmDelay);
        filmRunning_ = false;
    }
    const Status written = writeOwnDesigns(game_);
    if (!written) ui_.message(MessageKind::Error, written.error().text());
    release(game_, false);
    turnstats_.clear();
    chartraces_.clear();
    return written;
}

} // namespace orrery
