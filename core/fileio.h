#pragma once

// The few file operations the game logic needs. Every write of a user file goes through
// writeFileAtomic: the content is written to a temporary file beside the target and renamed over
// it, so an interrupted save never leaves half a file.

#include <optional>
#include <string>
#include <string_view>

namespace orrery {

bool fileExists(const std::string& path);
bool directoryExists(const std::string& path);
// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> readFile(const std::string& path);
// Writes content to path safely. On failure returns false and sets error to a message that
// names the file and the reason.
bool writeFileAtomic(const std::string& path, std::string_view content, std::string* error = nullptr);
// Copies a file, overwriting the target (also written safely).
bool copyFile(const std::string& from, const std::string& to, std::string* error = nullptr);

// The platform's separator for the ends of turn directory names.
constexpr char directorySeparator = '/';
// A folder name with the separator added when it does not end in one.
std::string withTrailingSeparator(std::string folder);

} // namespace orrery
