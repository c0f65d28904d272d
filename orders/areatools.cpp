#include "areatools.h"

#include "gamedata.h"
#include "moveeditor.h"
#include "orderforms.h"
#include "orderwords.h"
#include "textrules.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace orrery {

namespace {

constexpr int sendGroupCommand = 26;
constexpr int interceptGroupCommand = 16;

bool readAreaNumber(std::string_view text, double& value)
{
    const std::string t(trimmed(text));
    if (t.empty() || t == "-" || t == "." || t == "-.") return false;
    if (!isAreaNumberInput(t)) return false;
    const char* begin = t.data();
    if (*begin == '+') ++begin;
    auto [end, error] = std::from_chars(begin, t.data() + t.size(), value);
    return error == std::errc() && end == t.data() + t.size();
}

} // namespace

bool isAreaNumberInput(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') ++i;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

std::vector<std::string> planetsInArea(const Game& game, AreaShape shape, const std::array<double, 4>& area)
{
    std::vector<std::string> planets;
    for (const planetrecord& p : game.turn.planets) {
        bool inside = false;
        if (shape == AreaShape::Rectangle)
            inside = area[0] <= p.x && p.x <= area[2] && area[1] <= p.y && p.y <= area[3];
        else
            inside = std::hypot(p.x - area[0], p.y - area[1]) <= area[2];
        if (inside) planets.emplace_back(p.name.view());
    }
    return planets;
}

Result<std::string> scanArea(MoveEditor& editor, const Game& game, AreaShape shape,
                             const std::array<std::string, 4>& fields, std::string_view groupChoice)
{
    const int used = shape == AreaShape::Rectangle ? 4 : 3;
    for (int i = 0; i < used; ++i)
        if (trimmed(std::string_view(fields[static_cast<std::size_t>(i)])).empty()) return Failure(std::string(msgSpecifyArea));
    std::array<double, 4> area{};
    for (int i = 0; i < used; ++i)
        if (!readAreaNumber(fields[static_cast<std::size_t>(i)], area[static_cast<std::size_t>(i)]))
            return Failure(std::string(msgEnterNumber), {}, i + 1);
    const std::string word{Fields(groupChoice)[1]};
    const grouprecord* group = isWholeNumber(word) ? findOwnGroup(game, word) : nullptr;
    if (!group || group->inbattle) return Failure("Group " + word + " does not exists!");

    const auto ships = static_cast<long long>(group->shipcount);
    const std::vector<std::string> planets = planetsInArea(game, shape, area);
    if (editor.insertMode() == InsertMode::Replace) editor.setInsertMode(InsertMode::Below);
    long long served = 0;
    for (const std::string& planet : planets) {
        if (served >= ships) break;
        if (Status built = editor.BuildOrder(CommandList::Names, sendGroupCommand, OrderFields{{word, planet, "1"}}); !built)
            return built.error();
        ++served;
    }
    if (static_cast<long long>(planets.size()) <= ships) return std::string();
    return "Area contains " + std::to_string(planets.size()) + " planets, but group only contains " +
           std::to_string(ships) + " " + (ships == 1 ? "ship!" : "ships!");
}

std::vector<const grouprecord*> movableGroupsAt(const Game& game, std::string_view planet)
{
    std::vector<const grouprecord*> groups;
    const racegrouprecord* own = ownGroups(game);
    if (!own || planet.empty()) return groups;
    // The groups name their planet by its name; the player may have chosen its other name.
    std::string_view name = planet;
    for (const planetrecord& p : game.turn.planets)
        if (!p.altname.empty() && p.altname.view() == planet) name = p.name.view();
    for (const grouprecord& g : own->groups) {
        if (g.inbattle || !g.typeknown || !(g.drive > 0) || g.distance != 0) continue;
        if (g.location.view() == name || g.location.view() == planet) groups.push_back(&g);
    }
    return groups;
}

Result<int> sendFromPlanet(MoveEditor& editor, const Game& game, SendMode mode, std::string_view first,
                           std::string_view second)
{
    const std::string a(trimmed(first));
    const std::string b(trimmed(second));
    if (a.empty() || b.empty()) return Failure(std::string(msgBothPlanets));
    const std::string& source = mode == SendMode::Send ? a : b;
    const std::string& target = mode == SendMode::Send ? b : a;
    if (editor.insertMode() == InsertMode::Replace) editor.setInsertMode(InsertMode::Below);
    int built = 0;
    for (const grouprecord* g : movableGroupsAt(game, source)) {
        const std::string entry = ownGroupEntry(*g, game);
        const Status ok = mode == SendMode::Send
                              ? editor.BuildOrder(CommandList::Names, sendGroupCommand, OrderFields{{entry, target}})
                              : editor.BuildOrder(CommandList::Names, interceptGroupCommand, OrderFields{{target, entry}});
        if (!ok) return ok.error();
        ++built;
    }
    if (built == 0) return Failure("You do not own a planet with name " + source + "!");
    return built;
}

} // namespace orrery
