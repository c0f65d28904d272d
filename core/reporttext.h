#pragma once

// A turn report held in memory as its lines, with the searches the reader's passes make. Lines
// end at CR LF, LF or CR alike (the line reader's rule), so a report saved on any platform reads
// the same without being rewritten; the character 26 ends the text.

#include "result.h"

#include <string>
#include <string_view>
#include <vector>

namespace orrery {

class ReportText {
public:
    ReportText() = default;
    explicit ReportText(std::string bytes);
    // Only the lines from the status table's heading to its end: all that a players-only read
    // needs, without cutting the rest of a large report into lines.
    static ReportText statusTableOf(std::string bytes);
    ReportText(const ReportText&) = delete;
    ReportText& operator=(const ReportText&) = delete;
    // Moving keeps the lines valid also for a text short enough to live inside the string.
    ReportText(ReportText&& other) noexcept;
    ReportText& operator=(ReportText&& other) noexcept;

    static Result<ReportText> load(const std::string& path);

    const std::vector<std::string_view>& lines() const { return lines_; }
    std::size_t size() const { return lines_.size(); }
    std::string_view operator[](std::size_t i) const { return lines_[i]; }
    // True for a line holding "Full Report on System" or "Partial Report on System": the
    // detailed system reports from there on are not read.
    bool endsReadable(std::size_t i) const;
    // The first line at or after `from` that ends the readable part; size() when none.
    std::size_t nextStop(std::size_t from) const;
    // Indexes of the lines at or after `from` that hold the phrase, in order. The reader's passes
    // look only at these lines instead of testing every line of a long report.
    std::vector<std::size_t> linesContaining(std::string_view phrase, std::size_t from = 0) const;
    // The lines of several phrases, merged in order.
    std::vector<std::size_t> linesContainingAny(std::initializer_list<std::string_view> phrases,
                                                std::size_t from) const;
    // The first line at or after `from` that holds the phrase; size() when none.
    std::size_t findLine(std::size_t from, std::string_view phrase) const;

private:
    void findStops();
    template <class Found>
    void forLinesWith(std::string_view phrase, std::size_t from, Found found) const;

    std::string bytes_;
    std::vector<std::string_view> lines_;
    std::vector<std::size_t> stops_; // indexes of the lines that end the readable part
};

} // namespace orrery
