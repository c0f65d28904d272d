// The command windows on their own: what each shows for its commands, the checks made when a
// field is left, the fields that depend on others, the message window's race list and text file,
// the general chooser, the result window, and the game options window in both of its modes.

#include "../orders/movegame.h"
#include "TFormBattleResult.h"
#include "TFormMoveC1toggle.h"
#include "TFormMoveC10.h"
#include "TFormMoveC12.h"
#include "TFormMoveC2c4e.h"
#include "TFormMoveC3.h"
#include "TFormMoveC4.h"
#include "TFormMoveC5.h"
#include "TFormMoveC7.h"
#include "TFormSelectFromList.h"
#include "TFormShowOptions.h"
#include "messagerecorder.h"
#include "testfiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;

namespace {

using Lines = std::vector<std::string>;

Lines strings(const QStringList& list)
{
    Lines out;
    for (const QString& s : list) out.push_back(s.toStdString());
    return out;
}

Lines entries(const QComboBox* box)
{
    Lines out;
    for (int i = 0; i < box->count(); ++i) out.push_back(box->itemText(i).toStdString());
    return out;
}

// Opens a window for a command of the names list with start values; returns what OK handed over.
struct Opened {
    std::vector<std::pair<OrderKind, OrderFields>> built;
};

void openFor(TFormMoveCommand& window, const Game& game, OrderKind kind, Opened& out, OrderFields start = {},
             const char* option = "")
{
    window.builder = [&out](OrderKind k, const OrderFields& f) {
        out.built.emplace_back(k, f);
        return std::string();
    };
    CommandOpening o;
    o.kind = kind;
    o.list = CommandList::Names;
    o.number = commandNumber(CommandList::Names, kind, option);
    o.option = option;
    o.start = start;
    window.open(o, game, CommandChoices::of(game, {"#GALAXY a Orion", "#END"}, MoveForm::Raw));
}

} // namespace

TEST(CommandWindows, LabelsAndListsFollowTheCommand)
{
    MessageRecorder boxes;
    Game game = moveGame();
    Opened opened;
    TFormMoveC4 c4;
    struct Row {
        OrderKind kind;
        const char* first;
        const char* second;
        std::size_t entries;
    };
    const Row rows[] = {
        {OrderKind::RenamePlanet, "Planet to rename:", "New name:", 2},
        {OrderKind::BreakShips, "Group:", "Number of ships:", 11},
        {OrderKind::Scrap, "Group:", "Number of ships (optional):", 11},
        {OrderKind::RenameFleet, "Fleet:", "New name:", 3},
        {OrderKind::RenameType, "Shiptype:", "New name:", 3},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.first);
        openFor(c4, game, r.kind, opened);
        EXPECT_EQ(c4.windowTitle(), "Command");
        EXPECT_EQ(c4.Label1->text(), r.first);
        EXPECT_EQ(c4.Label2->text(), r.second);
        EXPECT_EQ(static_cast<std::size_t>(c4.ComboBox1->count()), r.entries);
        c4.close();
    }
    // The first label is the command's entry of the list it came from.
    CommandOpening raw;
    raw.kind = OrderKind::RenamePlanet;
    raw.list = CommandList::Descriptions;
    raw.number = commandNumber(CommandList::Descriptions, OrderKind::RenamePlanet);
    c4.open(raw, game, CommandChoices::of(game, {}, MoveForm::Raw));
    EXPECT_EQ(c4.LabelCommand->text(), "N (Rename planet)");
    c4.close();

    // Peace and war offer the other races; Blind Galaxy adds the own race at the end.
    TFormMoveC3 c3;
    openFor(c3, game, OrderKind::War, opened);
    EXPECT_EQ(entries(c3.ComboBox1), (Lines{"Zorgons", "Klingons"}));
    c3.close();
    game.gametype = gtBlind;
    openFor(c3, game, OrderKind::Guard, opened);
    EXPECT_EQ(entries(c3.ComboBox1), (Lines{"Zorgons", "Klingons", "Orion"}));
    c3.close();

    // Routes: own planets, the cargo types (with "All" in Blind Galaxy), every planet.
    TFormMoveC10 c10;
    openFor(c10, game, OrderKind::SetRoute, opened);
    EXPECT_EQ(c10.Label3->text(), "To planet (left blank to delete route):");
    EXPECT_EQ(entries(c10.ComboBox2), (Lines{"CAP", "MAT", "COL", "All"}));
    EXPECT_EQ(c10.ComboBox1->currentText(), "");
    c10.close();
    openFor(c10, game, OrderKind::Status, opened, {"Mars", "war", "Zorgons"});
    EXPECT_EQ(c10.Label2->text(), "Status (optional, left blank to erase status):");
    EXPECT_EQ(entries(c10.ComboBox2), (Lines{"peace", "war"}));
    EXPECT_EQ(c10.ComboBox3->currentText(), "Zorgons");
    c10.ButtonOK->click();
    ASSERT_EQ(opened.built.size(), 1u);
    EXPECT_EQ(opened.built[0].first, OrderKind::Status);
    EXPECT_EQ(opened.built[0].second[1], "war");
    EXPECT_TRUE(boxes.messages.empty());
}

