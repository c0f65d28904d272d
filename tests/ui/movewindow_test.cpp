// The move editor window over a small turn: display choices, header fields, files and clipboard
// with their prompts, failures shown without losing the move, orders through the command windows.

#include "../orders/movegame.h"
#include "TFormBattleResult.h"
#include "TFormMove.h"
#include "TFormMoveCommand.h"
#include "TFormShowOptions.h"
#include "configuration.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>

using namespace orrery;
using namespace orrery::test;

namespace {

const std::string header = "#GALAXY Lyra Orion pw\r\n";
const std::string naturalHeader = "#Galaxy game: Lyra, racename: Orion, password: pw";

class MoveWindow : public testing::Test {
protected:
    void SetUp() override
    {
        settings.moveEditorGameName = "Lyra";
        settings.moveEditorRaceName = "Orion";
        settings.moveEditorPassword = "pw";
        settings.moveEditorInitialDir = dir.path().substr(0, dir.path().size() - 1);
        window = std::make_unique<TFormMove>(game, settings, boxes);
        window->show();
    }
    Strings lines() const { return strings(window->moveLines()); }
    // Loads a file of this folder through "Load..." (written first when orders are given), and
    // saves through "Save As...".
    void load(const std::string& name, const std::optional<std::string>& orders = std::nullopt)
    {
        if (orders) dir.write(name, header + *orders + "#END\r\n");
        window->chooseLoadFile = [this, name](const QString&) { return QString::fromStdString(dir.file(name)); };
        window->menuItemLoad->trigger();
    }
    void saveAs(const std::string& name)
    {
        window->chooseSaveFile = [this, name](const QString&) { return QString::fromStdString(dir.file(name)); };
        window->menuItemSaveAs->trigger();
    }
    void chooseCommand(const QString& text) { window->ListBoxCommands->setCurrentItem(window->ListBoxCommands->findItems(text, Qt::MatchExactly).value(0)); }
    TFormMoveCommand* openWindow() const
    {
        for (TFormMoveCommand* w : window->findChildren<TFormMoveCommand*>())
            if (w->isVisible()) return w;
        return nullptr;
    }
    // As typed: the field's edit signal runs.
    static void type(QLineEdit* edit, const QString& text) { edit->selectAll(), edit->insert(text); }

    MessageRecorder boxes;
    TempDir dir;
    Game game = moveGame();
    Configuration settings;
    std::unique_ptr<TFormMove> window;
};

} // namespace

TEST_F(MoveWindow, OpensWithNaturalTextAndTheHeaderFromTheConfiguration)
{
    // Both display choices start at "natural text", each a choice of its own.
    EXPECT_TRUE(window->RadioButtonCommandsNatural->isChecked() && window->RadioButtonMoveNatural->isChecked());
    EXPECT_EQ(window->commandLines().front(), "Add group to fleet");
    EXPECT_EQ(lines(), (Strings{naturalHeader, "#End"}));

    type(window->EditGameName, " Lyra Two ");
    type(window->EditPassword, "");
    EXPECT_EQ(lines().front(), "#Galaxy game: Lyra_Two, racename: Orion");
    EXPECT_TRUE(settings.moveEditorGameName == " Lyra Two " && settings.moveEditorPassword.empty());
    // Another configuration's values reach the fields when the window is shown again.
    window->close();
    settings.moveEditorRaceName = "Zorgons";
    window->show();
    EXPECT_TRUE(window->EditRaceName->text() == "Zorgons" && lines().front() == "#Galaxy game: Lyra_Two, racename: Zorgons");
    for (QAction* a : {window->menuItemSave, window->menuItemReload, window->menuItemDevelop,
                       window->menuItemInterceptPlanet, window->menuItemScanArea, window->menuItemSendAll})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
}

