#pragma once

// The game session: one followed game as the program holds it. It creates and starts
// configurations (finding the reports, producing the intelligence, building the statistics of
// all turns), moves between turns and plays the film. The windows only call it and answer what
// it asks through SessionUi.

#include "autointel.h"
#include "configuration.h"
#include "gamedata.h"
#include "reportreader.h"
#include "result.h"
#include "viewstate.h"

#include <string>
#include <vector>

namespace orrery {

enum class MessageKind { Error, Warning, Information, Question };

// The pages of the help, as the program opens them (the help menu, F1 and the help button of a
// message box).
enum class HelpTopic : std::uint8_t {
    None,
    Introduction,
    MainDisplay,
    Buttons,
    Menus,
    Tools,
    Information,
    Configurations,
    NewConfiguration, // what to do after creating a configuration
    Tips,
    Author,
};

// The statistics of one race in one turn.
struct racestatrecord {
    shortname name; // race name (Standard, Blind) or position in the status table (GalaxyNG)
    double production = 0;
    double industry = 0;
    double population = 0;
    double planets = 0;
    double techsum = 0;
    double drivetech = 0;
    double weapontech = 0;
    double shieldtech = 0;
    double cargotech = 0;
    double chartvalues[3] = {0, 0, 0}; // room for the values the chart computes
};

struct turnstatnode {
    std::int32_t turn = 0;
    std::vector<racestatrecord> races;
};

struct chartracerecord {
    shortname name;
    bool display = false;
};

// Which of the four turn steps can be used.
struct StepState {
    bool previous = false;
    bool tenBack = false;
    bool next = false;
    bool tenFurther = false;
    bool operator==(const StepState&) const = default;
};

// What the session asks of the program. Every method has a harmless default so that the
// command-line tool and tests implement only what they need.
class SessionUi {
public:
    virtual ~SessionUi() = default;
    // The report label shows "report: " and the number of the turn being read.
    virtual void reportLabelChanged(int turn) {}
    // The turn overview and chart buttons are visible only when the shown turn is not 0.
    virtual void turnButtonsVisible(bool visible) {}
    // A turn has been read and shown: symbol and battle sizes are due, and the game options
    // button is shown only in Blind Galaxy.
    virtual void turnRead() {}
    // Message boxes: returns the answer to a question (Yes = true); an information with a help
    // topic offers that page of the help.
    virtual bool message(MessageKind kind, const std::string& text, HelpTopic help = HelpTopic::None) { return true; }
    // The game type window, asked while the intelligence of turn 0 is produced.
    virtual GameTypeChoice confirmGameType(std::int32_t detected, const std::string& details)
    {
        return {detected == gtUnknown ? gtStandard : detected, false};
    }
    // Width of the map's viewport in pixels (for fitting the zoom to the map's width).
    virtual int mapViewportWidth() { return 800; }
    virtual void zoomChanged() {}
    // The map canvas is to be sized to the shown turn at the current zoom; restoreScroll: scroll
    // to the saved position (or the middle) as after a start.
    virtual void mapResized(bool restoreScroll) {}
    virtual void repaintMap() {}
    virtual void stepCommandsChanged(const StepState& steps) {}
    // The planet panel: show the planet of that label (name empty: clear the panel).
    virtual void showPanelForLabel(const std::string& label) {}
    virtual void refreshOpenViews(const std::string& planet) {}
    virtual void shipDesignerRefresh() {}
    virtual void filmTimer(bool on, int interval) {}
    virtual void filmButton(bool down) {}
};

// The question after new turns arrived (added: their numbers, in order): which reports came and
// whether the last is to be shown.
std::string newTurnsQuestion(const Game& game, const std::vector<int>& added);

class Session {
public:
    explicit Session(SessionUi& ui);

    Game& game() { return game_; }
    const Game& game() const { return game_; }
    ViewState& view() { return view_; }
    const ViewState& view() const { return view_; }
    Configuration& settings() { return settings_; }
    const Configuration& settings() const { return settings_; }
    const std::vector<turnstatnode>& turnstats() const { return turnstats_; }
    std::vector<chartracerecord>& chartraces() { return chartraces_; }
    const std::vector<chartracerecord>& chartraces() const { return chartraces_; }
    const StepState& steps() const { return steps_; }

    // Takes the report set of a configuration: turn directory, report name and extension, the
    // game type and the number of home planets.
    void useReportSet(const std::string& turndirectory, const std::string& reportname, const std::string& reportext,
                      std::int32_t gametype, std::int32_t homeplanetcount);

    // "Create configuration...": from the report of turn 0 the player chose. False when the name
    // is not of the form <name>0<extension> or the start failed (the message was shown).
    bool createConfiguration(const std::string& chosenReport);
    // Starts the loaded configuration: finds the last turn, produces the missing intelligence,
    // reads the last turn and builds the statistics of all turns.
    bool startConfiguration();

    // A running game gets new reports: every report after the last turn that reads as a whole
    // turn (one still being written does not) becomes a turn of the report set, its intelligence
    // is produced and the statistics include it, as a fresh start would make them. The shown
    // turn (or the film) stays; the steps reach the new turns. Returns the turns added, in order.
    std::vector<int> addNewTurns();
    // The report of that turn reads as a whole turn: players, planets and a map size.
    bool isWholeReport(int turnNumber) const;
    // Shows the last turn (after new turns arrived).
    void showLastTurn();

    // The four turn steps; a step that cannot be used does nothing.
    void nextReport();
    void previousReport();
    void tenReportsFurther();
    void tenReportsBack();
    // Shows the turn delta turns away (the common part of the steps).
    void changeTurn(int delta);
    // A turn can be shown when it has players, planets and a map size.
    bool isUsableTurn() const;

    // The film: every turn from the first to the last, one per timer tick.
    void startFilm();
    void filmTick();
    void stopFilm();
    bool filmRunning() const { return filmRunning_; }

    // Closing the main window: the own designs are written to ships.ori, everything released.
    Status close();

    // The planet-size toggle's state decides the map symbol radii.
    bool planetSizesShown() const { return settings_.toggle(tgPlanetSize); }

    // "report: " + turn, the text of the report label.
    static std::string reportLabel(int turn) { return "report: " + std::to_string(turn); }

private:
    bool startFailed(const std::string& message);
    // Reads a turn and makes it the shown one (the lists are emptied when it cannot be read).
    bool readTurn(int turnNumber);
    bool readAndComplete(int turnNumber);
    // "Error in turn report <n>!" with the report's file and, when it cannot be read, why.
    std::string turnErrorMessage(int turnNumber) const;
    // The designs belong to their game: the own ones are written to its ships.ori, then all are
    // released (before another game, or the same one anew, is started).
    void releaseDesigns();
    void buildStatistics();
    void reselectAfterTurnChange();
    void setSteps(const StepState& steps);
    void fitZoomIfUnknown();
    void keepVersion31();

    SessionUi& ui_;
    Game game_;
    ViewState view_;
    Configuration settings_;
    std::vector<turnstatnode> turnstats_;
    std::vector<chartracerecord> chartraces_;
    StepState steps_;
    std::int32_t storedGameType_ = gtStandard;
    bool filmRunning_ = false;
    std::int32_t filmReturnTurn_ = 0;
};

} // namespace orrery
