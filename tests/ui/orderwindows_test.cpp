// The orders editor's windows in the main window: the commands they enable, the move button while
// the editor is open, the game options of the shown turn, and "Check Move" on a real turn.

#include "TFormBattleResult.h"
#include "TFormMain.h"
#include "TFormMove.h"
#include "TFormMoveC1.h"
#include "TFormShowOptions.h"
#include "galaxygen.h"
#include "messagerecorder.h"
#include "orderwindows.h"
#include "testfiles.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;
using namespace orrery::gen;

namespace {

using Lines = std::vector<std::string>;

Lines strings(const QStringList& list)
{
    Lines out;
    for (const QString& s : list) out.push_back(s.toStdString());
    return out;
}

// A main window with the orders editor's windows over a settings file of its own.
struct Fixture {
    TempDir dir;
    QSettings settings{QString::fromStdString(dir.file("settings.ini")), QSettings::IniFormat};
    MessageRecorder messages;
    std::unique_ptr<TFormMain> main;
    TFormMove* move = nullptr;

    Fixture()
    {
        main = std::make_unique<TFormMain>(settings);
        main->gameTypeAnswer = [](std::int32_t detected, const std::string&) {
            return GameTypeChoice{detected == gtUnknown ? gtStandard : detected, false};
        };
        move = &installOrderWindows(*main);
        main->show();
    }
    QAction* action(const char* name) const { return main->action(QString::fromLatin1(name)); }
    bool start(const std::string& reportZero)
    {
        const bool ok = main->createConfigurationFrom(QString::fromStdString(reportZero));
        messages.clear();
        return ok;
    }
    Lines shown() const { return strings(move->moveLines()); }
    void chooseCommand(const QString& text)
    {
        const QList<QListWidgetItem*> found = move->ListBoxCommands->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        move->ListBoxCommands->setCurrentItem(found.front());
    }
};

} // namespace

TEST(OrderWindows, MoveEditorCommandAndItsButton)
{
    Fixture f;
    EXPECT_EQ(&installOrderWindows(*f.main), f.move);
    EXPECT_EQ(installedMoveEditor(*f.main), f.move);
    EXPECT_FALSE(f.move->isVisible());
    ASSERT_TRUE(f.action("SpeedButtonMove")->isEnabled());
    EXPECT_TRUE(f.action("SpeedButtonShowOptions")->isEnabled());
    f.main->session().settings().moveEditorRaceName = "Orion";
    f.action("SpeedButtonMove")->trigger();
    EXPECT_TRUE(f.move->isVisible());
    EXPECT_FALSE(f.action("SpeedButtonMove")->isEnabled());
    EXPECT_EQ(f.move->EditRaceName->text(), "Orion");
    f.move->menuItemQuit->trigger();
    EXPECT_FALSE(f.move->isVisible());
    EXPECT_TRUE(f.action("SpeedButtonMove")->isEnabled());
}

TEST(OrderWindows, GameOptionsOfTheShownTurnFollowTheTurn)
{
    Fixture f;
    GalaxyParams params;
    params.dialect = Dialect::Blind;
    params.planets = 30;
    params.races = 3;
    params.options.map = false;
    writeGame(playGame(params, 3), f.dir.path(), "blind");
    ASSERT_TRUE(f.start(f.dir.file("blind0.txt")));
    ASSERT_EQ(f.main->session().game().gametype, gtBlind);
    f.action("SpeedButtonShowOptions")->trigger();
    TFormShowOptions& options = f.move->optionsWindow();
    ASSERT_TRUE(options.isVisible());
    EXPECT_FALSE(options.editable());
    EXPECT_FALSE(options.checkBox("map")->isChecked());
    EXPECT_FALSE(options.checkBox("map")->isEnabled());
    // Changed by hand, then a change of turn fills the window from the new turn's report.
    options.checkBox("map")->setChecked(true);
    f.action("SpeedButtonminus")->trigger();
    ASSERT_EQ(f.main->session().game().currentturn, 1);
    EXPECT_FALSE(options.checkBox("map")->isChecked());
}

TEST(OrderWindows, CheckMoveOnARealTurn)
{
    ORRERY_REQUIRE_CORPUS();
    Fixture f;
    ASSERT_TRUE(copyCorpus("gng-game1/alpha", f.dir.path()));
    ASSERT_TRUE(f.start(f.dir.file("alpha0.txt")));
    const Game& game = f.main->session().game();
    ASSERT_EQ(game.currentturn, 15);
    f.action("SpeedButtonMove")->trigger();
    f.move->EditGameName->setText("Lyra");
    f.move->EditGameNameChange();

    // The header names no race yet; an order for a group and a planet that do not exist.
    f.chooseCommand("Send group to a planet");
    f.move->ButtonBelow->click();
    auto* c1 = static_cast<TFormMoveC1*>(f.move->commandWindow(CommandWindowId::C1));
    ASSERT_TRUE(c1->isVisible());
    ASSERT_GT(c1->ComboBox1->count(), 1);
    EXPECT_EQ(c1->ComboBox1->itemText(0).left(8), "  1 (  4");
    c1->ComboBox1->setEditText("999");
    c1->ComboBox2->setEditText("Nowhere");
    c1->ButtonOK->click();
    ASSERT_EQ(f.shown().size(), 3u);
    EXPECT_EQ(f.shown()[1], "Send group 999 to planet Nowhere ; ETA ? turns");

    f.move->menuItemCheck->trigger();
    TFormBattleResult& result = f.move->resultWindow();
    ASSERT_TRUE(result.isVisible());
    EXPECT_EQ(result.windowTitle(), "Check move result");
    const Lines findings = strings(result.lines());
    ASSERT_GE(findings.size(), 3u);
    EXPECT_EQ(findings[0], "Syntax error in first line of move.");
    const std::string quoted = "Error in line \"Send group 999 to planet Nowhere ; ETA ? turns\": ";
    EXPECT_NE(std::find(findings.begin(), findings.end(), quoted + "Group/fleet does not exists."), findings.end());
    EXPECT_NE(std::find(findings.begin(), findings.end(), quoted + "Planet does not exists."), findings.end());
    EXPECT_TRUE(f.messages.messages.empty());

    // The own race in the header and a group that exists, sent to a planet that exists.
    f.move->EditRaceName->setText(QString::fromStdString(std::string(game.ownrace.view())));
    f.move->EditRaceNameChange();
    f.move->ListBoxMove->setCurrentRow(1);
    f.move->ButtonEdit->click();
    ASSERT_TRUE(c1->isVisible());
    EXPECT_EQ(c1->ComboBox1->currentText(), "999");
    c1->ComboBox1->setCurrentIndex(0);
    c1->ComboBox2->setEditText("Altair");
    c1->ButtonOK->click();
    ASSERT_EQ(f.shown().size(), 3u);
    EXPECT_EQ(f.shown()[1].rfind("Send group 1 to planet Altair", 0), 0u) << f.shown()[1];
    f.move->menuItemCheck->trigger();
    EXPECT_EQ(strings(f.messages.texts()), (Lines{"Move seems to be correct."}));

    // Closing the editor closes the checker's result window.
    f.move->close();
    EXPECT_FALSE(result.isVisible());
}
