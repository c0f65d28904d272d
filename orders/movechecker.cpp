#include "movechecker.h"

#include "gamedata.h"
#include "ordereta.h"
#include "orderformat.h"
#include "orderwords.h"
#include "textrules.h"
#include "turnlookup.h"

#include <cmath>
#include <unordered_map>
#include <unordered_set>

namespace orrery {

namespace {

// Keys in the order first met, with how often each occurs.
class KeyCount {
public:
    void add(std::string_view key, double n = 1.0)
    {
        const auto [it, added] = index_.try_emplace(std::string(key), keys_.size());
        if (added) keys_.emplace_back(std::string(key), 0.0);
        keys_[it->second].second += n;
    }
    double count(std::string_view key) const
    {
        const auto it = index_.find(std::string(key));
        return it == index_.end() ? 0.0 : keys_[it->second].second;
    }
    const std::vector<std::pair<std::string, double>>& keys() const { return keys_; }

private:
    std::vector<std::pair<std::string, double>> keys_;
    std::unordered_map<std::string, std::size_t> index_;
};

std::string formatCount(double n)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.0f", n);
    return buffer;
}

bool oneOf(std::string_view word, std::initializer_list<std::string_view> set)
{
    const std::string u = upper(word);
    for (std::string_view s : set)
        if (u == s) return true;
    return false;
}

class Checker {
public:
    Checker(const std::vector<std::string>& raw, const std::vector<std::string>& shown, const Game& game)
        : raw_(raw), shown_(shown), game_(game), eta_(raw, MoveForm::Raw, game), lookup_(eta_.lookup())
    {
        end_ = !raw.empty() && isEndLine(raw.back()) ? raw.size() - 1 : raw.size();
        for (std::size_t i = 1; i < end_; ++i) words_.emplace_back(cutComment(raw[i]));
        for (const fleetrecord& f : game.turn.fleets) fleets_.insert(upper(f.name.view()));
        for (const playerrecord& p : game.turn.players) races_.insert(upper(p.name.view()));
        for (const shiptyperecord& t : game.shiptypes)
            if (t.owner == game.ownrace.view() && t.fromreport != 0) ownTypes_.insert(upper(t.name.view()));
        // Fleets and ship types that the move itself creates count as existing.
        for (std::size_t i = 1; i < end_; ++i) {
            if (!isOrder(i) || letter(i) != 'D') continue;
            if (upper(word(i, 2)) == "FLEET")
                fleets_.insert(upper(word(i, 3)));
            else
                ownTypes_.insert(upper(word(i, 2)));
        }
    }

    std::string run()
    {
        checkHeader();
        checkArguments();
        checkDuplicates();
        simulate();
        checkShipCounts();
        checkLoads();
        return text_;
    }

private:
    // Lines inside message blocks are no orders; the opening line is tested for its races only.
    bool isOrder(std::size_t i) const { return !eta_.inMessage(i); }
    // Lower-case letters are orders too: the server reads "s 12 Mars" as "S 12 Mars".
    char letter(std::size_t i) const { return commandLetter(raw_[i]); }
    std::string_view word(std::size_t i, int n) const { return words_[i - 1][n]; }
    int wordCount(std::size_t i) const { return words_[i - 1].count(); }

    void finding(std::string_view text)
    {
        text_ += text;
        text_ += lineBreak;
    }
    void lineError(std::size_t i, std::string_view message)
    {
        finding("Error in line \"" + shown(i) + "\": " + std::string(message));
    }
    // Findings whose explanation stands on a line of its own.
    void lineErrorBelow(std::size_t i, std::string_view message)
    {
        finding("Error in line \"" + shown(i) + "\":" + std::string(lineBreak) + std::string(message));
    }
    std::string shown(std::size_t i) const { return i < shown_.size() ? shown_[i] : raw_[i]; }

    bool groupExists(std::string_view w) const { return upper(w) == "MAX" || lookup_.group(w); }
    bool groupInHyperspace(std::string_view w) const
    {
        const grouprecord* g = lookup_.group(w);
        return g && g->distance > 0.0;
    }
    bool fleetExists(std::string_view w) const { return !w.empty() && fleets_.count(upper(w)) > 0; }
    bool fleetInHyperspace(std::string_view w) const
    {
        const grouprecord* g = lookup_.firstFleetMember(w);
        return g && g->distance > 0.0;
    }
    bool ownShipType(std::string_view w) const { return !w.empty() && ownTypes_.count(upper(w)) > 0; }
    bool raceExists(std::string_view w) const { return !w.empty() && races_.count(upper(w)) > 0; }
    bool planetExists(std::string_view w) const { return lookup_.planet(w) != nullptr; }
    bool ownPlanet(std::string_view w) const
    {
        const planetrecord* p = lookup_.planet(w);
        return p && p->ownercode == ocOwn;
    }
    static bool cargoType(std::string_view w) { return oneOf(w, {"CAP", "COL", "MAT"}); }
    static bool routeCargo(std::string_view w) { return oneOf(w, {"CAP", "COL", "MAT", "ALL", "EMP"}); }
    static bool productName(std::string_view w)
    {
        return oneOf(w, {"CAP", "MAT", "DRIVE", "WEAPONS", "SHIELDS", "CARGO"});
    }
    bool productionType(std::string_view w) const { return productName(w) || ownShipType(w); }