TEST_F(MoveWindow, LoadSaveAsReloadAndSave)
{
    load("first.mov", "SEND 1 Venus\r\nW Zorgons\r\n");
    const Strings loaded = {naturalHeader, "Send group 1 to planet Venus ; ETA 5 turns", "Declare war on race Zorgons", "#End"};
    EXPECT_TRUE(lines() == loaded && window->LabelMove->text() == "Your Move (first.mov):");
    EXPECT_TRUE(window->menuItemSave->isEnabled() && window->menuItemReload->isEnabled());
    // Save As writes the raw move and takes the file's name.
    saveAs("second.cmd");
    EXPECT_EQ(readText(dir.file("second.cmd")), header + "S 1 Venus ; ETA 5 turns\r\nW Zorgons\r\n#END\r\n");
    EXPECT_EQ(window->LabelMove->text(), "Your Move (second.cmd):");
    // Reload: No keeps the edits, Yes reads the file again.
    window->ListBoxMove->setCurrentRow(2);
    window->ButtonDelete->click();
    boxes.answers = {false};
    window->menuItemReload->trigger();
    EXPECT_EQ(lines().size(), 3u);
    window->menuItemReload->trigger();
    EXPECT_EQ(lines(), loaded);
    EXPECT_EQ(boxes.texts(), Strings(2, "Really want to discard your edits and reload the move?"));
    // Save writes the current file.
    window->ListBoxMove->setCurrentRow(2);
    window->ButtonUp->click();
    window->menuItemSave->trigger();
    EXPECT_EQ(readText(dir.file("second.cmd")), header + "W Zorgons\r\nS 1 Venus ; ETA 5 turns\r\n#END\r\n");
}

TEST_F(MoveWindow, WritesAskBeforeOverwritingAndFailuresLoseNothing)
{
    load("move.mov", "W Zorgons\r\n");
    dir.write("old.mov", "old");
    boxes.answers = {false};
    saveAs("old.mov");
    EXPECT_EQ(readText(dir.file("old.mov")), "old");
    // A line that has no raw form cannot be saved: the file keeps what it had.
    window->editor().InsertOrderLine("Paint the planets blue");
    window->showMove();
    window->menuItemSave->trigger();
    EXPECT_TRUE(readText(dir.file("move.mov")) == header + "W Zorgons\r\n#END\r\n" && lines().size() == 4u);
    // A folder that does not exist: reported, and the name is not taken.
    window->ListBoxMove->setCurrentRow(2);
    window->ButtonDelete->click();
    saveAs("missing/move.mov");
    EXPECT_EQ(window->LabelMove->text(), "Your Move (move.mov):");
    // Without the names of the game and the race no file is asked for.
    type(window->EditRaceName, " ");
    window->chooseSaveFile = [](const QString&) -> QString { ADD_FAILURE() << "asked for a file"; return {}; };
    window->menuItemSaveAs->trigger();
    ASSERT_EQ(boxes.messages.size(), 4u) << testing::PrintToString(boxes.texts());
    EXPECT_EQ(boxes.messages[0].text, "File exists already!\r\nDo you want to overwrite?");
    EXPECT_EQ(boxes.messages[1].text, "Error in file: unrecognized command in line\r\nPaint the planets blue");
    EXPECT_EQ(boxes.messages[3].text, "You have to enter text in the fields\r\n\"Name of Galaxy game\" and \"Name of your race\"!");
    EXPECT_TRUE(boxes.messages[0].kind == MessageKind::Warning && boxes.messages[2].kind == MessageKind::Error);
}

TEST_F(MoveWindow, TheClipboardCarriesTheRawMove)
{
    QApplication::clipboard()->setText("#GALAXY Other Orion\nSEND 1 Venus\nA Zorgons\n#END\n");
    window->menuItemGetClipboard->trigger();
    EXPECT_TRUE(window->EditGameName->text() == "Other" && settings.moveEditorGameName == "Other");
    EXPECT_EQ(lines().at(1), "Send group 1 to planet Venus ; ETA 5 turns");
    EXPECT_FALSE(window->menuItemSave->isEnabled()) << "read from the clipboard, the move has no file";
    window->menuItemPutClipboard->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "#GALAXY Other Orion\r\nS 1 Venus ; ETA 5 turns\r\nA Zorgons\r\n#END");
    EXPECT_TRUE(boxes.messages.empty()) << testing::PrintToString(boxes.texts());
}

