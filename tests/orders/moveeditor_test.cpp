// The move editor model: new moves and the header, adding orders (superseding in both
// displays, insertion modes, editing), selecting, deleting and moving lines and blocks, reading
// and display switching that fail without losing the move, option lines, and saving.

#include "fileio.h"
#include "moveeditor.h"
#include "movegame.h"
#include "orderwords.h"
#include "testfiles.h"
#include "textrules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

namespace orrery {
namespace {

using Lines = std::vector<std::string>;

class MoveEditorTest : public testing::Test {
protected:
    // An editor showing the given raw move in the given form.
    void load(const Lines& rawOrders, MoveForm form = MoveForm::Raw)
    {
        std::string text = "#GALAXY Lyra Orion secret\r\n";
        for (const std::string& line : rawOrders) text += line + "\r\n";
        text += "#END\r\n";
        ASSERT_EQ(test::said(editor.setMoveForm(form)), "");
        ASSERT_EQ(test::said(editor.readText(text)), "");
    }
    // The order lines (header and end line left out), without ETA comments.
    Lines orders() const
    {
        Lines out(editor.lines().begin() + 1, editor.lines().end() - 1);
        return out;
    }
    static OrderFields fields(std::initializer_list<std::string> values)
    {
        OrderFields f;
        std::size_t i = 0;
        for (const std::string& v : values) f[i++] = v;
        return f;
    }