    void checkHeader()
    {
        const std::string_view header = raw_.empty() ? std::string_view() : std::string_view(raw_[0]);
        if (upper(field(header, 1)) != "#GALAXY" || upper(field(header, 3)) != upper(game_.ownrace.view()))
            finding("Syntax error in first line of move.");
    }

    void checkArguments()
    {
        for (std::size_t i = 1; i < end_; ++i) {
            if (eta_.opensMessage(i)) {
                const Fields f(raw_[i]);
                for (int n = 2; n <= f.count(); ++n)
                    if (!raceExists(f[n])) {
                        finding("Error in line \"" + raw_[i] + "\": Race does not exists.");
                        break;
                    }
                continue;
            }
            if (!isOrder(i)) continue;
            const std::string_view w2 = word(i, 2), w3 = word(i, 3);
            switch (letter(i)) {
            case 'A':
            case 'H':
            case 'W':
                if (!raceExists(w2)) lineError(i, "Race does not exists.");
                break;
            case 'B':
                if (!groupExists(w2)) lineError(i, "Group ID does not exists.");
                if (groupInHyperspace(w2)) lineError(i, "Group is in hyperspace.");
                if (!isWholeNumber(w3) && upper(w3) != "FLEET" && !fleetExists(w3))
                    lineError(i, "Fleet does not exists.");
                break;
            case 'E':
            case 'T':
                if (!fleetExists(w2) && !ownShipType(w2)) lineError(i, "Fleet/shiptype does not exists.");
                break;
            case 'G':
            case 'U':
            case 'X':
                if (!groupExists(w2)) lineError(i, "Group ID does not exists.");
                if (groupInHyperspace(w2)) lineError(i, "Group is in hyperspace.");
                break;
            case 'I':
            case 'S':
                if (!groupExists(w2) && !fleetExists(w2)) lineError(i, "Group/fleet does not exists.");
                if (!planetExists(w3)) lineError(i, "Planet does not exists.");
                if (groupInHyperspace(w2) || fleetInHyperspace(w2)) lineError(i, "Group/fleet is in hyperspace.");
                break;
            case 'J':
                if (!groupExists(w2) && !fleetExists(w2)) lineError(i, "Group/fleet does not exists.");
                if (!fleetExists(w3)) lineError(i, "Fleet does not exists.");
                if (fleetInHyperspace(w3)) lineError(i, "Fleet is in hyperspace.");
                if (groupInHyperspace(w2) || fleetInHyperspace(w2)) lineError(i, "Group/fleet is in hyperspace.");
                break;
            case 'K':
            case 'V':
                if (!planetExists(w2)) lineError(i, "Planet does not exists.");
                break;
            case 'L':
                if (!groupExists(w2)) lineError(i, "Group ID does not exists.");
                if (!cargoType(w3)) lineError(i, "Cargo type does not exists.");
                if (groupInHyperspace(w2)) lineError(i, "Group is in hyperspace.");
                break;
            case 'N':
                if (!ownPlanet(w2)) lineError(i, "You don't own that planet.");
                break;
            case 'P':
                if (!ownPlanet(w2)) lineError(i, "You don't own that planet.");
                if (!productionType(w3)) lineError(i, "Production type does not exists.");
                break;
            case 'R':
                if (!ownPlanet(w2)) lineError(i, "You don't own that planet.");
                if (!routeCargo(w3)) lineError(i, "Cargo type does not exists.");
                break;
            default: break;
            }
        }
    }

    // One duplicate check: the keys of the matching lines in move order; every key met more than
    // once gives one finding.
    template <class Match, class Text>
    void duplicates(Match match, int keyWord, Text text)
    {
        KeyCount keys;
        for (std::size_t i = 1; i < end_; ++i)
            if (isOrder(i) && match(i)) keys.add(word(i, keyWord));
        for (const auto& [key, count] : keys.keys())
            if (count > 1) finding("Error: " + formatCount(count) + std::string(text(key)) + key);
    }

