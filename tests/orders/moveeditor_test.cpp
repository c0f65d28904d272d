// The move editor model: new moves and the header, adding orders (superseding in both
// displays, insertion modes, editing), selecting, deleting and moving lines and blocks, ETAs after
// each change, reading and display switching that fail without losing the move, option lines,
// and saving.

#include "fileio.h"
#include "moveeditor.h"
#include "movegame.h"
#include "orderwords.h"
#include "testfiles.h"
#include "textrules.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orrery {
namespace {

using Lines = std::vector<std::string>;
using test::said;

constexpr auto f = test::fields;

const char* shown(MoveForm form) { return form == MoveForm::Raw ? "raw display" : "natural display"; }

class MoveEditorTest : public testing::Test {
protected:
    // An editor showing the given raw move in the given form.
    void load(const Lines& rawOrders, MoveForm form = MoveForm::Raw)
    {
        std::string text = "#GALAXY Lyra Orion secret\r\n";
        for (const std::string& line : rawOrders) text += line + "\r\n";
        ASSERT_EQ(said(editor.setMoveForm(form)), "");
        ASSERT_EQ(said(editor.readText(text + "#END\r\n")), "");
    }
    // The order lines (header and end line left out).
    Lines orders() const { return Lines(editor.lines().begin() + 1, editor.lines().end() - 1); }
    // The order lines in raw form, without comments.
    Lines rawOrders()
    {
        EXPECT_EQ(said(editor.setMoveForm(MoveForm::Raw)), "");
        Lines out = orders();
        for (std::string& line : out) line = std::string(trimmed(cutComment(line)));
        return out;
    }

