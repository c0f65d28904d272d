#pragma once

// The turn report reader: turns one turn report (the text the game server mailed, mail headers
// included) into the records of the shown turn. It understands the three dialects (Standard
// Galaxy, GalaxyNG, Blind Galaxy), tells them apart by the report's own header lines and skips
// whatever text it does not recognise.

#include "gamedata.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

// A report held in memory as its lines. Reports saved with bare line feeds are read as the
// line-end repair would leave them (a bare line feed ends a line too), without copying them.
class ReportText {
public:
    ReportText() = default;
    explicit ReportText(std::string bytes);
    // Only the lines from the status table's heading to its end: all that a players-only read
    // needs, without cutting the rest of a large report into lines.
    static ReportText statusTableOf(std::string bytes);
    ReportText(const ReportText&) = delete;
    ReportText& operator=(const ReportText&) = delete;
    ReportText(ReportText&&) noexcept = default;
    ReportText& operator=(ReportText&&) noexcept = default;

    // Nothing when the file does not exist or cannot be read.
    static std::optional<ReportText> load(const std::string& path);

    const std::vector<std::string_view>& lines() const { return lines_; }
    std::size_t size() const { return lines_.size(); }
    std::string_view operator[](std::size_t i) const { return lines_[i]; }
    // True for a line holding "Full Report on System" or "Partial Report on System": the
    // detailed system reports from there on are not read.
    bool endsReadable(std::size_t i) const;
    // The first line at or after `from` that ends the readable part; size() when none.
    std::size_t nextStop(std::size_t from) const;
    // Indexes of the lines at or after `from` that hold the phrase, in order. The reader's passes
    // look only at these lines instead of testing every line of a long report.
    std::vector<std::size_t> linesContaining(std::string_view phrase, std::size_t from = 0) const;
    // The first line at or after `from` that holds the phrase; size() when none.
    std::size_t findLine(std::size_t from, std::string_view phrase) const;

private:
    void findStops();
    template <class Found>
    void forLinesWith(std::string_view phrase, std::size_t from, Found found) const;

    std::string bytes_;
    std::vector<std::string_view> lines_;
    std::vector<std::size_t> stops_; // indexes of the lines that end the readable part
};

// What the reader tells the main window while it reads.
class TurnObserver {
public:
    virtual ~TurnObserver() = default;
    // The report label shows "report: " and the number of the turn being read.
    virtual void reportLabelChanged(int turn) {}
    // The turn overview and chart buttons are visible only when the shown turn is not 0.
    virtual void turnButtonsVisible(bool visible) {}
    // The turn has been read: symbol and battle sizes are due, and the game options button is
    // shown only in Blind Galaxy.
    virtual void turnRead() {}
};

// The inputs of one read, already in memory.
struct TurnTexts {
    const ReportText* previous = nullptr; // report of the turn before, when it exists
    const ReportText* current = nullptr;  // nullptr: the report of the turn does not exist
    // The per-turn intelligence of the turn before (used for the victims of wiped-out planets).
    std::vector<turnintelrecord> previousintel;
};

// Full read (or, with playersOnly, only the status table into players) of turn
// currentturn + delta from the files of the loaded configuration. Returns false when the report
// does not exist: currentturn is then unchanged and the lists are empty.
bool readTurn(Game& game, int delta, bool playersOnly, TurnObserver* observer = nullptr);

// The same from texts in memory (tests, fuzzing, benchmarks).
bool readTurnTexts(Game& game, int delta, bool playersOnly, const TurnTexts& texts,
                   TurnObserver* observer = nullptr);

// Completion of the shown turn: reads the per-turn intelligence of the turn into turnintel and,
// with merge set, applies it to the planets, gives Blind Galaxy planets the owner codes of their
// listed owners and fills the owners and symbol sizes of incoming groups.
void completeTurn(Game& game, int turnNumber, bool merge, bool planetSizesShown = false);

// Applies turnintel to the planets (the merge of completeTurn, without reading a file).
void applyTurnIntel(Game& game);

// The game type as the preamble of a report shows it: Blind Galaxy when a line before the
// header holds "Executable version:", GalaxyNG when one begins with "GalaxyNG" or "gng";
// otherwise fallback.
std::int32_t detectGameType(const ReportText& report, std::int32_t fallback);

// Repairs a report saved with bare line feeds: the old content is kept in the file's name with
// ".bak" appended, every bare line feed becomes a carriage return and line feed, and the new
// content replaces the file through a temporary file. Files without bare line feeds are left
// alone. Returns false (with a message) when the repair was due but failed.
struct RepairResult {
    bool repaired = false;
    bool ok = true;
    std::string error;
};
RepairResult repairLineEnds(const std::string& path);

} // namespace orrery
