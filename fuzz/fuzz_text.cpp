// Feeds arbitrary bytes to the text tools as a file the player opens: the viewer's lines, the
// editor's decoding (which must give back the same bytes when written with the line end it
// found, unless the file mixes line ends), the reply quoting and both searches.

#include "texttools.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace orrery;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = splitTextLines(bytes);
    const TextFileContent content = decodeTextFile(bytes);
    for (char c : content.text)
        if (c == '\r') __builtin_trap(); // the editor holds LF line ends only
    const std::string again = encodeTextFile(content.text, content.lineEnd);
    const TextFileContent twice = decodeTextFile(again);
    if (twice.text != content.text) __builtin_trap();
    (void)quoteReply(content.text);
    // Search for a piece of the text itself, in both kinds, until the search comes round.
    const std::string_view what = bytes.substr(0, bytes.size() < 3 ? bytes.size() : 3);
    TextSearch inLines, inText;
    for (int i = 0; i < 4; ++i) {
        (void)inLines.nextLine(lines, what, i % 2 == 0);
        (void)inText.nextMatch(content.text, what, i % 2 == 0);
    }
    return 0;
}