    Game game = test::moveGame();
    MoveEditor editor{game};
};

TEST_F(MoveEditorTest, NewMoveHoldsHeaderAndEndLineAndFieldsRewriteTheHeader)
{
    EXPECT_EQ(editor.lines(), (Lines{"#Galaxy game: , racename: ", "#End"}));
    editor.setGameName(" Lyra Two ");
    editor.setRaceName("Orion");
    EXPECT_EQ(editor.lines()[0], "#Galaxy game: Lyra_Two, racename: Orion");
    editor.setPassword("se cret");
    // The password is written as typed.
    EXPECT_EQ(editor.lines()[0], "#Galaxy game: Lyra_Two, racename: Orion, password: se cret");
    editor.setPassword("secret");
    ASSERT_EQ(test::said(editor.setMoveForm(MoveForm::Raw)), "");
    EXPECT_EQ(editor.lines(), (Lines{"#GALAXY Lyra_Two Orion secret", "#END"}));
    editor.setPassword("");
    EXPECT_EQ(editor.lines()[0], "#GALAXY Lyra_Two Orion");
    EXPECT_EQ(editor.moveLabel(), "Your Move:");
}

TEST_F(MoveEditorTest, OrderWithoutSelectionGoesAboveTheEndLine)
{
    load({"A Zorgons", "W Klingons"});
    ASSERT_EQ(test::said(editor.buildOrderOfKind(OrderKind::Claim, fields({"Venus"}))), "");
    EXPECT_EQ(orders(), (Lines{"A Zorgons", "W Klingons", "V Venus"}));
    EXPECT_EQ(editor.selected(), 3);
    // Empty first fields build nothing.
    ASSERT_EQ(test::said(editor.buildOrderOfKind(OrderKind::SendGroup, fields({" ", "", "3"}))), "");
    EXPECT_EQ(orders().size(), 3u);
}

struct SupersedeCase {
    const char* name;
    Lines before; // raw
    OrderKind kind;
    OrderFields fields;
    Lines rawAfter;
    Lines naturalAfter; // the same move built in the natural display, converted to raw
    std::int32_t gametype = gtGalaxyNG;
};

void PrintTo(const SupersedeCase& c, std::ostream* os) { *os << c.name; }


class SupersedeTest : public MoveEditorTest, public testing::WithParamInterface<SupersedeCase> {};

TEST_P(SupersedeTest, InBothDisplays)
{
    const SupersedeCase& c = GetParam();
    game.gametype = c.gametype;
    for (MoveForm form : {MoveForm::Raw, MoveForm::Natural}) {
        SCOPED_TRACE(form == MoveForm::Raw ? "raw display" : "natural display");
        load(c.before, form);
        ASSERT_EQ(test::said(editor.buildOrderOfKind(c.kind, c.fields)), "");
        ASSERT_EQ(test::said(editor.setMoveForm(MoveForm::Raw)), "");
        Lines got = orders();
        for (std::string& line : got) line = std::string(trimmed(cutComment(line)));
        EXPECT_EQ(got, form == MoveForm::Raw ? c.rawAfter : c.naturalAfter);
    }
}

OrderFields f(std::initializer_list<std::string> values)
{
    OrderFields out;
    std::size_t i = 0;
    for (const std::string& v : values) out[i++] = v;
    return out;
}

const SupersedeCase supersedeCases[] = {
    {"SendReplacesWholeGroupSend", {"S 1 Venus", "S 1 Venus 5", "S 2 Venus"}, OrderKind::SendGroup, f({"1", "Earth"}),
     {"S 1 Venus 5", "S 2 Venus", "S 1 Earth"}, {"S 1 Venus 5", "S 2 Venus", "S 1 Earth"}},
    {"PartialSendReplacesNothing", {"S 1 Venus"}, OrderKind::SendGroup, f({"1", "Earth", "2"}),
     {"S 1 Venus", "S 1 Earth 2"}, {"S 1 Venus", "S 1 Earth 2"}},
    {"MaxNeverReplaces", {"L 2 CAP 3", "S MAX Venus"}, OrderKind::SendGroup, f({"MAX", "Earth"}),
     {"L 2 CAP 3", "S MAX Venus", "S MAX Earth"}, {"L 2 CAP 3", "S MAX Venus", "S MAX Earth"}},
    {"MaxLoadNeverReplaces", {"L MAX CAP"}, OrderKind::Load, f({"COL", "MAX"}), {"L MAX CAP", "L MAX COL"},
     {"L MAX CAP", "L MAX COL"}},
    {"PeaceWarAndGuardReplaceEachOther", {"A Zorgons", "H Zorgons", "W Klingons"}, OrderKind::War, f({"Zorgons"}),
     {"W Klingons", "W Zorgons"}, {"W Klingons", "W Zorgons"}},
    {"RaceNameRawOnlySameName", {"C Vulcans", "C Romulans"}, OrderKind::RaceName, f({"Vulcans"}),
     {"C Romulans", "C Vulcans"}, {"C Vulcans"}},
    {"PasswordRawOnlySamePassword", {"Y one", "Y two", "Y"}, OrderKind::SetPassword, f({"two"}),
     {"Y one", "Y", "Y two"}, {"Y", "Y two"}},
    {"AddressRawOnlySameAddress", {"Z a@b", "Z c@d"}, OrderKind::Address, f({"c@d"}), {"Z a@b", "Z c@d"},
     {"Z c@d"}},
    {"XCenterRawOnlyIdenticalLine", {"O XCENTER 5.00", "O XCENTER 7.00", "O YCENTER 5.00"}, OrderKind::XCenter,
     f({"7.00"}), {"O XCENTER 5.00", "O YCENTER 5.00", "O XCENTER 7.00"}, {"O YCENTER 5.00", "O XCENTER 7.00"}},
    {"RouteRawAnyOfPlanetAndCargo", {"R Mars CAP Earth", "R Mars CAP", "R Mars COL Earth"}, OrderKind::SetRoute,
     f({"Mars", "CAP", "Venus"}), {"R Mars COL Earth", "R Mars CAP Venus"},
     {"R Mars CAP", "R Mars COL Earth", "R Mars CAP Venus"}},
    {"DeleteRouteNaturalOnlyDeletes", {"R Mars CAP Earth", "R Mars CAP"}, OrderKind::SetRoute, f({"Mars", "CAP", ""}),
     {"R Mars CAP"}, {"R Mars CAP Earth", "R Mars CAP"}},
    {"BreakFromFleet", {"B 6 FLEET", "B 6 Alpha", "B 6 Alpha 1", "B 7 FLEET"}, OrderKind::BreakFleet,
     f({"6"}), {"B 6 Alpha", "B 6 Alpha 1", "B 7 FLEET", "B 6 FLEET"},
     {"B 6 Alpha 1", "B 7 FLEET", "B 6 FLEET"}},
    {"BreakFromFleetBlind", {"B 6 FLEET", "B 6 Alpha", "B 6 Alpha 1", "B 7 FLEET"}, OrderKind::BreakFleet,
     f({"6", "Beta"}), {"B 6 Alpha", "B 6 Alpha 1", "B 7 FLEET", "B 6 Beta"},
     {"B 6 Alpha 1", "B 7 FLEET", "B 6 Beta"}, gtBlind},
    {"BreakShipsReplacesNothing", {"B 1 2", "B 1 FLEET"}, OrderKind::BreakShips, f({"1", "3"}),
     {"B 1 2", "B 1 FLEET", "B 1 3"}, {"B 1 2", "B 1 FLEET", "B 1 3"}},
    {"OptionByNameInEitherPlace", {"O NO TWOCOL", "O TWOCOL", "O SORTGROUPS"}, OrderKind::Option, f({"on", "TWOCOL"}),
     {"O SORTGROUPS", "O TWOCOL"}, {"O SORTGROUPS", "O TWOCOL"}},
    {"EraseFleetOrTypeSameName", {"E Alpha", "E Cruiser"}, OrderKind::EraseType, f({"Cruiser"}),
     {"E Alpha", "E Cruiser"}, {"E Alpha", "E Cruiser"}},
    {"StatusSamePlanetAndRace", {"K Mars war Zorgons", "K Mars peace Klingons", "K Mars"}, OrderKind::Status,
     f({"Mars", "peace", "Zorgons"}), {"K Mars peace Klingons", "K Mars", "K Mars peace Zorgons"},
     {"K Mars peace Klingons", "K Mars", "K Mars peace Zorgons"}},
    {"MapAreaReplacesEveryMapArea", {"M 1 2 3", "M 4 5 6"}, OrderKind::MapArea, f({"7", "8", "9"}), {"M 7 8 9"},
     {"M 7 8 9"}},
    {"MessagesAreNeverReplaced", {"@", "S 1 Venus", "@"}, OrderKind::SendGroup, f({"1", "Earth"}),
     {"@", "S 1 Venus", "@", "S 1 Earth"}, {"@", "S 1 Venus", "@", "S 1 Earth"}},
};

INSTANTIATE_TEST_SUITE_P(Rules, SupersedeTest, testing::ValuesIn(supersedeCases),
                         [](const testing::TestParamInfo<SupersedeCase>& info) { return info.param.name; });

TEST_F(MoveEditorTest, InsertionModes)
{
    load({"A Zorgons", "@ Klingons", "Hello", "@", "W Klingons"});
    editor.selectLine(3); // inside the message: its opening line is selected
    EXPECT_EQ(editor.selected(), 2);
    editor.setInsertMode(InsertMode::Below);
    editor.InsertOrderLine("V Venus");
    EXPECT_EQ(orders(), (Lines{"A Zorgons", "@ Klingons", "Hello", "@", "V Venus", "W Klingons"}));
    EXPECT_EQ(editor.selected(), 5);
    editor.setInsertMode(InsertMode::Above);
    editor.InsertOrderLine("V Earth");
    EXPECT_EQ(orders(), (Lines{"A Zorgons", "@ Klingons", "Hello", "@", "V Earth", "V Venus", "W Klingons"}));
    editor.selectLine(0);
    EXPECT_EQ(editor.selected(), -1);
    editor.selectLine(static_cast<int>(editor.lines().size()) - 1);
    EXPECT_EQ(editor.selected(), -1);
}

TEST_F(MoveEditorTest, EditingReplacesTheLineInPlaceAndNoOtherLine)
{
    // The replacement supersedes the edited line itself: no neighbour may go instead.
    load({"S 1 Venus", "A Zorgons", "U 2"});
    editor.selectLine(1);
    CommandRequest edit = editor.editSelected();
    ASSERT_EQ(edit.action, CommandRequest::Action::OpenCommand);
    EXPECT_EQ(edit.opening.kind, OrderKind::SendGroup);
    EXPECT_EQ(edit.opening.start[0], "1");
    EXPECT_EQ(edit.opening.start[1], "Venus");
    ASSERT_EQ(test::said(editor.buildOrderOfKind(edit.opening.kind, f({"1", "Earth"}))), "");
    EXPECT_EQ(orders(), (Lines{"S 1 Earth", "A Zorgons", "U 2"}));

    // Another line superseded above the edited one: the new line stands where the edited stood.
    load({"S 1 Venus", "A Zorgons", "S 1 Earth", "U 2"});
    editor.selectLine(3);
    ASSERT_EQ(editor.editSelected().action, CommandRequest::Action::OpenCommand);
    ASSERT_EQ(test::said(editor.buildOrderOfKind(OrderKind::SendGroup, f({"1", "Mars"}))), "");
    EXPECT_EQ(orders(), (Lines{"A Zorgons", "S 1 Mars", "U 2"}));
    EXPECT_EQ(editor.selected(), 2);

    // A replacement of another kind supersedes nothing and still takes the edited line's place.
    editor.selectLine(3);
    ASSERT_EQ(editor.editSelected().opening.kind, OrderKind::Unload);
    ASSERT_EQ(test::said(editor.buildOrderOfKind(OrderKind::Claim, f({"Venus"}))), "");
    EXPECT_EQ(orders(), (Lines{"A Zorgons", "S 1 Mars", "V Venus"}));

    // Adding below a line that the new order supersedes puts the new one in its place.
    load({"S 1 Venus", "A Zorgons"});
    editor.selectLine(1);
    editor.setInsertMode(InsertMode::Below);
    ASSERT_EQ(test::said(editor.buildOrderOfKind(OrderKind::SendGroup, f({"1", "Earth"}))), "");
    EXPECT_EQ(orders(), (Lines{"S 1 Earth", "A Zorgons"}));
}

TEST_F(MoveEditorTest, EditRequestsAndLinesThatCannotBeEdited)
{
    load({"L 2 CAP 4", "Q Orion", "Y", "F", "@ Zorgons", "one", "two", "@", "O NO MAP", "O FORECAST 5"});
    struct Expect {
        int line;
        CommandRequest::Action action;
        const char* message;
        OrderKind kind;
        OrderFields fields;
    };
    const Expect expects[] = {
        {1, CommandRequest::Action::OpenCommand, "", OrderKind::Load, f({"CAP", "2", "4"})},
        {2, CommandRequest::Action::ShowMessage, "You can't edit this command!", OrderKind::None, {}},
        {3, CommandRequest::Action::ShowMessage, "You can't edit this command!", OrderKind::None, {}},
        {4, CommandRequest::Action::ShowMessage, "You can't edit this command, just use or delete it!",
         OrderKind::None, {}},
        {6, CommandRequest::Action::OpenCommand, "", OrderKind::Message, f({"Zorgons", "one\r\ntwo"})},
        {9, CommandRequest::Action::OpenCommand, "", OrderKind::Option, f({"off", "MAP"})},
        {10, CommandRequest::Action::OpenCommand, "", OrderKind::Forecast, f({"on", "5"})},
        {-1, CommandRequest::Action::ShowMessage, "Please select a command in the 'Your Move'-section first",
         OrderKind::None, {}},
    };
    for (const Expect& e : expects) {
        SCOPED_TRACE(e.line);
        editor.selectLine(e.line);
        const CommandRequest request = editor.editSelected();
        EXPECT_EQ(request.action, e.action);
        EXPECT_EQ(request.message, e.message);
        EXPECT_EQ(request.opening.kind, e.kind);
        EXPECT_EQ(request.opening.start, e.fields);
    }
    // Editing the message replaces the whole block.
    editor.selectLine(5);
    ASSERT_EQ(editor.editSelected().opening.kind, OrderKind::Message);
    ASSERT_EQ(test::said(editor.buildOrderOfKind(OrderKind::Message, f({"", "three\nfour"}))), "");
    EXPECT_EQ(orders(), (Lines{"L 2 CAP 4", "Q Orion", "Y", "F", "@", "three", "four", "@", "O NO MAP",
                               "O FORECAST 5"}));
}

TEST_F(MoveEditorTest, AMessageLeftOpenAtTheEndIsAllText)
{
    ASSERT_EQ(test::said(editor.setMoveForm(MoveForm::Raw)), "");
    ASSERT_EQ(test::said(editor.readText("#GALAXY Lyra Orion\r\n@ Zorgons\r\nhello\r\n\r\n#END\r\n")), "");
    EXPECT_EQ(editor.lines(), (Lines{"#GALAXY Lyra Orion", "@ Zorgons", "hello", "", "#END"}));
    editor.selectLine(3);
    const CommandRequest edit = editor.editSelected();
    EXPECT_EQ(edit.opening.kind, OrderKind::Message);
    EXPECT_EQ(edit.opening.start[1], "hello\r\n\r\n#END");
}

TEST_F(MoveEditorTest, AddCommandFromTheCommandsList)
{
    load({});
    EXPECT_EQ(editor.addCommand(-1, InsertMode::Below).message,
              "Please select a command from the 'Commands'-list first");
    // Natural list of GalaxyNG: 21 "Quit the game" stands at display index 23.
    EXPECT_EQ(editor.commandTexts()[23], "Quit the game");
    CommandRequest quit = editor.addCommand(23, InsertMode::Below);
    EXPECT_EQ(quit.action, CommandRequest::Action::Done);
    CommandRequest send = editor.addCommand(28, InsertMode::Below);
    EXPECT_EQ(send.action, CommandRequest::Action::OpenCommand);
    EXPECT_EQ(send.opening.kind, OrderKind::SendGroup);
    ASSERT_EQ(test::said(editor.BuildOrder(send.opening.list, send.opening.number, f({"  5 ( 12 Cruiser at Mars)", "Venus"}))), "");
    CommandRequest option = editor.addCommand(29, InsertMode::Below);
    EXPECT_EQ(option.opening.option, "AUTOUNLOAD");
    ASSERT_EQ(test::said(editor.BuildOrder(option.opening.list, option.opening.number, f({"off", option.opening.option}))), "");
    EXPECT_EQ(orders(), (Lines{"Q Orion", "S 5 Venus", "O NO AUTOUNLOAD"}));

    game.gametype = gtBlind;
    editor.setCommandsForm(MoveForm::Raw);
    EXPECT_EQ(editor.commandTexts()[20], "  (Set options)");
    EXPECT_EQ(editor.addCommand(20, InsertMode::Below).action, CommandRequest::Action::OpenOptions);
}

TEST_F(MoveEditorTest, LoadAndSendAddsBothOrdersInOrder)
{
    load({"A Zorgons"});
    editor.selectLine(1);
    editor.setInsertMode(InsertMode::Above);
    ASSERT_EQ(test::said(editor.buildOrderOfKind(OrderKind::LoadAndSend, f({"CAP", "2 (10 Hauler at Mars)", "Venus", "4"}))), "");
    EXPECT_EQ(orders(), (Lines{"L 2 CAP 4", "S MAX Venus ; ETA 9 turns", "A Zorgons"}));
    editor.selectLine(3);
    editor.setInsertMode(InsertMode::Below);
    ASSERT_EQ(test::said(editor.buildOrderOfKind(OrderKind::LoadAndSend, f({"COL", "9", "Venus", ""}))), "");
    EXPECT_EQ(orders(),
              (Lines{"L 2 CAP 4", "S MAX Venus ; ETA 9 turns", "A Zorgons", "L 9 COL", "S 9 Venus ; ETA 9 turns"}));
    game.gametype = gtBlind;
    EXPECT_EQ(test::said(editor.buildOrderOfKind(OrderKind::Load, f({"CAP", "2", "", "20"}))),
              "If you specify \"Ammount of cargo\", you have to specify \"Number of ships\" also!");
}

TEST_F(MoveEditorTest, DeletingLinesAndBlocks)
{
    load({"A Zorgons", "@", "text", "@", "W Klingons"});
    EXPECT_EQ(test::said(editor.deleteSelected()), "You have to select a line in the 'Your Move' section first!");
    editor.selectLine(3);
    ASSERT_EQ(test::said(editor.deleteSelected()), "");
    EXPECT_EQ(orders(), (Lines{"A Zorgons", "W Klingons"}));
    editor.selectLine(1);
    ASSERT_EQ(test::said(editor.deleteSelected()), "");
    EXPECT_EQ(orders(), (Lines{"W Klingons"}));
    EXPECT_EQ(editor.selected(), -1);
}

struct MoveCase {
    const char* name;
    Lines before;
    int select;
    bool up;
    Lines after;
    int selectedAfter;
};

void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }


class MoveLinesTest : public MoveEditorTest, public testing::WithParamInterface<MoveCase> {};

TEST_P(MoveLinesTest, MovesTheSelectedUnit)
{
    const MoveCase& c = GetParam();
    for (MoveForm form : {MoveForm::Raw, MoveForm::Natural}) {
        SCOPED_TRACE(form == MoveForm::Raw ? "raw display" : "natural display");
        load(c.before, form);
        editor.selectLine(c.select);
        ASSERT_EQ(c.up ? test::said(editor.moveSelectedUp()) : test::said(editor.moveSelectedDown()), "");
        EXPECT_EQ(editor.selected(), c.selectedAfter);
        ASSERT_EQ(test::said(editor.setMoveForm(MoveForm::Raw)), "");
        EXPECT_EQ(orders(), c.after);
    }
}

const MoveCase moveCases[] = {
    {"UpOnePlace", {"A Zorgons", "W Klingons", "V Mars"}, 3, true, {"A Zorgons", "V Mars", "W Klingons"}, 2},
    {"DownOnePlace", {"A Zorgons", "W Klingons", "V Mars"}, 1, false, {"W Klingons", "A Zorgons", "V Mars"}, 2},
    {"FirstUpGoesToTheEnd", {"A Zorgons", "W Klingons", "V Mars"}, 1, true, {"W Klingons", "V Mars", "A Zorgons"}, 3},
    {"LastDownGoesToTheTop", {"A Zorgons", "W Klingons", "V Mars"}, 3, false, {"V Mars", "A Zorgons", "W Klingons"},
     1},
    {"BlockMovesAsAWhole", {"A Zorgons", "@ Zorgons", "hi", "@", "V Mars"}, 3, true,
     {"@ Zorgons", "hi", "@", "A Zorgons", "V Mars"}, 1},
    {"LinePassesABlock", {"A Zorgons", "@", "a", "b", "@", "V Mars"}, 6, true, {"A Zorgons", "V Mars", "@", "a", "b", "@"},
     2},
    {"LinePassesABlockDownwards", {"A Zorgons", "@", "a", "@", "V Mars"}, 1, false, {"@", "a", "@", "A Zorgons", "V Mars"},
     4},
    {"BlockDownPastABlock", {"@ Zorgons", "x", "@", "@", "y", "@"}, 1, false, {"@", "y", "@", "@ Zorgons", "x", "@"}, 4},
    {"LastBlockDownGoesToTheTop", {"A Zorgons", "@", "a", "@"}, 2, false, {"@", "a", "@", "A Zorgons"}, 1},
};

INSTANTIATE_TEST_SUITE_P(Cases, MoveLinesTest, testing::ValuesIn(moveCases),
                         [](const testing::TestParamInfo<MoveCase>& info) { return info.param.name; });

TEST_F(MoveEditorTest, MovingALoadBelowItsSendRecalculatesTheEta)
{
    load({"L 2 CAP 4", "S MAX Venus"});
    EXPECT_EQ(orders()[1], "S MAX Venus ; ETA 9 turns");
    editor.selectLine(1);
    ASSERT_EQ(test::said(editor.moveSelectedDown()), "");
    EXPECT_EQ(orders(), (Lines{"S MAX Venus ; ETA ? turns", "L 2 CAP 4"}));
    // Moving recalculates even without automatic ETAs.
    editor.setAutoEtas(false);
    ASSERT_EQ(test::said(editor.moveSelectedDown()), "");
    EXPECT_EQ(orders(), (Lines{"L 2 CAP 4", "S MAX Venus ; ETA 9 turns"}));
}

TEST_F(MoveEditorTest, AFailedReadKeepsTheMove)
{
    load({"A Zorgons"}, MoveForm::Natural);
    const Lines before = editor.lines();
    EXPECT_EQ(test::said(editor.readText("Hello\r\n")), "This is no galaxy move!");
    EXPECT_EQ(test::said(editor.readText("#GALAXY Lyra Orion\r\n= Alice\r\n")),
              "Error in file: unrecognized command in line\r\n= Alice");
    EXPECT_EQ(test::said(editor.getFromClipboard(std::nullopt)), "Clipboard contains no plain text!");
    EXPECT_EQ(test::said(editor.loadFile("/nonexistent/orrery/move.txt")), "Could not read /nonexistent/orrery/move.txt: No such file or directory");
    EXPECT_EQ(editor.lines(), before);
    EXPECT_EQ(editor.gameName(), "Lyra");
    EXPECT_EQ(editor.password(), "secret");
}

TEST_F(MoveEditorTest, ReadingAMoveRecalculatesItsEtas)
{
    ASSERT_EQ(test::said(editor.readText("#GALAXY Lyra Orion\r\nSEND 1 Venus ; ETA 3 turns\r\n#END\r\n")), "");
    EXPECT_EQ(editor.lines(), (Lines{"#Galaxy game: Lyra, racename: Orion", "Send group 1 to planet Venus ; ETA 5 turns",
                                     "#End"}));
    EXPECT_EQ(editor.raceName(), "Orion");
}

TEST_F(MoveEditorTest, AFailedDisplaySwitchKeepsTheMove)
{
    load({"A Zorgons", "L 2 CAP all 20"}, MoveForm::Natural);
    const Lines before = editor.lines();
    EXPECT_EQ(test::said(editor.setMoveForm(MoveForm::Raw)),
              "Error in file: unrecognized command in line\r\nLoad 20 cargo CAP onto all ships of group 2");
    EXPECT_EQ(editor.lines(), before);
    EXPECT_EQ(editor.moveForm(), MoveForm::Natural);
    // The same line cannot be saved or put on the clipboard either.
    const Result<std::string> text = editor.clipboardText();
    ASSERT_FALSE(text);
    EXPECT_EQ(text.error().message, "Error in file: unrecognized command in line\r\nLoad 20 cargo CAP onto all ships of group 2");
}

TEST_F(MoveEditorTest, ChangedOptionsBecomeOptionLinesThatReplaceNothing)
{
    optiontype edited = game.gameoptions;
    edited.map = false;
    edited.forecast = true;
    edited.forecastturn = 5;
    edited.xcenter = 5.5;
    for (MoveForm form : {MoveForm::Raw, MoveForm::Natural}) {
        SCOPED_TRACE(form == MoveForm::Raw ? "raw display" : "natural display");
        load({"O MAP"}, form);
        editor.insertOptionLines(edited);
        if (form == MoveForm::Raw)
            EXPECT_EQ(orders(), (Lines{"O MAP", "O no MAP", "O FORECAST 5", "O XCENTER  5.50"}));
        else
            EXPECT_EQ(orders(), (Lines{"Set option MAP on", "Set option MAP off", "Set option FORECAST on turn number 5",
                                       "Set option XCENTER  5.50"}));
    }
    ASSERT_EQ(test::said(editor.setMoveForm(MoveForm::Raw)), "");
    EXPECT_EQ(orders(), (Lines{"O MAP", "O NO MAP", "O FORECAST 5", "O XCENTER 5.50"}));
}

TEST_F(MoveEditorTest, SavingWritesRawLinesWithCrLfAndKeepsTheDisplay)
{
    test::TempDir dir;
    load({"S 1 Venus"}, MoveForm::Natural);
    EXPECT_EQ(test::said(editor.saveAs(dir.file("move.txt"))), "");
    EXPECT_EQ(test::readText(dir.file("move.txt")),
              "#GALAXY Lyra Orion secret\r\nS 1 Venus ; ETA 5 turns\r\n#END\r\n");
    EXPECT_EQ(editor.moveForm(), MoveForm::Natural);
    EXPECT_EQ(editor.lines()[1], "Send group 1 to planet Venus ; ETA 5 turns");
    EXPECT_EQ(editor.moveLabel(), "Your Move (move.txt):");
    EXPECT_EQ(editor.fileName(), dir.file("move.txt"));

    // A failed save is reported and keeps the name of the last good file.
    const std::string unwritable = dir.file("missing/folder/move.txt");
    EXPECT_NE(test::said(editor.saveAs(unwritable)), "");
    EXPECT_EQ(editor.fileName(), dir.file("move.txt"));
    EXPECT_FALSE(fileExists(unwritable));

    editor.setGameName("");
    EXPECT_EQ(test::said(editor.saveAs(dir.file("other.txt"))),
              "You have to enter text in the fields\r\n\"Name of Galaxy game\" and \"Name of your race\"!");
}

TEST_F(MoveEditorTest, LoadingFilesAndTheMostRecentFile)
{
    test::TempDir dir;
    dir.write("old.txt", "#GALAXY Lyra Orion\r\nA Zorgons\r\n#END\r\n");
    std::filesystem::last_write_time(dir.file("old.txt"),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    dir.write("new.mov", "#GALAXY Lyra Orion\nW Zorgons\n#END\n");
    std::filesystem::create_directory(dir.file("sub"));
    editor.setInitialDir(dir.path());
    ASSERT_EQ(test::said(editor.loadMostRecentFile()), "");
    EXPECT_EQ(editor.lines()[1], "Declare war on race Zorgons");
    EXPECT_EQ(editor.moveLabel(), "Your Move (new.mov):");

    ASSERT_EQ(test::said(editor.loadFile(dir.file("old.txt"))), "");
    EXPECT_EQ(editor.lines()[1], "Declare peace on race Zorgons");
    dir.write("old.txt", "#GALAXY Lyra Orion\r\nV Mars\r\n#END\r\n");
    ASSERT_EQ(test::said(editor.reload()), "");
    EXPECT_EQ(editor.lines()[1], "Claim ownership of planet Mars");

    test::TempDir empty;
    editor.setInitialDir(empty.path());
    EXPECT_EQ(test::said(editor.loadMostRecentFile()), "No file found.");
}

} // namespace
} // namespace orrery
