// orrery-cli move as a process: output, messages and exit status of convert, check and eta.

#include "testfiles.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

namespace orrery {
namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun runCli(const test::TempDir& dir, const std::string& arguments)
{
    const std::string command = std::string("'") + ORRERY_CLI + "' move " + arguments + " > '" + dir.file("out") +
                                "' 2> '" + dir.file("err") + "'";
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = test::readText(dir.file("out"));
    run.err = test::readText(dir.file("err"));
    return run;
}

class CliMoveTest : public testing::Test {
protected:
    void SetUp() override
    {
        dir.write("move.txt", "#GALAXY Lyra Alpha pw\r\n"
                              "SEND 1 56 ; ETA 9 turns\r\n"
                              "L 3 CAP 2\r\n"
                              "S MAX 56\r\n"
                              "@ Beta\r\n"
                              "Hello\r\n"
                              "@\r\n"
                              "#END\r\n");
    }
    std::string turn15()
    {
        if (test::corpusDir().empty()) return {};
        EXPECT_TRUE(test::copyCorpus("gng-game1/alpha", dir.file("alpha")));
        return dir.file("alpha/alpha15.txt");
    }
    test::TempDir dir;
};

TEST_F(CliMoveTest, ConvertPrintsTheMoveInEitherForm)
{
    const CliRun natural = runCli(dir, "convert '" + dir.file("move.txt") + "' --to natural");
    EXPECT_EQ(natural.status, 0) << natural.err;
    EXPECT_EQ(natural.out, "#Galaxy game: Lyra, racename: Alpha, password: pw\n"
                           "Send group 1 to planet 56 ; ETA ? turns\n"
                           "Load cargo CAP onto 2 ships of group 3\n"
                           "Send group MAX to planet 56 ; ETA ? turns\n"
                           "Message to Beta:\n"
                           "   Hello\n"
                           "End of message\n"
                           "#End\n");
    const CliRun raw = runCli(dir, "convert '" + dir.file("move.txt") + "' --to raw");
    EXPECT_EQ(raw.status, 0) << raw.err;
    EXPECT_EQ(raw.out, "#GALAXY Lyra Alpha pw\nS 1 56 ; ETA ? turns\nL 3 CAP 2\nS MAX 56 ; ETA ? turns\n@ Beta\n"
                       "Hello\n@\n#END\n");
}

TEST_F(CliMoveTest, EtaAndCheckAgainstARealTurn)
{
    ORRERY_REQUIRE_CORPUS();
    const std::string turn = turn15();
    const CliRun eta = runCli(dir, "eta '" + dir.file("move.txt") + "' --turn '" + turn + "'");
    EXPECT_EQ(eta.status, 0) << eta.err;
    EXPECT_EQ(eta.out, "#GALAXY Lyra Alpha pw\nS 1 56 ; ETA 4 turns\nL 3 CAP 2\nS MAX 56 ; ETA 5 turns\n@ Beta\n"
                       "Hello\n@\n#END\n");

    const CliRun correct = runCli(dir, "check '" + dir.file("move.txt") + "' --turn '" + turn + "'");
    EXPECT_EQ(correct.status, 0) << correct.err;
    EXPECT_EQ(correct.out, "Move seems to be correct.\n");
    EXPECT_EQ(correct.err, "");

    dir.write("wrong.txt", "#GALAXY Lyra Alpha\r\nS 1 Nowhere\r\nU 3\r\n#END\r\n");
    const CliRun wrong = runCli(dir, "check '" + dir.file("wrong.txt") + "' --turn '" + turn + "'");
    EXPECT_EQ(wrong.status, 0);
    EXPECT_EQ(wrong.out, "Error in line \"S 1 Nowhere ; ETA ? turns\": Planet does not exists.\n"
                         "Error in unload command for group 3: Group doesn't carry any cargo.\n");
}

TEST_F(CliMoveTest, BadInputExitsWithStatusTwo)
{
    dir.write("nomove.txt", "Dear game master,\r\nS 1 56\r\n");
    dir.write("unknown.txt", "#GALAXY Lyra Alpha\r\n= Alice\r\n#END\r\n");
    struct Case {
        std::string arguments;
        std::string err; // empty: only the status is compared
    };
    const Case cases[] = {
        {"convert '" + dir.file("nomove.txt") + "' --to raw", "orrery-cli: " + dir.file("nomove.txt") + ", line 1: This is no galaxy move!\n"},
        {"convert '" + dir.file("unknown.txt") + "' --to natural",
         "orrery-cli: " + dir.file("unknown.txt") + ", line 2: Error in file: unrecognized command in line = Alice\n"},
        {"check '" + dir.file("unknown.txt") + "' --turn '" + dir.file("none/alpha15.txt") + "'", ""},
        {"check '" + dir.file("move.txt") + "'", ""},
        {"convert '" + dir.file("move.txt") + "' --to latin", ""},
        {"convert '" + dir.file("missing.txt") + "' --to raw", "orrery-cli: Could not read " + dir.file("missing.txt") + ": No such file or directory\n"},
        {"fly", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun run = runCli(dir, c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        if (!c.err.empty()) EXPECT_EQ(run.err, c.err);
        else EXPECT_NE(run.err, "");
    }
}

} // namespace
} // namespace orrery
