// Feeds arbitrary bytes to the mailbox import as an mbox file: splitting, header and MIME
// reading, the decoders, the report finder and the naming of the files must neither crash nor
// hang. Nothing is written.

#include "mailimport.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace orrery;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const mail::MailboxScan scan = mail::scanMbox(bytes);
    const mail::ImportPlan plan = mail::planImport(scan.reports);
    for (const mail::PlannedFile& file : plan.files) {
        // A name from a mail never leaves the target folder.
        if (file.folder.find_first_of("/.") != std::string::npos || file.name.find('/') != std::string::npos ||
            file.name.find("..") != std::string::npos)
            __builtin_trap();
    }
    mail::decodeQuotedPrintable(bytes);
    mail::decodeBase64(bytes);
    return 0;
}
