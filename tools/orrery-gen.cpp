// orrery-gen: writes generated turn reports for the demo, manual tests and benchmarks.
//
//   orrery-gen demo OUTDIR
//       the demo game (GalaxyNG, race Orion, twelve turns) as OUTDIR/orion0.txt ... orion11.txt
//   orrery-gen game OUTDIR --turns N --kb K --dialect standard|ng|blind [--seed S] [--crlf]
//       a game of N turns whose reports are about K kilobytes each, as OUTDIR/game0.txt ...
//
// The path of the last report is printed. Bad arguments and failed writes give a one-line
// message on the error output and exit status 2.

#include "galaxygen.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

using namespace orrery;
using namespace orrery::gen;

namespace {

constexpr int exitFailure = 2;

const char* const helpText =
    "orrery-gen: writes generated Galaxy turn reports.\n"
    "\n"
    "  orrery-gen demo OUTDIR\n"
    "      the demo game (GalaxyNG, race Orion, twelve turns) as OUTDIR/orion0.txt ...\n"
    "  orrery-gen game OUTDIR --turns N --kb K --dialect standard|ng|blind [--seed S] [--crlf]\n"
    "      a game of N turns with reports of about K kilobytes, as OUTDIR/game0.txt ...\n"
    "\n"
    "The folder is created when it does not exist; the path of the last report is printed.\n";

int fail(const std::string& message)
{
    std::fprintf(stderr, "orrery-gen: %s\n", message.c_str());
    return exitFailure;
}

int badArguments(const std::string& message) { return fail(message + " (see orrery-gen --help)"); }

bool positive(std::string_view text, long& value)
{
    const std::string copy(text);
    char* end = nullptr;
    value = std::strtol(copy.c_str(), &end, 10);
    return end && *end == '\0' && value > 0;
}

int write(const GeneratedGame& game, const std::string& folder, const std::string& name)
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) return fail("cannot create the folder " + folder);
    const Result<std::vector<std::string>> paths = writeGame(game, folder, name);
    if (!paths) return fail(paths.error().text());
    std::printf("%s\n", paths->back().c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::fputs(helpText, stdout);
        return 0;
    }
    if (argc < 2) return badArguments("no command given");
    const std::string_view command = argv[1];
    if (command != "demo" && command != "game") return badArguments("unknown command " + std::string(command));
    if (argc < 3) return badArguments("no output folder given");
    const std::string folder = argv[2];
    if (command == "demo") {
        if (argc > 3) return badArguments("unexpected argument " + std::string(argv[3]));
        return write(demoGame(), folder, "orion");
    }

    long turns = 0, kb = 0, seed = 1;
    bool crlf = false;
    Dialect dialect = Dialect::GalaxyNG;
    bool haveDialect = false;
    for (int i = 3; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--crlf") {
            crlf = true;
            continue;
        }
        if (option != "--turns" && option != "--kb" && option != "--seed" && option != "--dialect")
            return badArguments("unknown argument " + option);
        if (i + 1 >= argc) return badArguments(option + " needs a value");
        const std::string_view value = argv[++i];
        if (option == "--dialect") {
            haveDialect = true;
            if (value == "standard")
                dialect = Dialect::Standard;
            else if (value == "ng")
                dialect = Dialect::GalaxyNG;
            else if (value == "blind")
                dialect = Dialect::Blind;
            else
                return badArguments("unknown dialect " + std::string(value));
            continue;
        }
        long& target = option == "--turns" ? turns : option == "--kb" ? kb : seed;
        if (!positive(value, target)) return badArguments(option + " needs a whole number above 0");
    }
    if (turns <= 0) return badArguments("--turns is missing");
    if (kb <= 0) return badArguments("--kb is missing");
    if (!haveDialect) return badArguments("--dialect is missing");
    GalaxyParams params = paramsForReportSize(static_cast<std::size_t>(kb) * 1000, dialect,
                                              static_cast<std::uint32_t>(seed));
    params.crlf = crlf;
    return write(playGame(params, static_cast<int>(turns)), folder, "game");
}
