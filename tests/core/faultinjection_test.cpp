// Faults of the player's machine: a turn directory that cannot be written and a full disk. Each
// is told with the file it concerns, nothing the player had is lost or half-written, and the
// program goes on. The cases run in a child process (the limits and the user change stay there).

#include "fileio.h"
#include "intelligence.h"
#include "minireport.h"
#include "session.h"
#include "testfiles.h"
#include "testkit.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>

using namespace orrery;
using namespace orrery::test;
namespace fs = std::filesystem;

namespace {

struct MessageUi : SessionUi {
    std::vector<std::string> messages;
    bool message(MessageKind, const std::string& text, HelpTopic) override
    {
        messages.push_back(text);
        return true;
    }
    bool told(const std::string& part) const
    {
        return std::any_of(messages.begin(), messages.end(),
                           [&](const std::string& m) { return m.find(part) != std::string::npos; });
    }
};

void writeGame(const TempDir& dir, int turns)
{
    for (int t = 0; t < turns; ++t) {
        const MiniReport r{.turn = t,
                           .players = {{"Mine", 1}, {"Other", 1}},
                           .planets = {{"Home", 10, 10, "own"}, {"Far", 40, 40}, {"Free", 60, 60, "uninhabited"}}};
        dir.write("game" + std::to_string(t) + ".txt", r.text());
    }
}

// Ends the child process: status 0 when every check held, else the failed checks on stderr.
[[noreturn]] void finish(const std::vector<std::string>& failed)
{
    for (const std::string& f : failed) std::fprintf(stderr, "failed: %s\n", f.c_str());
    std::exit(failed.empty() ? 0 : 1);
}

bool noTemporaryFiles(const TempDir& dir)
{
    const std::vector<std::string> names = listFiles(dir.path());
    return std::none_of(names.begin(), names.end(), [](const std::string& n) { return n.find(".tmp") != std::string::npos; });
}

} // namespace

// A turn directory the player may read but not write: the start reports the intelligence files it
// could not write and shows the last turn all the same. Root is not stopped by permissions, so
// the child gives up root for the unprivileged user "nobody".
TEST(FaultInjection, AReadOnlyTurnDirectory)
{
    TempDir dir;
    writeGame(dir, 3);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const std::vector<std::string> reports = listFiles(dir.path());
    const auto child = [&] {
        std::vector<std::string> failed;
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) finish({"cannot leave root"});
        MessageUi ui;
        Session s(ui);
        s.useReportSet(dir.path(), "game", ".txt", gtGalaxyNG, 1);
        if (!s.startConfiguration()) failed.push_back("the start failed");
        if (s.game().currentturn != 2 || s.game().turn.planets.empty()) failed.push_back("last turn not shown");
        if (!ui.told("Could not write " + dir.file("game0.ori"))) failed.push_back("game0.ori not named");
        // The steps still work.
        s.previousReport();
        if (s.game().currentturn != 1 || s.game().turn.planets.empty()) failed.push_back("step failed");
        finish(failed);
    };
    EXPECT_EXIT(child(), ::testing::ExitedWithCode(0), "");
    fs::permissions(dir.path(), fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(listFiles(dir.path()), reports);
}

// A full disk (a file size limit with its signal ignored) stops a write part-way: the file that
// was there stays whole, no temporary file is left, the failure names the file, and a write that
// fits still succeeds afterwards.
TEST(FaultInjection, AFullDiskKeepsTheOldFileWhole)
{
    TempDir dir;
    writeGame(dir, 2);
    MessageUi started;
    Session s(started);
    s.useReportSet(dir.path(), "game", ".txt", gtGalaxyNG, 1);
    ASSERT_TRUE(s.startConfiguration());
    const std::string ships = dir.file("ships.ori");
    dir.write("ships.ori", "Old\t1.00\t0.00\t0.00\t0.00\t0.00\r\n");
    const std::string planets = readText(dir.file("planets.ori"));
    const auto child = [&] {
        std::vector<std::string> failed;
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
        // A design list larger than the disk has room for, written on closing.
        MessageUi ui;
        Session again(ui);
        again.useReportSet(dir.path(), "game", ".txt", gtGalaxyNG, 1);
        if (!again.startConfiguration()) failed.push_back("start failed");
        for (int k = 0; k < 400; ++k)
            storeShipType(again.game().shiptypes, makeShipType("Design" + std::to_string(k), "Mine", 1, 0, 0, 0, 0));
        const Status closed = again.close();
        if (closed || closed.error().file != ships) failed.push_back("ships.ori failure not returned");
        if (!ui.told("Could not write " + ships)) failed.push_back("ships.ori not named");
        if (readText(ships) != "Old\t1.00\t0.00\t0.00\t0.00\t0.00\r\n") failed.push_back("ships.ori changed");
        if (!noTemporaryFiles(dir)) failed.push_back("temporary file left");
        if (!writeFileAtomic(ships, "Small\t1.00\t0.00\t0.00\t0.00\t0.00\r\n")) failed.push_back("small write failed");
        finish(failed);
    };
    EXPECT_EXIT(child(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(readText(ships), "Small\t1.00\t0.00\t0.00\t0.00\t0.00\r\n");
    EXPECT_EQ(readText(dir.file("planets.ori")), planets);
}
