// The text map of a report: its bounds (first pass) and its marks (main pass). The line before
// the upper frame holds the origin "x0,y0  x1,y0", the line after the lower frame ends in the
// far corner "x0,y1  x1,y1"; every "." and "-" between the frames marks a planet or a group.

#include "reportpasses.h"

#include <cmath>

namespace orrery::reader {

std::size_t Reader::readMapBounds(const Lines& lines, std::size_t dashes)
{
    if (dashes > 0) {
        const std::string_view origin = lines[dashes - 1];
        const std::size_t comma = origin.find(',');
        if (comma != std::string_view::npos) {
            v_.mapx0 = truncToInt(readNumber(trimmed(origin.substr(0, comma))));
            std::string_view after = origin.substr(comma + 1);
            std::size_t end = 0;
            while (end < after.size() && !isSeparator(static_cast<unsigned char>(after[end]))) ++end;
            v_.mapy0 = truncToInt(readNumber(after.substr(0, end)));
        }
    }
    std::size_t i = dashes + 1;
    while (i < lines.size() && !isDashLine(lines[i])) ++i;
    if (i >= lines.size()) return i;
    ++i;
    if (i >= lines.size()) return i;
    const std::string_view corner = lines[i];
    const std::size_t comma = corner.rfind(',');
    if (comma != std::string_view::npos) {
        std::size_t start = comma;
        while (start > 0 && !isSeparator(static_cast<unsigned char>(corner[start - 1]))) --start;
        const double x1 = readNumber(corner.substr(start, comma - start));
        const double y1 = readNumber(trimmed(corner.substr(comma + 1)));
        // Blind Galaxy maps may be centred anywhere: their size is the distance between the
        // corners. The other servers print maps from 0,0, so the far corner is the size.
        if (v_.gametype == gtBlind) {
            v_.mapwidth = truncToInt(std::fabs(x1 - v_.mapx0));
            v_.mapheight = truncToInt(std::fabs(y1 - v_.mapy0));
        } else {
            v_.mapwidth = truncToInt(x1);
            v_.mapheight = truncToInt(y1);
        }
    }
    return i + 1;
}

namespace {

// Expands the tabs of a map row: a tab met when the next output position (from 1) is p becomes
// blanks up to position ((p div 8) + 1) x 8 inclusive.
std::string_view expandTabs(std::string_view row, std::string& buffer)
{
    if (row.find('\t') == std::string_view::npos) return row;
    buffer.clear();
    for (char c : row) {
        if (c == '\t') {
            const std::size_t p = buffer.size() + 1;
            const std::size_t last = (p / 8 + 1) * 8;
            buffer.append(last - p + 1, ' ');
        } else {
            buffer.push_back(c);
        }
    }
    return buffer;
}

} // namespace

std::size_t Reader::readMapRows(const Lines& lines, std::size_t dashes)
{
    // Two more lines are read after the frame; the second is the first map row.
    std::size_t i = dashes + 2;
    int row = 0;
    std::string buffer;
    for (; i < lines.size() && !isDashLine(lines[i]); ++i, ++row) {
        const std::string_view text = expandTabs(lines[i], buffer);
        for (std::size_t column = 0; column < text.size(); ++column) {
            const char c = text[column];
            if (c != '.' && c != '-') continue;
            mapmarkrecord mark;
            mark.x = static_cast<double>(column) * v_.mapwidth / 80.0 + v_.mapx0;
            mark.y = row; // converted to map coordinates once the number of rows is known
            mark.kind = c == '.' ? 0 : 1;
            t_.mapmarks.push_back(mark);
        }
    }
    mapRows_ = row;
    return i < lines.size() ? i + 1 : i;
}

void Reader::mapRowsToCoordinates()
{
    for (mapmarkrecord& mark : t_.mapmarks) {
        // A map of a single row has no height to spread over: its marks lie on the origin's row.
        if (mapRows_ <= 1)
            mark.y = v_.mapy0;
        else
            mark.y = static_cast<double>(v_.mapheight) * mark.y / (mapRows_ - 1) + v_.mapy0;
    }
}

} // namespace orrery::reader
