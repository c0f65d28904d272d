// A turn step with the main window open: the report of about 1 MB (and the one before it) read
// and completed, the map resized and painted in a 1920 x 1080 window, the panel refreshed.
// Target: 50 ms.
//
//   QT_QPA_PLATFORM=offscreen mainwindow_bench --benchmark_min_time=1

#include "TFormMain.h"
#include "galaxygen.h"

#include <QApplication>
#include <QSettings>
#include <benchmark/benchmark.h>

#include <filesystem>

using namespace orrery;
using namespace orrery::gen;

namespace {

void BM_TurnStepWithMainWindow(benchmark::State& state)
{
    namespace fs = std::filesystem;
    const std::string folder = (fs::temp_directory_path() / "orrery-bench-mainwindow").string() + "/";
    fs::remove_all(folder);
    fs::create_directories(folder);
    if (!writeGame(playGame(paramsForReportSize(1024 * 1024, Dialect::GalaxyNG, 11), 3), folder, "game"))
        state.SkipWithError("cannot write the game");
    QSettings settings(QString::fromStdString(folder + "settings.ini"), QSettings::IniFormat);
    TFormMain main(settings);
    main.setQuiet(true);
    main.resize(1920, 1080);
    main.show();
    if (!main.createConfigurationFrom(QString::fromStdString(folder + "game0.txt")))
        state.SkipWithError("cannot start the game");
    // Everything on, as a player studying the map would have it.
    for (int t = 0; t < toggleCount; ++t)
        if (!main.toggleAction(static_cast<ToggleIndex>(t))->isChecked() && t != tgShowInfo)
            main.toggleAction(static_cast<ToggleIndex>(t))->trigger();
    bool back = true;
    for (auto _ : state) {
        main.action(back ? MainCommand::PreviousReport : MainCommand::NextReport)->trigger();
        back = !back;
        main.map().viewport()->grab(); // the paint the step asks for
    }
    state.counters["report_KB"] = static_cast<double>(fs::file_size(folder + "game2.txt")) / 1024.0;
    fs::remove_all(folder);
}
BENCHMARK(BM_TurnStepWithMainWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
