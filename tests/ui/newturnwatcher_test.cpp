// New turns arriving in a shown game's folder, and a move saved to a folder that went away.

#include "../orders/movegame.h"
#include "TFormMove.h"
#include "fileio.h"
#include "newturnwatcher.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace orrery;
using namespace orrery::test;

// The next report copied into the folder of the shown game: once the folder is quiet the turn is
// read, and the player is asked whether to show it. Yes shows the new last turn.
TEST(NewTurnWatcher, ANewReportInTheFolderIsOfferedAsTheNextTurn)
{
    MainWindowFixture f(4);
    const std::string last = readText(f.dir.file("game3.txt"));
    std::filesystem::remove(f.dir.file("game3.txt"));
    ASSERT_TRUE(f.start());
    NewTurnWatcher* watcher = installedNewTurnWatcher(*f.main);
    ASSERT_NE(watcher, nullptr);
    EXPECT_EQ(watcher->watchedFolder().toStdString(), f.dir.path());
    watcher->setQuietTime(50);
    ASSERT_EQ(f.session().game().currentturn, 2);

    f.dir.write("game3.txt", last);
    QElapsedTimer clock;
    clock.start();
    while (f.boxes.messages.empty() && clock.elapsed() < 10000) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    ASSERT_EQ(f.boxes.messages.size(), 1u);
    EXPECT_EQ(f.boxes.messages[0].kind, MessageKind::Question);
    EXPECT_TRUE(f.boxes.messages[0].text.contains(QString::fromStdString(f.dir.file("game3.txt"))));
    EXPECT_EQ(f.session().game().currentturn, 3);
    EXPECT_FALSE(f.action(MainCommand::NextReport)->isEnabled());
}

// A move whose folder was removed: saving tells the file, the move stays in the editor, and once
// the folder is back the same save writes it.
TEST(NewTurnWatcher, AMoveSavedToARemovedFolderIsKept)
{
    TempDir dir;
    MessageRecorder boxes;
    Game game = moveGame();
    Configuration settings;
    TFormMove window(game, settings, boxes);
    const std::string folder = dir.file("orders");
    std::filesystem::create_directory(folder);
    const std::string file = folder + "/move.mov";
    ASSERT_TRUE(writeFileAtomic(file, "#GALAXY Lyra Orion pw\r\nW Zorgons\r\n#END\r\n"));
    window.chooseLoadFile = [&](const QString&) { return QString::fromStdString(file); };
    window.menuItemLoad->trigger();
    const QStringList lines = window.moveLines();
    std::filesystem::remove_all(folder);

    window.menuItemSave->trigger();
    EXPECT_EQ(boxes.texts(), Strings{"Could not write " + file + ": No such file or directory"});
    EXPECT_EQ(window.moveLines(), lines);

    std::filesystem::create_directory(folder);
    window.menuItemSave->trigger();
    EXPECT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(readText(file), "#GALAXY Lyra Orion pw\r\nW Zorgons\r\n#END\r\n");
}
