#include "texttools.h"

#include "fileio.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace orrery {

namespace {

constexpr char endOfFile = 26;

std::string_view untilEndOfFile(std::string_view text)
{
    const std::size_t eof = text.find(endOfFile);
    return eof == std::string_view::npos ? text : text.substr(0, eof);
}

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Where `what` occurs in text from `from` on; npos when nowhere.
std::size_t findIn(std::string_view text, std::string_view what, std::size_t from, bool caseSensitive)
{
    if (from > text.size()) return std::string_view::npos;
    if (caseSensitive) return text.find(what, from);
    const auto hit = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), what.begin(), what.end(),
                                 [](char a, char b) { return upper(a) == upper(b); });
    return hit == text.end() ? std::string_view::npos : static_cast<std::size_t>(hit - text.begin());
}

std::string_view fileNameOf(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace

std::vector<std::string> splitTextLines(std::string_view text)
{
    text = untilEndOfFile(text);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

TextFileContent decodeTextFile(std::string_view bytes)
{
    bytes = untilEndOfFile(bytes);
    TextFileContent content;
    const std::size_t first = bytes.find_first_of("\r\n");
    if (first != std::string_view::npos && bytes[first] == '\r')
        content.lineEnd = first + 1 < bytes.size() && bytes[first + 1] == '\n' ? LineEnd::CRLF : LineEnd::CR;
    content.text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r') {
            content.text += bytes[i];
            continue;
        }
        content.text += '\n';
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    }
    return content;
}

std::string encodeTextFile(std::string_view text, LineEnd lineEnd)
{
    if (lineEnd == LineEnd::LF) return std::string(text);
    const std::string_view end = lineEnd == LineEnd::CRLF ? "\r\n" : "\r";
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (const char c : text) {
        if (c == '\n')
            out += end;
        else
            out += c;
    }
    return out;
}

Result<TextFileContent> loadTextFile(const std::string& path)
{
    Result<std::string> bytes = readFile(path);
    if (!bytes) return bytes.error();
    return decodeTextFile(*bytes);
}

Status saveTextFile(const std::string& path, std::string_view text, LineEnd lineEnd)
{
    return writeFileAtomic(path, encodeTextFile(text, lineEnd));
}

std::optional<std::string> mostRecentFile(const std::string& folder)
{
    if (folder.empty()) return std::nullopt;
    std::error_code ec;
    fs::directory_iterator it(fs::path(folder), ec);
    if (ec) return std::nullopt;
    std::optional<std::pair<fs::file_time_type, fs::path>> best;
    for (const fs::directory_entry& entry : it) {
        std::error_code entryError;
        if (!entry.is_regular_file(entryError)) continue;
        const fs::file_time_type time = entry.last_write_time(entryError);
        if (entryError) continue;
        const bool better = !best || time > best->first || (time == best->first && entry.path() < best->second);
        if (better) best = std::pair{time, entry.path()};
    }
    if (!best) return std::nullopt;
    return best->second.string();
}

std::string quoteReply(std::string_view selection)
{
    std::string out = "> ";
    out.reserve(selection.size() + selection.size() / 16 + 2);
    for (std::size_t i = 0; i < selection.size(); ++i) {
        out += selection[i];
        const bool crBeforeLf = selection[i] == '\r' && i + 1 < selection.size() && selection[i + 1] == '\n';
        const bool lineEnd = (selection[i] == '\n' || selection[i] == '\r') && !crBeforeLf;
        if (lineEnd && i + 1 < selection.size()) out += "> ";
    }
    return out;
}

std::optional<int> TextSearch::nextLine(const std::vector<std::string>& lines, std::string_view what,
                                        bool caseSensitive)
{
    if (!what.empty())
        for (std::size_t i = static_cast<std::size_t>(position_ + 1); i < lines.size(); ++i)
            if (findIn(lines[i], what, 0, caseSensitive) != std::string_view::npos) {
                position_ = static_cast<int>(i);
                return position_;
            }
    position_ = -1;
    return std::nullopt;
}

std::optional<TextSearch::Match> TextSearch::nextMatch(std::string_view text, std::string_view what,
                                                       bool caseSensitive)
{
    const std::size_t from = position_ < 0 ? 0 : static_cast<std::size_t>(position_);
    const std::size_t hit = what.empty() ? std::string_view::npos : findIn(text, what, from, caseSensitive);
    if (hit == std::string_view::npos) {
        position_ = -1;
        return std::nullopt;
    }
    position_ = static_cast<int>(hit + what.size());
    return Match{static_cast<int>(hit), static_cast<int>(what.size())};
}

EditorCommands editorCommands(bool hasSelection, bool clipboardHasText, bool hasFileName)
{
    return {.cut = hasSelection,
            .copy = hasSelection,
            .del = hasSelection,
            .reply = hasSelection,
            .paste = clipboardHasText,
            .save = hasFileName};
}

std::string viewerCaption(std::string_view path)
{
    return "View text file " + std::string(fileNameOf(path)) + ":";
}

std::string editorCaption(std::string_view path)
{
    return path.empty() ? std::string("Text Editor") : "Text Editor (" + std::string(path) + ")";
}

} // namespace orrery
