#include "orderwords.h"

#include "textrules.h"

namespace orrery {

OrderWords::OrderWords(std::string_view line)
{
    const Fields fields(line);
    words_.reserve(static_cast<std::size_t>(fields.count()));
    for (int i = 1; i <= fields.count(); ++i) {
        const std::string_view word = fields[i];
        const std::size_t begin = fields.offset(i);
        if (word.front() == '"' && word.find('"', 1) == std::string_view::npos) {
            const std::size_t close = line.find('"', begin + word.size());
            if (close != std::string_view::npos) {
                // The closing quote lies in a later field; the word ends where that field ends.
                int j = i + 1;
                while (j <= fields.count() && fields.offset(j) + fields[j].size() <= close) ++j;
                const std::size_t end = fields.offset(j) + fields[j].size();
                words_.push_back(line.substr(begin, end - begin));
                i = j;
                continue;
            }
        }
        words_.push_back(word);
    }
}

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

char commandLetter(std::string_view line)
{
    if (line.empty()) return '\0';
    const char c = line.front();
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

bool isWholeNumber(std::string_view text)
{
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

std::string_view cutComment(std::string_view line)
{
    const std::size_t semicolon = line.find(';');
    return semicolon == std::string_view::npos ? line : line.substr(0, semicolon);
}

std::string_view commentOf(std::string_view line)
{
    const std::size_t semicolon = line.find(';');
    return semicolon == std::string_view::npos ? std::string_view() : line.substr(semicolon);
}

std::string orderValue(std::string_view value)
{
    std::string out(trimmed(value));
    for (char& c : out)
        if (isSeparator(static_cast<unsigned char>(c))) c = '_';
    return out;
}

std::string StripAnnotation(std::string_view value)
{
    const std::size_t open = value.rfind('(');
    if (open == std::string_view::npos) return std::string(value);
    std::string_view kept = value.substr(0, open);
    // The blank in front of the description; command windows hand the value over with its blanks
    // already turned into "_".
    while (!kept.empty() && (kept.back() == '_' || isSeparator(static_cast<unsigned char>(kept.back()))))
        kept.remove_suffix(1);
    return std::string(kept);
}

} // namespace orrery
