// Turn reports from a mailbox: mailboxes built here from the real reports of the corpus, in the
// encodings and line ends mail programs use, give back the report files byte for byte.

#include "fileio.h"
#include "mailimport.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace orrery;
using namespace orrery::mail;
using namespace orrery::test;

namespace {

enum class Encoding { Plain, QuotedPrintable, Base64, Multipart };

std::string base64(std::string_view bytes, const std::string& eol)
{
    static const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out, line;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size()) v |= static_cast<unsigned char>(bytes[i + 2]);
        const std::size_t used = std::min<std::size_t>(3, bytes.size() - i) + 1; // characters that carry data
        for (std::size_t k = 0; k < 4; ++k) line += k < used ? alphabet[(v >> (18 - 6 * k)) & 63] : '=';
        if (line.size() >= 76) out += line + eol, line.clear();
    }
    return out + (line.empty() ? "" : line + eol);
}

std::string quotedPrintable(std::string_view bytes, const std::string& eol)
{
    std::string out, line;
    auto hex = [](unsigned char c) {
        static const char* digits = "0123456789ABCDEF";
        return std::string{'=', digits[c >> 4], digits[c & 15]};
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c == '\n') {
            out += line + eol;
            line.clear();
            continue;
        }
        const bool beforeEnd = i + 1 == bytes.size() || bytes[i + 1] == '\n';
        std::string piece = (c == '=' || c > 126 || (c < 32 && c != '\t') || ((c == ' ' || c == '\t') && beforeEnd))
                                ? hex(c) : std::string(1, static_cast<char>(c));
        if (line.size() + piece.size() > 75) out += line + "=" + eol, line.clear();
        line += piece;
    }
    return out + (line.empty() ? "" : line + "=" + eol);
}

std::string withEol(std::string_view text, const std::string& eol)
{
    std::string out;
    for (char c : text) out += c == '\n' ? eol : std::string(1, c);
    return out;
}

// One mail with the report (or any text) as its body.
std::string mailOf(std::string_view body, Encoding encoding, const std::string& eol, const std::string& subject)
{
    std::string head = "From: server@example.org\nTo: player@example.org\nSubject: " + subject +
                       "\nMIME-Version: 1.0\n";
    std::string text;
    switch (encoding) {
    case Encoding::Plain:
        text = head + "Content-Type: text/plain; charset=ISO-8859-1\n\n" + std::string(body);
        return withEol(text, eol);
    case Encoding::QuotedPrintable:
        text = head + "Content-Type: text/plain; charset=ISO-8859-1\nContent-Transfer-Encoding: quoted-printable\n\n";
        return withEol(text, eol) + quotedPrintable(body, eol);
    case Encoding::Base64:
        text = head + "Content-Type: text/plain\nContent-Transfer-Encoding: base64\n\n";
        return withEol(text, eol) + base64(body, eol);
    case Encoding::Multipart:
        text = head + "Content-Type: multipart/mixed;\n boundary=\"=-=sep=-=\"\n\nThis is a MIME message.\n"
                      "--=-=sep=-=\nContent-Type: text/plain\n\nYour report is attached.\n-- \nThe server\n"
                      "--=-=sep=-=\nContent-Type: text/plain; name=\"report.txt\"\n"
                      "Content-Transfer-Encoding: quoted-printable\n\n";
        return withEol(text, eol) + quotedPrintable(body, eol) + withEol("\n--=-=sep=-=--\n", eol);
    }
    return {};
}

// mboxrd: "From " lines of the mail quoted with ">", an empty line after every mail.
std::string mboxEntry(const std::string& mail, const std::string& eol)
{
    std::string out = "From server@example.org Sun Dec  6 06:37:56 2026" + eol;
    std::size_t at = 0;
    while (at < mail.size()) {
        std::size_t end = mail.find('\n', at);
        end = end == std::string::npos ? mail.size() : end + 1;
        std::string line = mail.substr(at, end - at);
        std::size_t q = 0;
        while (q < line.size() && line[q] == '>') ++q;
        if (line.compare(q, 5, "From ") == 0) line.insert(0, ">");
        out += line;
        at = end;
    }
    return out + eol;
}

std::string unrelatedMail(int n, const std::string& eol)
{
    return withEol("From: friend@example.org\nSubject: lunch " + std::to_string(n) +
                       "\n\nFrom what I hear the Galaxy Game is fun.\n>From the quote.\n",
                   eol);
}

std::string corpusReport(const std::string& race, int turn)
{
    return readText(corpusDir() + "gng-game1/" + race + "/" + race + std::to_string(turn) + ".txt");
}

// The mails of a whole game of one race: every encoding, both line ends, other mails between.
std::vector<std::string> gameMails(const std::string& race, int turns)
{
    std::vector<std::string> mails;
    for (int turn = 0; turn < turns; ++turn) {
        const std::string eol = turn % 3 == 1 ? "\r\n" : "\n";
        const auto encoding = static_cast<Encoding>(turn % 4);
        mails.push_back(mailOf(corpusReport(race, turn), encoding, eol, "Galaxy Game Lyra Turn " + std::to_string(turn) + " Report for " + race));
        if (turn % 5 == 2) mails.push_back(unrelatedMail(turn, eol));
    }
    return mails;
}