    void checkDuplicates()
    {
        auto is = [this](char c) { return [this, c](std::size_t i) { return letter(i) == c; }; };
        auto fixed = [](std::string_view t) { return [t](std::string_view) { return t; }; };
        duplicates(is('P'), 2, fixed(" \"set production\" commands found for planet "));
        duplicates(is('N'), 2, fixed(" \"rename planet\" commands found for planet "));
        duplicates(is('N'), 3, fixed(" \"rename planet\" commands found, which renames to "));
        duplicates(is('K'), 2, fixed(" \"change status of planet\" commands found for planet "));
        duplicates([this](std::size_t i) { return letter(i) == 'A' || letter(i) == 'W'; }, 2,
                   fixed(" \"declare peace/war\" commands found for race "));
        duplicates([this](std::size_t i) { return letter(i) == 'I' && word(i, 4).empty(); }, 2,
                   [](std::string_view key) {
                       return isWholeNumber(key) ? " \"intercept\" commands found for all ships of group "
                                                 : " \"intercept\" commands found for fleet ";
                   });
        duplicates([this](std::size_t i) { return letter(i) == 'J' && word(i, 4).empty(); }, 2,
                   [](std::string_view key) {
                       return isWholeNumber(key) ? " \"add group\" commands found for all ships of group "
                                                 : " \"merge fleet\" commands found for fleet ";
                   });
        duplicates([this](std::size_t i) {
            return letter(i) == 'L' && wordCount(i) == 3 && upper(word(i, 2)) != "MAX";
        }, 2, fixed(" \"load\" commands found for all ships of group "));
        duplicates(is('T'), 2, fixed(" \"new name\" commands found for fleet or shiptype "));
        duplicates(is('T'), 3, fixed(" \"new name\" commands found, which renames to fleet or shiptype "));
        checkRenameConflicts();
        duplicates([this](std::size_t i) {
            return letter(i) == 'S' && wordCount(i) == 3 && upper(word(i, 2)) != "MAX";
        }, 2, [](std::string_view key) {
            return isWholeNumber(key) ? " \"send\" commands found for all ships of group "
                                      : " \"send\" commands found for all ships of fleet ";
        });
        duplicates([this](std::size_t i) { return letter(i) == 'U' && wordCount(i) == 2; }, 2,
                   fixed(" \"unload\" commands found for all ships of group "));
    }

    void checkRenameConflicts()
    {
        for (std::size_t i = 1; i < end_; ++i) {
            if (!isOrder(i) || letter(i) != 'T') continue;
            const std::string_view newName = word(i, 3);
            if (fleetExists(word(i, 2))) {
                if (fleetExists(newName)) lineErrorBelow(i, "   Fleet name already in use.");
            } else {
                if (ownShipType(newName)) lineErrorBelow(i, "   Name of ship type already in use.");
                if (productName(newName)) lineErrorBelow(i, "   Ship name can not be the same as a product name.");
            }
        }
    }

    static bool samePlanet(const grouprecord& a, const grouprecord& b)
    {
        return a.location == b.location && a.distance == 0.0 && b.distance == 0.0;
    }

    // Replays the orders that take ships from groups, in move order.
    void simulate()
    {
        for (std::size_t i = 1; i < end_; ++i) {
            if (!isOrder(i)) continue;
            const char c = letter(i);
            if (c == 'M') {
                checkMapArea(i);
                continue;
            }
            if (c == 'E') {
                checkErase(i);
                continue;
            }
            if (c != 'B' && c != 'G' && c != 'I' && c != 'J' && c != 'L' && c != 'S' && c != 'U' && c != 'X')
                continue;
            const std::string_view w2 = word(i, 2);
            if (upper(w2) == "MAX") continue;

            std::string_view countWord = (c == 'G' || c == 'U' || c == 'X') ? word(i, 3) : word(i, 4);
            if (c == 'B' && countWord.empty() && isWholeNumber(word(i, 3))) countWord = word(i, 3);
            bool found = isWholeNumber(countWord);
            double ships = found ? readNumber(countWord) : 0.0;
            if (!found && countWord.empty() && (c == 'L' || c == 'U')) found = true;

            const grouprecord* group = lookup_.group(w2);
            const std::string gname = std::string(w2);
            if (c == 'U' && group && group->cargoquantity == 0.0)
                finding("Error in unload command for group " + gname + ": Group doesn't carry any cargo.");
            if (c == 'L' && group) {
                const std::string start = "Error in load command for group " + gname;
                if (sameAmount(cargoCapacity(*group), group->cargoquantity))
                    finding(start + ": Group is already fully loaded.");
                if (!group->cargotype.empty() && !equalsNoCase(word(i, 3), group->cargotype.view()))
                    finding(start + ": Group is already carrying a different load.");
                const planetrecord* at = lookup_.planet(group->location.view());
                if (at && at->ownercode != ocOwn) finding(start + ": Group is not at one of your planets.");
            }
            if (c == 'S') {
                if (!isWholeNumber(w2)) {
                    const grouprecord* first = lookup_.firstFleetMember(w2);
                    if (first && first->drive == 0.0)
                        finding("Error in send command for fleet " + gname + ": Fleet can't move.");
                } else if (group && group->drive == 0.0) {
                    finding("Error in send command for group " + gname + ": Group can't move.");
                }
            }
            if (c == 'J') {
                const grouprecord* target = lookup_.firstFleetMember(word(i, 3));
                const grouprecord* joining = lookup_.firstFleetMember(w2);
                // A fleet without groups yet (made by this move) has no planet to compare with.
                if (joining && target) {
                    if (!samePlanet(*joining, *target)) lineError(i, "Fleets are not at the same planet.");
                } else if (group && target) {
                    if (!samePlanet(*group, *target)) lineError(i, "Group not at the same planet than fleet.");
                }
            }
            if (!found) {
                if (!isWholeNumber(w2)) {
                    if ((c == 'I' || c == 'J' || c == 'S') && !fleetExists(w2))
                        finding("Syntax error in line: " + shown(i));
                } else {
                    ships = group ? group->shipcount - used_.count(w2) : 0.0;
                }
            }
            // One entry per ship taken from the group, kept as a count per group.
            if (ships > 0.0) used_.add(w2, ships);
        }
    }

