#include "testfiles.h"

#include "fileio.h"
#include "turnloader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

namespace orrery::test {

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "orrery-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern + "/";
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void TempDir::write(std::string_view name, std::string_view content) const
{
    if (!writeFileAtomic(file(name), content)) throw std::runtime_error("cannot write test file");
}

std::string corpusDir()
{
    const char* env = std::getenv("ORRERY_CORPUS");
    if (!env || !*env) env = ORRERY_DEFAULT_CORPUS;
    std::error_code ec;
    if (!fs::is_directory(env, ec)) return {};
    return withTrailingSeparator(env);
}

bool copyCorpus(std::string_view relative, const std::string& target)
{
    const std::string corpus = corpusDir();
    if (corpus.empty()) return false;
    std::error_code ec;
    fs::copy(corpus + std::string(relative), target, fs::copy_options::recursive | fs::copy_options::overwrite_existing,
             ec);
    if (ec) return false;
    // The corpus is read-only; the copies must be writable like a player's own files.
    for (const auto& entry : fs::recursive_directory_iterator(target, ec))
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ec);
    return true;
}

std::vector<std::string> listFiles(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string readText(const std::string& path)
{
    const auto content = readFile(path);
    return content ? *content : std::string();
}

Game loadTurn(const std::string& path)
{
    Result<Game> game = loadTurnFromPath(path);
    EXPECT_TRUE(game) << (game ? std::string() : game.error().text());
    return game ? std::move(*game) : Game();
}

} // namespace orrery::test
