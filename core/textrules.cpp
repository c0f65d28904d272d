#include "textrules.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace orrery {

Fields::Fields(std::string_view line) : line_(line)
{
    const std::size_t n = line.size();
    std::size_t i = 0;
    while (i < n) {
        while (i < n && isSeparator(static_cast<unsigned char>(line[i]))) ++i;
        if (i >= n) break;
        const std::size_t begin = i;
        while (i < n && !isSeparator(static_cast<unsigned char>(line[i]))) ++i;
        const Span span{static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(i - begin)};
        if (count_ < inlineCount)
            inline_[count_] = span;
        else
            more_.push_back(span);
        ++count_;
    }
}

std::string_view Fields::operator[](int n) const
{
    if (n < 1 || n > count_) return {};
    const Span& s = n <= inlineCount ? inline_[n - 1] : more_[n - 1 - inlineCount];
    return line_.substr(s.begin, s.length);
}

std::size_t Fields::offset(int n) const
{
    if (n < 1 || n > count_) return line_.size();
    return n <= inlineCount ? inline_[n - 1].begin : more_[n - 1 - inlineCount].begin;
}

int fieldCount(std::string_view line)
{
    int count = 0;
    bool inField = false;
    for (char ch : line) {
        const bool sep = isSeparator(static_cast<unsigned char>(ch));
        if (!sep && !inField) ++count;
        inField = !sep;
    }
    return count;
}

std::string_view field(std::string_view line, int n)
{
    if (n < 1) return {};
    const std::size_t size = line.size();
    std::size_t i = 0;
    int current = 0;
    while (i < size) {
        while (i < size && isSeparator(static_cast<unsigned char>(line[i]))) ++i;
        if (i >= size) break;
        const std::size_t begin = i;
        while (i < size && !isSeparator(static_cast<unsigned char>(line[i]))) ++i;
        if (++current == n) return line.substr(begin, i - begin);
    }
    return {};
}

bool isBlankLine(std::string_view line)
{
    for (char ch : line)
        if (!isSeparator(static_cast<unsigned char>(ch))) return false;
    return true;
}

namespace {

// Length of the longest prefix of text that is a number: optional sign, digits with an optional
// fraction (at least one digit in all), optional exponent. 0 when the text does not start with one.
std::size_t numberPrefix(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && isDigit(text[i])) ++i, ++digits;
    if (i < n && text[i] == '.') {
        std::size_t j = i + 1;
        std::size_t fraction = 0;
        while (j < n && isDigit(text[j])) ++j, ++fraction;
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0) return 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
        std::size_t expDigits = 0;
        while (j < n && isDigit(text[j])) ++j, ++expDigits;
        if (expDigits > 0) i = j;
    }
    return i;
}

} // namespace

double readNumber(std::string_view text)
{
    const std::size_t length = numberPrefix(text);
    if (length == 0) return 0.0;
    std::string_view number = text.substr(0, length);
    bool negative = false;
    if (number.front() == '+' || number.front() == '-') {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow and underflow: tell them apart by the exponent.
        const bool tiny = number.find_first_of("eE") != std::string_view::npos &&
                          number.find('-', number.find_first_of("eE")) != std::string_view::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::max();
    } else if (result.ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

double readNumberOrUnknown(std::string_view text) { return text.empty() ? -1.0 : readNumber(text); }

bool isNumber(std::string_view text) { return !text.empty() && numberPrefix(text) == text.size(); }

bool isNumberInProgress(std::string_view text)
{
    return text.size() >= 2 && text.back() == '.' && text[text.size() - 2] != '.';
}

std::int32_t truncToInt(double value)
{
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::int32_t roundHalfEven(double value)
{
    if (std::isnan(value)) return 0;
    // nearbyint rounds halves to even in the default rounding mode.
    return truncToInt(std::nearbyint(value));
}

std::string formatFixed(double value, int width, int decimals)
{
    char buffer[64];
    // printf rounds the exact binary value to nearest, ties to even, which is the w:d rule.
    int n = std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < sizeof buffer) return std::string(buffer, static_cast<std::size_t>(n));
    std::string big(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(big.data(), big.size(), "%*.*f", width, decimals, value);
    big.resize(static_cast<std::size_t>(n));
    return big;
}

std::string_view trimmed(std::string_view text)
{
    std::size_t b = 0, e = text.size();
    while (b < e && isSeparator(static_cast<unsigned char>(text[b]))) ++b;
    while (e > b && isSeparator(static_cast<unsigned char>(text[e - 1]))) --e;
    return text.substr(b, e - b);
}

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }
bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

LineReader::LineReader(std::string_view text) : text_(text)
{
    if (const void* eof = std::memchr(text.data(), 26, text.size()))
        text_ = text.substr(0, static_cast<std::size_t>(static_cast<const char*>(eof) - text.data()));
}

bool LineReader::next(std::string_view& line)
{
    const std::size_t size = text_.size();
    if (pos_ >= size) return false;
    const char* data = text_.data();
    // The next line feed is looked for once and remembered, so that a text with carriage returns
    // alone is not searched to its end for every line.
    if (!feedKnown_ || nextFeed_ < pos_) {
        const void* lf = std::memchr(data + pos_, '\n', size - pos_);
        nextFeed_ = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - data) : size;
        feedKnown_ = true;
    }
    std::size_t end = nextFeed_;
    if (const void* cr = std::memchr(data + pos_, '\r', end - pos_))
        end = static_cast<std::size_t>(static_cast<const char*>(cr) - data);
    line = std::string_view(data + pos_, end - pos_);
    pos_ = end + 1;
    if (end < size && data[end] == '\r' && pos_ < size && data[pos_] == '\n') ++pos_;
    return true;
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    lines.reserve(text.size() / 48 + 1);
    LineReader reader(text);
    std::string_view line;
    while (reader.next(line)) lines.push_back(line);
    return lines;
}

std::string latin1ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

} // namespace orrery
