// The configuration store against a real settings file in a temporary folder.

#include "configstore.h"
#include "testfiles.h"

#include <QSettings>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;

namespace {

struct Store {
    TempDir dir;
    QSettings settings{QString::fromStdString(dir.file("settings.ini")), QSettings::IniFormat};
    std::vector<std::pair<MessageKind, std::string>> messages;
    TORRegistry registry{settings, [this](MessageKind kind, const std::string& text) {
                             messages.emplace_back(kind, text);
                             return true;
                         }};
};

Configuration sample()
{
    Configuration c;
    std::tie(c.zoom, c.windowWidth, c.windowHeight, c.windowPosLeft, c.windowPosTop, c.scrollPosX, c.scrollPosY,
             c.windowState, c.gameType, c.planetsPerPlayer) =
        std::tuple(7, 1024, 700, 20, 30, 150, 250, windowMaximised, gtGalaxyNG31, 3);
    std::tie(c.turnDirectory, c.reportName, c.reportExt, c.moveEditorInitialDir, c.moveEditorGameName,
             c.moveEditorRaceName, c.moveEditorPassword, c.textEditorInitialDir) =
        std::tuple("/games/lyra/", "alpha", ".txt", "/games/orders/", "Lyra", "Alpha", "P4ss w\xF6rd~", "/tmp/");
    std::tie(c.numOfCircles, c.rangeInterval, c.filmDelay, c.showMousePos, c.showButtonBar) =
        std::tuple(4, 25, 300, false, false);
    c.toggles.fill(false);
    c.toggles[tgNames] = true;
    c.toggles[tgPlanetSize] = true;
    c.toggles[tgEMP] = true;
    return c;
}

} // namespace

TEST(ConfigStore, SaveAndLoadRoundTripWithThePasswordScrambled)
{
    Store s;
    const Configuration saved = sample();
    ASSERT_TRUE(s.registry.saveConfiguration("Lyra game", saved));
    // The stored password is not the typed one.
    const QString stored = s.settings.value("Configurations/Lyra game/MoveEditorPassword").toString();
    EXPECT_NE(stored.toStdString(), saved.moveEditorPassword);
    EXPECT_EQ(s.settings.value("Configurations/Lyra game/Versionnr.").toInt(), 200);

    Configuration loaded;
    std::vector<std::string> keys;
    ASSERT_EQ(s.registry.loadConfiguration("Lyra game", loaded, &keys), TORRegistry::LoadResult::Loaded);
    EXPECT_EQ(loaded.moveEditorPassword, saved.moveEditorPassword);
    EXPECT_EQ(loaded.zoom, 7);
    EXPECT_EQ(loaded.windowState, windowMaximised);
    EXPECT_EQ(loaded.scrollPosY, 250);
    EXPECT_EQ(loaded.gameType, gtGalaxyNG31);
    EXPECT_EQ(loaded.turnDirectory, "/games/lyra/");
    EXPECT_EQ(loaded.moveEditorRaceName, "Alpha");
    EXPECT_EQ(loaded.filmDelay, 300);
    EXPECT_FALSE(loaded.showButtonBar);
    EXPECT_EQ(loaded.toggles, saved.toggles);
    // Read in the order the program applies them, without the version number.
    EXPECT_EQ(keys, configurationReadOrder(true));
    EXPECT_EQ(std::count(keys.begin(), keys.end(), "Versionnr."), 0);
}

TEST(ConfigStore, WithoutMapPositionTheWindowAndZoomAreNotRestored)
{
    Store s;
    Configuration saved = sample();
    saved.includeMapPosition = false;
    ASSERT_TRUE(s.registry.saveConfiguration("NoPosition", saved));
    Configuration current;
    current.zoom = 3;
    current.windowWidth = 640;
    std::vector<std::string> keys;
    ASSERT_EQ(s.registry.loadConfiguration("NoPosition", current, &keys), TORRegistry::LoadResult::Loaded);
    EXPECT_EQ(current.zoom, 3);
    EXPECT_EQ(current.windowWidth, 640);
    EXPECT_EQ(current.scrollPosX, -1);
    EXPECT_FALSE(current.includeMapPosition);
    // The toggles are restored all the same.
    EXPECT_EQ(current.toggles, saved.toggles);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), "Zoom"), 0);
}

