// The command windows wired to their forms (whose checks and lists tests/orders covers): labels,
// lists, OK's check and focus, the builder, leave checks, what some windows add; the chooser, the
// result window and the game options window in both of its modes.

#include "../orders/movegame.h"
#include "TFormBattleResult.h"
#include "TFormMove.h"
#include "TFormMoveC1toggle.h"
#include "TFormMoveC5.h"
#include "TFormMoveCommand.h"
#include "TFormSelectFromList.h"
#include "TFormShowOptions.h"
#include "configuration.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;

namespace {

// The command windows as the move editor makes them, opened here with a builder that records.
struct CommandWindows : testing::Test {
    MessageRecorder boxes;
    Game game = moveGame();
    Configuration settings;
    TFormMove move{game, settings, boxes};
    const Strings moveLines = {"#GALAXY a Orion", "D FLEET Delta", "#END"};
    std::vector<std::pair<OrderKind, OrderFields>> built;

    TFormMoveCommand& open(OrderKind kind, const OrderFields& start = {}, const char* option = "")
    {
        TFormMoveCommand* window = move.commandWindow(commandWindowFor(kind, game.gametype));
        EXPECT_NE(window, nullptr);
        window->builder = [this](OrderKind k, const OrderFields& f) { return built.emplace_back(k, f), Status(); };
        const CommandOpening o{kind, CommandList::Names, commandNumber(CommandList::Names, kind, option), option, start};
        window->open(o, game, CommandChoices::of(game, moveLines, MoveForm::Raw));
        return *window;
    }
    // Puts values into the field rows as a player would.
    static void enter(TFormMoveCommand& w, const OrderFields& values)
    {
        for (int i = 0; i < static_cast<int>(values.size()); ++i) {
            const QString v = QString::fromStdString(values[static_cast<std::size_t>(i)]);
            if (QComboBox* box = w.choiceBox(i)) box->setEditText(v);
            if (QLineEdit* edit = w.edit(i)) edit->setText(v);
            if (QCheckBox* on = w.checkBox(i)) on->setChecked(v == "on");
            if (QPlainTextEdit* text = w.textBox(i)) text->setPlainText(v);
        }
    }
};

} // namespace

