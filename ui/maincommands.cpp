#include "maincommands.h"

#include <array>

namespace orrery {

namespace {

using C = MainCommand;
using M = MainMenu;

// A display toggle: a checkable entry of the Display menu and a button of the bar's first row.
constexpr MainCommandEntry toggle(C command, const char* name, const char* caption, const char* hint, int left,
                                  const char* glyph, ToggleIndex index)
{
    return {.command = command, .name = name, .caption = caption, .hint = hint, .menu = M::Display,
            .checkable = true, .barRow = 0, .barLeft = left, .glyph = glyph, .toggle = index};
}

// A command of the bar's second row that opens a window, with its menu entry.
constexpr MainCommandEntry window(C command, const char* name, const char* caption, const char* hint, M menu,
                                  int left, const char* glyph, bool laterStep = true)
{
    return {.command = command, .name = name, .caption = caption, .hint = hint, .menu = menu,
            .laterStep = laterStep, .barRow = 1, .barLeft = left, .glyph = glyph};
}

constexpr MainCommandEntry help(C command, const char* name, const char* caption, HelpTopic topic)
{
    return {.command = command, .name = name, .caption = caption, .hint = nullptr, .menu = M::Help,
            .defaultEntry = topic == HelpTopic::Introduction, .help = topic};
}

constexpr MainCommandEntry systemEntry(C command, const char* name, const char* caption, bool separatorBefore = false)
{
    return {.command = command, .name = name, .caption = caption, .hint = nullptr, .menu = M::System,
            .separatorBefore = separatorBefore};
}

const std::array<MainCommandEntry, mainCommandCount> commands = {{
    systemEntry(C::CreateConfiguration, "menuItemCreate", "Create configuration..."),
    {.command = C::LoadConfiguration, .name = "menuItemLoad", .caption = "Load configuration...", .hint = nullptr,
     .menu = M::System, .defaultEntry = true},
    systemEntry(C::SaveConfiguration, "menuItemSave", "Save configuration..."),
    systemEntry(C::DeleteConfiguration, "menuItemDelete", "Delete configuration..."),
    systemEntry(C::ChangeOptions, "menuItemOptions", "Change options...", true),
    {.command = C::LoadTextFile, .name = "menuItemLoadText", .caption = "Load text file...", .hint = nullptr,
     .menu = M::System, .laterStep = true},
    {.command = C::ImportMailbox, .name = "menuItemImportMail", .caption = "Import reports from mailbox...",
     .hint = nullptr, .menu = M::System, .laterStep = true},
    systemEntry(C::Exit, "menuItemExit", "Exit", true),

    {.command = C::PreviousReport, .name = "SpeedButtonminus", .caption = "Previous report", .hint = "previous report",
     .menu = M::Turn, .barRow = 0, .barLeft = 33, .glyph = "\u2039"},
    {.command = C::NextReport, .name = "SpeedButtonplus", .caption = "Next report", .hint = "next report",
     .menu = M::Turn, .barRow = 0, .barLeft = 58, .glyph = "\u203A"},
    {.command = C::TenReportsBack, .name = "SpeedButtonMinus10", .caption = "10 reports back",
     .hint = "ten reports back", .menu = M::Turn, .barRow = 0, .barLeft = 8, .glyph = "\u00AB"},
    {.command = C::TenReportsFurther, .name = "SpeedButtonPlus10", .caption = "10 reports further",
     .hint = "ten reports further", .menu = M::Turn, .barRow = 0, .barLeft = 83, .glyph = "\u00BB"},

    {.command = C::ZoomIn, .name = "SpeedButtonZoomplus", .caption = "Zoom in", .hint = "zoom in", .menu = M::Zoom,
     .barRow = 0, .barLeft = 139, .glyph = "+"},
    {.command = C::ZoomOut, .name = "SpeedButtonZoomminus", .caption = "Zoom out", .hint = "zoom out",
     .menu = M::Zoom, .barRow = 0, .barLeft = 114, .glyph = "\u2212"},
    {.command = C::ZoomOnMouse, .name = "SpeedButtonZoom", .caption = "Zoom in on mouse position",
     .hint = "zoom in on mouse position", .menu = M::Zoom, .checkable = true, .barRow = 0, .barLeft = 164,
     .glyph = "\u2295"},
    {.command = C::ZoomToSaved, .name = "menuItemZoomSaved", .caption = "Zoom to saved position", .hint = nullptr,
     .menu = M::Zoom},

    toggle(C::Circles, "SpeedButtonCircles", "Show distance circles", "show distance circles", 195, "\u25CE", tgCircles),
    toggle(C::Distance, "SpeedButtonDistance", "Show distance", "show distance", 220, "\u2194", tgDistance),
    toggle(C::ShowIncoming, "SpeedButtonShowIncoming", "Show incoming groups", "show incoming groups", 245, "\u21E5",
           tgShowIncoming),
    toggle(C::ShowShips, "SpeedButtonShowShips", "Show ships in hyperspace", "show ships in hyperspace", 270,
           "\u00B7-", tgShowShips),
    toggle(C::ShowShips2, "SpeedButtonShowShips2", "Show ships at planet", "show ships at planet", 295, "+",
           tgShowShips2),
    toggle(C::ShowIntelligence, "SpeedButtonShowIntelligence", "Show intelligence",
           "show planet owners from intelligence ", 320, "?", tgShowIntelligence),
    toggle(C::ShowBattles, "SpeedButtonShowBattles", "Show battles", "show battles", 345, "\u2694", tgShowBattles),
    toggle(C::ShowBombings, "SpeedButtonShowBombings", "Show bombings", "show bombings (from intelligence)", 370,
           "\u2739", tgShowBombings),
    toggle(C::ShowCAP, "SpeedButtonCAP", "Show capital routes", "show capital routes", 395, "$", tgCAP),
    toggle(C::ShowMAT, "SpeedButtonMAT", "Show material routes", "show material routes", 420, "M", tgMAT),
    toggle(C::ShowCOL, "SpeedButtonCOL", "Show colonist routes", "show colonist routes", 445, "C", tgCOL),
    toggle(C::ShowEMP, "SpeedButtonEMP", "Show empty routes", "show empty routes", 470, "E", tgEMP),
    toggle(C::Names, "SpeedButtonNames", "Show planet names", "show planet names", 495, "Ab", tgNames),
    toggle(C::ShowInfo, "SpeedButtonShowInfo", "Show planet information", "show planet information", 520, "i",
           tgShowInfo),
    toggle(C::ShowInfo2, "SpeedButtonShowInfo2", "Show planet defence/weapons/num. of ships",
           "show planet defence/weapons/num. of ships", 545, "\u2261", tgShowInfo2),
    toggle(C::PlanetSize, "SpeedButtonPlanetSize", "Show size of planets", "show size of planets", 570, "\u25CF",
           tgPlanetSize),
    toggle(C::BattleSize, "SpeedButtonBattleSize", "Show size of battles", "show size of battles", 595, "\u25C9",
           tgBattleSize),
    toggle(C::GroupDistance, "SpeedButtonGroupDistance", "Show groups range", "show group range circles", 620, "G",
           tgGroupDistance),
    toggle(C::FleetDistance, "SpeedButtonFleetDistance", "Show fleets range", "show fleet range circles", 645, "F",
           tgFleetDistance),

    window(C::FindPlanet, "SpeedButtonFindPlanet", "Find planet by name", "find planet by name", M::Search, 8,
           "\u2315"),
    window(C::FindRace, "SpeedButtonFindRace", "Find race by name", "find race by name", M::Search, 33, "R?"),

    {.command = C::PlanetView, .name = "SpeedButtonPlanet", .caption = "Planet view", .hint = "planet view",
     .menu = M::Tools, .checkable = true, .laterStep = true, .barRow = 1, .barLeft = 64, .glyph = "P"},
    window(C::ShipDesign, "SpeedButtonShips", "Ship design", "ship design", M::Tools, 89, "S"),
    window(C::MoveEditor, "SpeedButtonMove", "Move Editor", "Move Editor", M::Tools, 114, "\u270E"),
    window(C::BattleSimulator, "SpeedButtonBattle", "Battle Simulator", "Battle Simulator", M::Tools, 139, "\u2694"),
    window(C::TextEditor, "SpeedButtonTextEditor", "Text Editor", nullptr, M::Tools, 164, "T"),
    {.command = C::Film, .name = "SpeedButtonFilm", .caption = "Show film", .hint = "play all reports like a film",
     .menu = M::Tools, .checkable = true, .barRow = 1, .barLeft = 189, .glyph = "\u25B6"},

    window(C::Races, "SpeedButtonRaces", "Show races", "show races", M::Information, 220, "R"),
    window(C::YourPlanets, "SpeedButtonYourPlanets", "Show planets", "show planets", M::Information, 245, "Y"),
    window(C::News, "SpeedButtonNews", "Show news", "show news", M::Information, 270, "N"),
    window(C::TurnOverview, "SpeedButtonTurnOverview", "Show turn overview", "show turn overview", M::Information,
           320, "O"),
    window(C::GameOptions, "SpeedButtonShowOptions", "Show game options", "show game options", M::Information, 345,
           "\u2699"),
    window(C::Chart, "SpeedButtonShowChart", "Show chart", "show chart", M::Information, 295, "\u2197"),

    help(C::HelpIntroduction, "menuItemHelpIntroduction", "Introduction", HelpTopic::Introduction),
    help(C::HelpMainDisplay, "menuItemHelpMainDisplay", "The main display", HelpTopic::MainDisplay),
    help(C::HelpButtons, "menuItemHelpButtons", "Buttons", HelpTopic::Buttons),
    help(C::HelpMenus, "menuItemHelpMenus", "Menus", HelpTopic::Menus),
    help(C::HelpTools, "menuItemHelpTools", "Tools", HelpTopic::Tools),
    help(C::HelpInformation, "menuItemHelpInformation", "Information formulars", HelpTopic::Information),
    help(C::HelpTips, "menuItemHelpTips", "Tips", HelpTopic::Tips),
    help(C::HelpAuthor, "menuItemHelpAuthor", "Contacting the author", HelpTopic::Author),
    {.command = C::About, .name = "menuItemAbout", .caption = "About", .hint = nullptr, .menu = M::Help,
     .separatorBefore = true},

    {.command = C::DebugWindow, .name = "menuItemDebug", .caption = "Debug window", .hint = nullptr},
}};

constexpr std::array<MainMenuEntry, 8> menus = {{
    {M::System, "System"},
    {M::Turn, "Turn"},
    {M::Zoom, "Zoom"},
    {M::Display, "Display"},
    {M::Search, "Search"},
    {M::Tools, "Tools"},
    {M::Information, "Information"},
    {M::Help, "Help"},
}};

} // namespace

std::span<const MainCommandEntry> mainCommands() { return commands; }

const MainCommandEntry& mainCommand(MainCommand command)
{
    for (const MainCommandEntry& e : commands)
        if (e.command == command) return e;
    return commands.back();
}

MainCommand toggleCommand(ToggleIndex index)
{
    for (const MainCommandEntry& e : commands)
        if (e.toggle == index) return e.command;
    return MainCommand::Circles;
}

std::span<const MainMenuEntry> mainMenus() { return menus; }

ButtonBarLayout buttonBarLayout(int barWidth)
{
    // The first row ends at 670 pixels; the fourteen buttons of the second row fit beside it in
    // a window 1048 pixels wide.
    constexpr int oneRowWidth = 1048, firstRowEnd = 670;
    if (barWidth >= oneRowWidth) return ButtonBarLayout{37, firstRowEnd, firstRowTop};
    return ButtonBarLayout{};
}

} // namespace orrery