    Game game = test::moveGame();
    MoveEditor editor{game};
};

TEST_F(MoveEditorTest, NewMoveHoldsHeaderAndEndLineAndFieldsRewriteTheHeader)
{
    EXPECT_EQ(editor.lines(), (Lines{"#Galaxy game: , racename: ", "#End"}));
    editor.setGameName(" Lyra Two ");
    editor.setRaceName("Big Orion");
    EXPECT_EQ(editor.lines()[0], "#Galaxy game: Lyra_Two, racename: Big_Orion");
    editor.setPassword("se cret"); // the password is written as typed
    EXPECT_EQ(editor.lines()[0], "#Galaxy game: Lyra_Two, racename: Big_Orion, password: se cret");
    editor.setPassword("secret");
    ASSERT_EQ(said(editor.setMoveForm(MoveForm::Raw)), "");
    EXPECT_EQ(editor.lines(), (Lines{"#GALAXY Lyra_Two Big_Orion secret", "#END"}));
    editor.setPassword("");
    EXPECT_EQ(editor.lines()[0], "#GALAXY Lyra_Two Big_Orion");
    EXPECT_EQ(editor.moveLabel(), "Your Move:");
}

// Adding an order: the lines it supersedes go (by the rule of the displayed form), and it goes
// in per the insertion mode (no selection: above the end line; below a message block: after
// its closing line; replace: where the edited line stood, and no other line instead).
struct AddCase {
    const char* name;
    Lines before; // raw
    int select;   // the line clicked, -1 for none
    InsertMode mode;
    OrderKind kind;
    OrderFields fields;
    Lines after;              // raw, without comments
    const char* selectedLine; // the new order (its first line) is the selected line
    Lines naturalAfter = {}; // built in the natural display, when it differs
    std::int32_t gametype = gtGalaxyNG;
    const char* failure = ""; // the message when the order cannot be built
};

void PrintTo(const AddCase& c, std::ostream* os) { *os << c.name; }

class AddOrderTest : public MoveEditorTest, public testing::WithParamInterface<AddCase> {};

TEST_P(AddOrderTest, InBothDisplays)
{
    const AddCase& c = GetParam();
    game.gametype = c.gametype;
    for (MoveForm form : {MoveForm::Raw, MoveForm::Natural}) {
        SCOPED_TRACE(shown(form));
        load(c.before, form);
        editor.selectLine(c.select);
        editor.setInsertMode(c.mode);
        ASSERT_EQ(said(editor.buildOrderOfKind(c.kind, c.fields)), c.failure);
        const Lines after = rawOrders();
        EXPECT_EQ(after, form == MoveForm::Natural && !c.naturalAfter.empty() ? c.naturalAfter : c.after);
        const auto selected = static_cast<std::size_t>(editor.selected());
        EXPECT_EQ(selected >= 1 && selected <= after.size() ? after[selected - 1] : "", c.selectedLine);
    }
}

using K = OrderKind;
constexpr InsertMode below = InsertMode::Below, above = InsertMode::Above, replace = InsertMode::Replace;

const AddCase addCases[] = {
    {"SendReplacesWholeGroupSend", {"S 1 Venus", "S 1 Venus 5", "S 2 Venus"}, -1, below, K::SendGroup,
     f({"1", "Earth"}), {"S 1 Venus 5", "S 2 Venus", "S 1 Earth"}, "S 1 Earth"},
    {"PartialSendReplacesNothing", {"S 1 Venus"}, -1, below, K::SendGroup, f({"1", "Earth", "2"}),
     {"S 1 Venus", "S 1 Earth 2"}, "S 1 Earth 2"},
    {"MaxNeverReplaces", {"L 2 CAP 3", "S MAX Venus"}, -1, below, K::SendGroup, f({"MAX", "Earth"}),
     {"L 2 CAP 3", "S MAX Venus", "S MAX Earth"}, "S MAX Earth"},
    {"MaxLoadNeverReplaces", {"L MAX CAP"}, -1, below, K::Load, f({"COL", "MAX"}), {"L MAX CAP", "L MAX COL"},
     "L MAX COL"},
    {"PeaceWarAndGuardReplaceEachOther", {"A Zorgons", "H Zorgons", "W Klingons"}, -1, below, K::War, f({"Zorgons"}),
     {"W Klingons", "W Zorgons"}, "W Zorgons"},
    {"RaceNameRawOnlySameName", {"C Vulcans", "C Romulans"}, -1, below, K::RaceName, f({"Vulcans"}),
     {"C Romulans", "C Vulcans"}, "C Vulcans", {"C Vulcans"}},
    {"PasswordRawOnlySamePassword", {"Y one", "Y two", "Y"}, -1, below, K::SetPassword, f({"two"}),
     {"Y one", "Y", "Y two"}, "Y two", {"Y", "Y two"}},
    {"AddressRawOnlySameAddress", {"Z a@b", "Z c@d"}, -1, below, K::Address, f({"c@d"}), {"Z a@b", "Z c@d"}, "Z c@d",
     {"Z c@d"}},
    {"XCenterRawOnlyIdenticalLine", {"O XCENTER 5.00", "O XCENTER 7.00", "O YCENTER 5.00"}, -1, below, K::XCenter,
     f({"7.00"}), {"O XCENTER 5.00", "O YCENTER 5.00", "O XCENTER 7.00"}, "O XCENTER 7.00",
     {"O YCENTER 5.00", "O XCENTER 7.00"}},
    {"RouteRawAnyOfPlanetAndCargo", {"R Mars CAP Earth", "R Mars CAP", "R Mars COL Earth"}, -1, below, K::SetRoute,
     f({"Mars", "CAP", "Venus"}), {"R Mars COL Earth", "R Mars CAP Venus"}, "R Mars CAP Venus",
     {"R Mars CAP", "R Mars COL Earth", "R Mars CAP Venus"}},
    {"DeleteRouteNaturalOnlyDeletes", {"R Mars CAP Earth", "R Mars CAP"}, -1, below, K::SetRoute,
     f({"Mars", "CAP", ""}), {"R Mars CAP"}, "R Mars CAP", {"R Mars CAP Earth", "R Mars CAP"}},
    // Outside Blind Galaxy the whole group leaves its fleet; in the natural display that replaces
    // every "Break off group" line of the group that names no ships.
    {"LeaveTheFleet", {"B 6 FLEET", "B 6 Alpha", "B 6 Alpha 1", "B 7 FLEET"}, -1, below, K::BreakFleet, f({"6"}),
     {"B 6 Alpha", "B 6 Alpha 1", "B 7 FLEET", "B 6 FLEET"}, "B 6 FLEET", {"B 6 Alpha 1", "B 7 FLEET", "B 6 FLEET"}},
    {"BreakFromFleetBlind", {"B 6 FLEET", "B 6 Alpha", "B 6 Alpha 1", "B 7 FLEET"}, -1, below, K::BreakFleet,
     f({"6", "Beta"}), {"B 6 Alpha", "B 6 Alpha 1", "B 7 FLEET", "B 6 Beta"}, "B 6 Beta",
     {"B 6 Alpha 1", "B 7 FLEET", "B 6 Beta"}, gtBlind},
    {"BreakShipsReplacesNothing", {"B 1 2", "B 1 FLEET"}, -1, below, K::BreakShips, f({"1", "3"}),
     {"B 1 2", "B 1 FLEET", "B 1 3"}, "B 1 3"},
    {"OptionByNameInEitherPlace", {"O NO TWOCOL", "O TWOCOL", "O SORTGROUPS"}, -1, below, K::Option,
     f({"on", "TWOCOL"}), {"O SORTGROUPS", "O TWOCOL"}, "O TWOCOL"},
    {"EraseFleetOrTypeSameName", {"E Alpha", "E Cruiser"}, -1, below, K::EraseType, f({"Cruiser"}),
     {"E Alpha", "E Cruiser"}, "E Cruiser"},
    {"StatusSamePlanetAndRace", {"K Mars war Zorgons", "K Mars peace Klingons", "K Mars"}, -1, below, K::Status,
     f({"Mars", "peace", "Zorgons"}), {"K Mars peace Klingons", "K Mars", "K Mars peace Zorgons"},
     "K Mars peace Zorgons"},
    {"MapAreaReplacesEveryMapArea", {"M 1 2 3", "M 4 5 6"}, -1, below, K::MapArea, f({"7", "8", "9"}), {"M 7 8 9"},
     "M 7 8 9"},
    {"MessagesAreNeverReplaced", {"@", "S 1 Venus", "@"}, -1, below, K::SendGroup, f({"1", "Earth"}),
     {"@", "S 1 Venus", "@", "S 1 Earth"}, "S 1 Earth"},
    {"NoAmountWithoutShips", {"A Zorgons"}, 1, below, K::Load, f({"CAP", "2", "", "20"}), {"A Zorgons"}, "A Zorgons",
     {}, gtBlind, "If you specify \"Ammount of cargo\", you have to specify \"Number of ships\" also!"},
    {"BelowABlockAfterItsClosingLine", {"A Zorgons", "@ Klingons", "Hello", "@", "W Klingons"}, 3, below, K::Claim,
     f({"Venus"}), {"A Zorgons", "@ Klingons", "Hello", "@", "V Venus", "W Klingons"}, "V Venus"},
    {"AboveALine", {"A Zorgons", "@ Klingons", "Hello", "@", "W Klingons"}, 5, above, K::Claim, f({"Venus"}),
     {"A Zorgons", "@ Klingons", "Hello", "@", "V Venus", "W Klingons"}, "V Venus"},
    {"AboveABlock", {"A Zorgons", "@ Klingons", "Hello", "@"}, 2, above, K::Claim, f({"Venus"}),
     {"A Zorgons", "V Venus", "@ Klingons", "Hello", "@"}, "V Venus"},
    {"BelowALineItSupersedesTakesItsPlace", {"S 1 Venus", "A Zorgons"}, 1, below, K::SendGroup, f({"1", "Earth"}),
     {"S 1 Earth", "A Zorgons"}, "S 1 Earth"},
    {"ReplaceSupersedesTheEditedLineOnly", {"S 1 Venus", "A Zorgons", "U 2"}, 1, replace, K::SendGroup,
     f({"1", "Earth"}), {"S 1 Earth", "A Zorgons", "U 2"}, "S 1 Earth"},
    {"ReplaceBelowASupersededLine", {"S 1 Venus", "A Zorgons", "S 1 Earth", "U 2"}, 3, replace, K::SendGroup,
     f({"1", "Mars"}), {"A Zorgons", "S 1 Mars", "U 2"}, "S 1 Mars"},
    {"ReplaceByAnotherKind", {"A Zorgons", "S 1 Mars", "U 2"}, 3, replace, K::Claim, f({"Venus"}),
     {"A Zorgons", "S 1 Mars", "V Venus"}, "V Venus"},
    {"ReplaceABlock", {"A Zorgons", "@ Zorgons", "one", "two", "@", "W Klingons"}, 3, replace, K::Message,
     f({"Klingons", "hi"}), {"A Zorgons", "@ Klingons", "hi", "@", "W Klingons"}, "@ Klingons"},
    // No recipients make a message to all; the text's lines however they were broken.
    {"MessageToAll", {"A Zorgons"}, 1, above, K::Message, f({" ", "one\ntwo\r\nthree"}),
     {"@", "one", "two", "three", "@", "A Zorgons"}, "@"},
    // Load and send: the send goes below the load, and moves the part the load splits off.
    {"LoadAndSendAbove", {"A Zorgons"}, 1, above, K::LoadAndSend, f({"CAP", "2 (10 Hauler at Mars)", "Venus", "4"}),
     {"L 2 CAP 4", "S MAX Venus", "A Zorgons"}, "S MAX Venus"},
    {"LoadAndSendBelow", {"A Zorgons", "S 9 Mars"}, 1, below, K::LoadAndSend, f({"COL", "9", "Venus", ""}),
     {"A Zorgons", "L 9 COL", "S 9 Venus"}, "S 9 Venus"},
};

INSTANTIATE_TEST_SUITE_P(Rules, AddOrderTest, testing::ValuesIn(addCases),
                         [](const testing::TestParamInfo<AddCase>& info) { return info.param.name; });

TEST_F(MoveEditorTest, SelectingALine)
{
    load({"A Zorgons", "@ Klingons", "Hello", "@", "W Klingons"});
    const int selections[][2] = {{3, 2}, {4, 2}, {2, 2}, {5, 5}, {0, -1}, {6, -1}, {1, 1}, {7, -1}};
    for (const auto& [clicked, selected] : selections) {
        editor.selectLine(clicked);
        EXPECT_EQ(editor.selected(), selected) << clicked;
    }
}

TEST_F(MoveEditorTest, EditRequestsAndLinesThatCannotBeEdited)
{
    load({"L 2 CAP 4", "Q Orion", "Y", "F", "@ Zorgons", "one", "two", "@", "O NO MAP", "O FORECAST 5", "B 6 FLEET"});
    using A = CommandRequest::Action;
    const char* cannot = "You can't edit this command!";
    const struct {
        int line;
        A action;
        std::string message;
        OrderKind kind;
        OrderFields fields;
    } expects[] = {
        {1, A::OpenCommand, "", OrderKind::Load, f({"CAP", "2", "4"})},
        {2, A::ShowMessage, cannot, OrderKind::None, {}},
        {3, A::ShowMessage, cannot, OrderKind::None, {}},
        {4, A::ShowMessage, "You can't edit this command, just use or delete it!", OrderKind::None, {}},
        {6, A::OpenCommand, "", OrderKind::Message, f({"Zorgons", "one\r\ntwo"})},
        {9, A::OpenCommand, "", OrderKind::Option, f({"off", "MAP"})},
        {10, A::OpenCommand, "", OrderKind::Forecast, f({"on", "5"})},
        {11, A::OpenCommand, "", OrderKind::BreakCurrent, f({"6"})},
        {-1, A::ShowMessage, "Please select a command in the 'Your Move'-section first", OrderKind::None, {}},
    };
    for (const auto& e : expects) {
        SCOPED_TRACE(e.line);
        editor.selectLine(e.line);
        const CommandRequest request = editor.editSelected();
        EXPECT_EQ(request.action, e.action);
        EXPECT_EQ(request.message, e.message);
        EXPECT_EQ(request.opening.kind, e.kind);
        EXPECT_EQ(request.opening.start, e.fields);
    }
    // The window's OK then replaces the edited line.
    EXPECT_EQ(editor.insertMode(), InsertMode::Replace);

    // A message left open at the end of the move is all text.
    ASSERT_EQ(said(editor.readText("#GALAXY Lyra Orion\r\n@ Zorgons\r\nhello\r\n\r\n#END\r\n")), "");
    EXPECT_EQ(editor.lines(), (Lines{"#GALAXY Lyra Orion", "@ Zorgons", "hello", "", "#END"}));
    editor.selectLine(3);
    EXPECT_EQ(editor.editSelected().opening.start, f({"Zorgons", "hello\r\n\r\n#END"}));
}

TEST_F(MoveEditorTest, AddCommandFromTheCommandsList)
{
    load({});
    EXPECT_EQ(editor.addCommand(-1, InsertMode::Below).message, "Please select a command from the 'Commands'-list first");
    // Natural list of GalaxyNG: 21 "Quit the game" stands at display index 23.
    EXPECT_EQ(editor.commandTexts()[23], "Quit the game");
    EXPECT_EQ(editor.addCommand(23, InsertMode::Below).action, CommandRequest::Action::Done);
    const CommandRequest send = editor.addCommand(28, InsertMode::Below);
    EXPECT_EQ(send.action, CommandRequest::Action::OpenCommand);
    EXPECT_EQ(send.opening.kind, OrderKind::SendGroup);
    const OrderFields group5 = f({"  5 ( 12 Cruiser at Mars)", "Venus"});
    ASSERT_EQ(said(editor.BuildOrder(send.opening.list, send.opening.number, group5)), "");
    const CommandRequest option = editor.addCommand(29, InsertMode::Below);
    EXPECT_EQ(option.opening.option, "AUTOUNLOAD");
    const OrderFields off = f({"off", option.opening.option});
    ASSERT_EQ(said(editor.BuildOrder(option.opening.list, option.opening.number, off)), "");
    EXPECT_EQ(orders(), (Lines{"Q Orion", "S 5 Venus", "O NO AUTOUNLOAD"}));

    game.gametype = gtBlind;
    editor.setCommandsForm(MoveForm::Raw);
    EXPECT_EQ(editor.commandTexts()[20], "  (Set options)");
    EXPECT_EQ(editor.addCommand(20, InsertMode::Below).action, CommandRequest::Action::OpenOptions);
}

// Moving the selected line, or the message block it opens, past its neighbour (a block counting as
// one line; the first order up goes to the end, the last down to the top), and deleting it.
enum class Action { Up, Down, Delete };

struct MoveCase {
    const char* name;
    Lines before;
    int select;
    Action action;
    Lines after;
    int selectedAfter;
    const char* failure = "";
};

void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class MoveLinesTest : public MoveEditorTest, public testing::WithParamInterface<MoveCase> {};

TEST_P(MoveLinesTest, MovesOrDeletesTheSelectedUnit)
{
    const MoveCase& c = GetParam();
    for (MoveForm form : {MoveForm::Raw, MoveForm::Natural}) {
        SCOPED_TRACE(shown(form));
        load(c.before, form);
        editor.selectLine(c.select);
        const Status done = c.action == Action::Up     ? editor.moveSelectedUp()
                            : c.action == Action::Down ? editor.moveSelectedDown()
                                                       : editor.deleteSelected();
        EXPECT_EQ(said(done), c.failure);
        EXPECT_EQ(editor.selected(), c.selectedAfter);
        EXPECT_EQ(rawOrders(), c.after);
    }
}

constexpr Action up = Action::Up, down = Action::Down, del = Action::Delete;
const char* const selectFirst = "You have to select a line in the 'Your Move' section first!";

const MoveCase moveCases[] = {
    {"UpOnePlace", {"A Zorgons", "W Klingons", "V Mars"}, 3, up, {"A Zorgons", "V Mars", "W Klingons"}, 2},
    {"DownOnePlace", {"A Zorgons", "W Klingons", "V Mars"}, 1, down, {"W Klingons", "A Zorgons", "V Mars"}, 2},
    {"FirstUpGoesToTheEnd", {"A Zorgons", "W Klingons", "V Mars"}, 1, up, {"W Klingons", "V Mars", "A Zorgons"}, 3},
    {"LastDownGoesToTheTop", {"A Zorgons", "W Klingons", "V Mars"}, 3, down, {"V Mars", "A Zorgons", "W Klingons"}, 1},
    {"BlockMovesAsAWhole", {"A Zorgons", "@ Zorgons", "hi", "@", "V Mars"}, 3, up,
     {"@ Zorgons", "hi", "@", "A Zorgons", "V Mars"}, 1},
    {"LinePassesABlock", {"A Zorgons", "@", "a", "b", "@", "V Mars"}, 6, up,
     {"A Zorgons", "V Mars", "@", "a", "b", "@"}, 2},
    {"LinePassesABlockDownwards", {"A Zorgons", "@", "a", "@", "V Mars"}, 1, down,
     {"@", "a", "@", "A Zorgons", "V Mars"}, 4},
    {"BlockDownPastABlock", {"@ Zorgons", "x", "@", "@", "y", "@"}, 1, down, {"@", "y", "@", "@ Zorgons", "x", "@"}, 4},
    {"LastBlockDownGoesToTheTop", {"A Zorgons", "@", "a", "@"}, 2, down, {"@", "a", "@", "A Zorgons"}, 1},
    {"DeleteABlock", {"A Zorgons", "@", "text", "@", "W Klingons"}, 3, del, {"A Zorgons", "W Klingons"}, -1},
    {"DeleteALine", {"A Zorgons", "@", "text", "@"}, 1, del, {"@", "text", "@"}, -1},
    {"DeleteWithoutSelection", {"A Zorgons"}, 0, del, {"A Zorgons"}, -1, selectFirst},
    {"UpWithoutSelection", {"A Zorgons"}, 2, up, {"A Zorgons"}, -1, selectFirst},
    {"DownWithoutSelection", {"A Zorgons"}, -1, down, {"A Zorgons"}, -1, selectFirst},
};

INSTANTIATE_TEST_SUITE_P(Cases, MoveLinesTest, testing::ValuesIn(moveCases),
                         [](const testing::TestParamInfo<MoveCase>& info) { return info.param.name; });

// Adding and moving orders recalculate the ETAs whether "Recalculate ETAs automatically" is on or
// not (moving up from the moved line, moving down from the line above it); deleting recalculates
// only when it is on.
TEST_F(MoveEditorTest, AddingAndMovingAlwaysRecalculateEtasDeletingOnlyWhenAutomatic)
{
    load({"U 9", "S 9 Venus", "L 2 CAP 4"});
    EXPECT_EQ(orders()[1], "S 9 Venus ; ETA 5 turns"); // unloaded before it leaves
    editor.setAutoEtas(false);
    editor.selectLine(3);
    ASSERT_EQ(said(editor.buildOrderOfKind(OrderKind::SendGroup, f({"MAX", "Venus"}))), "");
    EXPECT_EQ(orders(), (Lines{"U 9", "S 9 Venus ; ETA 5 turns", "L 2 CAP 4", "S MAX Venus ; ETA 9 turns"}));
    // The load moved below its send: the send of "MAX" now follows no load.
    editor.selectLine(3);
    ASSERT_EQ(said(editor.moveSelectedDown()), "");
    EXPECT_EQ(orders(), (Lines{"U 9", "S 9 Venus ; ETA 5 turns", "S MAX Venus ; ETA ? turns", "L 2 CAP 4"}));
    ASSERT_EQ(said(editor.moveSelectedUp()), "");
    EXPECT_EQ(orders(), (Lines{"U 9", "S 9 Venus ; ETA 5 turns", "L 2 CAP 4", "S MAX Venus ; ETA 9 turns"}));
    // Without the unload group 9 leaves full, but the ETA stays until ETAs are recalculated.
    editor.selectLine(1);
    ASSERT_EQ(said(editor.deleteSelected()), "");
    EXPECT_EQ(orders()[0], "S 9 Venus ; ETA 5 turns");
    editor.setAutoEtas(true);
    EXPECT_EQ(orders()[0], "S 9 Venus ; ETA 9 turns");
    editor.selectLine(2);
    ASSERT_EQ(said(editor.deleteSelected()), "");
    EXPECT_EQ(orders(), (Lines{"S 9 Venus ; ETA 9 turns", "S MAX Venus ; ETA ? turns"}));
}

TEST_F(MoveEditorTest, AFailedReadKeepsTheMoveAndNamesTheLine)
{
    load({"A Zorgons"}, MoveForm::Natural);
    const Lines before = editor.lines();
    EXPECT_EQ(said(editor.readText("Hello\r\n")), "This is no galaxy move!");
    EXPECT_EQ(said(editor.readText("#GALAXY Lyra Orion\r\n= Alice\r\n")),
              "Error in file: unrecognized command in line\r\n= Alice");
    EXPECT_EQ(said(editor.getFromClipboard(std::nullopt)), "Clipboard contains no plain text!");
    EXPECT_EQ(said(editor.loadFile("/nonexistent/orrery/move.txt")),
              "Could not read /nonexistent/orrery/move.txt: No such file or directory");
    // The failure of a file names the file and its line, blank and comment lines counted.
    test::TempDir dir;
    dir.write("bad.txt", "#GALAXY Lyra Orion\r\n\r\n; note\r\nA Zorgons\r\n= Alice\r\n#END\r\n");
    const Status bad = editor.loadFile(dir.file("bad.txt"));
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.error(), Failure(unrecognizedMessage("= Alice"), dir.file("bad.txt"), 5));
    EXPECT_EQ(editor.lines(), before);
    EXPECT_FALSE(editor.hasFile());
    EXPECT_EQ(editor.gameName(), "Lyra");
    EXPECT_EQ(editor.password(), "secret");