TEST_F(CommandWindows, EachShapeShowsItsFormChecksOnOKAndHandsTheFieldsOver)
{
    // Fields that fail the check (all empty: the window has none) and fields that pass.
    struct Row { OrderKind kind; bool blind; OrderFields bad; OrderFields good; const char* option = ""; };
    using K = OrderKind;
    const Row rows[] = {
        {K::SendGroup, false, {"1", ""}, {"1", "Venus", "3"}},
        {K::SendFleet, false, {"Alpha", ""}, {"Alpha", "Venus"}},
        {K::War, false, {""}, {"Zorgons"}},
        {K::BreakShips, false, {"1", "3a"}, {"1", "3"}},
        {K::Message, false, {}, {"Klingons", "Hello\nthere"}},
        {K::CreateFleet, false, {""}, {"Epsilon"}},
        {K::Design, false, {"Scout", "1", "1.5", "0", "0", "0"}, {"Scout", "1", "1", "0", "0", "0"}},
        {K::MapArea, false, {"1", "", "3"}, {"1", "2", "3"}},
        {K::SetRoute, false, {"Mars", ""}, {"Mars", "CAP", "Venus"}},
        {K::Load, true, {"CAP", "1", "2", "y"}, {"CAP", "1", "2", "2.5"}},
        {K::Forecast, false, {"on", "5x"}, {"on", "5"}},
        {K::Option, false, {}, {"off", "TWOCOL"}, "TWOCOL"},
        {K::Production, true, {"", "CAP"}, {"Mars", "Hauler", "", "", "", "2"}},
        {K::LoadAndSend, false, {"COL", "1", ""}, {"COL", "1", "Venus"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(r.kind));
        game.gametype = r.blind ? gtBlind : gtGalaxyNG;
        boxes.clear();
        built.clear();
        TFormMoveCommand& w = open(r.kind, {}, r.option);
        const OrderForm* form = orderForm(r.kind, game.gametype);
        ASSERT_EQ(w.form(), form);
        const CommandChoices choices = CommandChoices::of(game, moveLines, MoveForm::Raw);
        for (int i = 0; i < static_cast<int>(form->fields.size()); ++i) {
            const FormField& field = form->fields[static_cast<std::size_t>(i)];
            EXPECT_TRUE(!w.label(i) || w.label(i)->text() == QString::fromLatin1(field.label)) << field.name;
            if (QComboBox* box = w.choiceBox(i)) {
                Strings entries;
                for (int e = 0; e < box->count(); ++e) entries.push_back(box->itemText(e).toStdString());
                EXPECT_EQ(entries, choices.list(field.choices)) << field.name;
            }
        }
        if (r.bad != OrderFields{}) {
            enter(w, r.bad);
            const Status expected = checkOrderForm(*form, game, choices, r.bad);
            ASSERT_FALSE(expected);
            w.ButtonOK->click();
            EXPECT_EQ(boxes.texts(), Strings{expected.error().message});
            EXPECT_TRUE(w.isVisible() && built.empty());
            EXPECT_TRUE(expected.error().line == 0 || w.focusWidget() == w.control(expected.error().line - 1));
        }
        boxes.clear();
        enter(w, r.good);
        w.ButtonOK->click();
        EXPECT_TRUE(boxes.messages.empty()) << testing::PrintToString(boxes.texts());
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(built, (std::vector<std::pair<OrderKind, OrderFields>>{{r.kind, r.good}}));
    }
}

TEST_F(CommandWindows, ABuilderThatFailsKeepsTheWindowOpenWithItsMessage)
{
    TFormMoveCommand& w = open(OrderKind::War, {"Zorgons"});
    w.builder = [](OrderKind, const OrderFields&) { return Status(Failure("cannot build")); };
    w.ButtonOK->click();
    EXPECT_EQ(boxes.texts(), Strings{"cannot build"});
    EXPECT_TRUE(w.isVisible());
}

// A number field checked on leaving: the focus moving on to another control shows the message and
// puts the focus back; a good value lets it go.
TEST_F(CommandWindows, NumbersAreCheckedAsTheFocusLeavesTheirField)
{
    const std::tuple<OrderKind, int, const char*> rows[] = {
        {OrderKind::Design, 1, "0.5"}, {OrderKind::Design, 2, "2.5"}, {OrderKind::Design, 5, "x"},
        {OrderKind::Design, 5, ""},    {OrderKind::Design, 3, "12.75"}, {OrderKind::Forecast, 1, "7b"},
        {OrderKind::Forecast, 1, "8"},
    };
    for (const auto& [kind, index, text] : rows) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(kind) << " field " << index << " '" << text << "'");
        boxes.clear();
        TFormMoveCommand& w = open(kind);
        QApplication::setActiveWindow(&w);
        QLineEdit* field = w.edit(index);
        ASSERT_NE(field, nullptr);
        field->setFocus();
        field->setText(text);
        QWidget* next = w.control(0);
        next->setFocus(Qt::TabFocusReason);
        const Status expected = checkFieldNumber(w.form()->fields[static_cast<std::size_t>(index)].number, text);
        EXPECT_EQ(boxes.texts(), expected ? Strings{} : Strings{expected.error().message});
        EXPECT_EQ(QApplication::focusWidget(), expected ? next : field);
        w.close();
    }
}

