// Opening a game by the report of any of its turns, the list of recently opened games, and the
// game's name read from a report.

#include "reportpath.h"
#include "reportreader.h"
#include "testfiles.h"

#include <gtest/gtest.h>

using namespace orrery;

TEST(TurnZeroReport, FoundBesideTheReportOfAnyTurn)
{
    test::TempDir dir;
    for (const char* name : {"alpha0.txt", "alpha10.txt", "race_60.txt", "race_615.txt", "lone7.txt", "0.txt"})
        dir.write(name, "x");
    // Every turn of alpha leads to alpha0.txt; alpha10.txt is turn 10 of alpha, not turn 0 of
    // "alpha1", because alpha0.txt is there.
    for (const char* name : {"alpha0.txt", "alpha7.txt", "alpha10.txt", "alpha123.txt"}) {
        const Result<std::string> zero = turnZeroReportFor(dir.file(name));
        ASSERT_TRUE(zero) << name;
        EXPECT_EQ(*zero, dir.file("alpha0.txt"));
    }
    // A report name that ends in a digit itself: race_6 plays race_60.txt, race_61.txt ...
    EXPECT_EQ(turnZeroReportFor(dir.file("race_615.txt")).valueOr(""), dir.file("race_60.txt"));
    EXPECT_EQ(turnZeroReportFor(dir.file("race_60.txt")).valueOr(""), dir.file("race_60.txt"));

    // Without turn 0 beside it, or without a turn number, the message names the file.
    const Result<std::string> missing = turnZeroReportFor(dir.file("lone7.txt"));
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().text().find(dir.file("lone0.txt")), std::string::npos);
    const Result<std::string> noTurn = turnZeroReportFor(dir.file("notes.txt"));
    ASSERT_FALSE(noTurn);
    EXPECT_NE(noTurn.error().text().find("notes.txt"), std::string::npos);
    EXPECT_FALSE(turnZeroReportFor(dir.file("0.txt")));
}

TEST(RecentGames, NewestFirstWithoutRepeatsAndCut)
{
    std::vector<std::string> games;
    for (int i = 0; i < 10; ++i) games = withRecentGame(games, "/g/" + std::to_string(i) + "/a0.txt");
    // Opened again, a game moves to the top and is not listed twice; the oldest fall off.
    games = withRecentGame(games, "/g/5/a0.txt");
    ASSERT_EQ(games.size(), recentGamesLimit);
    EXPECT_EQ(games[0], "/g/5/a0.txt");
    EXPECT_EQ(games[1], "/g/9/a0.txt");
    EXPECT_EQ(games.back(), "/g/2/a0.txt");
    EXPECT_EQ(recentGameLabel("/games/lyra/alpha0.txt"), "alpha0.txt  (/games/lyra)");
}

TEST(GameName, ReadFromTheHeaderOfEveryDialect)
{
    EXPECT_EQ(gameNameOfReport("Bulletins\n\n\t\tGalaxy Game Lyra Turn 3 Report for Alpha\r\n"), "Lyra");
    EXPECT_EQ(gameNameOfReport("Report for Alpha, Galaxy game Big Lyra, Turn 3\n"), "Big Lyra");
    EXPECT_EQ(gameNameOfReport("Blind Galaxy Game Newbie7 Turn 12 Report for Galagans\n"), "Newbie7");
    // The mail's subject line is not the header.
    EXPECT_EQ(gameNameOfReport("Subject: Galaxy Game Mail Turn 1 Report for A\n"), "");
    EXPECT_EQ(gameNameOfReport("no report here"), "");
    const std::string corpus = test::corpusDir();
    if (corpus.empty()) return;
    EXPECT_EQ(gameNameOfReport(test::readText(corpus + "gng-game1/alpha/alpha3.txt")), "Lyra");
}
