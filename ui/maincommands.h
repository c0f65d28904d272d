#pragma once

// The main window's commands as one table: every bar button and menu entry with its object name,
// menu caption, hint, menu, place in the button bar and glyph, and for the display toggles the
// toggle it switches. The main window makes its actions, menus and bar from this table alone, and
// holds the actions in an array indexed by MainCommand.

#include "configuration.h"
#include "session.h"

#include <cstdint>
#include <optional>
#include <span>

namespace orrery {

enum class MainCommand : std::uint8_t {
    // Turn
    PreviousReport,
    NextReport,
    TenReportsBack,
    TenReportsFurther,
    // Zoom
    ZoomIn,
    ZoomOut,
    ZoomOnMouse,
    ZoomToSaved,
    // Display (the toggles, in menu order)
    Circles,
    Distance,
    ShowIncoming,
    ShowShips,
    ShowShips2,
    ShowIntelligence,
    ShowBattles,
    ShowBombings,
    ShowCAP,
    ShowMAT,
    ShowCOL,
    ShowEMP,
    Names,
    ShowInfo,
    ShowInfo2,
    PlanetSize,
    BattleSize,
    GroupDistance,
    FleetDistance,
    // Search
    FindPlanet,
    FindRace,
    // Tools
    PlanetView,
    ShipDesign,
    MoveEditor,
    BattleSimulator,
    TextEditor,
    Film,
    // Information
    Races,
    YourPlanets,
    News,
    TurnOverview,
    GameOptions,
    Chart,
    // System
    CreateConfiguration,
    LoadConfiguration,
    SaveConfiguration,
    DeleteConfiguration,
    ChangeOptions,
    LoadTextFile,
    ImportMailbox,
    Exit,
    // Help
    HelpIntroduction,
    HelpMainDisplay,
    HelpButtons,
    HelpMenus,
    HelpTools,
    HelpInformation,
    HelpTips,
    HelpAuthor,
    About,
    // No menu entry: Ctrl+Alt+D.
    DebugWindow,
};
inline constexpr std::size_t mainCommandCount = static_cast<std::size_t>(MainCommand::DebugWindow) + 1;

enum class MainMenu : std::uint8_t { None, System, Turn, Zoom, Display, Search, Tools, Information, Help };

struct MainCommandEntry {
    MainCommand command;
    const char* name;    // object name of the action and its bar button
    const char* caption; // menu entry
    const char* hint;    // nullptr: no hint
    MainMenu menu = MainMenu::None;
    bool separatorBefore = false;
    bool checkable = false;
    bool defaultEntry = false; // the menu's default entry, shown in bold
    bool laterStep = false;    // its window is not there yet: shown, but disabled
    int barRow = -1;           // 0 first row, 1 second row, -1 not in the bar
    int barLeft = 0;           // left edge in the bar's design (pixels)
    const char* glyph = nullptr;
    std::optional<ToggleIndex> toggle = std::nullopt; // the display toggle it switches
    HelpTopic help = HelpTopic::None;  // the help page it opens
};

// Every command, in the order of the menus (menu bar order, then entry order).
std::span<const MainCommandEntry> mainCommands();
const MainCommandEntry& mainCommand(MainCommand command);
// The command of a display toggle.
MainCommand toggleCommand(ToggleIndex toggle);
// The menus in the order of the menu bar, with their captions.
struct MainMenuEntry {
    MainMenu menu;
    const char* caption;
};
std::span<const MainMenuEntry> mainMenus();

// The button bar: two rows of 25 x 25 buttons in a bar 66 pixels high, the first row at top 6 and
// the second at top 36. A window at least 1048 pixels wide puts the second row beside the first
// (670 pixels further right, at top 6) in a bar 37 pixels high.
inline constexpr int barButtonSize = 25;
struct ButtonBarLayout {
    int height = 66;
    int secondRowShift = 0; // added to the design left of every second-row button
    int secondRowTop = 36;
    bool operator==(const ButtonBarLayout&) const = default;
};
ButtonBarLayout buttonBarLayout(int barWidth);
inline constexpr int firstRowTop = 6;

} // namespace orrery