TEST_F(CommandWindows, SingleOptionsWarnAboutTheTwoThatBreakReading)
{
    const std::pair<const char*, bool> rows[] = {{"UNDERSCORES", true}, {"TWOCOL", true}, {"NAMECASE", false}};
    for (const auto& [option, warned] : rows) {
        SCOPED_TRACE(option);
        auto& w = static_cast<TFormMoveC1toggle&>(open(OrderKind::Option, {}, option));
        EXPECT_EQ(w.LabelCommand->text(), QStringLiteral("Set option ") + option);
        EXPECT_EQ(!w.LabelNote->isHidden() && w.LabelNote->text().contains("can't read in the next turn report"), warned);
        EXPECT_TRUE(w.checkBox(0)->isChecked()) << "a new option order starts switched on";
        w.close();
    }
}

TEST_F(CommandWindows, TechLevelsOnlyForAShipType)
{
    game.gametype = gtBlind;
    TFormMoveCommand& w = open(OrderKind::Production, {"Mars", "Cruiser", "1.5", "0", "0", "0"});
    EXPECT_TRUE(w.edit(2)->isEnabled() && w.edit(2)->text() == "1.5");
    EXPECT_EQ(w.edit(3)->text(), "") << "a tech level of 0 stands for none";
    w.choiceBox(1)->setEditText("cap");
    EXPECT_TRUE(!w.edit(2)->isEnabled() && w.edit(2)->text().isEmpty());
    w.choiceBox(1)->setCurrentIndex(w.choiceBox(1)->findText("Hauler"));
    EXPECT_TRUE(w.edit(5)->isEnabled());
}

TEST_F(CommandWindows, MessageRecipientsAndTextFile)
{
    TempDir dir;
    dir.write("note.txt", "first line\nsecond line\n");
    auto& w = static_cast<TFormMoveC5&>(open(OrderKind::Message, {"", "Hello"}));
    ASSERT_EQ(w.ListBoxRaces->count(), 2);
    w.ListBoxRacesClick(w.ListBoxRaces->item(1));
    w.ListBoxRacesClick(w.ListBoxRaces->item(0));
    EXPECT_EQ(w.edit(0)->text(), "Klingons Zorgons");
    w.chooseTextFile = [&dir] { return QString::fromStdString(dir.file("note.txt")); };
    w.menuItemLoadTextClick();
    EXPECT_EQ(w.textBox(1)->toPlainText(), "Hello\nfirst line\nsecond line");
    w.chooseTextFile = [&dir] { return QString::fromStdString(dir.file("missing.txt")); };
    w.menuItemLoadTextClick();
    EXPECT_TRUE(boxes.messages.size() == 1 && boxes.messages[0].kind == MessageKind::Error);
    EXPECT_EQ(w.textBox(1)->toPlainText(), "Hello\nfirst line\nsecond line");
}

TEST(ChooserWindow, CallsItsOperationForTheChosenEntriesInListOrder)
{
    TFormSelectFromList chooser;
    QStringList run;
    const auto fill = [](QStringList& entries) { return entries << "Venus" << "Mars" << "Earth", true; };
    ASSERT_TRUE(chooser.open("Planets:", true, true, fill, [&run](const QString& e) { run << e; }));
    ASSERT_EQ(chooser.ListBoxEntries->count(), 3);
    EXPECT_EQ(chooser.ListBoxEntries->item(0)->text(), "Earth") << "sorted";
    chooser.ListBoxEntries->item(2)->setSelected(true);
    chooser.ListBoxEntries->item(0)->setSelected(true);
    chooser.ButtonOK->click();
    EXPECT_TRUE(strings(run) == (Strings{"Earth", "Venus"}) && !chooser.isVisible());
    // Nothing to choose: the window is not shown.
    EXPECT_FALSE(chooser.open("Planets:", false, false, [](QStringList&) { return false; }, {}));
    EXPECT_FALSE(chooser.isVisible());
}