    // Reading a move recalculates its ETAs.
    ASSERT_EQ(said(editor.readText("#GALAXY Lyra Orion\r\nSEND 1 Venus ; ETA 3 turns\r\n#END\r\n")), "");
    EXPECT_EQ(editor.lines(),
              (Lines{"#Galaxy game: Lyra, racename: Orion", "Send group 1 to planet Venus ; ETA 5 turns", "#End"}));
}

TEST_F(MoveEditorTest, AFailedDisplaySwitchKeepsTheMove)
{
    load({"A Zorgons", "L 2 CAP all 20"}, MoveForm::Natural);
    const Lines before = editor.lines();
    const std::string failure = unrecognizedMessage("Load 20 cargo CAP onto all ships of group 2");
    EXPECT_EQ(said(editor.setMoveForm(MoveForm::Raw)), failure);
    EXPECT_EQ(editor.lines(), before);
    EXPECT_EQ(editor.moveForm(), MoveForm::Natural);
    // The same line cannot be saved or put on the clipboard either.
    const Result<std::string> text = editor.clipboardText();
    ASSERT_FALSE(text);
    EXPECT_EQ(text.error().message, failure);
}

TEST_F(MoveEditorTest, ChangedOptionsBecomeOptionLinesThatReplaceNothing)
{
    optiontype edited = game.gameoptions;
    edited.map = false;
    edited.forecast = true;
    edited.forecastturn = 5;
    edited.xcenter = 5.5;
    load({"O MAP"}, MoveForm::Natural);
    editor.insertOptionLines(edited);
    EXPECT_EQ(orders(), (Lines{"Set option MAP on", "Set option MAP off", "Set option FORECAST on turn number 5",
                               "Set option XCENTER  5.50"}));
    EXPECT_EQ(rawOrders(), (Lines{"O MAP", "O NO MAP", "O FORECAST 5", "O XCENTER 5.50"}));
    load({"O MAP"}, MoveForm::Raw);
    editor.insertOptionLines(edited);
    EXPECT_EQ(orders(), (Lines{"O MAP", "O no MAP", "O FORECAST 5", "O XCENTER  5.50"}));
}

