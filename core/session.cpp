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
        // No turn of this folder is known: nothing is looked for after the last turn of another.
        game_.lastturn = -1;
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
    if (!isUsableTurn()) return startFailed(turnErrorMessage(game_.lastturn));

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
        // A report that went away: its turn is the one shown (empty), so the steps lead on past it
        // instead of back to it.
        release(game_, true);
        game_.currentturn = turnNumber;
        ui_.reportLabelChanged(turnNumber);
        return false;
    }
    ui_.reportLabelChanged(turnNumber);
    showTurnRead(game_, std::move(*read), turnNumber);
    keepVersion31();
    ui_.turnRead();
    return true;
}

namespace {

turnstatnode statisticsNode(const Game& game, int turnNumber, bool byName)
{
    // Each node is read on its own, so a report that went missing leaves an empty node of its
    // own number instead of shifting the turns after it.
    turnstatnode node;
    node.turn = turnNumber;
    if (const auto players = readTurnPlayers(game, turnNumber)) {
        for (std::size_t k = 0; k < players->size(); ++k)
            node.races.push_back(statisticsOf((*players)[k], k, byName));
    }
    return node;
}

bool statisticsByName(const Game& game) { return game.gametype == gtStandard || game.gametype == gtBlind; }

std::vector<chartracerecord> chartRacesOf(const std::vector<turnstatnode>& turnstats,
                                          const std::vector<playerrecord>& lastPlayers, bool byName)
{
    std::vector<chartracerecord> chartraces;
    if (byName) {
        for (const turnstatnode& node : turnstats)
            for (const racestatrecord& r : node.races)
                if (std::none_of(chartraces.begin(), chartraces.end(),
                                 [&](const chartracerecord& c) { return c.name == r.name; }))
                    chartraces.push_back({r.name, false});
    } else {
        for (const playerrecord& p : lastPlayers) chartraces.push_back({p.name, false});
    }
    if (!chartraces.empty()) chartraces.front().display = true;
    return chartraces;
}

} // namespace

void buildTurnStatistics(const Game& game, std::vector<turnstatnode>& turnstats,
                         std::vector<chartracerecord>& chartraces, const std::function<void(int)>& progress)
{
    turnstats.clear();
    const bool byName = statisticsByName(game);
    for (int t = 0; t <= game.lastturn; ++t) {
        if (progress) progress(t);
        turnstats.push_back(statisticsNode(game, t, byName));
    }
    chartraces = chartRacesOf(turnstats, game.turn.players, byName);
}