TEST(ConfigStore, MissingValuesKeepTheCurrentOnes)
{
    Store s;
    s.settings.setValue("Configurations/Old/ReportName", "turn");
    s.settings.setValue("Configurations/Old/NumOfCircles", 5);
    Configuration current = sample();
    ASSERT_EQ(s.registry.loadConfiguration("Old", current), TORRegistry::LoadResult::Loaded);
    EXPECT_EQ(current.reportName, "turn");
    EXPECT_EQ(current.numOfCircles, 5);
    EXPECT_EQ(current.turnDirectory, "/games/lyra/");
    EXPECT_EQ(current.moveEditorPassword, sample().moveEditorPassword);
}

TEST(ConfigStore, MissingConfigurationsAndTheirMessages)
{
    Store s;
    Configuration c;
    EXPECT_EQ(s.registry.loadConfiguration("", c), TORRegistry::LoadResult::NoStandard);
    EXPECT_TRUE(s.messages.empty());
    EXPECT_EQ(s.registry.loadConfiguration("Other", c), TORRegistry::LoadResult::Failed);
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].second, "Couldn't open key\r\nHKEY_CURRENT_USER\\Software\\Orrery\\Configurations\\Other"
                                    "\r\nfrom registry!\r\nConfiguration not loaded.");
    EXPECT_FALSE(s.registry.deleteConfiguration("Other"));
    EXPECT_EQ(s.messages.back().first, MessageKind::Information);
    EXPECT_EQ(s.messages.back().second, "No Configuration found in Windows registry!");
    EXPECT_TRUE(s.registry.listConfigurations().empty());
}

TEST(ConfigStore, ListDeleteAndNamesThatWouldNestKeys)
{
    Store s;
    ASSERT_TRUE(s.registry.saveConfiguration("Standard", sample()));
    ASSERT_TRUE(s.registry.saveConfiguration("Second", sample()));
    auto names = s.registry.listConfigurations();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Second", "Standard"}));
    EXPECT_TRUE(s.registry.deleteConfiguration("Second"));
    EXPECT_FALSE(s.registry.deleteConfiguration("Second"));
    EXPECT_EQ(s.registry.listConfigurations(), (std::vector<std::string>{"Standard"}));
    Configuration c;
    EXPECT_EQ(s.registry.loadConfiguration("", c), TORRegistry::LoadResult::Loaded);

    for (const std::string& bad : {std::string("a/b"), std::string("back\\slash"), std::string("zero\0byte", 9)}) {
        s.messages.clear();
        EXPECT_FALSE(s.registry.saveConfiguration(bad, sample()));
        ASSERT_EQ(s.messages.size(), 1u);
        EXPECT_EQ(s.messages[0].first, MessageKind::Error);
    }
    EXPECT_EQ(s.registry.listConfigurations().size(), 1u);
}

// A store that cannot be written (a folder where the settings file should be: permissions would
// not stop every user) is reported with the file; once it can be written again, saving works.
TEST(ConfigStore, AFailedWriteIsReported)
{
    Store s;
    const std::string file = s.settings.fileName().toStdString();
    std::filesystem::create_directory(file);
    EXPECT_FALSE(s.registry.saveConfiguration("X", sample()));
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].second, "Couldn't create registry key\r\nHKEY_CURRENT_USER\\Software\\Orrery\\Configurations\\X"
                                    "\r\n\r\nThe settings file could not be written:\r\n" + file);
    std::filesystem::remove(file);
    s.messages.clear();
    EXPECT_TRUE(s.registry.saveConfiguration("X", sample()));
    EXPECT_TRUE(s.messages.empty());
}

// A full disk (a file size limit, in a child process) stops the write part-way: the failure is
// reported with the file, and the file keeps what it held.
TEST(ConfigStore, AFullDiskKeepsTheStoreWhole)
{
    Store s;
    ASSERT_TRUE(s.registry.saveConfiguration("Standard", sample()));
    const std::string file = s.settings.fileName().toStdString(), before = readText(file);
    const auto child = [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(before.size() / 2), RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool saved = s.registry.saveConfiguration("Second", sample());
        _exit(!saved && !s.messages.empty() && s.messages.back().second.ends_with(file) ? 0 : 1);
    };
    EXPECT_EXIT(child(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(readText(file), before);
}

TEST(ConfigStore, PasswordScramblingIsItsOwnInverse)
{
    for (const std::string password : {"", "a", "secret", "0123456789abcdefghij", "\x01\xff~ "}) {
        SCOPED_TRACE(password);
        const std::u16string stored = scramblePassword(password);
        EXPECT_EQ(unscramblePassword(stored), password);
        if (password.size() > 2) {
            EXPECT_NE(std::string(stored.begin(), stored.end()), password);
        }
    }
}