std::string mbox(const std::vector<std::string>& mails)
{
    std::string out;
    for (std::size_t i = 0; i < mails.size(); ++i) out += mboxEntry(mails[i], mails[i].find("\r\n") != std::string::npos ? "\r\n" : "\n");
    return out;
}

ImportSummary importInto(const std::string& mailbox, const std::string& dir, ImportPlan& plan, MailboxScan& scan)
{
    Result<MailboxScan> scanned = scanMailbox(mailbox);
    EXPECT_TRUE(scanned.ok()) << (scanned ? "" : scanned.error().text());
    if (!scanned) return {};
    scan = std::move(*scanned);
    plan = planImport(scan.reports);
    return importReports(plan, dir);
}

void expectWholeGame(const std::string& folder, const std::string& race, int turns)
{
    EXPECT_EQ(listFiles(folder).size(), static_cast<std::size_t>(turns)) << folder;
    for (int turn = 0; turn < turns; ++turn) {
        const std::string name = race + std::to_string(turn) + ".txt";
        EXPECT_EQ(readText(folder + name), corpusReport(race, turn)) << folder << name;
    }
}

} // namespace

// A whole game's mailbox, as an mbox file and as a Maildir folder, gives back the report files
// byte for byte; turn 0, written before the race took its name, joins the renamed race's files.
TEST(MailImport, WholeGameComesBackByteForByte)
{
    ORRERY_REQUIRE_CORPUS();
    TempDir dir;
    const std::vector<std::string> mails = gameMails("alpha", 16);
    dir.write("game.mbox", mbox(mails));
    for (const char* sub : {"maildir/cur", "maildir/new", "maildir/tmp"}) std::filesystem::create_directories(dir.file(sub));
    for (std::size_t i = 0; i < mails.size(); ++i)
        dir.write((i % 2 ? "maildir/cur/" : "maildir/new/") + std::to_string(1000 + i) + ".mail", mails[i]);
    // An unfinished mail: tmp/ is not read.
    dir.write("maildir/tmp/9999.mail", mails[0].substr(0, mails[0].size() / 2));

    for (const std::string mailbox : {"game.mbox", "maildir"}) {
        const std::string target = dir.file("out-" + mailbox + "/");
        ImportPlan plan;
        MailboxScan scan;
        const ImportSummary done = importInto(dir.file(mailbox), target, plan, scan);
        EXPECT_EQ(scan.mails, static_cast<int>(mails.size())) << mailbox;
        EXPECT_TRUE(scan.truncated.empty()) << mailbox;
        EXPECT_TRUE(plan.folders.empty());
        EXPECT_EQ(done.written, 16) << mailbox;
        EXPECT_EQ(done.firstReport, target + "alpha0.txt");
        expectWholeGame(target, "alpha", 16);
    }
}

// Importing again skips what is there; a file with other bytes is refused and stays whole; a
// report mailed twice is written once.
TEST(MailImport, SameBytesSkippedDifferentBytesRefusedAndKept)
{
    ORRERY_REQUIRE_CORPUS();
    TempDir dir;
    std::vector<std::string> mails = gameMails("alpha", 4);
    const std::string twice = mails.back();
    mails.push_back(twice);
    dir.write("game.mbox", mbox(mails));
    const std::string target = dir.file("out/");
    ImportPlan plan;
    MailboxScan scan;
    ImportSummary first = importInto(dir.file("game.mbox"), target, plan, scan);
    EXPECT_EQ(first.written, 4);
    EXPECT_EQ(first.skipped, 1);

    dir.write("out/alpha2.txt", "my own notes");
    const ImportSummary again = importInto(dir.file("game.mbox"), target, plan, scan);
    EXPECT_EQ(again.written, 0);
    EXPECT_EQ(again.skipped, 4);
    ASSERT_EQ(again.refused, 1);
    EXPECT_EQ(readText(target + "alpha2.txt"), "my own notes");
    const auto refused = std::find_if(again.lines.begin(), again.lines.end(), [](const ImportLine& l) { return l.outcome == Outcome::Refused; });
    EXPECT_EQ(refused->path, "alpha2.txt");
}

