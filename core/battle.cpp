#include "battle.h"

#include "gamedata.h"
#include "shortname.h"
#include "textrules.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orrery {

namespace {

// How many shots an armed ship fires per round: the whole part of its attacks.
std::int64_t shotsOf(const BattleGroup& ship)
{
    if (!(ship.attacks >= 1)) return 0;
    return ship.attacks >= static_cast<double>(maxShotsPerShip) ? maxShotsPerShip
                                                                : static_cast<std::int64_t>(ship.attacks);
}

const char* sideName(bool aggressor) { return aggressor ? "Aggressors " : "Defenders "; }

std::string typeName(const std::string& name) { return name.empty() ? std::string("<no name given>") : name; }

// One battle over the rows read into groups. The two lists of the game's rules are kept as counts:
// ships are only ever removed, and always the first ship of a group, so the ship list is the
// groups' blocks of ships in group order and the k-th ship is found by walking the counts. In the
// armed list the ships of a group differ only in whether they fired this round; each group keeps
// its block of fired flags, and losing its first ship moves the block's start by one.
class Battle {
public:
    Battle(const std::vector<BattleGroup>& groups, BattleRandom& random, std::string* protocol)
        : groups_(groups), random_(random), protocol_(protocol)
    {
        const std::size_t n = groups.size();
        defence_.resize(n);
        shots_.resize(n);
        ships_.resize(n);
        armedStart_.resize(n);
        armed_.resize(n);
        std::size_t flags = 0;
        for (std::size_t g = 0; g < n; ++g) {
            defence_[g] = shipDefence(groups[g]);
            shots_[g] = shotsOf(groups[g]);
            ships_[g] = groups[g].ships;
            shipTotal_ += ships_[g];
            (groups[g].aggressor ? aggressors_ : defenders_) += ships_[g];
            armedStart_[g] = flags;
            if (groups[g].attacks > 0) {
                armed_[g] = ships_[g];
                armedTotal_ += armed_[g];
                flags += static_cast<std::size_t>(armed_[g]);
            }
        }
        fired_.assign(flags, 0);
        // For every armed group, how many groups of the other side it can hurt, and can kill at
        // all; these only change when a group dies out.
        hurtable_.assign(n, 0);
        killable_.assign(n, 0);
        for (std::size_t a = 0; a < n; ++a) {
            if (armed_[a] == 0) continue;
            for (std::size_t t = 0; t < n; ++t) {
                if (groups[a].aggressor == groups[t].aggressor || ships_[t] == 0) continue;
                hurtable_[a] += hurts(a, t);
                killable_[a] += kills(a, t);
            }
            hurting_ += hurtable_[a] > 0;
            killing_ += killable_[a] > 0;
        }
    }

    // Fights the battle to its end; the outcome is 1 for the aggressor, -1 for the defender, 0 for
    // no winner.
    int fight()
    {
        for (std::int64_t round = 1; continues(); ++round) {
            if (protocol_) *protocol_ += "Round " + std::to_string(round) + ":\r\n";
            for (std::size_t g = 0; g < groups_.size(); ++g)
                std::fill_n(fired_.begin() + static_cast<std::ptrdiff_t>(armedStart_[g]), armed_[g], 0);
            for (std::int64_t i = 1; i <= armedTotal_; ++i) fireOnce();
        }
        int outcome = 0;
        const char* text = "No side won the battle.";
        if (aggressors_ == 0 && defenders_ > 0) {
            outcome = -1;
            text = "Defender won the battle.";
        } else if (aggressors_ > 0 && defenders_ == 0) {
            outcome = 1;
            text = "Aggressor won the battle.";
        }
        if (protocol_) {
            *protocol_ += std::string("\r\n") + text + "\r\n";
            listRemaining(true);
            listRemaining(false);
        }
        return outcome;
    }

private:
    // The battle goes on while an armed ship can hurt a ship of the other side. A battle in which
    // no shot can kill any more would go on for ever (ships with attacks below 1 are armed but
    // fire nothing, and a ratio just above 0.25 kills but does not hurt); it ends there, as a
    // battle that no side wins.
    bool continues() const { return hurting_ > 0 && killing_ > 0; }

