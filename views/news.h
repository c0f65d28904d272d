#pragma once

// The contents of the news window: what happened in the shown turn, one page per topic. The
// report's own text (messages, fleet tables, the whole report), a summary of every battle, the
// bombings, the groups heading for the player's planets, the groups of any race and the
// stockpiles on the player's planets. Everything here is built from the game and the report
// text alone; the window only shows it.
//
//     NewsContent news = buildNews(game, reportBytes, detail, GroupFilter::All);
//     news.visible[NewsPage::Battles] ...   news.bombings.cell(0, 1) ...

#include "gamedata.h"
#include "planetpanel.h"
#include "stringgridmodel.h"
#include "viewstate.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

// The pages of the window, in their order.
enum NewsPage : int {
    npGlobalMessages,
    npPersonalMessages,
    npBattles,
    npBombings,
    npIncomingGroups,
    npGroups,
    npFleets,
    npStockpiles,
    npReport,
};
constexpr int newsPageCount = npReport + 1;
const std::array<const char*, newsPageCount>& newsPageCaptions();

// The report text split as the text pages show it (lines without their ends, Latin-1).
struct ReportPages {
    std::vector<std::string> report;           // every line of the file
    std::vector<std::string> globalMessages;   // after "GLOBAL Messages"
    std::vector<std::string> personalMessages; // after "PERSONAL Messages"
    std::vector<std::string> fleets;           // the fleet tables
};
ReportPages splitReportText(std::string_view text);

// One line of the battles list. Every line knows the planet of its battle, so that a click on a
// detail line selects the battle's planet as a click on its result line does.
struct BattleLine {
    std::string text;
    std::string planet; // the label of the battle's planet
    bool result = false; // the first line of a battle ("Victory at planet ...")
};
// The lines of every battle at detail level 0 (results only), 1 (with the losses of both sides)
// or 2 (also every group of every race).
std::vector<BattleLine> battleLines(const Game& game, int detail);
// The entries of "View battle at planet:": the label of every battle's planet, sorted, once each.
std::vector<std::string> battlePlanets(const Game& game);
// The result line of the first battle at that planet label; -1 when there is none.
int battleLineOf(const std::vector<BattleLine>& lines, std::string_view planet);

// The four grids.
enum class NewsGrid { Bombings, IncomingGroups, Stockpiles, Groups };
struct NewsGridLayout {
    std::vector<const char*> headings;
    std::vector<int> widths; // 0: the grid's default width
    int defaultWidth = 64;
    std::vector<int> numericColumns;
    int sortColumn = 0;
    int planetColumn = 0; // the cell a click selects on the map by (-1: none)
};
const NewsGridLayout& newsGridLayout(NewsGrid grid);
using GridRows = std::vector<std::vector<std::string>>;
// The grid with its headings and rows, sorted ascending by its sort column; an empty grid keeps
// one blank row.
StringGridModel newsGridModel(NewsGrid grid, const GridRows& rows);

// One row per bombing of a known planet; the planet's own values stand in for those the bombing
// line did not give.
GridRows bombingRows(const Game& game);
// The label above the bombings: empty without bombings, else how many of the planets the races
// lost since the previous turn are not among the bombings listed.
std::string bombingsLabel(const Game& game, std::size_t rows);
GridRows incomingRows(const Game& game);
GridRows stockpileRows(const Game& game);
// The races of "Race:" (every race with a groups table) and the one chosen at first (the own
// race, else the first; -1 without races).
std::vector<std::string> groupRaces(const Game& game);
int ownRaceIndex(const Game& game, const std::vector<std::string>& races);
// The groups of a race everywhere, also in flight, selected as the groups at a planet are.
GridRows raceGroupRows(const Game& game, std::string_view race, GroupFilter filter);

// What a click on an incoming group's row selects: its origin as the first selection and its
// destination as the second (the distance line between them), and the planet at the
// destination. Nothing for a row whose origin position is unknown.
struct IncomingPick {
    mapselection first;
    mapselection second;
    const planetrecord* destination = nullptr;
};
std::optional<IncomingPick> pickIncoming(const Game& game, const std::vector<std::string>& row);

// Every page of the window.
struct NewsContent {
    ReportPages text;
    std::vector<BattleLine> battles;
    std::vector<std::string> battlePlanets;
    std::string bombingsLabel;
    StringGridModel bombings;
    StringGridModel incoming;
    StringGridModel stockpiles;
    StringGridModel groups;
    std::vector<std::string> races;
    int race = -1;
    std::array<bool, newsPageCount> visible{};
};
// reportText: the bytes of the shown turn's report (empty when it could not be read).
NewsContent buildNews(const Game& game, std::string_view reportText, int detail, GroupFilter filter);

} // namespace orrery
