#pragma once

// Planets are identified across turns and in the intelligence files by their exact position.
// PositionIndex finds the first planet (in list order) at a position without a linear search.

#include <cstddef>
#include <functional>
#include <unordered_map>
#include <vector>

namespace orrery {

struct Position {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const Position& o) const { return x == o.x && y == o.y; }
};

struct PositionHash {
    std::size_t operator()(const Position& p) const
    {
        // +0.0 and -0.0 compare equal, so they must hash equally.
        const double x = p.x == 0.0 ? 0.0 : p.x;
        const double y = p.y == 0.0 ? 0.0 : p.y;
        return std::hash<double>()(x) * 1000003u ^ std::hash<double>()(y);
    }
};

// Index of the first record at each position of a list of records with x and y.
class PositionIndex {
public:
    template <class Record>
    explicit PositionIndex(const std::vector<Record>& records)
    {
        index_.reserve(records.size());
        for (std::size_t k = 0; k < records.size(); ++k) index_.try_emplace(Position{records[k].x, records[k].y}, k);
    }
    // Index of the first record at (x, y), or -1.
    long find(double x, double y) const
    {
        const auto it = index_.find(Position{x, y});
        return it == index_.end() ? -1 : static_cast<long>(it->second);
    }

private:
    std::unordered_map<Position, std::size_t, PositionHash> index_;
};

} // namespace orrery