    bool hurts(std::size_t a, std::size_t t) const { return canHurt(groups_[a], defence_[t]); }
    // r = 0 gives the smallest power of 4 a shot must beat.
    bool kills(std::size_t a, std::size_t t) const
    {
        return shots_[a] > 0 && (defence_[t] == 0 || shotKills(groups_[a], defence_[t], 0));
    }

    // Group g has lost its last ship: it neither shoots nor is shot at any more.
    void diedOut(std::size_t g)
    {
        if (groups_[g].attacks > 0) {
            hurting_ -= hurtable_[g] > 0;
            killing_ -= killable_[g] > 0;
        }
        for (std::size_t a = 0; a < groups_.size(); ++a) {
            if (armed_[a] == 0 || groups_[a].aggressor == groups_[g].aggressor) continue;
            if (hurts(a, g) && --hurtable_[a] == 0) --hurting_;
            if (kills(a, g) && --killable_[a] == 0) --killing_;
        }
    }

    // The group of the k-th ship (from 0) of a list of per-group counts, and the place in it.
    static std::size_t locate(const std::vector<std::int64_t>& counts, std::int64_t& k)
    {
        std::size_t g = 0;
        while (k >= counts[g]) k -= counts[g++];
        return g;
    }

    void fireOnce()
    {
        // A shooter that has not fired this round, drawn again until one is found.
        std::size_t shooter = 0, flag = 0;
        do {
            std::int64_t k = random_.below(static_cast<std::uint32_t>(armedTotal_));
            shooter = locate(armed_, k);
            flag = armedStart_[shooter] + static_cast<std::size_t>(k);
        } while (fired_[flag]);
        const BattleGroup& s = groups_[shooter];
        for (std::int64_t shot = 0; shot < shots_[shooter] && continues(); ++shot) {
            std::size_t target = 0;
            do {
                std::int64_t k = random_.below(static_cast<std::uint32_t>(shipTotal_));
                target = locate(ships_, k);
            } while (groups_[target].aggressor == s.aggressor);
            const double defence = defence_[target];
            const bool kill = defence == 0 || shotKills(s, defence, random_.below(20000));
            if (protocol_ && protocol_->size() < battleProtocolLimit)
                *protocol_ += "   " + std::string(sideName(s.aggressor)) + "ship of type " + typeName(s.name) +
                              " shoots at " + sideName(groups_[target].aggressor) + "ship of type " +
                              typeName(groups_[target].name) + ": " + (kill ? "Ship destroyed!" : "Ship survived!") +
                              "\r\n";
            if (kill) remove(target);
        }
        fired_[flag] = 1;
    }

    void remove(std::size_t g)
    {
        if (groups_[g].attacks > 0) {
            ++armedStart_[g];
            --armed_[g];
            --armedTotal_;
        }
        --ships_[g];
        --shipTotal_;
        --(groups_[g].aggressor ? aggressors_ : defenders_);
        if (ships_[g] == 0) diedOut(g);
    }

    void listRemaining(bool aggressor)
    {
        if ((aggressor ? aggressors_ : defenders_) == 0) return;
        *protocol_ += std::string("\r\nRemaining ") + (aggressor ? "aggressor" : "defender") + " ships:\r\n";
        std::vector<std::string_view> listed;
        for (std::size_t g = 0; g < groups_.size(); ++g) {
            const std::string& name = groups_[g].name;
            if (groups_[g].aggressor != aggressor || ships_[g] == 0 ||
                std::find(listed.begin(), listed.end(), name) != listed.end())
                continue;
            listed.push_back(name);
            std::int64_t initial = 0, remaining = 0;
            for (std::size_t h = g; h < groups_.size(); ++h)
                if (groups_[h].aggressor == aggressor && groups_[h].name == name) remaining += ships_[h];
            for (const BattleGroup& row : groups_)
                if (row.aggressor == aggressor && row.name == name) initial += row.ships;
            *protocol_ += "   " + std::to_string(remaining) + " of " + std::to_string(initial) + " ships of type " +
                          typeName(name) + "\r\n";
        }
    }

