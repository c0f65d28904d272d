#pragma once

// The few file operations the game logic needs, over the standard library alone so that the
// logic builds on every desktop. Every write of a user file goes through writeFileAtomic: the
// content is written to a temporary file beside the target and renamed over it, so an
// interrupted save never leaves half a file.

#include "result.h"

#include <string>
#include <string_view>

namespace orrery {

// True for an existing regular file (folders are no files).
bool fileExists(const std::string& path);
bool directoryExists(const std::string& path);
// The whole file; a failure names the file and the reason.
Result<std::string> readFile(const std::string& path);
// Writes content to path safely; a failure names the file and the reason.
Status writeFileAtomic(const std::string& path, std::string_view content);

// The platform's separator for the ends of turn directory names.
constexpr char directorySeparator = '/';
// A folder name with the separator added when it does not end in one.
std::string withTrailingSeparator(std::string folder);

} // namespace orrery