TEST_F(MoveEditorTest, SavingWritesRawLinesWithCrLfAndKeepsTheDisplay)
{
    test::TempDir dir;
    load({"S 1 Venus"}, MoveForm::Natural);
    EXPECT_EQ(said(editor.saveAs(dir.file("move.txt"))), "");
    EXPECT_EQ(test::readText(dir.file("move.txt")), "#GALAXY Lyra Orion secret\r\nS 1 Venus ; ETA 5 turns\r\n#END\r\n");
    EXPECT_EQ(editor.moveForm(), MoveForm::Natural);
    EXPECT_EQ(editor.lines()[1], "Send group 1 to planet Venus ; ETA 5 turns");
    EXPECT_EQ(editor.moveLabel(), "Your Move (move.txt):");
    EXPECT_EQ(editor.fileName(), dir.file("move.txt"));
    // The clipboard gets the same lines, joined by line breaks.
    EXPECT_EQ(editor.clipboardText().valueOr(""), "#GALAXY Lyra Orion secret\r\nS 1 Venus ; ETA 5 turns\r\n#END");

    // A failed save is reported and keeps the name of the last good file.
    const std::string unwritable = dir.file("missing/folder/move.txt");
    EXPECT_NE(said(editor.saveAs(unwritable)), "");
    EXPECT_EQ(editor.fileName(), dir.file("move.txt"));
    EXPECT_FALSE(fileExists(unwritable));

    editor.setGameName("");
    EXPECT_EQ(said(editor.saveAs(dir.file("other.txt"))),
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
    ASSERT_EQ(said(editor.loadMostRecentFile()), "");
    EXPECT_EQ(editor.lines()[1], "Declare war on race Zorgons");
    EXPECT_EQ(editor.moveLabel(), "Your Move (new.mov):");

    ASSERT_EQ(said(editor.loadFile(dir.file("old.txt"))), "");
    EXPECT_EQ(editor.lines()[1], "Declare peace on race Zorgons");
    dir.write("old.txt", "#GALAXY Lyra Orion\r\nV Mars\r\n#END\r\n");
    ASSERT_EQ(said(editor.reload()), "");
    EXPECT_EQ(editor.lines()[1], "Claim ownership of planet Mars");

    test::TempDir empty;
    editor.setInitialDir(empty.path());
    EXPECT_EQ(said(editor.loadMostRecentFile()), "No file found.");
}

} // namespace
} // namespace orrery
