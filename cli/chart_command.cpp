// orrery-cli chart PATH/NAME0EXT --statistic N --races top5|top10|top20|all|NAME... --png FILE [--size WxH]
//
// Draws the statistics chart of the whole game (turn 0 to the last report) into a PNG, as the
// chart window draws it at zoom 1 with its legend: the statistics are read from every report's
// status table as a start of the configuration reads them. Nothing is written into the turn
// directory.

#include "chartrender.h"
#include "commands.h"
#include "fileio.h"
#include "reportpath.h"
#include "turnloader.h"
#include "turnstatistics.h"

#include <QGuiApplication>
#include <QSaveFile>

#include <algorithm>
#include <charconv>
#include <memory>

using namespace orrery;

namespace orrery::cli {

namespace {

bool parseInt(const std::string& text, int& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool parseSize(const std::string& text, QSize& size)
{
    const std::size_t x = text.find('x');
    int w = 0, h = 0;
    if (x == std::string::npos || !parseInt(text.substr(0, x), w) || !parseInt(text.substr(x + 1), h)) return false;
    if (w < chartLegendWidth + 60 || h < 60 || w > 10000 || h > 10000) return false;
    size = QSize(w, h);
    return true;
}

// Text drawing needs a GUI application; without a display the offscreen platform serves.
std::unique_ptr<QGuiApplication> guiApplication()
{
    if (QGuiApplication::instance() != nullptr) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tool says what went wrong itself, in one line; the platform's notes would only add noise.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "orrery-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int commandChart(const std::vector<std::string>& args)
{
    std::string path, png;
    int statistic = 0;
    QSize size(900, 520);
    std::vector<std::string> races;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--statistic") {
            if (!hasValue || !parseInt(args[++i], statistic) || statistic < 0 || statistic >= chartStatisticCount)
                return badArguments("--statistic takes a number from 0 to 8");
        } else if (a == "--png") {
            if (!hasValue) return badArguments("--png needs a file name");
            png = args[++i];
        } else if (a == "--size") {
            if (!hasValue || !parseSize(args[++i], size))
                return badArguments("--size takes WIDTHxHEIGHT, at least 210x60 and at most 10000x10000");
        } else if (a == "--races") {
            while (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) races.push_back(args[++i]);
            if (races.empty()) return badArguments("--races needs top5, top10, top20, all or race names");
        } else if (path.empty() && !a.empty() && a.front() != '-') {
            path = a;
        } else {
            return badArguments("unexpected argument " + a);
        }
    }
    if (path.empty()) return badArguments("chart needs the path of the report of turn 0");
    if (png.empty()) return badArguments("chart needs --png FILE");
    if (races.empty()) races.push_back("all");

    const ReportPath parts = splitReportPath(path);
    if (parts.turn != 0) return fail("the report of turn 0 is needed: " + path);
    Game probe;
    probe.turndirectory = parts.turndirectory;
    probe.reportname = parts.reportname;
    probe.reportext = parts.reportext;
    int last = -1;
    while (fileExists(probe.reportFile(last + 1))) ++last;
    if (last < 0) return fail("no such report: " + path);
    // The last turn decides the game type and, in GalaxyNG, the races.
    Result<Game> game = loadTurnFromPath(probe.reportFile(last));
    if (!game) return fail(game.error().text());
    game->lastturn = last;
    std::vector<turnstatnode> turnstats;
    std::vector<chartracerecord> chartraces;
    buildTurnStatistics(*game, turnstats, chartraces);

    const ChartData data(turnstats, chartraces, game->gametype, statistic);
    for (chartracerecord& r : chartraces) r.display = false;
    if (races.size() == 1 && (races[0] == "all" || races[0] == "top5" || races[0] == "top10" || races[0] == "top20")) {
        ChartChoice choice;
        choice.raceBox = races[0] == "all" ? chartAll : races[0] == "top5" ? chartTop5 : races[0] == "top10" ? chartTop10 : chartTop20;
        selectChartRaces(chartraces, data, choice, last);
    } else {
        for (const std::string& name : races) {
            const auto found = std::find_if(chartraces.begin(), chartraces.end(),
                                            [&](const chartracerecord& r) { return r.name == name; });
            if (found == chartraces.end()) return fail("no race " + name + " in this game");
            found->display = true;
        }
    }

    const auto app = guiApplication();
    const QImage image = renderChartImage(chartraces, data, last, size);
    QSaveFile file(QString::fromLocal8Bit(png.c_str()));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return fail("cannot write " + png);
    return 0;
}

} // namespace orrery::cli
