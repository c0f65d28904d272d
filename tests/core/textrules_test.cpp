#include "textrules.h"
#include "shortname.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace orrery;

TEST(Fields, SeparatorsAreControlCodesBlankAndNbsp)
{
    const Fields f("  Alpha\t1.00\xA0 2.00\x01x \"quoted text\"");
    ASSERT_EQ(f.count(), 6);
    // A quote is an ordinary character of report fields; a field beyond the last is empty.
    EXPECT_EQ((std::vector{f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]}),
              (std::vector<std::string_view>{"", "Alpha", "1.00", "2.00", "x", "\"quoted", "text\"", ""}));
    EXPECT_EQ(fieldCount("  Alpha\t1.00\xA0 2.00\x01x \"quoted text\""), 6);
    EXPECT_EQ(field("a b c", 3), "c");
    EXPECT_EQ(field("a b c", 4), "");
    EXPECT_TRUE(isBlankLine(" \t\xA0"));
    EXPECT_FALSE(isBlankLine(" . "));
}

TEST(Fields, ManyFieldsBeyondTheInlineBuffer)
{
    std::string line;
    for (int i = 1; i <= 100; ++i) line += std::to_string(i) + " ";
    const Fields f(line);
    ASSERT_EQ(f.count(), 100);
    EXPECT_EQ((std::vector{f[41], f[100], f[101]}), (std::vector<std::string_view>{"41", "100", ""}));
}

TEST(Numbers, LeadingNumberOrZero)
{
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"12.50", 12.5}, {"7abc", 7.0}, {"-", 0.0}, {"abc", 0.0}, {"", 0.0}, {"-3.25", -3.25}, {"+4", 4.0},
        {".5", 0.5},     {"5.", 5.0},   {"1e3", 1000.0}, {"2e", 2.0}, {"1.2.3", 1.2}, {"inf", 0.0}, {"nan", 0.0},
        {"1e999", 1.7976931348623157e308}, {"1e-999", 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readNumber(c.text), c.value);
    }
    EXPECT_EQ(readNumberOrUnknown(""), -1.0);
    EXPECT_EQ(readNumberOrUnknown("-"), 0.0);
    for (const char* number : {"1.00", "-7"}) EXPECT_TRUE(isNumber(number)) << number;
    for (const char* text : {"War", "1.00x", "", "-"}) EXPECT_FALSE(isNumber(text)) << text;
}

TEST(Numbers, IntegerConversionsNeverOverflow)
{
    EXPECT_EQ(truncToInt(70.99), 70);
    EXPECT_EQ(truncToInt(-2.5), -2);
    EXPECT_EQ(truncToInt(1e300), 2147483647);
    EXPECT_EQ(truncToInt(-1e300), -2147483647 - 1);
    EXPECT_EQ(truncToInt(std::nan("")), 0);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(10.49), 10);
}

TEST(Numbers, FixedNotationPadsAndRoundsHalvesToEven)
{
    EXPECT_EQ(formatFixed(3.14159, 6, 2), "  3.14");
    EXPECT_EQ(formatFixed(0.125, 0, 2), "0.12");
    EXPECT_EQ(formatFixed(0.375, 0, 2), "0.38");
    EXPECT_EQ(formatFixed(2.5, 3, 0), "  2");
    EXPECT_EQ(formatFixed(-1, 4, 2), "-1.00");
    EXPECT_EQ(formatFixed(1234567.0, 3, 2), "1234567.00");
}

TEST(ShortName, CutsToTwentyCharacters)
{
    const shortname n("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(n.view(), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(n, shortname("ABCDEFGHIJKLMNOPQRSTxyz"));
    EXPECT_FALSE(shortname("Alpha") == shortname("alpha"));
    EXPECT_TRUE(shortname().empty());
}

// A line ends at CR LF, LF or CR; the character 26 ends the text.
TEST(Lines, CarriageReturnLineFeedAndBothEndALine)
{
    EXPECT_EQ(splitLines("one\r\ntwo\rthree\nfour\n\r\r\n\nlast"),
              (std::vector<std::string_view>{"one", "two", "three", "four", "", "", "", "last"}));
    EXPECT_TRUE(splitLines("").empty());
    EXPECT_EQ(splitLines("end\n"), std::vector<std::string_view>{"end"});
    EXPECT_EQ(splitLines("a\r\nb\x1a\r\nc\r\n"), (std::vector<std::string_view>{"a", "b"}));
}

TEST(Text, TrimAndLatin1)
{
    EXPECT_EQ(trimmed("\t Your Groups \xA0"), "Your Groups");
    EXPECT_EQ(latin1ToUtf8("caf\xE9"), "caf\xC3\xA9");
}