TEST(ResultWindow, ShowsOneLinePerEntryUnderItsCaption)
{
    TFormBattleResult window;
    int closed = 0;
    window.onClosed = [&closed] { ++closed; };
    window.showResult("Syntax error in first line of move.\r\nError: Not enough ships in group 12\r\n", "Check move result");
    EXPECT_TRUE(window.windowTitle() == "Check move result" &&
                strings(window.lines()) == (Strings{"Syntax error in first line of move.", "Error: Not enough ships in group 12"}));
    window.showResult("one\ntwo", "");
    EXPECT_TRUE(window.windowTitle() == "Battle result" && window.lines().size() == 2);
    window.close();
    EXPECT_EQ(closed, 1);
}

TEST(GameOptionsWindow, ViewingChangesNothingEditingChecksTheNumbersAndHandsTheOptionsOver)
{
    MessageRecorder boxes;
    TFormShowOptions window(boxes);
    optiontype o;
    o.map = false, o.stats = true, o.xcenter = 12.5;
    window.open(o, false);
    EXPECT_TRUE(window.EditXCenter->text() == "12.50" && window.isModal());
    for (const OptionFlag& flag : optionFlags()) {
        SCOPED_TRACE(flag.keyword);
        ASSERT_NE(window.checkBox(flag.keyword), nullptr);
        EXPECT_TRUE(window.checkBox(flag.keyword)->isChecked() == o.*flag.member && !window.checkBox(flag.keyword)->isEnabled());
    }
    EXPECT_FALSE(window.EditXCenter->isEnabled());
    for (QWidget* hidden : std::initializer_list<QWidget*>{window.ButtonOK, window.ButtonCancel, window.ButtonStandard, window.EditForecastTurn})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    // Raw labels switch to the keywords and back.
    const QString described = window.label("map")->text();
    for (bool raw : {true, false}) {
        window.CheckBoxRawLabels->setChecked(raw);
        EXPECT_EQ(window.label("map")->text(), raw ? QStringLiteral("map") : described);
        EXPECT_EQ(window.LabelXCenter->text(), raw ? "xcenter" : "X center");
    }
    window.onOK = [](const optiontype&) { ADD_FAILURE() << "viewing hands nothing over"; };
    window.ButtonOK2->click();
    EXPECT_FALSE(window.isVisible());

    // Editing: the numbers are checked, the edited options handed over.
    o.version = "4.07";
    window.open(o, true);
    EXPECT_TRUE(!window.ButtonOK2->isVisible() && window.checkBox("map")->isEnabled());
    std::vector<optiontype> handed;
    window.onOK = [&handed](const optiontype& edited) { handed.push_back(edited); };
    const std::tuple<const char*, const char*, const char*, QLineEdit*> bad[] = {
        {"abc", "0", "", window.EditXCenter}, {"1", "", "", window.EditYCenter}, {"1", "2", "1.5", window.EditForecastTurn}};
    for (const auto& [x, y, turn, focus] : bad) {
        SCOPED_TRACE(testing::Message() << x << " " << y << " " << turn);
        boxes.clear();
        window.EditXCenter->setText(x);
        window.EditYCenter->setText(y);
        window.EditForecastTurn->setText(turn);
        window.ButtonOK->click();
        EXPECT_EQ(boxes.texts(), Strings{"Please enter a number!"});
        EXPECT_TRUE(window.focusWidget() == focus && window.isVisible());
    }
    EXPECT_TRUE(handed.empty());
    // "Standard" sets the standard flags and centres; the forecast turn is the window's.
    window.checkBox("stats")->setChecked(true);
    window.ButtonStandard->click();
    EXPECT_TRUE(window.checkBox("map")->isChecked() && !window.checkBox("stats")->isChecked());
    EXPECT_EQ(window.EditXCenter->text(), " 0.00");
    window.checkBox("forecast")->setChecked(true);
    window.EditForecastTurn->setText("9");
    window.ButtonOK->click();
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_TRUE(handed[0].map && handed[0].forecast);
    EXPECT_EQ(handed[0].forecastturn, 9);
    EXPECT_EQ(handed[0].version, "4.07") << "what the window does not show is handed back as it came";
}
