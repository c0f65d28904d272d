#pragma once

// The values of one named configuration: where the game's reports are, how they are named, the
// main window's placement and map position, the map's display toggles, the program options and
// the fields of the orders editor's header. The settings store keeps them under these names.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

// A display toggle of the map: its configuration key and its state in a fresh main window.
struct MapToggle {
    const char* key;
    bool standard;
};

// In the order the configuration stores them.
enum ToggleIndex : int {
    tgNames,
    tgCircles,
    tgDistance,
    tgShowIncoming,
    tgShowShips,
    tgShowShips2,
    tgShowIntelligence,
    tgShowBattles,
    tgShowBombings,
    tgShowInfo,
    tgShowInfo2,
    tgPlanetSize,
    tgBattleSize,
    tgGroupDistance,
    tgFleetDistance,
    tgCAP,
    tgMAT,
    tgCOL,
    tgEMP,
    toggleCount
};

const std::array<MapToggle, toggleCount>& mapToggles();
// Index of a toggle's key ("SBNames" ...), or -1.
int toggleIndex(std::string_view key);

struct Configuration {
    bool includeMapPosition = true;
    std::int32_t zoom = -1;
    std::int32_t windowWidth = 800;
    std::int32_t windowHeight = 607;
    std::int32_t windowPosLeft = 0;
    std::int32_t windowPosTop = 0;
    std::int32_t scrollPosX = -1;
    std::int32_t scrollPosY = -1;
    std::int32_t windowState = 0; // 100 maximised, 101 minimised, 0 normal
    std::int32_t gameType = 0;
    std::int32_t planetsPerPlayer = -1;
    std::string turnDirectory;
    std::string reportName;
    std::string reportExt;
    std::string moveEditorInitialDir;
    std::string moveEditorGameName;
    std::string moveEditorRaceName;
    std::string moveEditorPassword;
    std::string textEditorInitialDir;
    std::int32_t numOfCircles = 2;
    std::int32_t rangeInterval = 10;
    std::int32_t filmDelay = 1000;
    bool showMousePos = true;
    bool showButtonBar = true;
    std::array<bool, toggleCount> toggles{};

    Configuration();
    bool toggle(ToggleIndex t) const { return toggles[static_cast<std::size_t>(t)]; }
};

constexpr std::int32_t windowMaximised = 100;
constexpr std::int32_t windowMinimised = 101;

// The names of the values in the order they are written.
const std::vector<std::string>& configurationWriteOrder();
// The names in the order they are read and applied when a configuration is loaded; the names
// between "Zoom" and "ScrollPosY" only when "includeMapPosition" is set.
const std::vector<std::string>& configurationReadOrder(bool includeMapPosition);

// The stored form of the orders editor's password: each character moved by one of ten small
// offsets, so that the password is not in plain sight in the settings.
std::u16string scramblePassword(std::string_view password);
std::string unscramblePassword(std::u16string_view stored);

} // namespace orrery