    // "M x y size": three whole numbers of at least 1.
    void checkMapArea(std::size_t i)
    {
        for (int n = 2; n <= 4; ++n) {
            const std::string_view value = word(i, n);
            if (!isWholeNumber(value))
                finding("Syntax error in line: " + shown(i));
            else if (readNumber(value) < 1.0)
                lineError(i, "Values has to be at least 1.");
        }
    }

    // A ship type can be erased only when no ship of it is left or being built.
    void checkErase(std::size_t i)
    {
        const std::string_view type = word(i, 2);
        if (!ownShipType(type)) return;
        if (const racegrouprecord* own = ownGroups(game_))
            for (const grouprecord& g : own->groups)
                if (equalsNoCase(g.name.view(), type)) {
                    lineError(i, "Ships of this type still exist.");
                    return;
                }
        for (const planetrecord& p : game_.turn.planets)
            if (p.ownercode == ocOwn && equalsNoCase(p.producing.view(), type)) {
                lineError(i, "Ships of this type are still being produced.");
                return;
            }
    }

    void checkShipCounts()
    {
        for (const auto& [key, count] : used_.keys()) {
            if (count < 2.0) continue;
            const grouprecord* group = lookup_.group(key);
            if (group && count > group->shipcount) finding("Error: Not enough ships in group " + key);
        }
    }

    void checkLoads()
    {
        for (std::size_t i = 1; i < end_; ++i) {
            if (!isOrder(i) || letter(i) != 'L') continue;
            const std::string_view w2 = word(i, 2);
            const std::string syntax = "Syntax error in line \"" + shown(i) + "\"";
            if (!isWholeNumber(w2)) {
                finding(syntax);
                continue;
            }
            const grouprecord* group = lookup_.group(w2);
            if (!group) {
                lineErrorBelow(i, "   group id " + std::string(w2) + "does not exist!");
                continue;
            }
            if (!sameAmount(cargoCapacity(*group), group->cargoquantity)) {
                double ships = group->shipcount;
                if (!word(i, 4).empty()) {
                    if (!isWholeNumber(word(i, 4))) {
                        finding(syntax);
                        continue;
                    }
                    ships = readNumber(word(i, 4));
                    // A count of 0 or below loads the whole group.
                    if (ships <= 0.0) ships = group->shipcount;
                }
                // As if a send of these ships stood just below the load.
                const double cargo = eta_.cargoAtDeparture(*group, w2, i + 1, ships);
                if (!(cargo > group->cargoquantity)) lineErrorBelow(i, "   No cargo of that type at planet.");
            } else if (group->cargo > 0.0) {
                lineErrorBelow(i, "   Group is already fully loaded.");
            } else {
                lineErrorBelow(i, "   Group contains no cargo ships.");
            }
        }
    }

    // Loads are printed with two decimals in the report, so a computed capacity is compared at
    // that precision.
    static bool sameAmount(double a, double b) { return std::fabs(a - b) < 0.005; }

    const std::vector<std::string>& raw_;
    const std::vector<std::string>& shown_;
    const Game& game_;
    EtaCalculator eta_;
    const TurnLookup& lookup_;
    std::size_t end_ = 0;
    std::vector<OrderWords> words_;
    std::unordered_set<std::string> fleets_;
    std::unordered_set<std::string> races_;
    std::unordered_set<std::string> ownTypes_;
    KeyCount used_;
    std::string text_;
};

} // namespace

std::string CheckMove(const std::vector<std::string>& rawLines, const std::vector<std::string>& shownLines,
                      const Game& game)
{
    if (rawLines.empty()) return "Syntax error in first line of move." + std::string(lineBreak);
    return Checker(rawLines, shownLines, game).run();
}

} // namespace orrery
