#pragma once

// Files for tests: temporary folders that clean up after themselves, and the shared corpus of
// real reports (always copied before anything could write into it).

#include "gamedata.h"

#include <string>
#include <string_view>
#include <vector>

namespace orrery::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, ending with a separator.
    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + std::string(name); }
    void write(std::string_view name, std::string_view content) const;

private:
    std::string path_;
};

// The folder of the real reports, ending with a separator; empty when it is not there.
std::string corpusDir();
// Copies a folder of the corpus (relative to it) into target; false when the corpus is missing.
bool copyCorpus(std::string_view relative, const std::string& target);
// File names of a folder, sorted.
std::vector<std::string> listFiles(const std::string& folder);
std::string readText(const std::string& path);

// Turn n of the report set a path names, as the program shows it (a test failure, and an empty
// game, when it cannot be read).
Game loadTurn(const std::string& path);

} // namespace orrery::test

// Skips the test with a message when the shared corpus is not beside the project.
#define ORRERY_REQUIRE_CORPUS()                                                                  \
    do {                                                                                         \
        if (::orrery::test::corpusDir().empty()) GTEST_SKIP() << "shared corpus not found";      \
    } while (0)