void extendTurnStatistics(const Game& game, std::vector<turnstatnode>& turnstats,
                          std::vector<chartracerecord>& chartraces)
{
    const bool byName = statisticsByName(game);
    for (int t = static_cast<int>(turnstats.size()); t <= game.lastturn; ++t)
        turnstats.push_back(statisticsNode(game, t, byName));
    // The races a start would offer; the ones the player chose for the chart stay chosen.
    std::vector<playerrecord> lastPlayers = game.turn.players;
    if (game.currentturn != game.lastturn)
        if (auto players = readTurnPlayers(game, game.lastturn)) lastPlayers = std::move(*players);
    std::vector<chartracerecord> races = chartRacesOf(turnstats, lastPlayers, byName);
    const bool anyChosen = std::any_of(chartraces.begin(), chartraces.end(), [](const chartracerecord& c) { return c.display; });
    if (anyChosen)
        for (chartracerecord& r : races)
            r.display = std::any_of(chartraces.begin(), chartraces.end(),
                                    [&](const chartracerecord& c) { return c.display && c.name == r.name; });
    chartraces = std::move(races);
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

bool Session::readAndComplete(int turnNumber)
{
    if (!readTurn(turnNumber)) return false;
    completeTurn(game_, planetSizesShown());
    readPlanetIntelligence(game_, true);
    return true;
}

std::string Session::turnErrorMessage(int turnNumber) const
{
    // The report may have been removed or replaced since the game was started: the message names
    // the file, and why it could not be read.
    const std::string file = game_.reportFile(turnNumber);
    if (!fileExists(file))
        if (const Result<std::string> bytes = readFile(file); !bytes)
            return badTurnMessage(turnNumber) + "\r\n" + bytes.error().text();
    return badTurnMessage(turnNumber) + "\r\n" + file;
}

bool Session::isWholeReport(int turnNumber) const
{
    Result<std::string> bytes = readFile(game_.reportFile(turnNumber));
    if (!bytes || bytes->empty()) return false;
    // A report still being written stops in the middle of a line; a whole one ends with a line
    // end (or the end-of-text character).
    const char end = bytes->back();
    if (end != '\n' && end != '\r' && end != '\x1a') return false;
    const ReportText current(std::move(*bytes));
    const Result<ReportText> previous = ReportText::load(game_.reportFile(turnNumber - 1));
    TurnTexts texts;
    texts.current = &current;
    if (previous) texts.previous = &*previous;
    texts.previousintel = readTurnIntel(game_.turnIntelFile(turnNumber - 1));
    // The map size must come from this report, not from the turn shown before.
    GameValues before = GameValues::of(game_);
    before.mapwidth = before.mapheight = -1;
    const TurnRead read = readReport(texts, before, game_.shiptypes);
    if (read.turn.players.empty() || read.turn.planets.empty()) return false;
    const GameValues& v = read.values;
    // Blind Galaxy reports without map printing have no text map: the header's map size serves.
    const bool mapless = v.gametype == gtBlind && !v.gameoptions.map && v.gameoptions.mapsize > 0;
    return (v.mapwidth > 0 && v.mapheight > 0) || mapless;
}

std::vector<int> Session::addNewTurns()
{
    std::vector<int> added;
    if (game_.turndirectory.empty() || game_.lastturn < 0) return added;
    while (fileExists(game_.reportFile(game_.lastturn + 1)) && isWholeReport(game_.lastturn + 1)) {
        ++game_.lastturn;
        added.push_back(game_.lastturn);
    }
    if (added.empty()) return added;

    // The intelligence of the new turns, as a start makes it: it reads each of them in turn, the
    // first with the game's values after the turn before.
    const std::int32_t shown = game_.currentturn;
    const int before = added.front() - 1;
    if (shown != before || filmRunning_)
        if (std::optional<TurnRead> read = readTurnFiles(game_, before)) showTurnRead(game_, std::move(*read), before);
    AutoIntelHooks hooks;
    hooks.confirmGameType = [this](std::int32_t detected, const std::string& details) {
        return ui_.confirmGameType(detected, details);
    };
    hooks.turnShown = [this] { keepVersion31(); };
    if (const Status intelligence = runAutomaticIntelligence(game_, hooks); !intelligence)
        ui_.message(MessageKind::Error, intelligence.error().text());
    extendTurnStatistics(game_, turnstats_, chartraces_);

    // The turn that was shown is shown again; a running film goes on where it was (its counter
    // names the turn it shows next).
    if (filmRunning_) {
        if (shown > 0) readAndComplete(shown - 1);
        game_.currentturn = shown;
    } else {
        readAndComplete(shown);
    }
    StepState steps = steps_;
    steps.next = steps.tenFurther = true;
    setSteps(steps);
    ui_.repaintMap();
    const mapselection* s = view_.recentSelection();
    ui_.refreshOpenViews(s ? s->name.str() : std::string());
    return added;
}

std::string newTurnsQuestion(const Game& game, const std::vector<int>& added)
{
    if (added.empty()) return {};
    const std::string last = std::to_string(added.back());
    std::string text = added.size() == 1 ? "A new turn report has arrived:\r\n"
                                         : std::to_string(added.size()) + " new turn reports have arrived:\r\n";
    for (int t : added) text += game.reportFile(t) + "\r\n";
    return text + "\r\nShow turn " + last + " now?";
}

void Session::showLastTurn()
{
    if (filmRunning_) stopFilm();
    if (game_.currentturn != game_.lastturn) changeTurn(game_.lastturn - game_.currentturn);
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
        ui_.message(MessageKind::Error, turnErrorMessage(wanted));
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
    if (!readAndComplete(turn) || !isUsableTurn()) {
        // A report that went away (or was replaced by something else) ends the film.
        stopFilm();
        ui_.message(MessageKind::Error, turnErrorMessage(turn));
        return;
    }
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