// Two races of one game in one mailbox: one folder per game and race; names from a mail never
// leave the target folder.
TEST(MailImport, SeveralRacesGoToSafeSubFolders)
{
    ORRERY_REQUIRE_CORPUS();
    TempDir dir;
    std::vector<std::string> mails = gameMails("alpha", 3);
    for (const std::string& m : gameMails("beta", 3)) mails.push_back(m);
    dir.write("two.mbox", mbox(mails));
    ImportPlan plan;
    MailboxScan scan;
    const ImportSummary done = importInto(dir.file("two.mbox"), dir.file("out/"), plan, scan);
    EXPECT_EQ(plan.folders, (std::vector<std::string>{"lyra-alpha", "lyra-beta"}));
    EXPECT_EQ(done.written, 6);
    EXPECT_TRUE(done.firstReport.empty());
    expectWholeGame(dir.file("out/lyra-alpha/"), "alpha", 3);
    expectWholeGame(dir.file("out/lyra-beta/"), "beta", 3);

    // Hostile names, and a race whose name ends in a digit (turn 0 of "race_1" is not turn 10).
    const std::vector<FoundReport> odd = {{"../..", "../x/", 3, "a", 1}, {"Lyra", "race_1", 0, "b", 2}};
    const ImportPlan safe = planImport(odd);
    ASSERT_EQ(safe.files.size(), 2u);
    for (const PlannedFile& f : safe.files) {
        EXPECT_EQ(f.folder.find_first_of("/."), std::string::npos) << f.folder;
        EXPECT_EQ(f.name.find('/'), std::string::npos) << f.name;
        EXPECT_EQ(f.name.find(".."), std::string::npos) << f.name;
    }
    EXPECT_EQ(safe.files[1].name, "race_1_0.txt");
}

// A forwarded mail is read with its own encoding; a report recoded to UTF-8 gets its Latin-1
// bytes back.
TEST(MailImport, ForwardedAndUtf8MailsGiveTheReportBytes)
{
    const std::string report = "\t\tGalaxy Game Test Turn 4 Report for Mine\n\nPlanet M\xFCnchen\n";
    const std::string inner = "Subject: turn 4\nContent-Type: text/plain; charset=\"UTF-8\"\n"
                              "Content-Transfer-Encoding: quoted-printable\n\n"
                              "\t\tGalaxy Game Test Turn 4 Report for Mine\n\nPlanet M=C3=BCnchen\n";
    const std::string forwarded = "From a@b Sun Dec  6 06:37:56 2026\nSubject: Fwd\nContent-Type: multipart/mixed; boundary=b\n\n"
                                  "--b\nContent-Type: text/plain\n\nsee below\n--b\nContent-Type: message/rfc822\n\n" +
                                  inner + "\n--b--\n\n";
    const MailboxScan scan = scanMbox(forwarded);
    ASSERT_EQ(scan.reports.size(), 1u);
    EXPECT_EQ(scan.reports[0].text, report);
    EXPECT_EQ(scan.reports[0].turn, 4);
}

// Both header forms give game, turn and race.
TEST(MailImport, HeaderLineForms)
{
    const HeaderParts ng = parseHeaderLine("\t\tGalaxy Game Lyra Turn 12 Report for Galagans");
    EXPECT_EQ(ng.game, "Lyra");
    EXPECT_EQ(ng.turn, 12);
    EXPECT_EQ(ng.race, "Galagans");
    const HeaderParts old = parseHeaderLine("Report for The Red Legion, Galaxy game Turnip Wars, Turn 7");
    EXPECT_EQ(old.game, "Turnip Wars");
    EXPECT_EQ(old.turn, 7);
    EXPECT_EQ(old.race, "The_Red_Legion");
}

// A mailbox cut part-way: the cut report is named and left out, the whole ones are found.
TEST(MailImport, CutReportsAreNamedAndLeftOut)
{
    ORRERY_REQUIRE_CORPUS();
    const std::string report = corpusReport("alpha", 3);
    const std::string whole = mboxEntry(mailOf(corpusReport("alpha", 2), Encoding::Plain, "\n", "r"), "\n");
    auto lastCut = [&](Encoding encoding, std::size_t keep) {
        const std::string box = whole + mboxEntry(mailOf(report, encoding, "\n", "r"), "\n");
        return scanMbox(std::string_view(box).substr(0, box.size() - keep));
    };
    // Without the empty line that ends an mbox, inside a base64 group, before the closing
    // boundary, before the header line.
    for (const MailboxScan& scan : {lastCut(Encoding::Plain, 1), lastCut(Encoding::Base64, 4),
                                    lastCut(Encoding::Multipart, 25)}) {
        EXPECT_EQ(scan.truncated.size(), 1u);
        ASSERT_EQ(scan.reports.size(), 1u);
        EXPECT_EQ(scan.reports[0].turn, 2);
    }
    const MailboxScan early = scanMbox(whole + mboxEntry(mailOf(report.substr(0, 200), Encoding::Plain, "\n", "r"), "\n"));
    EXPECT_EQ(early.truncated.size(), 1u);
    EXPECT_EQ(early.reports.size(), 1u);

    // No report at all.
    const MailboxScan none = scanMbox(mboxEntry(unrelatedMail(1, "\n"), "\n"));
    EXPECT_TRUE(none.reports.empty());
    EXPECT_TRUE(none.truncated.empty());
    EXPECT_EQ(none.mails, 1);
    // Found by fuzzing: a mailbox of one separator line without a line end.
    EXPECT_TRUE(scanMbox("From a@b SFrom a@:5u6n 2026\r Dec ").reports.empty());
}