TEST(CommandWindows, SingleOptionsWarnAboutTheTwoThatBreakReading)
{
    Game game = moveGame();
    Opened opened;
    TFormMoveC1toggle window;
    struct Row {
        const char* option;
        const char* note;
    };
    const Row rows[] = {
        {"UNDERSCORES", "Don't set this option to off,\nor the program can't read in the next turn report!"},
        {"TWOCOL", "Don't set this option to on,\nor the program can't read in the next turn report!"},
        {"NAMECASE", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.option);
        openFor(window, game, OrderKind::Option, opened, {}, r.option);
        EXPECT_EQ(window.LabelCommand->text(), QStringLiteral("Set option ") + r.option);
        EXPECT_EQ(window.LabelNote->text(), r.note);
        EXPECT_TRUE(window.CheckBoxOn->isChecked());
        window.CheckBoxOn->setChecked(false);
        window.ButtonOK->click();
        ASSERT_FALSE(opened.built.empty());
        EXPECT_EQ(opened.built.back().second[0], "off");
        EXPECT_EQ(opened.built.back().second[1], r.option);
    }
}

TEST(CommandWindows, DesignNumbersAreCheckedWhenLeft)
{
    MessageRecorder boxes;
    Game game = moveGame();
    Opened opened;
    TFormMoveC7 window;
    openFor(window, game, OrderKind::Design, opened);
    EXPECT_FALSE(window.ButtonTakeFromDesigner->isEnabled());
    window.EditDrive->setText("0.5");
    EXPECT_FALSE(window.EditExit(window.EditDrive));
    window.EditAttacks->setText("2.5");
    EXPECT_FALSE(window.EditExit(window.EditAttacks));
    window.EditCargo->setText("x");
    EXPECT_FALSE(window.EditExit(window.EditCargo));
    window.EditCargo->setText("");
    EXPECT_TRUE(window.EditExit(window.EditCargo));
    EXPECT_EQ(strings(boxes.texts()), (Lines{"The number has to be 0 or at least 1!",
                                             "The attack number has to be a whole number", "Please enter a number!"}));
    // OK: the form first, then its numbers.
    boxes.clear();
    window.EditName->setText("Scout");
    window.ButtonOK->click();
    for (QLineEdit* e : {window.EditDrive, window.EditAttacks, window.EditWeapons, window.EditShields, window.EditCargo})
        e->setText("1");
    window.EditAttacks->setText("2.5");
    window.ButtonOK->click();
    EXPECT_EQ(strings(boxes.texts()),
              (Lines{"You have to fill out the form completely!", "The attack number has to be a whole number"}));
    EXPECT_TRUE(window.isVisible());
    window.EditAttacks->setText("2");
    window.ButtonOK->click();
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(opened.built.size(), 1u);
    EXPECT_EQ(opened.built[0].second, (OrderFields{"Scout", "1", "2", "1", "1", "1"}));
}

TEST(CommandWindows, ForecastTurnNeedsANumberAndTheOptionOn)
{
    MessageRecorder boxes;
    Game game = moveGame();
    Opened opened;
    TFormMoveC12 window;
    openFor(window, game, OrderKind::Forecast, opened, {"on", "7"});
    EXPECT_EQ(window.LabelCommand->text(), "Set option FORECAST");
    EXPECT_TRUE(window.CheckBoxOn->isChecked());
    EXPECT_EQ(window.EditTurn->text(), "7");
    window.EditTurn->setText("7b");
    EXPECT_FALSE(window.EditTurnExit());
    window.EditTurn->setText("8");
    window.CheckBoxOn->setChecked(false);
    window.ButtonOK->click();
    EXPECT_EQ(strings(boxes.texts()),
              (Lines{"Please enter a number!", "A turn number is only allowed, if the option is switched on!"}));
    EXPECT_TRUE(opened.built.empty());
}

