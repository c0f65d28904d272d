#pragma once

// The text tools without any window: the text viewer's lines, the text editor's files, its
// quoting for replies and the enabling of its edit commands, and the text search over a list of
// lines or over one text. Texts are bytes (game texts are Latin-1); the editor keeps its text
// with LF line ends and writes the line ends the file had.
//
//     TextFileContent file = *loadTextFile(path);      // file.text has LF line ends
//     ...                                               // edited
//     Status saved = saveTextFile(path, edited, file.lineEnd);
//
//     TextSearch search;                                // one per searched control
//     if (auto line = search.nextLine(lines, "planet", false)) select(*line, topLineFor(*line));
//     else warn("Text not found!");                     // the next search starts from the top

#include "result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

// How the lines of a text file end.
enum class LineEnd : std::uint8_t { LF, CRLF, CR };

// The lines of a text: LF, CR LF and a CR alone all end a line; a line end at the very end makes
// no empty line after it; the character 26 ends the text (old DOS files carry one).
std::vector<std::string> splitTextLines(std::string_view text);

// A text file as the editor holds it: the text with LF line ends, and the line end the file used
// (the first one found; LF for a file without any).
struct TextFileContent {
    std::string text;
    LineEnd lineEnd = LineEnd::LF;
};
TextFileContent decodeTextFile(std::string_view bytes);
// The text with every LF written as the given line end.
std::string encodeTextFile(std::string_view text, LineEnd lineEnd);

Result<TextFileContent> loadTextFile(const std::string& path);
// Writes the text safely (temporary file and rename) with the given line ends; a failure names
// the file and the reason.
Status saveTextFile(const std::string& path, std::string_view text, LineEnd lineEnd);

// The regular file of a folder changed last (on equal times the first by name); nothing when the
// folder has none or cannot be read. Subfolders and other entries do not count.
std::optional<std::string> mostRecentFile(const std::string& folder);

// A reply's quoting: "> " before the text and after every line end inside it; a line end that
// ends the text gets none, so the quoted lines end as they did.
std::string quoteReply(std::string_view selection);

// The text search over one control. It remembers where the last match was, so that "Search
// again" goes on behind it; after a miss (and at first) the next search starts from the top.
// Without case sensitivity both texts are compared in ASCII upper case. An empty search text
// finds nothing.
class TextSearch {
public:
    // Starts the next search from the top.
    void reset() { position_ = -1; }
    bool fromTop() const { return position_ < 0; }

    // A list of lines: the index of the next line containing the text.
    std::optional<int> nextLine(const std::vector<std::string>& lines, std::string_view what, bool caseSensitive);

    // One text: the next occurrence that does not overlap the last one found.
    struct Match {
        int start = 0; // character index from 0
        int length = 0;
        bool operator==(const Match&) const = default;
    };
    std::optional<Match> nextMatch(std::string_view text, std::string_view what, bool caseSensitive);

private:
    int position_ = -1; // the line found, or the character behind the match; -1 for none
};

// The line a list shows at its top so that a found line has ten lines of context above it.
constexpr int topLineFor(int foundLine) { return foundLine > 10 ? foundLine - 10 : foundLine; }

// Which of the editor's commands can be used: the selection commands need a selection, "Paste"
// text on the clipboard, "Save" a file name (from a load or a "Save As").
struct EditorCommands {
    bool cut = false;
    bool copy = false;
    bool del = false;
    bool reply = false;
    bool paste = false;
    bool save = false;
};
EditorCommands editorCommands(bool hasSelection, bool clipboardHasText, bool hasFileName);

// The captions of the viewer (with the file name) and of the editor (with the full path once
// the text has a file).
std::string viewerCaption(std::string_view path);
std::string editorCaption(std::string_view path);

} // namespace orrery
