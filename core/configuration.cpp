#include "configuration.h"

namespace orrery {

const std::array<MapToggle, toggleCount>& mapToggles()
{
    static const std::array<MapToggle, toggleCount> toggles = {{
        {"SBNames", false},
        {"SBCircles", true},
        {"SBDistance", true},
        {"SBShowIncoming", true},
        {"SBShowShips", true},
        {"SBShowShips2", true},
        {"SBShowIntelligence", true},
        {"SBShowBattles", true},
        {"SBShowBombings", true},
        {"SBShowInfo", false},
        {"SBShowInfo2", false},
        {"SBPlanetSize", false},
        {"SBBattleSize", false},
        {"SBGroupDistance", false},
        {"SBFleetDistance", false},
        {"SBCAP", true},
        {"SBMAT", true},
        {"SBCOL", true},
        {"SBEMP", true},
    }};
    return toggles;
}

int toggleIndex(std::string_view key)
{
    const auto& toggles = mapToggles();
    for (std::size_t i = 0; i < toggles.size(); ++i)
        if (key == toggles[i].key) return static_cast<int>(i);
    return -1;
}

Configuration::Configuration()
{
    for (std::size_t i = 0; i < toggles.size(); ++i) toggles[i] = mapToggles()[i].standard;
}

const std::vector<std::string>& configurationWriteOrder()
{
    static const std::vector<std::string> order = [] {
        std::vector<std::string> names = {
            "includeMapPosition", "Zoom", "WindowWidth", "WindowHeight", "WindowPosLeft", "WindowPosTop",
            "ScrollPosX", "ScrollPosY", "WindowState", "Versionnr.", "GameType", "PlanetsPerPlayer",
            "TurnDirectory", "ReportName", "ReportExt", "MoveEditorInitialDir", "MoveEditorGameName",
            "MoveEditorRaceName", "MoveEditorPassword", "TextEditorInitialDir", "NumOfCircles", "RangeInterval",
            "FilmDelay", "ShowMousePos", "ShowButtonBar"};
        for (const MapToggle& t : mapToggles()) names.push_back(t.key);
        return names;
    }();
    return order;
}

const std::vector<std::string>& configurationReadOrder(bool includeMapPosition)
{
    static const std::vector<std::string> head = {"GameType", "TurnDirectory", "ReportName", "ReportExt",
                                                  "MoveEditorInitialDir", "TextEditorInitialDir",
                                                  "PlanetsPerPlayer", "includeMapPosition"};
    static const std::vector<std::string> placement = {"Zoom", "WindowState", "WindowPosLeft", "WindowPosTop",
                                                       "WindowWidth", "WindowHeight", "ScrollPosX", "ScrollPosY"};
    static const std::vector<std::string> tail = {
        "MoveEditorGameName", "MoveEditorRaceName", "MoveEditorPassword", "NumOfCircles", "RangeInterval",
        "FilmDelay", "ShowMousePos", "ShowButtonBar", "SBNames", "SBCircles", "SBDistance", "SBShowIncoming",
        "SBShowShips", "SBShowShips2", "SBShowIntelligence", "SBShowBattles", "SBShowBombings", "SBShowInfo",
        "SBShowInfo2", "SBCAP", "SBMAT", "SBCOL", "SBEMP", "SBPlanetSize", "SBBattleSize", "SBGroupDistance",
        "SBFleetDistance"};
    static const std::vector<std::string> with = [] {
        std::vector<std::string> v = head;
        v.insert(v.end(), placement.begin(), placement.end());
        v.insert(v.end(), tail.begin(), tail.end());
        return v;
    }();
    static const std::vector<std::string> without = [] {
        std::vector<std::string> v = head;
        v.insert(v.end(), tail.begin(), tail.end());
        return v;
    }();
    return includeMapPosition ? with : without;
}

namespace {
// Offsets by position (i mod 10, i counted from 1).
constexpr int passwordOffsets[10] = {4, -3, 7, 2, -5, 6, 1, -2, 9, 3};
} // namespace

std::u16string scramblePassword(std::string_view password)
{
    std::u16string out;
    for (std::size_t i = 0; i < password.size(); ++i) {
        const int code = static_cast<unsigned char>(password[i]);
        out.push_back(static_cast<char16_t>(static_cast<std::uint16_t>(code + passwordOffsets[(i + 1) % 10])));
    }
    return out;
}

std::string unscramblePassword(std::u16string_view stored)
{
    std::string out;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const int code = static_cast<std::uint16_t>(stored[i] - passwordOffsets[(i + 1) % 10]);
        out.push_back(static_cast<char>(code & 0xFF));
    }
    return out;
}

} // namespace orrery
