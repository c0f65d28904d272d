#pragma once

// Turn reports straight from the mail. Game servers mail each turn's report; players keep the
// mails in an mbox file or a Maildir folder. This reads the mailbox, decodes the bodies
// (quoted-printable, base64, also the parts of a multipart mail), finds every turn report by its
// own header line ("Galaxy Game Lyra Turn 12 Report for Galagans"), and writes each report as
// the file the report set expects: <race><turn>.txt, lower case, with LF line ends.
//
//     Result<MailboxScan> scan = scanMailbox("/home/me/Mail/galaxy");
//     ImportPlan plan = planImport(scan->reports);
//     ImportSummary done = importReports(plan, "/home/me/games/lyra");
//
// Everything here works on bytes; game texts are Latin-1 and pass through unchanged.

#include "result.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orrery::mail {

// ---------------------------------------------------------------------------------------------
// Decoding

// A decoded body and whether its encoding ended whole (a base64 body cut inside a group of four
// characters did not).
struct Decoded {
    std::string bytes;
    bool complete = true;
};
Decoded decodeBase64(std::string_view text);
// Quoted-printable: "=XX" is the byte XX, "=" at the end of a line joins it to the next; an "="
// followed by anything else stays as it is.
std::string decodeQuotedPrintable(std::string_view text);
// CR LF becomes LF; lone CRs stay.
std::string toLF(std::string_view text);

// The mails of an mbox file: split at "From " lines at the start of the file or after an empty
// line (that empty line belongs to the separator, not to the mail); ">From " lines lose one ">"
// (mboxrd quoting). A file that does not begin with "From " is one mail. Line ends are LF.
std::vector<std::string> splitMbox(std::string_view bytes);

// ---------------------------------------------------------------------------------------------
// Finding reports

struct FoundReport {
    std::string game; // game name from the header line; may be empty
    std::string race; // the own race, as the report reader reads it
    int turn = -1;
    std::string text; // the report's bytes, LF line ends
    int mail = 0;     // the mail it came from, counted from 1
};

struct MailboxScan {
    std::vector<FoundReport> reports;
    // One line per report that was cut off (mail and reason); these reports are not in reports.
    std::vector<std::string> truncated;
    int mails = 0;
};

// The header line's parts: "Galaxy Game Lyra Turn 12 Report for Galagans" and "Report for
// Galagans, Galaxy game Lyra, Turn 12" both give Lyra, 12, Galagans. Turn -1 when no number
// follows "Turn".
struct HeaderParts {
    std::string game;
    std::string race;
    int turn = -1;
};
HeaderParts parseHeaderLine(std::string_view line);

// The reports in one mail (its headers, body, parts). `last` marks the mailbox's last mail, whose
// end decides whether the mailbox was cut part-way: an mbox file ends with an empty line after
// its last mail, a single mail with a line end.
void scanMail(std::string_view mail, int number, bool last, bool mailboxEndsInLine, MailboxScan& out);
// All reports of an mbox file's bytes.
MailboxScan scanMbox(std::string_view bytes);
// An mbox file or a Maildir folder (its cur/ and new/ mails; tmp/ holds unfinished ones).
Result<MailboxScan> scanMailbox(const std::string& path);

// ---------------------------------------------------------------------------------------------
// Writing

struct PlannedFile {
    std::string folder; // sub-folder of the target, empty for the target itself
    std::string name;   // <race><turn>.txt
    const FoundReport* report = nullptr;
};

struct ImportPlan {
    std::vector<PlannedFile> files; // in game, race and turn order
    // The sub-folders, one per game and race, when the mailbox holds more than one; else empty.
    std::vector<std::string> folders;
};

// Names the files. A race renamed during the game keeps one name for all its reports: a report
// whose race first appears on turn t, whose echoed orders hold "> c NEWNAME" and whose game has
// exactly one race whose reports stop at turn t-1 continues that race; the whole line takes the
// latest name. Names only of safe characters (a name from a mail never leaves the target).
ImportPlan planImport(const std::vector<FoundReport>& reports);

// The part of a file name that precedes the turn: the race in lower case, characters other than
// letters, digits, "_" and "-" as "_", and "_" added when it ends in a digit (so that "race_1"
// turn 0 is "race_1_0.txt", not turn 10 of "race_").
std::string reportBaseName(std::string_view race);
// "<game>-<race>" in lower case, of safe characters only.
std::string folderName(std::string_view game, std::string_view race);

enum class Outcome { Written, Skipped, Refused, Failed };

struct ImportLine {
    Outcome outcome;
    std::string path;    // relative to the target folder
    std::string message; // the failure, for Failed
};

struct ImportSummary {
    std::vector<ImportLine> lines;
    int written = 0, skipped = 0, refused = 0, failed = 0;
    // The report of the first turn that is in the target or its single game folder, for opening
    // the game afterwards; empty when the reports went to several folders or no turn is there.
    std::string firstReport;
    int firstTurn = -1; // its turn
};

// Writes the planned files into dir (created when missing) through writeFileAtomic: a file
// already there with the same bytes is skipped, one with other bytes is refused and kept.
ImportSummary importReports(const ImportPlan& plan, const std::string& dir);

// One line per outcome ("written lyra-alpha/alpha3.txt") and the summary line.
std::string describe(const ImportLine& line);
std::string summaryLine(const ImportSummary& summary, const ImportPlan& plan);

} // namespace orrery::mail
