#pragma once

#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

namespace orrery {

// A name of the game (planet, race, ship type, fleet, cargo, production): at most 20 characters,
// longer text is cut to its first 20. Held inline so that reading a report does not allocate a
// heap string per name. Comparisons are exact and case-sensitive.
class shortname {
public:
    static constexpr std::size_t capacity = 20;

    shortname() = default;
    shortname(std::string_view text) { assign(text); } // NOLINT: names convert freely from text
    shortname(const char* text) : shortname(std::string_view(text)) {}
    shortname(const std::string& text) : shortname(std::string_view(text)) {}

    void assign(std::string_view text)
    {
        len_ = static_cast<std::uint8_t>(text.size() < capacity ? text.size() : capacity);
        if (len_ > 0) std::memcpy(buf_, text.data(), len_);
    }

    std::string_view view() const { return {buf_, len_}; }
    operator std::string_view() const { return view(); } // NOLINT
    std::string str() const { return std::string(view()); }
    bool empty() const { return len_ == 0; }
    std::size_t size() const { return len_; }
    void clear() { len_ = 0; }

    friend bool operator==(const shortname& a, const shortname& b) { return a.view() == b.view(); }
    friend bool operator==(const shortname& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const shortname& a, const char* b) { return a.view() == std::string_view(b); }
    friend bool operator==(const shortname& a, const std::string& b) { return a.view() == std::string_view(b); }
    friend std::ostream& operator<<(std::ostream& out, const shortname& n) { return out << n.view(); }

private:
    char buf_[capacity] = {};
    std::uint8_t len_ = 0;
};

} // namespace orrery
