// The text tools without windows: line ends, the editor's files, the most recent file, reply
// quoting and the text search.

#include "fileio.h"
#include "testfiles.h"
#include "texttools.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace orrery;
using Lines = std::vector<std::string>;

TEST(TextLines, EveryKindOfLineEndSplitsAndEndOfFileStops)
{
    EXPECT_EQ(splitTextLines("a\nb\r\nc\rd"), (Lines{"a", "b", "c", "d"}));
    // Empty lines stay; a final line end adds no empty line; character 26 ends the text.
    EXPECT_EQ(splitTextLines("\r\n\nx\r\n"), (Lines{"", "", "x"}));
    EXPECT_EQ(splitTextLines("a\r\rb\x1A" "c\nd"), (Lines{"a", "", "b"}));
    // A report of bare LF lines is not one long line.
    std::string longFile;
    for (int i = 0; i < 300; ++i) longFile += "line " + std::to_string(i) + "\n";
    const Lines lines = splitTextLines(longFile);
    ASSERT_EQ(lines.size(), 300U);
    EXPECT_EQ(lines[299], "line 299");
}

TEST(TextFiles, SavesKeepTheLineEndsTheFileHad)
{
    test::TempDir dir;
    for (const std::string_view ends : {"\r\n", "\n", "\r"}) {
        const std::string original = "From: Alpha" + std::string(ends) + std::string(ends) + "Peace?" + std::string(ends);
        dir.write("mail.txt", original);
        Result<TextFileContent> loaded = loadTextFile(dir.file("mail.txt"));
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->text, "From: Alpha\n\nPeace?\n");
        ASSERT_TRUE(saveTextFile(dir.file("mail.txt"), loaded->text, loaded->lineEnd));
        EXPECT_EQ(test::readText(dir.file("mail.txt")), original);
    }
    // A text without line ends, like a new one, is written with LF.
    const TextFileContent single = decodeTextFile("one line");
    ASSERT_TRUE(saveTextFile(dir.file("new.txt"), single.text + "\nsecond", single.lineEnd));
    EXPECT_EQ(test::readText(dir.file("new.txt")), "one line\nsecond");
}

TEST(TextFiles, FailedReadsAndWritesAreReported)
{
    test::TempDir dir;
    EXPECT_FALSE(loadTextFile(dir.file("missing.txt")));
    std::filesystem::create_directory(dir.file("folder"));
    const Status onFolder = saveTextFile(dir.file("folder"), "text", LineEnd::LF);
    ASSERT_FALSE(onFolder);
    EXPECT_NE(onFolder.error().text().find(dir.file("folder")), std::string::npos);
    const Status noFolder = saveTextFile(dir.file("nowhere/mail.txt"), "text", LineEnd::LF);
    EXPECT_FALSE(noFolder);
    EXPECT_FALSE(fileExists(dir.file("nowhere/mail.txt")));
}

TEST(TextFiles, MostRecentFileIsTheNewestRegularFile)
{
    test::TempDir dir;
    EXPECT_EQ(mostRecentFile(dir.path()), std::nullopt);
    EXPECT_EQ(mostRecentFile(""), std::nullopt);
    EXPECT_EQ(mostRecentFile(dir.file("missing")), std::nullopt);

    namespace fs = std::filesystem;
    const auto now = fs::file_time_type::clock::now();
    dir.write("old.txt", "old");
    dir.write("new.txt", "new");
    dir.write("same.txt", "same");
    fs::last_write_time(dir.file("old.txt"), now - std::chrono::hours(2));
    fs::last_write_time(dir.file("new.txt"), now - std::chrono::hours(1));
    fs::last_write_time(dir.file("same.txt"), now - std::chrono::hours(1));
    // A newer folder is no file; on equal times the first name wins.
    fs::create_directory(dir.file("newer folder"));
    EXPECT_EQ(mostRecentFile(dir.path()), dir.file("new.txt"));
    fs::last_write_time(dir.file("same.txt"), now);
    EXPECT_EQ(mostRecentFile(dir.path()), dir.file("same.txt"));
}

TEST(ReplyQuoting, EveryLineIsQuotedAndTheFinalLineEndStays)
{
    EXPECT_EQ(quoteReply("first\r\nsecond\r\n"), "> first\r\n> second\r\n");
    EXPECT_EQ(quoteReply("first\nsecond"), "> first\n> second");
    EXPECT_EQ(quoteReply("a\rb\n\nc"), "> a\r> b\n> \n> c");
    EXPECT_EQ(quoteReply("> quoted\n"), "> > quoted\n");
}

TEST(TextSearch, LinesFromTheLastMatchAndFromTheTopAfterAMiss)
{
    const Lines lines{"Alpha", "beta", "ALPHABET", "gamma", "alpha"};
    TextSearch search;
    EXPECT_EQ(search.nextLine(lines, "alpha", false), 0);
    EXPECT_EQ(search.nextLine(lines, "alpha", false), 2);
    EXPECT_EQ(search.nextLine(lines, "alpha", false), 4);
    EXPECT_EQ(search.nextLine(lines, "alpha", false), std::nullopt);
    EXPECT_TRUE(search.fromTop());
    EXPECT_EQ(search.nextLine(lines, "alpha", false), 0);
    // Case sensitive; a reset starts from the top; an empty text finds nothing.
    search.reset();
    EXPECT_EQ(search.nextLine(lines, "alpha", true), 4);
    EXPECT_EQ(search.nextLine(lines, "", false), std::nullopt);
    // Only ASCII letters fold: Latin-1 letters match exactly.
    EXPECT_EQ(search.nextLine({"caf\xE9", "CAF\xE9"}, "CAF\xC9", false), std::nullopt);
    EXPECT_EQ(search.nextLine({"caf\xE9", "CAF\xE9"}, "CAF\xE9", false), 0);
    // A found line has ten lines above it when there are.
    EXPECT_EQ(topLineFor(5), 5);
    EXPECT_EQ(topLineFor(25), 15);
}

TEST(TextSearch, TextMatchesDoNotOverlapAndWrapAfterAMiss)
{
    const std::string text = "aaaa\nAaA";
    TextSearch search;
    using M = TextSearch::Match;
    EXPECT_EQ(search.nextMatch(text, "aa", false), (M{0, 2}));
    EXPECT_EQ(search.nextMatch(text, "aa", false), (M{2, 2}));
    EXPECT_EQ(search.nextMatch(text, "aa", false), (M{5, 2}));
    EXPECT_EQ(search.nextMatch(text, "aa", false), std::nullopt);
    EXPECT_EQ(search.nextMatch(text, "aA", true), (M{6, 2}));
    EXPECT_EQ(search.nextMatch(text, "aA", true), std::nullopt);
    EXPECT_EQ(search.nextMatch(text, "aA", true), (M{6, 2}));
    // A match at the very end; the text may have shrunk behind the last match.
    EXPECT_EQ(search.nextMatch("A", "a", false), std::nullopt);
    EXPECT_EQ(search.nextMatch("A", "a", false), (M{0, 1}));
}
