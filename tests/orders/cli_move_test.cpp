// orrery-cli move as a process: the output and exit status of convert, eta and check; bad input
// gives one line on the error output, naming the file and the line of it that failed (blank and
// comment lines counted), and exit status 2.

#include "testfiles.h"
#include "testkit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace orrery {
namespace {

TEST(CliMove, OutputMessagesAndExitStatus)
{
    test::TempDir dir;
    const std::string move = dir.file("move.txt"), wrong = dir.file("wrong.txt"), nomove = dir.file("nomove.txt"),
                      unknown = dir.file("unknown.txt"), turn = dir.file("alpha/alpha15.txt");
    dir.write("move.txt", "#GALAXY Lyra Alpha pw\r\nSEND 1 56 ; ETA 9 turns\r\nL 3 CAP 2\r\nS MAX 56\r\n"
                          "@ Beta\r\nHello\r\n@\r\n#END\r\n");
    dir.write("wrong.txt", "#GALAXY Lyra Alpha\r\nS 1 Nowhere\r\nU 3\r\n#END\r\n");
    dir.write("nomove.txt", "Dear game master,\r\nS 1 56\r\n");
    dir.write("unknown.txt", "#GALAXY Lyra Alpha\r\n\r\n; note\r\nS 1 56\r\n= Alice\r\n#END\r\n");
    // The runs with a turn need Alpha's turn 15 of the real game.
    const bool haveTurn = test::copyCorpus("gng-game1/alpha", dir.file("alpha"));
    // Arguments after "move", exit status, output, error output ("?": any one line).
    const std::tuple<test::Strings, int, std::string, std::string> runs[] = {
        {{"convert", move, "--to", "natural"}, 0,
         "#Galaxy game: Lyra, racename: Alpha, password: pw\nSend group 1 to planet 56 ; ETA ? turns\n"
         "Load cargo CAP onto 2 ships of group 3\nSend group MAX to planet 56 ; ETA ? turns\nMessage to Beta:\n"
         "   Hello\nEnd of message\n#End\n", ""},
        {{"convert", move, "--to", "raw"}, 0,
         "#GALAXY Lyra Alpha pw\nS 1 56 ; ETA ? turns\nL 3 CAP 2\nS MAX 56 ; ETA ? turns\n@ Beta\nHello\n@\n#END\n",
         ""},
        {{"eta", move, "--turn", turn}, 0,
         "#GALAXY Lyra Alpha pw\nS 1 56 ; ETA 4 turns\nL 3 CAP 2\nS MAX 56 ; ETA 5 turns\n@ Beta\nHello\n@\n#END\n",
         ""},
        {{"check", move, "--turn", turn}, 0, "Move seems to be correct.\n", ""},
        {{"check", wrong, "--turn", turn}, 0,
         "Error in line \"S 1 Nowhere ; ETA ? turns\": Planet does not exists.\n"
         "Error in unload command for group 3: Group doesn't carry any cargo.\n", ""},
        {{"convert", nomove, "--to", "raw"}, 2, "", "orrery-cli: " + nomove + ", line 1: This is no galaxy move!\n"},
        {{"convert", unknown, "--to", "natural"}, 2, "",
         "orrery-cli: " + unknown + ", line 5: Error in file: unrecognized command in line = Alice\n"},
        {{"convert", dir.file("missing.txt"), "--to", "raw"}, 2, "",
         "orrery-cli: Could not read " + dir.file("missing.txt") + ": No such file or directory\n"},
        {{"check", unknown, "--turn", dir.file("none/alpha15.txt")}, 2, "", "?"}, {{"check", move}, 2, "", "?"},
        {{"convert", move, "--to", "latin"}, 2, "", "?"}, {{"fly"}, 2, "", "?"},
    };
    for (const auto& [arguments, status, out, err] : runs) {
        if (!haveTurn && std::count(arguments.begin(), arguments.end(), turn)) continue;
        SCOPED_TRACE(arguments[0] + " " + arguments.back());
        test::Strings all = {"move"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        const test::ProgramRun done = test::runProgram(ORRERY_CLI, all);
        EXPECT_EQ(done.status, status);
        EXPECT_EQ(done.out, out);
        if (err != "?") EXPECT_EQ(done.err, err);
        else EXPECT_TRUE(done.err.size() > 12 && done.err.find('\n') == done.err.size() - 1) << done.err;
    }
}

// orrery-cli plan: the orders it prints are the move it writes, and the checker finds that move
// correct for the same turn.
TEST(CliMove, PlanWritesACheckedMove)
{
    test::TempDir dir;
    if (!test::copyCorpus("samples/gng-daily8-farmers", dir.file("farmers"))) GTEST_SKIP() << "corpus not found";
    const std::string turn = dir.file("farmers/turn25.txt"), move = dir.file("plan.txt");
    const test::ProgramRun planned = test::runProgram(ORRERY_CLI, {"plan", turn, "--turns", "4", "--move", move});
    ASSERT_EQ(planned.status, 0) << planned.err;
    const std::string written = test::readText(move);
    ASSERT_EQ(written.rfind("#GALAXY Daily8 Farmers", 0), 0u);
    // Every printed order is a line of the move, in the same order.
    std::size_t at = 0, orders = 0;
    for (std::size_t from = 0, end; (end = planned.out.find('\n', from)) != std::string::npos; from = end + 1) {
        const std::string line = planned.out.substr(from, end - from);
        if (line.rfind("Result:", 0) == 0) continue;
        at = written.find(line + "\r\n", at);
        ASSERT_NE(at, std::string::npos) << line;
        ++orders;
    }
    EXPECT_GT(orders, 0u);
    EXPECT_NE(planned.out.find("Result: "), std::string::npos);
    const test::ProgramRun checked = test::runProgram(ORRERY_CLI, {"move", "check", move, "--turn", turn});
    EXPECT_EQ(checked.out, "Move seems to be correct.\n");
    const test::ProgramRun bad = test::runProgram(ORRERY_CLI, {"plan", turn, "--turns", "0"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("Number of turns has to be a number and at least 1!"), std::string::npos);
}

} // namespace
} // namespace orrery