TEST(CommandWindows, TechLevelsOnlyForAShipType)
{
    Game game = moveGame();
    game.gametype = gtBlind;
    Opened opened;
    TFormMoveC2c4e window;
    openFor(window, game, OrderKind::Production, opened, {"Mars", "Cruiser", "1.5", "0", "0", "0"});
    EXPECT_TRUE(window.EditDrive->isEnabled());
    EXPECT_EQ(window.EditDrive->text(), "1.5");
    EXPECT_EQ(window.EditWeapons->text(), "");
    window.ComboBoxProduce->setCurrentText("cap");
    EXPECT_FALSE(window.EditDrive->isEnabled());
    EXPECT_EQ(window.EditDrive->text(), "");
    window.ComboBoxProduce->setCurrentIndex(window.ComboBoxProduce->findText("Hauler"));
    EXPECT_TRUE(window.EditCargo->isEnabled());
    window.EditCargo->setText("2");
    window.ButtonOK->click();
    ASSERT_EQ(opened.built.size(), 1u);
    EXPECT_EQ(opened.built[0].second, (OrderFields{"Mars", "Hauler", "", "", "", "2"}));
}

TEST(CommandWindows, MessageRecipientsAndTextFile)
{
    MessageRecorder boxes;
    TempDir dir;
    dir.write("note.txt", "first line\nsecond line\n");
    Game game = moveGame();
    Opened opened;
    TFormMoveC5 window;
    openFor(window, game, OrderKind::Message, opened, {"", "Hello"});
    ASSERT_EQ(window.ListBoxRaces->count(), 2);
    window.ListBoxRacesClick(window.ListBoxRaces->item(1));
    window.ListBoxRacesClick(window.ListBoxRaces->item(0));
    EXPECT_EQ(window.EditRecipients->text(), "Klingons Zorgons");
    window.chooseTextFile = [&dir] { return QString::fromStdString(dir.file("note.txt")); };
    window.menuItemLoadTextClick();
    EXPECT_EQ(window.MemoText->toPlainText(), "Hello\nfirst line\nsecond line");
    window.chooseTextFile = [&dir] { return QString::fromStdString(dir.file("missing.txt")); };
    window.menuItemLoadTextClick();
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_TRUE(boxes.messages[0].text.startsWith("Could not read "));
    window.ButtonOK->click();
    ASSERT_EQ(opened.built.size(), 1u);
    EXPECT_EQ(opened.built[0].second[0], "Klingons Zorgons");
    EXPECT_EQ(opened.built[0].second[1], "Hello\nfirst line\nsecond line");
}

TEST(CommandWindows, ChooserCallsItsOperationForTheChosenEntriesInListOrder)
{
    TFormSelectFromList chooser;
    QStringList run;
    const auto fill = [](QStringList& entries) {
        entries << "Venus" << "Mars" << "Earth";
        return true;
    };
    ASSERT_TRUE(chooser.open("Planets:", true, true, fill, [&run](const QString& e) { run << e; }));
    EXPECT_EQ(chooser.LabelList->text(), "Planets:");
    ASSERT_EQ(chooser.ListBoxEntries->count(), 3);
    EXPECT_EQ(chooser.ListBoxEntries->item(0)->text(), "Earth");
    chooser.ListBoxEntries->item(2)->setSelected(true);
    chooser.ListBoxEntries->item(0)->setSelected(true);
    chooser.ButtonOK->click();
    EXPECT_EQ(strings(run), (Lines{"Earth", "Venus"}));
    EXPECT_FALSE(chooser.isVisible());
    // Nothing to choose: the window is not shown.
    EXPECT_FALSE(chooser.open("Planets:", false, false, [](QStringList&) { return false; }, {}));
    EXPECT_FALSE(chooser.isVisible());
}

TEST(ResultWindow, ShowsOneLinePerEntryUnderItsCaption)
{
    TFormBattleResult window;
    int closed = 0;
    window.onClosed = [&closed] { ++closed; };
    window.showResult("Syntax error in first line of move.\r\nError: Not enough ships in group 12\r\n",
                      "Check move result");
    EXPECT_EQ(window.windowTitle(), "Check move result");
    EXPECT_EQ(strings(window.lines()),
              (Lines{"Syntax error in first line of move.", "Error: Not enough ships in group 12"}));
    window.showResult("one\ntwo", "");
    EXPECT_EQ(window.windowTitle(), "Battle result");
    EXPECT_EQ(window.lines().size(), 2);
    window.close();
    EXPECT_EQ(closed, 1);
}

