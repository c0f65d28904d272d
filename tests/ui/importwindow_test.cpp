// "Import reports from mailbox...": the menu entry opens the window; an import of a whole game
// opens it from the folder written; a cut mailbox asks before it imports the whole reports.

#include "importwindow.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;

namespace {

std::string mboxOf(const MainWindowFixture& f, int turns)
{
    std::string box;
    for (int turn = 0; turn < turns; ++turn)
        box += "From server@example.org Sun Dec  6 06:37:56 2026\nSubject: turn\n\n" +
               readText(f.dir.file("game" + std::to_string(turn) + ".txt")) + "\n";
    return box;
}

TFormImportMail* openImport(MainWindowFixture& f)
{
    f.trigger(MainCommand::ImportMailbox);
    auto* window = f.main->findChild<TFormImportMail*>();
    EXPECT_TRUE(window && window->isVisible());
    EXPECT_FALSE(f.action(MainCommand::ImportMailbox)->isEnabled());
    return window;
}

} // namespace

TEST(ImportWindow, ImportedGameOpensAndCutMailboxAsksFirst)
{
    MainWindowFixture f(3);
    const std::string box = mboxOf(f, 3);
    f.dir.write("game.mbox", box);
    f.dir.write("cut.mbox", box.substr(0, box.size() - 100));
    TFormImportMail* window = openImport(f);
    ASSERT_TRUE(window);

    // A cut mailbox: the question is answered No, nothing is written.
    window->EditMailbox->setText(QString::fromStdString(f.dir.file("cut.mbox")));
    window->EditFolder->setText(QString::fromStdString(f.dir.file("mail")));
    f.boxes.answers = {false};
    EXPECT_FALSE(window->ButtonImportClick());
    ASSERT_EQ(f.boxes.messages.size(), 1u);
    EXPECT_EQ(f.boxes.messages[0].kind, MessageKind::Warning);
    EXPECT_TRUE(f.boxes.messages[0].text.contains(QStringLiteral("is cut off: mail 3")));
    EXPECT_FALSE(std::filesystem::exists(f.dir.file("mail")));
    f.boxes.clear();

    // The whole mailbox: three reports written, the game opens from the folder.
    window->EditMailbox->setText(QString::fromStdString(f.dir.file("game.mbox")));
    EXPECT_TRUE(window->ButtonImportClick());
    EXPECT_EQ(window->MemoResult->toPlainText().count(QStringLiteral("written ")), 3);
    EXPECT_EQ(f.session().game().turndirectory, f.dir.file("mail/"));
    EXPECT_EQ(listFiles(f.dir.file("mail")).size() >= 3, true);

    window->close();
    EXPECT_TRUE(f.action(MainCommand::ImportMailbox)->isEnabled());
}
