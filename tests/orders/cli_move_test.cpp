// orrery-cli move as a process: output, messages and exit status of convert, check and eta.

#include "testfiles.h"
#include "testkit.h"

#include <gtest/gtest.h>

namespace orrery {
namespace {

class CliMoveTest : public testing::Test {
protected:
    void SetUp() override
    {
        dir.write("move.txt", "#GALAXY Lyra Alpha pw\r\nSEND 1 56 ; ETA 9 turns\r\nL 3 CAP 2\r\nS MAX 56\r\n"
                              "@ Beta\r\nHello\r\n@\r\n#END\r\n");
    }
    test::ProgramRun move(const test::Strings& arguments)
    {
        test::Strings all = {"move"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        return test::runProgram(ORRERY_CLI, all);
    }
    test::TempDir dir;
};

TEST_F(CliMoveTest, ConvertPrintsTheMoveInEitherForm)
{
    const test::ProgramRun natural = move({"convert", dir.file("move.txt"), "--to", "natural"});
    EXPECT_EQ(natural.status, 0) << natural.err;
    EXPECT_EQ(natural.out, "#Galaxy game: Lyra, racename: Alpha, password: pw\n"
                           "Send group 1 to planet 56 ; ETA ? turns\n"
                           "Load cargo CAP onto 2 ships of group 3\n"
                           "Send group MAX to planet 56 ; ETA ? turns\n"
                           "Message to Beta:\n"
                           "   Hello\n"
                           "End of message\n"
                           "#End\n");
    const test::ProgramRun raw = move({"convert", dir.file("move.txt"), "--to", "raw"});
    EXPECT_EQ(raw.status, 0) << raw.err;
    EXPECT_EQ(raw.out, "#GALAXY Lyra Alpha pw\nS 1 56 ; ETA ? turns\nL 3 CAP 2\nS MAX 56 ; ETA ? turns\n@ Beta\n"
                       "Hello\n@\n#END\n");
}

TEST_F(CliMoveTest, EtaAndCheckAgainstARealTurn)
{
    ORRERY_REQUIRE_CORPUS();
    ASSERT_TRUE(test::copyCorpus("gng-game1/alpha", dir.file("alpha")));
    const std::string turn = dir.file("alpha/alpha15.txt");
    const test::ProgramRun eta = move({"eta", dir.file("move.txt"), "--turn", turn});
    EXPECT_EQ(eta.status, 0) << eta.err;
    EXPECT_EQ(eta.out, "#GALAXY Lyra Alpha pw\nS 1 56 ; ETA 4 turns\nL 3 CAP 2\nS MAX 56 ; ETA 5 turns\n@ Beta\n"
                       "Hello\n@\n#END\n");

    const test::ProgramRun correct = move({"check", dir.file("move.txt"), "--turn", turn});
    EXPECT_EQ(correct.status, 0) << correct.err;
    EXPECT_EQ(correct.out, "Move seems to be correct.\n");
    EXPECT_EQ(correct.err, "");

    dir.write("wrong.txt", "#GALAXY Lyra Alpha\r\nS 1 Nowhere\r\nU 3\r\n#END\r\n");
    const test::ProgramRun wrong = move({"check", dir.file("wrong.txt"), "--turn", turn});
    EXPECT_EQ(wrong.status, 0);
    EXPECT_EQ(wrong.out, "Error in line \"S 1 Nowhere ; ETA ? turns\": Planet does not exists.\n"
                         "Error in unload command for group 3: Group doesn't carry any cargo.\n");
}

// Bad input: one line on the error output, naming the file and the line of it that failed (blank
// and comment lines counted), and exit status 2.
TEST_F(CliMoveTest, BadInputExitsWithStatusTwo)
{
    const std::string nomove = dir.file("nomove.txt"), unknown = dir.file("unknown.txt");
    dir.write("nomove.txt", "Dear game master,\r\nS 1 56\r\n");
    dir.write("unknown.txt", "#GALAXY Lyra Alpha\r\n\r\n; note\r\nS 1 56\r\n= Alice\r\n#END\r\n");
    const struct {
        test::Strings arguments;
        std::string err; // empty: only the status is compared
    } cases[] = {
        {{"convert", nomove, "--to", "raw"}, "orrery-cli: " + nomove + ", line 1: This is no galaxy move!\n"},
        {{"convert", unknown, "--to", "natural"},
         "orrery-cli: " + unknown + ", line 5: Error in file: unrecognized command in line = Alice\n"},
        {{"check", unknown, "--turn", dir.file("none/alpha15.txt")}, ""},
        {{"check", dir.file("move.txt")}, ""},
        {{"convert", dir.file("move.txt"), "--to", "latin"}, ""},
        {{"convert", dir.file("missing.txt"), "--to", "raw"},
         "orrery-cli: Could not read " + dir.file("missing.txt") + ": No such file or directory\n"},
        {{"fly"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments[0] + " " + c.arguments.back());
        const test::ProgramRun run = move(c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        if (!c.err.empty()) EXPECT_EQ(run.err, c.err);
        else EXPECT_NE(run.err, "");
    }
}

} // namespace
} // namespace orrery
