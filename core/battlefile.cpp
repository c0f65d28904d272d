#include "battlefile.h"

#include "fileio.h"
#include "textrules.h"

namespace orrery {

namespace {

// A cell as one word of its line: empty (or blank) cells take the column's default, blanks and
// control characters at the ends stay blanks, and those inside become "_".
void appendCell(std::string& line, std::string_view cell, int column)
{
    const std::string_view word = trimmed(cell);
    if (word.empty()) {
        line += column == bcType ? "" : column >= bcDriveTech ? "1" : "0";
        return;
    }
    const std::size_t begin = static_cast<std::size_t>(word.data() - cell.data());
    line.append(begin, ' ');
    for (char c : word) line += isSeparator(static_cast<unsigned char>(c)) ? '_' : c;
    line.append(cell.size() - begin - word.size(), ' ');
}

} // namespace

std::string battleFileText(const BattleSetup& setup)
{
    std::string text;
    for (const bool aggressor : {true, false})
        for (const BattleRow& row : aggressor ? setup.aggressor : setup.defender) {
            text += aggressor ? "1 " : "0 ";
            for (int c = 0; c < battleColumnCount; ++c) {
                appendCell(text, row[c], c);
                text += ' ';
            }
            text += "\r\n";
        }
    return text;
}

Result<BattleSetup> parseBattleFile(std::string_view text, const std::string& fileName)
{
    LineReader lines(text);
    std::string_view line;
    const bool any = lines.next(line);
    const std::string_view marker = any ? field(line, 1) : std::string_view();
    if (marker != "0" && marker != "1") return Failure("Not a battle data file!", fileName, any ? 1 : 0);
    BattleSetup setup;
    do {
        const Fields words(line);
        BattleRow row;
        // An empty ship type is written as nothing: such a line has one word less (the marker
        // and eleven cells), and its cells after "No." belong one column further on.
        const bool noName = words.count() == battleColumnCount;
        for (int c = 0; c < battleColumnCount; ++c) {
            if (noName && c == bcType) continue;
            row[c] = std::string(words[noName && c > bcType ? c + 1 : c + 2]);
        }
        (words[1] == "1" ? setup.aggressor : setup.defender).push_back(std::move(row));
    } while (lines.next(line));
    return setup;
}

Result<BattleSetup> loadBattleFile(const std::string& path)
{
    const Result<std::string> text = readFile(path);
    if (!text) return text.error();
    return parseBattleFile(*text, path);
}

Status saveBattleFile(const std::string& path, const BattleSetup& setup)
{
    return writeFileAtomic(path, battleFileText(setup));
}

std::string parseBattleResult(std::string_view text)
{
    std::string result;
    LineReader lines(text);
    std::string_view line;
    while (lines.next(line)) {
        result += line;
        result += "\r\n";
    }
    return result;
}

Result<std::string> loadBattleResult(const std::string& path)
{
    const Result<std::string> text = readFile(path);
    if (!text) return text.error();
    return parseBattleResult(*text);
}

Status saveBattleResult(const std::string& path, const std::string& result)
{
    if (result.empty()) return Failure("Simulate the battle first!");
    return writeFileAtomic(path, result + "\r\n");
}

} // namespace orrery
