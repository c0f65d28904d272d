// orrery-cli as a process: exit codes, messages and output.

#include "testfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <sys/wait.h>

using namespace orrery::test;

namespace {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

Result run(const std::string& arguments)
{
    TempDir tmp;
    const std::string command =
        std::string(ORRERY_CLI) + " " + arguments + " > " + tmp.file("out") + " 2> " + tmp.file("err");
    Result r;
    const int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = readText(tmp.file("out"));
    r.err = readText(tmp.file("err"));
    return r;
}

std::string quoted(const std::string& s) { return "'" + s + "'"; }

} // namespace

TEST(Cli, TurnRefusesWhatItCannotRead)
{
    TempDir dir;
    dir.write("game3.txt", "");
    const struct {
        std::string argument;
        std::string message;
    } cases[] = {
        {"/nonexistent/folder/game1.txt", "cannot read the folder"},
        {dir.file("game.txt"), "has no turn number"},
        {dir.file("game7.txt"), "no such report"},
        {"", "needs the path of a report"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        const Result r = run("turn " + (c.argument.empty() ? "" : quoted(c.argument)));
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    // An empty report reads as an empty turn; that is no error of the tool.
    EXPECT_EQ(run("turn " + quoted(dir.file("game3.txt"))).status, 0);
    EXPECT_EQ(run("frobnicate").status, 2);
}

TEST(Cli, TurnPrintsTheWholeTurnAsJson)
{
    ORRERY_REQUIRE_CORPUS();
    const Result r = run("turn " + quoted(corpusDir() + "gng-game1/beta/beta7.txt") + " --json");
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* key : {"\"gametype\":2", "\"currentturn\":7", "\"ownrace\":\"Beta\"", "\"mapwidth\":70",
                            "\"players\":[", "\"previousplayers\":[", "\"planets\":[", "\"previousplanets\":[",
                            "\"shiptypes\":[", "\"racegroups\":[", "\"fleets\":[{\"name\":\"Patrol\"}]",
                            "\"battles\":[{\"name\":\"Betelgeuse\"", "\"routes\":[", "\"bombings\":[",
                            "\"incominggroups\":[{\"origin\":\"Deneb\"", "\"mapmarks\":[", "\"vanishedraces\":[]",
                            "\"vanishedpositions\":[]", "\"gameoptions\":{"})
        EXPECT_NE(r.out.find(key), std::string::npos) << key;
    EXPECT_EQ(r.out.front(), '{');
    EXPECT_EQ(r.out.substr(r.out.size() - 2), "}\n");
    const Result summary = run("turn " + quoted(corpusDir() + "gng-game1/beta/beta7.txt"));
    EXPECT_EQ(summary.status, 0);
    EXPECT_NE(summary.out.find("Turn 7 of Beta (GalaxyNG)"), std::string::npos);
}

TEST(Cli, OpenCreatesAndStartsAConfiguration)
{
    ORRERY_REQUIRE_CORPUS();
    TempDir dir;
    const std::string folder = dir.path() + "delta/";
    ASSERT_TRUE(copyCorpus("gng-game1/delta", folder));
    const Result r = run("open " + quoted(folder + "delta0.txt") + " --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"lastturn\":15,\"homeplanetcount\":2,\"gametype\":2,\"ownrace\":\"Delta\""),
              std::string::npos);
    EXPECT_NE(r.out.find("\"turnstats\":[[{\"name\":\"0\",\"production\":"), std::string::npos);
    EXPECT_NE(r.out.find("\"chartraces\":[{\"name\":\"Alpha\",\"display\":true}"), std::string::npos);
    // The game type window answered with Standard Galaxy: the answer holds for the whole start.
    const std::string other = dir.path() + "gamma/";
    ASSERT_TRUE(copyCorpus("gng-game1/gamma", other));
    const Result typed = run("open " + quoted(other + "gamma0.txt") + " --gametype 0 --json");
    ASSERT_EQ(typed.status, 0) << typed.err;
    EXPECT_NE(typed.out.find("\"gametype\":0"), std::string::npos);
    EXPECT_NE(typed.out.find("\"turnstats\":[[{\"name\":\"race_1\""), std::string::npos) << "keyed by name";

    const Result bad = run("open " + quoted(folder + "delta1.txt"));
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err.substr(0, 46), "orrery-cli: Illegal format of report filename!");
    EXPECT_EQ(std::count(bad.err.begin(), bad.err.end(), '\n'), 1) << "one line";
    const Result empty = run("open " + quoted(dir.file("nothing0.txt")));
    EXPECT_EQ(empty.status, 2);
    EXPECT_EQ(empty.err, "orrery-cli: No reports in turndirectory! Please create a new configuration.\n");
}
