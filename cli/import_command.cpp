// orrery-cli import MAILBOX DIR
//
// Reads an mbox file or a Maildir folder, finds every turn report in its mails and writes each as
// <race><turn>.txt into DIR (one sub-folder per game and race when the mailbox holds several).
// One line per report (written, skipped, refused) and a summary. A mailbox without reports, or
// with a report cut off part-way, is bad input: nothing is written.

#include "commands.h"
#include "mailimport.h"

#include <cstdio>

using namespace orrery;

namespace orrery::cli {

int commandImport(const std::vector<std::string>& args)
{
    std::vector<std::string> words;
    for (const std::string& a : args) {
        if (a.empty() || a.front() == '-') return badArguments("unexpected argument " + a);
        words.push_back(a);
    }
    if (words.size() != 2) return badArguments("import needs a mailbox and a folder");
    const std::string& mailbox = words[0];
    Result<mail::MailboxScan> scan = mail::scanMailbox(mailbox);
    if (!scan) return fail(scan.error().text());
    if (!scan->truncated.empty())
        return fail(mailbox + " is cut off: " + scan->truncated.front() + "; nothing was imported");
    if (scan->reports.empty())
        return fail("no turn report found in " + mailbox + " (" + std::to_string(scan->mails) +
                    (scan->mails == 1 ? " mail read)" : " mails read)"));
    const mail::ImportPlan plan = mail::planImport(scan->reports);
    const mail::ImportSummary done = mail::importReports(plan, words[1]);
    std::string failure;
    for (const mail::ImportLine& line : done.lines) {
        if (line.outcome == mail::Outcome::Failed) {
            if (failure.empty()) failure = line.message;
            continue;
        }
        print(stdout, mail::describe(line));
    }
    print(stdout, mail::summaryLine(done, plan) + (done.firstReport.empty() ? "" : "; the game opens from " + done.firstReport));
    if (!failure.empty()) return fail(failure);
    return 0;
}

} // namespace orrery::cli
