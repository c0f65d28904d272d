// orrery-cli text search FILE TEXT [--case]
// orrery-cli text quote FILE [--out FILE]
//
// The text tools: "search" lists every line of a text file (any line ends) that contains the
// text, as "Search again" would find them one after the other, with its number from 1; without
// --case the letters A to Z match either case. "quote" quotes the whole file for a reply, with
// the line ends the file had, on the output or into the file given.

#include "commands.h"
#include "texttools.h"

#include <cstdio>

using namespace orrery;

namespace orrery::cli {

namespace {

int search(const std::vector<std::string>& args)
{
    std::vector<std::string> words;
    bool caseSensitive = false;
    for (const std::string& a : args) {
        if (a == "--case")
            caseSensitive = true;
        else if (a.starts_with("--"))
            return badArguments("unexpected argument " + a);
        else
            words.push_back(a);
    }
    if (words.size() != 2 || words[1].empty()) return badArguments("text search needs a file and a text");
    const Result<TextFileContent> file = loadTextFile(words[0]);
    if (!file) return fail(file.error().text());
    const std::vector<std::string> lines = splitTextLines(file->text);
    TextSearch search;
    std::string found;
    while (const std::optional<int> line = search.nextLine(lines, words[1], caseSensitive))
        found += std::to_string(*line + 1) + ": " + lines[static_cast<std::size_t>(*line)] + "\n";
    std::fputs(found.empty() ? "Text not found!\n" : found.c_str(), stdout);
    return 0;
}

int quote(const std::vector<std::string>& args)
{
    std::string path;
    std::string out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out" && out.empty()) {
            if (i + 1 >= args.size() || args[i + 1].empty()) return badArguments("--out needs a file");
            out = args[++i];
        } else if (path.empty() && !args[i].empty() && !args[i].starts_with("-")) {
            path = args[i];
        } else {
            return badArguments("unexpected argument " + args[i]);
        }
    }
    if (path.empty()) return badArguments("text quote needs a file");
    const Result<TextFileContent> file = loadTextFile(path);
    if (!file) return fail(file.error().text());
    const std::string quoted = quoteReply(file->text);
    if (out.empty()) {
        std::fputs(quoted.c_str(), stdout);
        return 0;
    }
    const Status saved = saveTextFile(out, quoted, file->lineEnd);
    return saved ? 0 : fail(saved.error().text());
}

} // namespace

int commandText(const std::vector<std::string>& args)
{
    if (args.empty()) return badArguments("text needs search or quote");
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "search") return search(rest);
    if (args[0] == "quote") return quote(rest);
    return badArguments("unknown text command " + args[0]);
}

} // namespace orrery::cli
