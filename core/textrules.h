#pragma once

// The text rules every reader of the game's files shares: how a text is cut into lines, how a
// line is cut into fields (words), how numbers are read from fields and how numbers are written.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

// Field separators: every code below 33 (blank, tab, control characters) and 160, the
// non-breaking space. A quote is an ordinary character.
constexpr bool isSeparator(unsigned char c) { return c < 33 || c == 160; }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The fields (words) of one line: maximal runs of non-separator characters, numbered from 1.
// Asking for a field beyond the last gives an empty text.
class Fields {
public:
    explicit Fields(std::string_view line);

    int count() const { return count_; }
    std::string_view operator[](int n) const;
    // Byte offset of field n inside the line; the line's length for a missing field.
    std::size_t offset(int n) const;
    std::string_view line() const { return line_; }

private:
    struct Span {
        std::uint32_t begin;
        std::uint32_t length;
    };
    static constexpr int inlineCount = 40;
    std::string_view line_;
    int count_ = 0;
    std::array<Span, inlineCount> inline_{};
    std::vector<Span> more_;
};

// Number of fields of a line without keeping them.
int fieldCount(std::string_view line);
// The n-th field (from 1) of a line; empty when the line has fewer fields.
std::string_view field(std::string_view line, int n);
// True when the line holds no field at all (empty or only separators).
bool isBlankLine(std::string_view line);

// Reads the number a field begins with (C locale, decimal point): "12.50" gives 12.5, "7abc" 7,
// and a field that does not start with a number gives 0.
double readNumber(std::string_view text);
// Like readNumber, but an empty field (no column at all) gives the unknown value -1.
double readNumberOrUnknown(std::string_view text);
// True when the whole field is a number.
bool isNumber(std::string_view text);
// A number being typed: at least two characters, the last a point and the one before not
// ("12." on the way to "12.5"). Input fields accept it silently while the user types.
bool isNumberInProgress(std::string_view text);
// A real number converted to a 32-bit integer by dropping the fraction; out-of-range values and
// NaN are clamped so that broken input never gives undefined behaviour.
std::int32_t truncToInt(double value);
// Rounds to the nearest integer, halves to the even neighbour, clamped like truncToInt.
std::int32_t roundHalfEven(double value);

// The w:d notation: the value with d decimals, rounded to the nearest (halves to even), padded
// on the left with blanks to at least w characters.
std::string formatFixed(double value, int width, int decimals);

// Text without leading and trailing separators.
std::string_view trimmed(std::string_view text);
bool contains(std::string_view text, std::string_view part);
bool startsWith(std::string_view text, std::string_view prefix);

// Line reading. A line ends at a carriage return, at a line feed, or at both in that order, so
// that texts saved on any platform read alike; the character 26 ends the text.
class LineReader {
public:
    explicit LineReader(std::string_view text);
    bool next(std::string_view& line);
    bool atEnd() const { return pos_ >= text_.size(); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t nextFeed_ = 0;
    bool feedKnown_ = false;
};

std::vector<std::string_view> splitLines(std::string_view text);

// Latin-1 bytes as UTF-8 (for JSON and for display).
std::string latin1ToUtf8(std::string_view text);

} // namespace orrery