    const std::vector<BattleGroup>& groups_;
    BattleRandom& random_;
    std::string* protocol_; // null after the first battle
    std::vector<double> defence_;
    std::vector<std::int64_t> shots_;
    std::vector<std::int64_t> ships_;      // ships left per group (the ship list)
    std::vector<std::size_t> armedStart_;  // first fired flag of each group's armed ships
    std::vector<std::int64_t> armed_;      // armed ships left per group (the armed list)
    std::vector<unsigned char> fired_;
    std::vector<std::int64_t> hurtable_, killable_;
    std::int64_t shipTotal_ = 0, armedTotal_ = 0, aggressors_ = 0, defenders_ = 0;
    std::int64_t hurting_ = 0, killing_ = 0; // armed groups with something left to hurt / kill
};

} // namespace

std::int64_t battleWholeCell(std::string_view cell, std::int64_t fallback)
{
    const std::string_view text = trimmed(cell);
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) i = 1;
    if (i == text.size()) return fallback;
    std::int64_t value = 0;
    constexpr std::int64_t most = std::numeric_limits<std::int64_t>::max();
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i])) return fallback;
        // A whole number too large for 64 bits is as large as can be: it is still a number.
        value = value > (most - (text[i] - '0')) / 10 ? most : value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

double battleNumberCell(std::string_view cell, double fallback)
{
    const std::string_view text = trimmed(cell);
    return isNumber(text) ? readNumber(text) : fallback;
}

Status checkBattleSize(const BattleSetup& setup)
{
    std::int64_t ships = 0;
    std::size_t groups = 0;
    for (const auto* table : {&setup.aggressor, &setup.defender})
        for (const BattleRow& row : *table) {
            const std::int64_t n = row[bcNumber].empty() ? 0 : battleWholeCell(row[bcNumber], 0);
            if (n < 1) continue;
            ships = n > maxBattleShips - ships ? maxBattleShips + 1 : ships + n;
            ++groups;
        }
    if (ships > maxBattleShips)
        return Failure("A battle takes at most " + std::to_string(maxBattleShips) + " ships!");
    if (groups > maxBattleGroups)
        return Failure("A battle takes at most " + std::to_string(maxBattleGroups) + " groups!");
    return {};
}

std::vector<BattleGroup> battleGroups(const BattleSetup& setup)
{
    std::vector<BattleGroup> groups;
    std::int64_t budget = maxBattleShips;
    for (const bool aggressor : {true, false})
        for (const BattleRow& row : aggressor ? setup.aggressor : setup.defender) {
            if (row[bcNumber].empty() || groups.size() >= maxBattleGroups) continue;
            BattleGroup g;
            g.aggressor = aggressor;
            g.ships = std::clamp<std::int64_t>(battleWholeCell(row[bcNumber], 0), 0, budget);
            // A row without ships takes no part: it is neither shooter nor target, and adds
            // nothing to the ships a type started with.
            if (g.ships == 0) continue;
            budget -= g.ships;
            g.name = shortname(row[bcType]).str();
            double* design[] = {&g.drive, &g.attacks, &g.weapons, &g.shields, &g.cargo, &g.quantity};
            for (int c = bcDrive; c <= bcQuantity; ++c) *design[c - bcDrive] = battleNumberCell(row[c], 0);
            double* techs[] = {&g.drivetech, &g.weapontech, &g.shieldtech, &g.cargotech};
            for (int c = bcDriveTech; c <= bcCargoTech; ++c) *techs[c - bcDriveTech] = battleNumberCell(row[c], 1);
            groups.push_back(std::move(g));
        }
    return groups;
}

