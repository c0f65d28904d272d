// orrery-gen: writes generated turn reports for demos, manual tests and benchmarks.
//
//   orrery-gen demo OUTDIR
//       the demo game (GalaxyNG, race Orion, twelve turns) as OUTDIR/orion0.txt ... orion11.txt
//   orrery-gen game OUTDIR --turns N --kb K --dialect standard|ng|blind [--seed S] [--crlf]
//       a game of N turns whose reports are about K kilobytes each, as OUTDIR/game0.txt ...
//
// The path of the last report is printed.

#include "galaxygen.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

using namespace orrery::test;

namespace {

constexpr int exitUsage = 2;

int usage()
{
    std::fprintf(stderr, "usage: orrery-gen demo OUTDIR\n"
                         "       orrery-gen game OUTDIR --turns N --kb K --dialect standard|ng|blind [--seed S] [--crlf]\n");
    return exitUsage;
}

bool makeFolder(const std::string& folder)
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) {
        std::fprintf(stderr, "orrery-gen: cannot create folder %s\n", folder.c_str());
        return false;
    }
    return true;
}

bool positive(const char* text, long& value)
{
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return end && *end == '\0' && value > 0;
}

int write(const GeneratedGame& game, const std::string& folder, const std::string& name)
{
    if (!makeFolder(folder)) return 1;
    const std::vector<std::string> paths = writeGame(game, folder, name);
    if (paths.empty()) {
        std::fprintf(stderr, "orrery-gen: cannot write the reports into %s\n", folder.c_str());
        return 1;
    }
    std::printf("%s\n", paths.back().c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) return usage();
    const std::string_view command = argv[1];
    const std::string folder = argv[2];
    if (command == "demo" && argc == 3) return write(demoGame(), folder, "orion");
    if (command != "game") return usage();

    long turns = 0, kb = 0, seed = 1;
    bool crlf = false;
    Dialect dialect = Dialect::GalaxyNG;
    bool haveDialect = false;
    for (int i = 3; i < argc; ++i) {
        const std::string_view option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--turns" && hasValue) {
            if (!positive(argv[++i], turns)) return usage();
        } else if (option == "--kb" && hasValue) {
            if (!positive(argv[++i], kb)) return usage();
        } else if (option == "--seed" && hasValue) {
            if (!positive(argv[++i], seed)) return usage();
        } else if (option == "--dialect" && hasValue) {
            const std::string_view name = argv[++i];
            haveDialect = true;
            if (name == "standard")
                dialect = Dialect::Standard;
            else if (name == "ng")
                dialect = Dialect::GalaxyNG;
            else if (name == "blind")
                dialect = Dialect::Blind;
            else
                return usage();
        } else if (option == "--crlf") {
            crlf = true;
        } else {
            return usage();
        }
    }
    if (turns <= 0 || kb <= 0 || !haveDialect) return usage();
    GalaxyParams params = paramsForReportSize(static_cast<std::size_t>(kb) * 1000, dialect,
                                              static_cast<std::uint32_t>(seed));
    params.crlf = crlf;
    return write(playGame(params, static_cast<int>(turns)), folder, "game");
}
