#include "battlereference.h"

#include "shortname.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace orrery::test {

namespace {

// Every ship a record in singly linked lists, every lookup a walk.
struct RefShip {
    bool aggressor = true;
    bool fired = false;
    int group = 0;
    std::string name;
    double D = 0, A = 0, W = 0, S = 0, C = 0, Q = 0, dT = 1, wT = 1, sT = 1, cT = 1;
    std::unique_ptr<RefShip> next;
};

struct RefList {
    std::unique_ptr<RefShip> head;
    int count = 0;

    void append(const RefShip& ship)
    {
        std::unique_ptr<RefShip>* end = &head;
        while (*end) end = &(*end)->next;
        *end = std::make_unique<RefShip>();
        RefShip& s = **end;
        s.aggressor = ship.aggressor;
        s.group = ship.group;
        s.name = ship.name;
        s.D = ship.D, s.A = ship.A, s.W = ship.W, s.S = ship.S, s.C = ship.C, s.Q = ship.Q;
        s.dT = ship.dT, s.wT = ship.wT, s.sT = ship.sT, s.cT = ship.cT;
        ++count;
    }
    RefShip* at(std::uint32_t k) const
    {
        RefShip* s = head.get();
        while (k-- > 0) s = s->next.get();
        return s;
    }
    void removeFirstOf(int group)
    {
        for (std::unique_ptr<RefShip>* p = &head; *p; p = &(*p)->next)
            if ((*p)->group == group) {
                std::unique_ptr<RefShip> dead = std::move(*p);
                *p = std::move(dead->next);
                --count;
                return;
            }
    }
};

double refDefence(const RefShip& s)
{
    const double weaponsMass = s.A > 0 ? s.W + (s.A - 1) * s.W / 2 : 0;
    const double carried = s.Q == 0 ? 0 : s.Q / s.cT;
    const double mass = s.D + weaponsMass + s.S + s.C + carried;
    const double d = s.S * s.sT * 3.107232506 / std::cbrt(mass);
    return std::isnan(d) ? 0 : d;
}

bool refCanHurt(const RefShip& shooter, const RefShip& target)
{
    if (shooter.A <= 0) return false;
    const double defence = refDefence(target);
    return defence == 0 || shooter.W * shooter.wT / defence > 0.251;
}

// A shot can still kill: the shooter fires at all and the smallest power of 4 (4^-1) is beaten.
bool refCanKill(const RefShip& shooter, const RefShip& target)
{
    if (std::trunc(shooter.A) < 1) return false;
    const double defence = refDefence(target);
    return defence == 0 || shooter.W * shooter.wT / defence > std::pow(4.0, -10000 * 0.0001);
}

bool refContinues(const RefList& armed, const RefList& ships)
{
    bool hurt = false, kill = false;
    for (const RefShip* a = armed.head.get(); a; a = a->next.get())
        for (const RefShip* t = ships.head.get(); t; t = t->next.get())
            if (a->aggressor != t->aggressor) {
                hurt = hurt || refCanHurt(*a, *t);
                kill = kill || refCanKill(*a, *t);
                if (hurt && kill) return true;
            }
    return false;
}

std::string refName(const std::string& name) { return name.empty() ? "<no name given>" : name; }

// One battle; the outcome is 1, -1 or 0; the protocol is written when one is given.
int refBattle(const BattleSetup& setup, BattleRandom& random, std::string* protocol)
{
    RefList ships, armed;
    int group = 0;
    struct Row {
        bool aggressor;
        std::string name;
        std::int64_t n;
    };
    std::vector<Row> rows;
    for (const bool aggressor : {true, false})
        for (const BattleRow& row : aggressor ? setup.aggressor : setup.defender) {
            if (row[bcNumber].empty()) continue;
            RefShip s;
            s.aggressor = aggressor;
            s.group = group++;
            s.name = shortname(row[bcType]).str();
            s.D = battleNumberCell(row[bcDrive], 0);
            s.A = battleNumberCell(row[bcAttacks], 0);
            s.W = battleNumberCell(row[bcWeapons], 0);
            s.S = battleNumberCell(row[bcDefence], 0);
            s.C = battleNumberCell(row[bcCargo], 0);
            s.Q = battleNumberCell(row[bcQuantity], 0);
            s.dT = battleNumberCell(row[bcDriveTech], 1);
            s.wT = battleNumberCell(row[bcWeaponTech], 1);
            s.sT = battleNumberCell(row[bcShieldTech], 1);
            s.cT = battleNumberCell(row[bcCargoTech], 1);
            const std::int64_t n = battleWholeCell(row[bcNumber], 0);
            rows.push_back({aggressor, s.name, std::max<std::int64_t>(n, 0)});
            for (std::int64_t i = 0; i < n; ++i) {
                ships.append(s);
                if (s.A > 0) armed.append(s);
            }
        }
    for (int round = 1; refContinues(armed, ships); ++round) {
        if (protocol) *protocol += "Round " + std::to_string(round) + ":\r\n";
        for (RefShip* s = armed.head.get(); s; s = s->next.get()) s->fired = false;
        for (int i = 1; i <= armed.count; ++i) {
            RefShip* shooter = nullptr;
            do shooter = armed.at(random.below(static_cast<std::uint32_t>(armed.count)));
            while (shooter->fired);
            for (long long shot = 0; shot < static_cast<long long>(shooter->A); ++shot) {
                if (!refContinues(armed, ships)) break;
                RefShip* target = nullptr;
                do target = ships.at(random.below(static_cast<std::uint32_t>(ships.count)));
                while (target->aggressor == shooter->aggressor);
                bool kill = false;
                const double defence = refDefence(*target);
                if (shooter->A <= 0)
                    kill = false;
                else if (defence == 0)
                    kill = true;
                else {
                    const double x = (static_cast<double>(random.below(20000)) - 10000) * 0.0001;
                    kill = shooter->W * shooter->wT / defence > std::pow(4.0, x);
                }
                if (protocol && protocol->size() < 100000)
                    *protocol += std::string("   ") + (shooter->aggressor ? "Aggressors " : "Defenders ") +
                                 "ship of type " + refName(shooter->name) + " shoots at " +
                                 (target->aggressor ? "Aggressors " : "Defenders ") + "ship of type " +
                                 refName(target->name) + ": " + (kill ? "Ship destroyed!" : "Ship survived!") + "\r\n";
                if (kill) {
                    const int dead = target->group;
                    if (target->A > 0) armed.removeFirstOf(dead);
                    ships.removeFirstOf(dead);
                }
            }
            shooter->fired = true;
        }
    }
    int aggressors = 0, defenders = 0;
    for (const RefShip* s = ships.head.get(); s; s = s->next.get()) ++(s->aggressor ? aggressors : defenders);
    int outcome = 0;
    std::string text = "No side won the battle.";
    if (aggressors == 0 && ships.count > 0) {
        outcome = -1;
        text = "Defender won the battle.";
    }
    if (aggressors > 0 && defenders == 0) {
        outcome = 1;
        text = "Aggressor won the battle.";
    }
    if (protocol) {
        *protocol += "\r\n" + text + "\r\n";
        for (const bool side : {true, false}) {
            if ((side ? aggressors : defenders) == 0) continue;
            *protocol += std::string("\r\nRemaining ") + (side ? "aggressor" : "defender") + " ships:\r\n";
            std::vector<std::string> done;
            for (const RefShip* s = ships.head.get(); s; s = s->next.get()) {
                if (s->aggressor != side || std::find(done.begin(), done.end(), s->name) != done.end()) continue;
                done.push_back(s->name);
                std::int64_t initial = 0, remaining = 0;
                for (const Row& r : rows)
                    if (r.aggressor == side && r.name == s->name) initial += r.n;
                for (const RefShip* o = ships.head.get(); o; o = o->next.get())
                    if (o->aggressor == side && o->name == s->name) ++remaining;
                *protocol += "   " + std::to_string(remaining) + " of " + std::to_string(initial) + " ships of type " +
                             refName(s->name) + "\r\n";
            }
        }
    }
    return outcome;
}

} // namespace

std::string referenceRun(const BattleSetup& setup, int battles, BattleRandom& random)
{
    std::string protocol;
    int aggressor = 0, defender = 0;
    for (int b = 1; b <= battles; ++b) {
        const int outcome = refBattle(setup, random, b == 1 ? &protocol : nullptr);
        aggressor += outcome > 0;
        defender += outcome < 0;
    }
    const int standOff = battles - aggressor - defender;
    std::string text = "Battle result:\r\n\r\nAggressor won " + std::to_string(aggressor) + " battles,\r\nDefender won " +
                       std::to_string(defender) + " battles";
    text += standOff < 1 ? ".\r\n" : ",\r\nStand off in " + std::to_string(standOff) + " battles.\r\n";
    return text + "\r\n\r\nDetailed information for first battle:\r\n" + protocol;
}


} // namespace orrery::test