TEST_F(MoveWindow, FailedReadsFromFileOrClipboardKeepTheMove)
{
    window->menuItemLoadRecent->trigger();
    load("good.mov", "W Zorgons\r\n");
    const Strings before = lines();
    const std::string bad = header + "= Alice\r\n#END\r\n";
    const char* message = "Error in file: unrecognized command in line\r\n= Alice";
    dir.write("bad.mov", bad);
    load("bad.mov");
    QApplication::clipboard()->setText(QString::fromStdString(bad));
    window->menuItemGetClipboard->trigger();
    auto* image = new QMimeData;
    image->setData(QStringLiteral("image/png"), QByteArray("\x89PNG"));
    QApplication::clipboard()->setMimeData(image);
    window->menuItemGetClipboard->trigger();
    EXPECT_EQ(boxes.texts(), (Strings{"No file found.", message, message, "Clipboard contains no plain text!"}));
    EXPECT_EQ(boxes.messages[0].kind, MessageKind::Information);
    EXPECT_TRUE(lines() == before && window->LabelMove->text() == "Your Move (good.mov):");
    // The most recent file of the folder is read.
    dir.write("recent.mov", header + "A Zorgons\r\n#END\r\n");
    std::filesystem::last_write_time(dir.file("recent.mov"), std::filesystem::file_time_type::clock::now() + std::chrono::seconds(5));
    window->menuItemLoadRecent->trigger();
    EXPECT_EQ(window->LabelMove->text(), "Your Move (recent.mov):");
}

// "Check Move": findings in the result window (closed with the editor), none as a message.
TEST_F(MoveWindow, CheckMoveShowsTheFindingsOrThatTheMoveSeemsCorrect)
{
    load("move.mov", "S 99 Nowhere\r\n");
    window->menuItemCheck->trigger();
    TFormBattleResult& result = window->resultWindow();
    ASSERT_TRUE(result.isVisible() && result.windowTitle() == "Check move result");
    EXPECT_TRUE(strings(result.lines()) == linesOf(window->editor().checkCurrentMove()) && boxes.messages.empty());
    window->close();
    EXPECT_FALSE(result.isVisible());
    window->show();
    load("good.mov", "S 1 Venus\r\n");
    window->menuItemCheck->trigger();
    EXPECT_EQ(boxes.texts(), Strings{"Move seems to be correct."});
    EXPECT_TRUE(boxes.messages.empty() || boxes.messages[0].kind == MessageKind::Information);
}

TEST_F(MoveWindow, DisplaySwitchingAndItsFailure)
{
    load("move.mov", "S 1 Venus\r\n");
    window->RadioButtonCommandsRaw->setChecked(true);
    EXPECT_EQ(window->commandLines().front(), "@ (Send message)");
    window->RadioButtonMoveRaw->setChecked(true);
    EXPECT_EQ(lines(), (Strings{"#GALAXY Lyra Orion pw", "S 1 Venus ; ETA 5 turns", "#END"}));
    // A line that has no natural form stops the switch: the move stays raw and so does the choice.
    window->editor().InsertOrderLine("= Alice");
    window->showMove();
    const Strings raw = lines();
    window->RadioButtonMoveNatural->setChecked(true);
    EXPECT_TRUE(boxes.texts() == Strings{"Error in file: unrecognized command in line\r\n= Alice"} && lines() == raw);
    EXPECT_TRUE(window->RadioButtonMoveRaw->isChecked() && window->editor().moveForm() == MoveForm::Raw);
}

TEST_F(MoveWindow, OrdersGoThroughTheirCommandWindow)
{
    window->ButtonBelow->click();
    chooseCommand("Send group to a planet");
    window->ButtonBelow->click();
    TFormMoveCommand* c1 = openWindow();
    ASSERT_EQ(c1, window->commandWindow(CommandWindowId::C1));
    EXPECT_EQ(c1->LabelCommand->text(), "Send group to a planet");
    c1->choiceBox(0)->setCurrentIndex(0);
    c1->choiceBox(1)->setEditText("Venus");
    c1->edit(2)->setText("3");
    c1->ButtonOK->click();
    EXPECT_FALSE(c1->isVisible());
    EXPECT_TRUE(lines().at(1) == "Send 3 ships of group 1 to planet Venus ; ETA 5 turns" && window->ListBoxMove->currentRow() == 1);
    // Orders without values are added at once; Cancel adds nothing.
    chooseCommand("Quit the game");
    window->ButtonAbove->click();
    EXPECT_EQ(lines().at(1), "Quit the game");
    chooseCommand("Declare war on another race");
    window->ButtonBelow->click();
    window->commandWindow(CommandWindowId::C3)->ButtonCancel->click();
    EXPECT_EQ(lines().size(), 4u);
    // The model's answers to an edit it refuses and a delete without a line (the header is none).
    window->ListBoxMove->setCurrentRow(1);
    window->ButtonEdit->click();
    window->ListBoxMove->setCurrentRow(0);
    window->ButtonDelete->click();
    EXPECT_EQ(openWindow(), nullptr);
    EXPECT_EQ(boxes.texts(), (Strings{"Please select a command from the 'Commands'-list first", "You can't edit this command!",
                                      "You have to select a line in the 'Your Move' section first!"}));
}

