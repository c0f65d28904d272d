// Report reader benchmarks on generated GalaxyNG reports of about 100 KB and 1 MB (each with the
// report of the turn before it): the full read from texts in memory and from files, the
// players-only read, and the peak heap memory of one full read relative to the report's size.
//
//   reader_bench --benchmark_min_time=1
//
// Targets: full read of 1 MB with the previous report within 10 ms, players-only within 1 ms,
// peak memory at most 8 times the report's size.

#include "galaxygen.h"
#include "reportreader.h"
#include "fileio.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <new>
#include <string>

// ---------------------------------------------------------------------------------------------
// Heap accounting: every allocation of the program goes through these operators, which keep
// the bytes in use and the highest value since the last reset.

namespace {

std::atomic<std::size_t> heapInUse{0};
std::atomic<std::size_t> heapPeak{0};

// The block's size is kept in front of it; the header is as large as the strictest alignment.
constexpr std::size_t header = alignof(std::max_align_t);

void* allocate(std::size_t size, std::size_t alignment = header)
{
    const std::size_t front = alignment > header ? alignment : header;
    void* raw = alignment > header ? std::aligned_alloc(alignment, ((front + size + alignment - 1) / alignment) * alignment)
                                   : std::malloc(front + size);
    if (!raw) throw std::bad_alloc();
    char* user = static_cast<char*>(raw) + front;
    reinterpret_cast<std::size_t*>(user)[-1] = size;
    reinterpret_cast<std::size_t*>(user)[-2] = front;
    const std::size_t now = heapInUse.fetch_add(size, std::memory_order_relaxed) + size;
    std::size_t peak = heapPeak.load(std::memory_order_relaxed);
    while (now > peak && !heapPeak.compare_exchange_weak(peak, now, std::memory_order_relaxed)) {
    }
    return user;
}

void release(void* p) noexcept
{
    if (!p) return;
    char* user = static_cast<char*>(p);
    const std::size_t size = reinterpret_cast<std::size_t*>(user)[-1];
    const std::size_t front = reinterpret_cast<std::size_t*>(user)[-2];
    heapInUse.fetch_sub(size, std::memory_order_relaxed);
    std::free(user - front);
}

} // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void* operator new(std::size_t size, std::align_val_t a) { return allocate(size, static_cast<std::size_t>(a)); }
void* operator new[](std::size_t size, std::align_val_t a) { return allocate(size, static_cast<std::size_t>(a)); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }
void operator delete(void* p, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, std::align_val_t) noexcept { release(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { release(p); }

// ---------------------------------------------------------------------------------------------

namespace {

using namespace orrery;
using namespace orrery::gen;

// A generated report pair, kept as texts and as files "bench<turn>.txt" in a folder of its own.
struct ReportFixture {
    SizedReports reports;
    std::string folder;
    ReportText previous;
    ReportText current;

    explicit ReportFixture(std::size_t bytes)
        : reports(sizedReports(bytes, Dialect::GalaxyNG, 42)), previous(reports.previousText),
          current(reports.currentText)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "orrery-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        folder = pattern + "/";
        if (!writeFileAtomic(file(reports.previous.turn), reports.previousText) ||
            !writeFileAtomic(file(reports.current.turn), reports.currentText))
            std::abort();
    }
    ~ReportFixture()
    {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    std::string file(int turn) const { return folder + "bench" + std::to_string(turn) + ".txt"; }
    int turn() const { return reports.current.turn; }

    // A game set up to read the current turn, as after a start of the program.
    Game game() const
    {
        Game g;
        g.gametype = gtUnknown;
        g.turndirectory = folder;
        g.reportname = "bench";
        g.reportext = ".txt";
        g.currentturn = turn();
        return g;
    }
    TurnTexts texts(bool withPrevious) const
    {
        TurnTexts t;
        t.current = &current;
        if (withPrevious) t.previous = &previous;
        return t;
    }
};

// Generated once per size: the 1 MB galaxy takes a moment to play.
const ReportFixture& fixture(std::size_t bytes)
{
    static std::map<std::size_t, std::unique_ptr<ReportFixture>> fixtures;
    auto& f = fixtures[bytes];
    if (!f) f = std::make_unique<ReportFixture>(bytes);
    return *f;
}

std::size_t sizeArg(const benchmark::State& state) { return static_cast<std::size_t>(state.range(0)) * 1000; }

void setCounters(benchmark::State& state, const ReportFixture& f, const Game& game)
{
    state.counters["report_KB"] = static_cast<double>(f.reports.currentText.size()) / 1000.0;
    state.counters["planets"] = static_cast<double>(game.turn.planets.size());
    std::size_t groups = 0;
    for (const racegrouprecord& r : game.turn.racegroups) groups += r.groups.size();
    state.counters["groups"] = static_cast<double>(groups);
    state.counters["races"] = static_cast<double>(game.turn.players.size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(f.reports.currentText.size() + f.reports.previousText.size()));
}

// The reader's passes over the texts in memory, with the previous report.
void BM_FullReadTexts(benchmark::State& state)
{
    const ReportFixture& f = fixture(sizeArg(state));
    Game game = f.game();
    const TurnTexts texts = f.texts(true);
    for (auto _ : state) {
        TurnRead read = readReport(texts, GameValues::of(game), game.shiptypes);
        benchmark::DoNotOptimize(read);
        game.turn = std::move(read.turn);
    }
    setCounters(state, f, game);
}

// The same from the files: loading both reports, line splitting, and the passes.
void BM_FullReadFiles(benchmark::State& state)
{
    const ReportFixture& f = fixture(sizeArg(state));
    Game game = f.game();
    for (auto _ : state) {
        std::optional<TurnRead> read = readTurnFiles(game, f.turn());
        if (!read) state.SkipWithError("report missing");
        else game.turn = std::move(read->turn);
    }
    setCounters(state, f, game);
}

void BM_PlayersOnlyTexts(benchmark::State& state)
{
    const ReportFixture& f = fixture(sizeArg(state));
    Game game = f.game();
    std::vector<playerrecord> players;
    for (auto _ : state) {
        // A players-only read of texts in memory (the files' read cuts only the status table).
        players = readStatusTable(f.current, game.gametype);
        benchmark::DoNotOptimize(players);
    }
    state.counters["races"] = static_cast<double>(players.size());
}

void BM_PlayersOnlyFiles(benchmark::State& state)
{
    const ReportFixture& f = fixture(sizeArg(state));
    Game game = f.game();
    std::size_t races = 0;
    for (auto _ : state) {
        const auto players = readTurnPlayers(game, f.turn());
        if (!players) state.SkipWithError("report missing");
        else races = players->size();
    }
    state.counters["races"] = static_cast<double>(races);
}

// Peak heap in use during one full read from the files (the loaded texts included) and from
// texts already in memory, each relative to the size of the current report.
void BM_PeakMemory(benchmark::State& state)
{
    const ReportFixture& f = fixture(sizeArg(state));
    const double reportSize = static_cast<double>(f.reports.currentText.size());
    double files = 0, texts = 0;
    for (auto _ : state) {
        {
            Game game = f.game();
            const std::size_t base = heapInUse.load();
            heapPeak.store(base);
            std::optional<TurnRead> read = readTurnFiles(game, f.turn());
            if (!read) state.SkipWithError("report missing");
            files = static_cast<double>(heapPeak.load() - base);
        }
        {
            Game game = f.game();
            const TurnTexts input = f.texts(true);
            const std::size_t base = heapInUse.load();
            heapPeak.store(base);
            TurnRead read = readReport(input, GameValues::of(game), game.shiptypes);
            benchmark::DoNotOptimize(read);
            texts = static_cast<double>(heapPeak.load() - base);
        }
    }
    state.counters["report_KB"] = reportSize / 1000.0;
    state.counters["peak_files_KB"] = files / 1000.0;
    state.counters["peak_files_x"] = files / reportSize;
    state.counters["peak_texts_x"] = texts / reportSize;
}

} // namespace

BENCHMARK(BM_FullReadTexts)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullReadFiles)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayersOnlyTexts)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlayersOnlyFiles)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PeakMemory)->Arg(1000)->Iterations(3)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
