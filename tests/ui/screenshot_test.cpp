// The program as a process: "--screenshot" with "--open" starts without any question, shows the
// last turn and saves the main window.

#include "galaxygen.h"
#include "testfiles.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

using namespace orrery::test;
using namespace orrery::gen;

TEST(Program, ScreenshotOfANewConfigurationOffscreen)
{
    TempDir dir;
    writeGame(demoGame(), dir.path(), "orion");
    const std::string shot = dir.file("shot.png");
    // Settings of its own, so the player's configurations are never touched.
    const std::string command = "XDG_CONFIG_HOME=" + dir.file("config") + " QT_QPA_PLATFORM=offscreen " +
                                std::string(ORRERY_APP) + " --screenshot '" + shot + "' --open '" +
                                dir.file("orion0.txt") + "' > /dev/null 2>&1";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 0);
    QImage image(QString::fromStdString(shot));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 800);
    EXPECT_EQ(image.height(), 607);
    // The map shows planets: some pixels of its middle are neither black nor the panel's grey.
    int coloured = 0;
    for (int y = 120; y < 420; ++y)
        for (int x = 40; x < 760; ++x) {
            const QRgb c = image.pixel(x, y);
            if (c != qRgb(0, 0, 0) && c != qRgb(0xC0, 0xC0, 0xC0)) ++coloured;
        }
    EXPECT_GT(coloured, 200);
    // The intelligence was written beside the reports.
    EXPECT_FALSE(readText(dir.file("orion11.ori")).empty());
}
