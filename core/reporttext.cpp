#include "reporttext.h"

#include "fileio.h"
#include "textrules.h"

#include <algorithm>
#include <cstring>

namespace orrery {

namespace {

// The first occurrence of a phrase in [begin, end), or nullptr. The text lies in a string, so a
// zero byte follows it: strstr's vector search scans far faster than memmem; zero bytes inside a
// broken report only make it start again after them.
const char* findPhrase(const char* begin, const char* end, const std::string& phrase)
{
    while (begin < end) {
        const char* hit = std::strstr(begin, phrase.c_str());
        if (hit) return hit + phrase.size() <= end ? hit : nullptr;
        const char* zero = begin + std::strlen(begin);
        if (zero >= end) return nullptr;
        begin = zero + 1;
    }
    return nullptr;
}

bool endsTableLine(std::string_view line)
{
    return line.empty() || static_cast<unsigned char>(line.front()) < 33 ||
           static_cast<unsigned char>(line.front()) >= 123;
}

} // namespace

ReportText::ReportText(std::string bytes) : bytes_(std::move(bytes))
{
    lines_.reserve(bytes_.size() / 48 + 1);
    LineReader reader(bytes_);
    std::string_view line;
    while (reader.next(line)) lines_.push_back(line);
    findStops();
}

ReportText ReportText::statusTableOf(std::string bytes)
{
    ReportText text;
    text.bytes_ = std::move(bytes);
    std::string_view rest = text.bytes_;
    if (const void* eof = std::memchr(rest.data(), 26, rest.size()))
        rest = rest.substr(0, static_cast<std::size_t>(static_cast<const char*>(eof) - rest.data()));
    const std::size_t at = rest.find("Status of Players");
    if (at == std::string_view::npos) return text;
    std::size_t start = at;
    while (start > 0 && rest[start - 1] != '\r' && rest[start - 1] != '\n') --start;
    // The heading, the blank lines after it, the column header and the data lines up to the
    // first line that ends a table.
    enum { Heading, Blanks, Data } state = Heading;
    LineReader reader(rest.substr(start));
    std::string_view line;
    while (reader.next(line)) {
        text.lines_.push_back(line);
        if (state == Heading) {
            state = Blanks;
        } else if (state == Blanks) {
            if (!isBlankLine(line)) state = Data; // the column header
        } else if (endsTableLine(line)) {
            break;
        }
    }
    text.findStops();
    return text;
}

ReportText::ReportText(ReportText&& other) noexcept { *this = std::move(other); }

ReportText& ReportText::operator=(ReportText&& other) noexcept
{
    if (this == &other) return *this;
    const char* old = other.bytes_.data();
    bytes_ = std::move(other.bytes_);
    lines_ = std::move(other.lines_);
    stops_ = std::move(other.stops_);
    if (bytes_.data() != old)
        for (std::string_view& line : lines_) line = std::string_view(bytes_.data() + (line.data() - old), line.size());
    return *this;
}

Result<ReportText> ReportText::load(const std::string& path)
{
    Result<std::string> bytes = readFile(path);
    if (!bytes) return bytes.error();
    return ReportText(std::move(*bytes));
}

bool ReportText::endsReadable(std::size_t i) const { return std::binary_search(stops_.begin(), stops_.end(), i); }

std::size_t ReportText::nextStop(std::size_t from) const
{
    const auto it = std::lower_bound(stops_.begin(), stops_.end(), from);
    return it == stops_.end() ? lines_.size() : *it;
}

// Calls found(line) for each line at or after `from` that holds the phrase, in order, until
// found returns false. One scan of the text for all of them.
template <class Found>
void ReportText::forLinesWith(std::string_view phrase, std::size_t from, Found found) const
{
    if (from >= lines_.size() || phrase.empty()) return;
    const std::string needle(phrase);
    const char* begin = lines_[from].data();
    const char* const end = lines_.back().data() + lines_.back().size();
    std::size_t last = lines_.size();
    while (begin < end) {
        const char* h = findPhrase(begin, end, needle);
        if (!h) return;
        const auto line = std::upper_bound(lines_.begin() + static_cast<std::ptrdiff_t>(from), lines_.end(), h,
                                           [](const char* p, std::string_view l) { return p < l.data(); });
        const std::size_t index = static_cast<std::size_t>(line - lines_.begin()) - 1;
        // A phrase broken by a line end belongs to no line.
        if (h + phrase.size() <= lines_[index].data() + lines_[index].size() && index != last) {
            last = index;
            if (!found(index)) return;
        }
        begin = h + 1;
    }
}

std::vector<std::size_t> ReportText::linesContaining(std::string_view phrase, std::size_t from) const
{
    std::vector<std::size_t> lines;
    forLinesWith(phrase, from, [&](std::size_t i) {
        lines.push_back(i);
        return true;
    });
    return lines;
}

std::vector<std::size_t> ReportText::linesContainingAny(std::initializer_list<std::string_view> phrases,
                                                        std::size_t from) const
{
    std::vector<std::size_t> all;
    for (std::string_view phrase : phrases) {
        const std::vector<std::size_t> found = linesContaining(phrase, from);
        all.insert(all.end(), found.begin(), found.end());
    }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}

std::size_t ReportText::findLine(std::size_t from, std::string_view phrase) const
{
    std::size_t first = lines_.size();
    forLinesWith(phrase, from, [&](std::size_t i) {
        first = i;
        return false;
    });
    return first;
}

void ReportText::findStops()
{
    stops_.clear();
    for (const char* phrase : {"Full Report on System", "Partial Report on System"})
        forLinesWith(phrase, 0, [&](std::size_t i) {
            stops_.push_back(i);
            return true;
        });
    std::sort(stops_.begin(), stops_.end());
    stops_.erase(std::unique(stops_.begin(), stops_.end()), stops_.end());
}

} // namespace orrery
