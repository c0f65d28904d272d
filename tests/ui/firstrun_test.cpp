// The everyday start: a game opened from the report of any turn (also dropped onto the window),
// the recent games of the System menu, the demo game, the move editor's names taken from the
// report, the keys of the map and the windows that keep their place.

#include "TFormMove.h"
#include "TFormNoConfiguration.h"
#include "firstrunwindows.h"
#include "orderwindows.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace orrery;
using namespace orrery::test;

namespace {

QString file(const TempDir& dir, const char* name) { return QString::fromStdString(dir.file(name)); }

QMenu* recentMenu(TFormMain& main)
{
    auto* menu = main.findChild<QMenu*>(QStringLiteral("menuRecentGames"));
    if (menu != nullptr) emit menu->aboutToShow();
    return menu;
}

void drop(TFormMain& main, const QString& path)
{
    auto* mime = new QMimeData;
    mime->setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main, &dropped);
    delete mime;
}

} // namespace

TEST(FirstRun, AnyTurnOpensTheGameAndJoinsTheRecentGames)
{
    MainWindowFixture f(3);
    ASSERT_TRUE(f.main->createConfigurationFrom(file(f.dir, "game2.txt")));
    EXPECT_EQ(f.session().game().reportname, "game");
    EXPECT_EQ(f.session().game().currentturn, 2);
    EXPECT_EQ(recentGames(*f.main), QStringList{f.reportZero()});

    // A report without turn 0 beside it: the message names the missing file, the game stays.
    TempDir other;
    other.write("lone5.txt", test::readText(f.dir.file("game1.txt")));
    f.boxes.clear();
    EXPECT_FALSE(f.main->createConfigurationFrom(file(other, "lone5.txt")));
    ASSERT_EQ(f.boxes.messages.size(), 1u);
    EXPECT_TRUE(f.boxes.messages[0].text.contains(file(other, "lone0.txt")));

    // A second game, dropped onto the window by a report of a later turn, goes first.
    std::filesystem::copy_file(f.dir.file("game0.txt"), other.file("lone0.txt"));
    drop(*f.main, file(other, "lone5.txt"));
    EXPECT_EQ(f.session().game().reportname, "lone");
    EXPECT_EQ(recentGames(*f.main), (QStringList{file(other, "lone0.txt"), f.reportZero()}));

    // The menu lists both; a game whose report is gone is disabled; choosing one opens it.
    std::filesystem::remove(other.file("lone0.txt"));
    QMenu* menu = recentMenu(*f.main);
    ASSERT_TRUE(menu != nullptr && menu->actions().size() == 2);
    EXPECT_FALSE(menu->actions()[0]->isEnabled());
    ASSERT_TRUE(menu->actions()[1]->isEnabled());
    menu->actions()[1]->trigger();
    EXPECT_EQ(f.session().game().turndirectory + f.session().game().reportname, f.dir.file("game"));
}

TEST(FirstRun, TheDemoGameIsWrittenOnceAndOpened)
{
    MainWindowFixture f(1);
    const QString folder = QString::fromStdString(f.dir.file("data/demo"));
    ASSERT_TRUE(openDemoGame(*f.main, folder));
    EXPECT_EQ(f.session().game().lastturn, 11);
    EXPECT_EQ(f.session().game().ownrace.str(), "Orion");
    // Opened again, the reports there (and the intelligence beside them) are kept.
    const std::string zero = f.dir.file("data/demo/orion0.txt");
    const auto written = std::filesystem::last_write_time(zero);
    ASSERT_TRUE(openDemoGame(*f.main, folder));
    EXPECT_EQ(std::filesystem::last_write_time(zero), written);

    // The button of the "No configuration" window puts it into the user's data folder.
    const bool hadDataHome = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(f.dir.file("home")));
    f.main->noConfigurationWindow().ButtonDemo->click();
    EXPECT_EQ(f.session().game().turndirectory.rfind(f.dir.file("home/"), 0), 0u);
    if (hadDataHome)
        qputenv("XDG_DATA_HOME", dataHome);
    else
        qunsetenv("XDG_DATA_HOME");
}