TEST(GameOptionsWindow, ViewingChangesNothing)
{
    TFormShowOptions window;
    optiontype o;
    o.version = "4.07";
    o.map = false;
    o.stats = true;
    o.xcenter = 12.5;
    o.ycenter = -3;
    window.open(o, false);
    EXPECT_EQ(window.windowTitle(), "Game options");
    EXPECT_EQ(window.LabelVersion->text(), "Game version: 4.07");
    EXPECT_EQ(window.EditXCenter->text(), "12.50");
    EXPECT_EQ(window.EditYCenter->text(), "-3.00");
    EXPECT_TRUE(window.isModal());
    int rows = 0;
    for (const OptionFlag& flag : optionFlags()) {
        SCOPED_TRACE(flag.keyword);
        QCheckBox* box = window.checkBox(flag.keyword);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->isChecked(), o.*flag.member);
        EXPECT_FALSE(box->isEnabled());
        ++rows;
    }
    EXPECT_EQ(rows, 29);
    EXPECT_FALSE(window.EditXCenter->isEnabled());
    EXPECT_FALSE(window.EditYCenter->isEnabled());
    EXPECT_TRUE(window.ButtonOK2->isVisible());
    for (QWidget* hidden : std::initializer_list<QWidget*>{window.ButtonOK, window.ButtonCancel, window.ButtonStandard,
                                                           window.EditForecastTurn, window.LabelForecastTurn})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    bool handed = false;
    window.onOK = [&handed](const optiontype&) { handed = true; };
    window.ButtonOK2->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(handed);
}

TEST(GameOptionsWindow, EditingChecksItsNumbersAndHandsTheOptionsOver)
{
    MessageRecorder boxes;
    TFormShowOptions window;
    optiontype o;
    o.version = "4.07";
    o.map = false;
    o.mapsize = 80;
    window.open(o, true);
    EXPECT_TRUE(window.ButtonOK->isVisible());
    EXPECT_FALSE(window.ButtonOK2->isVisible());
    EXPECT_TRUE(window.ButtonStandard->isVisible());
    EXPECT_TRUE(window.EditForecastTurn->isVisible());
    EXPECT_TRUE(window.checkBox("map")->isEnabled());
    EXPECT_EQ(window.EditForecastTurn->text(), "");

    std::vector<optiontype> handed;
    window.onOK = [&handed](const optiontype& edited) { handed.push_back(edited); };
    struct Row {
        const char* x;
        const char* y;
        const char* turn;
        QLineEdit* focus;
    };
    const Row bad[] = {
        {"abc", "0", "", window.EditXCenter},
        {"1", "", "", window.EditYCenter},
        {"1", "2", "1.5", window.EditForecastTurn},
    };
    for (const Row& r : bad) {
        SCOPED_TRACE(testing::Message() << r.x << " " << r.y << " " << r.turn);
        boxes.clear();
        window.EditXCenter->setText(r.x);
        window.EditYCenter->setText(r.y);
        window.EditForecastTurn->setText(r.turn);
        window.ButtonOK->click();
        EXPECT_EQ(strings(boxes.texts()), (Lines{"Please enter a number!"}));
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(handed.empty());
    }
    // "Standard" sets the standard flags and centres; the forecast turn is the window's.
    window.checkBox("stats")->setChecked(true);
    window.ButtonStandardClick();
    EXPECT_TRUE(window.checkBox("map")->isChecked());
    EXPECT_FALSE(window.checkBox("stats")->isChecked());
    EXPECT_EQ(window.EditXCenter->text(), " 0.00");
    window.checkBox("forecast")->setChecked(true);
    window.EditXCenter->setText("-4.25");
    window.EditForecastTurn->setText("9");
    window.ButtonOK->click();
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_TRUE(handed[0].map);
    EXPECT_TRUE(handed[0].forecast);
    EXPECT_EQ(handed[0].xcenter, -4.25);
    EXPECT_EQ(handed[0].forecastturn, 9);
    // What the window does not show is handed back as it came.
    EXPECT_EQ(handed[0].version, "4.07");
    EXPECT_EQ(handed[0].mapsize, 80);
}

TEST(GameOptionsWindow, RawLabelsSwitchBackToTheDescriptions)
{
    TFormShowOptions window;
    window.open(optiontype{}, false);
    const std::pair<const char*, const char*> rows[] = {
        {"map", "enable map printing"},
        {"twospace", "use 2 spaces instaed of 1 to separate fields in the report"},
        {"stats", "shows cargo ship capacity and stockpiles as well as tech level info of your groups"},
    };
    for (bool raw : {true, false, true, false}) {
        window.CheckBoxRawLabels->setChecked(raw);
        for (const auto& [keyword, label] : rows) {
            SCOPED_TRACE(keyword);
            EXPECT_EQ(window.label(keyword)->text(), raw ? keyword : label);
        }
        EXPECT_EQ(window.LabelXCenter->text(), raw ? "xcenter" : "X center");
        EXPECT_EQ(window.LabelYCenter->text(), raw ? "ycenter" : "Y center");
    }
}