double shipDefence(const BattleGroup& s)
{
    const double weaponsMass = s.attacks > 0 ? s.weapons + (s.attacks - 1) * s.weapons / 2 : 0;
    // Nothing carried weighs nothing, whatever the cargo technology; with a cargo technology of 0
    // the cargo is infinitely heavy and the ship has no defence left.
    const double carried = s.quantity == 0 ? 0 : s.quantity / s.cargotech;
    const double totalMass = s.drive + weaponsMass + s.shields + s.cargo + carried;
    // 3.107232506 is the cube root of 30.
    const double defence = s.shields * s.shieldtech * 3.107232506 / std::cbrt(totalMass);
    // A ship of no mass at all has no defence either.
    return std::isnan(defence) ? 0.0 : defence;
}

bool canHurt(const BattleGroup& shooter, double targetDefence)
{
    if (!(shooter.attacks > 0)) return false;
    if (targetDefence == 0) return true;
    // Not 0.25: a shot that can only kill with the smallest draw does not count as hurting.
    return shooter.weapons * shooter.weapontech / targetDefence > 0.251;
}

bool shotKills(const BattleGroup& shooter, double targetDefence, std::uint32_t r)
{
    if (!(shooter.attacks > 0)) return false;
    if (targetDefence == 0) return true;
    const double x = static_cast<double>(static_cast<std::int64_t>(r) - 10000) * 0.0001;
    return shooter.weapons * shooter.weapontech / targetDefence > std::pow(4.0, x);
}

std::string battleGroupId(const grouprecord& group)
{
    return group.groupnumber == -1 ? std::string() : formatFixed(group.groupnumber, 4, 0);
}

BattleRow battleRowOf(const grouprecord& g)
{
    const auto whole = [](double v) { return v > 0 ? formatFixed(v, 3, 0) : std::string("  0"); };
    const auto decimals = [](double v) { return v > 0 ? formatFixed(v, 0, 2) : std::string("  0"); };
    const auto tech = [](double v) { return v > 0 ? formatFixed(v, 0, 2) : std::string("1.00"); };
    return {formatFixed(g.shipcount, 3, 0), g.name.str(), whole(g.drive), whole(g.attacks),
            decimals(g.weapons), decimals(g.shields), whole(g.cargo), decimals(g.cargoquantity),
            tech(g.drivetech), tech(g.weapontech), tech(g.shieldtech), tech(g.cargotech)};
}

Result<int> simulationCount(std::string_view text)
{
    const std::int64_t n = battleWholeCell(text, 0);
    if (n < 1 || n > std::numeric_limits<int>::max()) return Failure("Number of simulations has to be at least 1!");
    return static_cast<int>(n);
}

void BattleSimulation::start(int requested)
{
    requested_ = requested;
    started_ = aggressorWins_ = defenderWins_ = 0;
    protocol_.clear();
}

bool BattleSimulation::fightNext(const BattleSetup& setup, BattleRandom& random)
{
    if (started_ >= requested_) return false;
    ++started_;
    const std::vector<BattleGroup> groups = battleGroups(setup);
    Battle battle(groups, random, started_ == 1 ? &protocol_ : nullptr);
    const int outcome = battle.fight();
    if (outcome > 0) ++aggressorWins_;
    if (outcome < 0) ++defenderWins_;
    return true;
}

std::string BattleSimulation::resultText() const
{
    const int standOffs = started_ - aggressorWins_ - defenderWins_;
    std::string text = "Battle result:\r\n";
    text += "\r\nAggressor won " + std::to_string(aggressorWins_) + " battles,\r\n";
    text += "Defender won " + std::to_string(defenderWins_) + " battles";
    text += standOffs < 1 ? ".\r\n" : ",\r\nStand off in " + std::to_string(standOffs) + " battles.\r\n";
    text += "\r\n\r\nDetailed information for first battle:\r\n";
    return text + protocol_;
}

} // namespace orrery
