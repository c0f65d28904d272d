// The program as a process: "--screenshot" with "--open" starts without any question, shows the
// last turn and saves the main window; a picture it cannot write ends it with status 2 and one
// line on standard error.

#include "uitestkit.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace orrery::test;

namespace {

// Runs the program offscreen with settings of its own, so the player's configurations are never
// touched.
ProgramRun screenshot(const TempDir& dir, const std::string& shot)
{
    return runProgram(ORRERY_APP, {"--screenshot", shot, "--open", dir.file("orion0.txt")},
                      {"XDG_CONFIG_HOME=" + dir.file("config"), "QT_QPA_PLATFORM=offscreen"});
}

} // namespace

TEST(Program, ScreenshotOfANewConfigurationOffscreen)
{
    TempDir dir;
    ASSERT_TRUE(orrery::gen::writeGame(orrery::gen::demoGame(), dir.path(), "orion"));
    const ProgramRun run = screenshot(dir, dir.file("shot.png"));
    EXPECT_EQ(run.status, 0) << run.err;
    const QImage image(QString::fromStdString(dir.file("shot.png")));
    ASSERT_EQ(image.size(), QSize(800, 607));
    // The map shows planets: some pixels of its middle are neither black nor the panel's grey.
    int coloured = 0;
    for (int y = 120; y < 420; ++y)
        for (int x = 40; x < 760; ++x) coloured += image.pixel(x, y) != qRgb(0, 0, 0) && image.pixel(x, y) != qRgb(0xC0, 0xC0, 0xC0);
    EXPECT_GT(coloured, 200);
    // The intelligence was written beside the reports.
    EXPECT_FALSE(readText(dir.file("orion11.ori")).empty());

    // A folder in the way of the picture: status 2 and one line of the program's (among what the
    // offscreen platform says) naming the file.
    std::filesystem::create_directory(dir.file("taken.png"));
    const ProgramRun refused = screenshot(dir, dir.file("taken.png"));
    EXPECT_EQ(refused.status, 2);
    Strings own;
    for (const std::string& line : linesOf(refused.err))
        if (line.rfind("orrery:", 0) == 0) own.push_back(line);
    ASSERT_EQ(own.size(), 1u) << refused.err;
    EXPECT_NE(own[0].find(dir.file("taken.png")), std::string::npos) << own[0];
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("taken.png")));
}

// "--show" opens another window as its command does and saves it beside the main window; a name
// of no window ends the program with status 2.
TEST(Program, ScreenshotOfAnotherWindow)
{
    TempDir dir;
    ASSERT_TRUE(orrery::gen::writeGame(orrery::gen::demoGame(), dir.path(), "orion"));
    auto run = [&](const std::string& window) {
        return runProgram(ORRERY_APP,
                          {"--screenshot", dir.file("shot.png"), "--show", window, "--open", dir.file("orion0.txt")},
                          {"XDG_CONFIG_HOME=" + dir.file("config"), "QT_QPA_PLATFORM=offscreen"});
    };
    const ProgramRun designer = run("shipdesign");
    EXPECT_EQ(designer.status, 0) << designer.err;
    const QImage image(QString::fromStdString(dir.file("shot-shipdesign.png")));
    EXPECT_GE(image.width(), 330);
    EXPECT_GE(image.height(), 361);
    const ProgramRun unknown = run("nosuchwindow");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("shipdesign"), std::string::npos) << unknown.err;
}
