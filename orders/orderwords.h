#pragma once

// Words of an order line, and the small text helpers every part of the orders editor shares.

#include <string>
#include <string_view>
#include <vector>

namespace orrery {

// Line break used inside messages and the checker's text (the text rules end a line at a carriage
// return, so a bare line feed would not break it).
inline constexpr std::string_view lineBreak = "\r\n";

// The words of an order line, numbered from 1; a missing word is empty. Words are the fields of
// the shared splitter (runs of characters of code 33 or above, 160 counting as a blank), with one
// addition for order words: a word that begins with a double quote runs on to the next double
// quote, blanks included, so that a quoted name counts as one word. A quote that is never closed
// leaves the word as the splitter cut it.
class OrderWords {
public:
    explicit OrderWords(std::string_view line);

    int count() const { return static_cast<int>(words_.size()); }
    std::string_view operator[](int n) const
    {
        return n >= 1 && n <= count() ? words_[static_cast<std::size_t>(n - 1)] : std::string_view();
    }
    std::string_view last() const { return words_.empty() ? std::string_view() : words_.back(); }

private:
    std::vector<std::string_view> words_;
};

// ASCII upper case (names of the game are plain ASCII; other bytes stay).
std::string upper(std::string_view text);
bool equalsNoCase(std::string_view a, std::string_view b);
// The command letter of a raw line: its first character, upper-cased, because the server takes
// "s 12 Mars" as "S 12 Mars". NUL for an empty line.
char commandLetter(std::string_view line);
// An optional sign followed by at least one digit, nothing else.
bool isWholeNumber(std::string_view text);
// The line up to (not including) its first ";".
std::string_view cutComment(std::string_view line);
// The comment of a line: everything from its first ";" on; empty when it has none.
std::string_view commentOf(std::string_view line);

// A value of a command window as it goes into an order: trimmed, every blank replaced by "_".
std::string orderValue(std::string_view value);
// A value chosen from a list whose entries carry a description, such as '12 (5 Cruiser)', cut
// before its last "(" and the blank in front of it: '12'. Text without "(" is returned unchanged.
std::string StripAnnotation(std::string_view value);

} // namespace orrery