// Editing a line opens its window filled with the line's values; OK unchanged gives the same line
// back in its place. One line per window.
TEST_F(MoveWindow, EditingALineOfEachWindowGivesItBackUnchanged)
{
    using W = CommandWindowId;
    const std::tuple<bool, std::string, CommandWindowId> rows[] = { // Blind Galaxy, raw lines (the first is edited)
        {false, "S 1 Venus 2", W::C1},      {false, "S Alpha Venus", W::C2},          {false, "W Klingons", W::C3},
        {false, "N Mars New_Mars", W::C4},  {false, "@ Zorgons\r\nhello\r\n@", W::C5}, {false, "C Vulcans", W::C6},
        {false, "D Scout 1 0 0 0 0", W::C7}, {false, "M 1 2 3", W::C8},               {false, "R Mars CAP Venus", W::C10},
        {true, "L 2 CAP 3 4", W::C11},      {false, "O FORECAST 5", W::C12},          {false, "O NO UNDERSCORES", W::C1toggle},
        {true, "P Mars Cruiser 1 2 3 4", W::C2c4e},
    };
    window->RadioButtonMoveRaw->setChecked(true);
    for (const auto& [blind, raw, id] : rows) {
        SCOPED_TRACE(raw);
        game.gametype = blind ? gtBlind : gtGalaxyNG;
        load("edit.mov", raw + "\r\nF Klingons\r\n");
        const Strings before = lines();
        window->ListBoxMove->setCurrentRow(1);
        window->ButtonEdit->click();
        TFormMoveCommand* opened = openWindow();
        ASSERT_EQ(opened, window->commandWindow(id));
        opened->ButtonOK->click();
        EXPECT_FALSE(opened->isVisible());
        EXPECT_TRUE(lines() == before && window->ListBoxMove->currentRow() == 1) << testing::PrintToString(lines());
    }
    EXPECT_TRUE(boxes.messages.empty()) << testing::PrintToString(boxes.texts());
}

TEST_F(MoveWindow, SetOptionsEditsTheShownTurnsOptionsIntoOptionLines)
{
    game.gametype = gtBlind;
    game.gameoptions.version = "blind-1";
    window->refreshFromSettings();
    chooseCommand("Set options");
    window->ButtonBelow->click();
    TFormShowOptions& options = window->optionsWindow();
    ASSERT_TRUE(options.isVisible() && options.editable());
    options.checkBox("map")->setChecked(false);
    options.checkBox("forecast")->setChecked(true);
    options.EditForecastTurn->setText("12");
    options.EditXCenter->setText("15");
    options.ButtonOK->click();
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(lines(), (Strings{naturalHeader, "Set option MAP off", "Set option FORECAST on turn number 12",
                                "Set option XCENTER 15.00", "#End"}));
    // The shown turn's options stay as the report gave them.
    EXPECT_TRUE(game.gameoptions.map);
}

TEST_F(MoveWindow, OrdersFromElsewhereNeverReplaceTheSelectedLine)
{
    load("move.mov", "W Klingons\r\nA Zorgons\r\n");
    // An edit given up.
    window->ListBoxMove->setCurrentRow(1);
    window->ButtonEdit->click();
    TFormMoveCommand* c3 = window->commandWindow(CommandWindowId::C3);
    ASSERT_TRUE(c3->isVisible());
    c3->ButtonCancel->click();
    // An order handed over with its values, as the context menus do.
    window->openCommand(CommandList::Names, commandNumber(CommandList::Names, OrderKind::Claim), {"Venus"});
    ASSERT_EQ(openWindow(), c3);
    EXPECT_EQ(c3->choiceBox(0)->currentText(), "Venus");
    c3->ButtonOK->click();
    EXPECT_EQ(lines(), (Strings{naturalHeader, "Declare war on race Klingons", "Claim ownership of planet Venus",
                                "Declare peace on race Zorgons", "#End"}));
    // Orders without values are added at once.
    window->openCommand(CommandList::Descriptions, commandNumber(CommandList::Descriptions, OrderKind::DeletePassword));
    EXPECT_TRUE(lines().at(3) == "Delete password" && boxes.messages.empty());
}