TEST(FirstRun, TheMoveEditorTakesEmptyNamesFromTheReport)
{
    MainWindowFixture f(2);
    ASSERT_TRUE(f.start());
    f.session().settings().moveEditorRaceName = "Mine";
    f.trigger(MainCommand::MoveEditor);
    TFormMove* move = installedMoveEditor(*f.main);
    ASSERT_NE(move, nullptr);
    // The generated games are called "Orrery"; a name the player gave stays.
    EXPECT_EQ(move->EditGameName->text(), QStringLiteral("Orrery"));
    EXPECT_EQ(move->EditRaceName->text(), QStringLiteral("Mine"));
    move->close();
    f.session().settings().moveEditorRaceName.clear();
    f.trigger(MainCommand::MoveEditor);
    EXPECT_EQ(move->EditRaceName->text(), fromGame(f.session().game().ownrace.str()));
}

TEST(FirstRun, TheMapScrollsAndZoomsWithTheKeys)
{
    MainWindowFixture f(1);
    ASSERT_TRUE(f.start());
    EXPECT_EQ(f.main->focusWidget(), &f.main->map());
    const int zoom = f.session().view().zoomfactor;
    auto press = [&](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&f.main->map(), &event);
    };
    press(Qt::Key_Plus);
    press(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(f.session().view().zoomfactor, zoom + 2);
    const QPoint before = f.main->map().scrollPosition();
    press(Qt::Key_Right);
    press(Qt::Key_Down);
    EXPECT_GT(f.main->map().scrollPosition().x(), before.x());
    EXPECT_GT(f.main->map().scrollPosition().y(), before.y());
    press(Qt::Key_Minus);
    EXPECT_EQ(f.session().view().zoomfactor, zoom + 1);
}

TEST(FirstRun, WindowsKeepTheirPlaceIntoTheNextStart)
{
    MainWindowFixture f(2);
    ASSERT_TRUE(f.start());
    QWidget* overview = f.main->openNamedWindow(QStringLiteral("overview"));
    ASSERT_NE(overview, nullptr);
    const QRect place(130, 110, overview->width() + 40, overview->height() + 30);
    overview->setGeometry(place);
    // The next start of the program.
    f.open();
    ASSERT_TRUE(f.start());
    EXPECT_EQ(f.main->openNamedWindow(QStringLiteral("overview"))->geometry(), place);
}

// Every text of every window is whole: no label shorter than its text, no button narrower than
// its caption needs (what makes a window unusable at any device pixel ratio).
TEST(FirstRun, NoWindowCutsItsTexts)
{
    MainWindowFixture f(3);
    ASSERT_TRUE(f.start());
    std::vector<std::pair<QString, QWidget*>> windows{{QStringLiteral("main"), f.main.get()}};
    for (const QString& name : f.main->windowNames()) {
        QWidget* window = f.main->openNamedWindow(name);
        ASSERT_NE(window, nullptr) << name.toStdString();
        windows.emplace_back(name, window);
    }
    QApplication::processEvents();
    Strings cut;
    for (const auto& [name, window] : windows) {
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(window) || label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
                continue;
            int widest = 0;
            for (const QString& line : label->text().split(QLatin1Char('\n')))
                widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
            if (widest > label->contentsRect().width() - 2 * label->margin())
                cut.push_back(name.toStdString() + ": label " + label->text().toStdString());
        }
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(window) || button->text().isEmpty() || qobject_cast<const QToolButton*>(button)) continue;
            if (button->width() < button->minimumSizeHint().width())
                cut.push_back(name.toStdString() + ": button " + button->text().toStdString());
        }
    }
    EXPECT_EQ(cut, Strings{});
}
