// The move editor model: the header, adding orders (superseding, insertion modes, editing), moving
// and deleting lines and blocks, ETAs after each change, failures that keep the move, option lines, files.

#include "fileio.h"
#include "moveeditor.h"
#include "movegame.h"
#include "orderwords.h"
#include "testfiles.h"
#include "textrules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <tuple>

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
    // The order lines in raw form, without ETA comments.
    Lines rawOrders()
    {
        EXPECT_EQ(said(editor.setMoveForm(MoveForm::Raw)), "");
        Lines out = orders();
        for (std::string& line : out)
            if (!commentOf(line).empty()) line = std::string(trimmed(cutComment(line)));
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
    {"SendReplacesWholeGroupSend", {"S 1 Venus", "S 1 Venus 5", "S 2 Venus"}, -1, below, K::SendGroup, {"1", "Earth"},
     {"S 1 Venus 5", "S 2 Venus", "S 1 Earth"}, "S 1 Earth"},
    {"PartialSendReplacesNothing", {"S 1 Venus"}, -1, below, K::SendGroup, {"1", "Earth", "2"},
     {"S 1 Venus", "S 1 Earth 2"}, "S 1 Earth 2"},
    {"MaxNeverReplaces", {"L 2 CAP 3", "S MAX Venus"}, -1, below, K::SendGroup, {"MAX", "Earth"},
     {"L 2 CAP 3", "S MAX Venus", "S MAX Earth"}, "S MAX Earth"},
    {"MaxLoadNeverReplaces", {"L MAX CAP"}, -1, below, K::Load, {"COL", "MAX"}, {"L MAX CAP", "L MAX COL"},
     "L MAX COL"},
    {"PeaceWarAndGuardReplaceEachOther", {"A Zorgons", "H Zorgons", "W Klingons"}, -1, below, K::War, {"Zorgons"},
     {"W Klingons", "W Zorgons"}, "W Zorgons"},
    {"RaceNameRawOnlySameName", {"C Vulcans", "C Romulans"}, -1, below, K::RaceName, {"Vulcans"},
     {"C Romulans", "C Vulcans"}, "C Vulcans", {"C Vulcans"}},
    {"PasswordRawOnlySamePassword", {"Y one", "Y two", "Y"}, -1, below, K::SetPassword, {"two"},
     {"Y one", "Y", "Y two"}, "Y two", {"Y", "Y two"}},
    {"AddressRawOnlySameAddress", {"Z a@b", "Z c@d"}, -1, below, K::Address, {"c@d"}, {"Z a@b", "Z c@d"}, "Z c@d",
     {"Z c@d"}},
    {"XCenterRawOnlyIdenticalLine", {"O XCENTER 5.00", "O XCENTER 7.00", "O YCENTER 5.00"}, -1, below, K::XCenter,
     {"7.00"}, {"O XCENTER 5.00", "O YCENTER 5.00", "O XCENTER 7.00"}, "O XCENTER 7.00",
     {"O YCENTER 5.00", "O XCENTER 7.00"}},
    {"RouteRawAnyOfPlanetAndCargo", {"R Mars CAP Earth", "R Mars CAP", "R Mars COL Earth"}, -1, below, K::SetRoute,
     {"Mars", "CAP", "Venus"}, {"R Mars COL Earth", "R Mars CAP Venus"}, "R Mars CAP Venus",
     {"R Mars CAP", "R Mars COL Earth", "R Mars CAP Venus"}},
    {"DeleteRouteNaturalOnlyDeletes", {"R Mars CAP Earth", "R Mars CAP"}, -1, below, K::SetRoute, {"Mars", "CAP", ""},
     {"R Mars CAP"}, "R Mars CAP", {"R Mars CAP Earth", "R Mars CAP"}},
    // Outside Blind Galaxy the whole group leaves its fleet; in the natural display that replaces
    // every "Break off group" line of the group that names no ships.
    {"LeaveTheFleet", {"B 6 FLEET", "B 6 Alpha", "B 6 Alpha 1", "B 7 FLEET"}, -1, below, K::BreakFleet, {"6"},
     {"B 6 Alpha", "B 6 Alpha 1", "B 7 FLEET", "B 6 FLEET"}, "B 6 FLEET", {"B 6 Alpha 1", "B 7 FLEET", "B 6 FLEET"}},
    {"BreakFromFleetBlind", {"B 6 FLEET", "B 6 Alpha", "B 6 Alpha 1", "B 7 FLEET"}, -1, below, K::BreakFleet,
     {"6", "Beta"}, {"B 6 Alpha", "B 6 Alpha 1", "B 7 FLEET", "B 6 Beta"}, "B 6 Beta",
     {"B 6 Alpha 1", "B 7 FLEET", "B 6 Beta"}, gtBlind},
    {"BreakShipsReplacesNothing", {"B 1 2", "B 1 FLEET"}, -1, below, K::BreakShips, {"1", "3"},
     {"B 1 2", "B 1 FLEET", "B 1 3"}, "B 1 3"},
    // An option replaces its lines on, off and with a turn; erasing a fleet replaces erasing a type of that name.
    {"OptionByNameInEitherPlace", {"O FORECAST 5", "O TWOCOL", "O NO FORECAST"}, -1, below, K::Option,
     {"on", "FORECAST"}, {"O TWOCOL", "O FORECAST"}, "O FORECAST"},
    {"EraseFleetOrTypeSameName", {"E Alpha", "E Cruiser"}, -1, below, K::EraseFleet, {"Cruiser"},
     {"E Alpha", "E Cruiser"}, "E Cruiser"},
    {"StatusSamePlanetAndRace", {"K Mars war Zorgons", "K Mars peace Klingons", "K Mars"}, -1, below, K::Status,
     {"Mars", "peace", "Zorgons"}, {"K Mars peace Klingons", "K Mars", "K Mars peace Zorgons"},
     "K Mars peace Zorgons"},
    {"MapAreaReplacesEveryMapArea", {"M 1 2 3", "M 4 5 6"}, -1, below, K::MapArea, {"7", "8", "9"}, {"M 7 8 9"},
     "M 7 8 9"},
    {"MessagesAreNeverReplaced", {"@", "S 1 Venus", "@"}, -1, below, K::SendGroup, {"1", "Earth"},
     {"@", "S 1 Venus", "@", "S 1 Earth"}, "S 1 Earth"},
    {"NoAmountWithoutShips", {"A Zorgons"}, 1, below, K::Load, {"CAP", "2", "", "20"}, {"A Zorgons"}, "A Zorgons", {},
     gtBlind, "If you specify \"Ammount of cargo\", you have to specify \"Number of ships\" also!"},
    {"BelowABlockAfterItsClosingLine", {"A Zorgons", "@ Klingons", "Hello", "@", "W Klingons"}, 3, below, K::Claim,
     {"Venus"}, {"A Zorgons", "@ Klingons", "Hello", "@", "V Venus", "W Klingons"}, "V Venus"},
    {"AboveALine", {"A Zorgons", "@ Klingons", "Hello", "@", "W Klingons"}, 5, above, K::Claim, {"Venus"},
     {"A Zorgons", "@ Klingons", "Hello", "@", "V Venus", "W Klingons"}, "V Venus"},
    {"AboveABlock", {"A Zorgons", "@ Klingons", "Hello", "@"}, 2, above, K::Claim, {"Venus"},
     {"A Zorgons", "V Venus", "@ Klingons", "Hello", "@"}, "V Venus"},
    {"BelowALineItSupersedesTakesItsPlace", {"S 1 Venus", "A Zorgons"}, 1, below, K::SendGroup, {"1", "Earth"},
     {"S 1 Earth", "A Zorgons"}, "S 1 Earth"},
    {"ReplaceSupersedesTheEditedLineOnly", {"S 1 Venus", "A Zorgons", "U 2"}, 1, replace, K::SendGroup,
     {"1", "Earth"}, {"S 1 Earth", "A Zorgons", "U 2"}, "S 1 Earth"},
    {"ReplaceBelowASupersededLine", {"S 1 Venus", "A Zorgons", "S 1 Earth", "U 2"}, 3, replace, K::SendGroup,
     {"1", "Mars"}, {"A Zorgons", "S 1 Mars", "U 2"}, "S 1 Mars"},
    {"ReplaceByAnotherKind", {"A Zorgons", "S 1 Mars", "U 2"}, 3, replace, K::Claim, {"Venus"},
     {"A Zorgons", "S 1 Mars", "V Venus"}, "V Venus"},
    {"ReplaceABlock", {"A Zorgons", "@ Zorgons", "one", "two", "@", "W Klingons"}, 3, replace, K::Message,
     {"Klingons", "hi"}, {"A Zorgons", "@ Klingons", "hi", "@", "W Klingons"}, "@ Klingons"},
    // No recipients make a message to all; the text's lines however they were broken.
    {"MessageToAll", {"A Zorgons"}, 1, above, K::Message, {" ", "one\ntwo\r\nthree"},
     {"@", "one", "two", "three", "@", "A Zorgons"}, "@"},
    // Load and send: the send goes below the load, and moves the part the load splits off.
    {"LoadAndSendAbove", {"A Zorgons"}, 1, above, K::LoadAndSend, {"CAP", "2 (10 Hauler at Mars)", "Venus", "4"},
     {"L 2 CAP 4", "S MAX Venus", "A Zorgons"}, "S MAX Venus"},
    {"LoadAndSendBelow", {"A Zorgons", "S 9 Mars"}, 1, below, K::LoadAndSend, {"COL", "9", "Venus", ""},
     {"A Zorgons", "L 9 COL", "S 9 Venus"}, "S 9 Venus"},
};

INSTANTIATE_TEST_SUITE_P(Rules, AddOrderTest, testing::ValuesIn(addCases),
                         [](const testing::TestParamInfo<AddCase>& info) { return info.param.name; });

// Selecting a line (the header and the end line select nothing, a line of a message block selects
// its opening line) and editing it: the command's window opens with the line's values, and its OK
// replaces the line; some lines cannot be edited.
TEST_F(MoveEditorTest, SelectingAndEditingLines)
{
    load({"L 2 CAP 4", "Q Orion", "Y", "F", "@ Zorgons", "one", "two", "@", "O NO MAP", "O FORECAST 5", "B 6 FLEET"});
    using A = CommandRequest::Action;
    const char* cannot = "You can't edit this command!";
    const char* none = "Please select a command in the 'Your Move'-section first";
    // The line clicked, the line selected, and what editing it asks for.
    const std::tuple<int, int, A, std::string, OrderKind, OrderFields> expects[] = {
        {1, 1, A::OpenCommand, "", OrderKind::Load, f({"CAP", "2", "4"})},
        {2, 2, A::ShowMessage, cannot, OrderKind::None, {}}, {3, 3, A::ShowMessage, cannot, OrderKind::None, {}},
        {4, 4, A::ShowMessage, "You can't edit this command, just use or delete it!", OrderKind::None, {}},
        {6, 5, A::OpenCommand, "", OrderKind::Message, f({"Zorgons", "one\r\ntwo"})},
        {8, 5, A::OpenCommand, "", OrderKind::Message, f({"Zorgons", "one\r\ntwo"})},
        {9, 9, A::OpenCommand, "", OrderKind::Option, f({"off", "MAP"})},
        {10, 10, A::OpenCommand, "", OrderKind::Forecast, f({"on", "5"})},
        {11, 11, A::OpenCommand, "", OrderKind::BreakCurrent, f({"6"})},
        {0, -1, A::ShowMessage, none, OrderKind::None, {}}, {12, -1, A::ShowMessage, none, OrderKind::None, {}},
    };
    for (const auto& [line, selected, action, message, kind, fields] : expects) {
        SCOPED_TRACE(line);
        editor.selectLine(line);
        EXPECT_EQ(editor.selected(), selected);
        editor.setInsertMode(InsertMode::Below);
        const CommandRequest request = editor.editSelected();
        EXPECT_EQ(request.action, action);
        EXPECT_EQ(request.message, message);
        EXPECT_EQ(request.opening.kind, kind);
        EXPECT_EQ(request.opening.start, fields);
        EXPECT_EQ(editor.insertMode(), action == A::OpenCommand ? InsertMode::Replace : InsertMode::Below);
    }

    // A message left open at the end of the move is all text.
    ASSERT_EQ(said(editor.readText("#GALAXY Lyra Orion\r\n@ Zorgons\r\nhello\r\n\r\n#END\r\n")), "");
    EXPECT_EQ(editor.lines(), (Lines{"#GALAXY Lyra Orion", "@ Zorgons", "hello", "", "#END"}));
    editor.selectLine(3);
    EXPECT_EQ(editor.editSelected().opening.start, f({"Zorgons", "hello\r\n\r\n#END"}));
}

// The Commands list of each game type and display (Blind Galaxy has no messages, single options or
// claims; the others no options window or guard posture), and what choosing an entry does: an
// order without values goes in at once, the options window or a command's window opens.
TEST_F(MoveEditorTest, CommandsListAndAddingACommand)
{
    load({});
    EXPECT_EQ(editor.addCommand(-1, InsertMode::Below).message,
              "Please select a command from the 'Commands'-list first");
    using A = CommandRequest::Action;
    // Game type, display, number of entries, an entry and what choosing it does.
    const std::tuple<std::int32_t, MoveForm, std::size_t, int, const char*, A> rows[] = {
        {gtGalaxyNG, MoveForm::Natural, 41, 23, "Quit the game", A::Done},
        {gtGalaxyNG, MoveForm::Raw, 40, 16, "L + S (Load cargo and send group to planet)", A::OpenCommand},
        {gtStandard, MoveForm::Natural, 41, 10, "Delete password", A::Done},
        {gtUnknown, MoveForm::Natural, 41, 14, "Give address of all players", A::Done},
        {gtBlind, MoveForm::Raw, 34, 20, "  (Set options)", A::OpenOptions},
        {gtBlind, MoveForm::Raw, 34, 10, "H (Adopt a defensive (guarding) posture)", A::OpenCommand},
        {gtBlind, MoveForm::Natural, 34, 31, "Toggle between full and standard reports", A::Done},
    };
    for (const auto& [gametype, form, count, index, text, action] : rows) {
        SCOPED_TRACE(text);
        game.gametype = gametype;
        editor.setCommandsForm(form);
        const Lines texts = editor.commandTexts();
        ASSERT_EQ(texts.size(), count);
        EXPECT_EQ(texts[static_cast<std::size_t>(index)], text);
        EXPECT_EQ(editor.addCommand(index, InsertMode::Below).action, action);
        const std::set<OrderKind> absent = gametype == gtBlind ? std::set{K::Message, K::Option, K::Claim}
                                                                : std::set{K::SetOptions, K::Guard};
        for (int i = 0; i < static_cast<int>(count); ++i)
            EXPECT_FALSE(absent.count(commandEntry(editor.commandsList(), editor.commandNumberAt(i))->kind)) << i;
    }
    // A command's window builds its order by the list and number it was opened with.
    game.gametype = gtGalaxyNG;
    editor.setCommandsForm(MoveForm::Natural);
    const CommandRequest send = editor.addCommand(28, InsertMode::Below);
    EXPECT_EQ(send.opening.kind, OrderKind::SendGroup);
    ASSERT_EQ(said(editor.BuildOrder(send.opening.list, send.opening.number, f({"5", "Venus"}))), "");
    const CommandRequest option = editor.addCommand(29, InsertMode::Below);
    EXPECT_EQ(option.opening.option, "AUTOUNLOAD");
    const OrderFields off = f({"off", option.opening.option});
    ASSERT_EQ(said(editor.BuildOrder(option.opening.list, option.opening.number, off)), "");
    EXPECT_EQ(orders(), (Lines{"Q Orion", "Y", "F", "F", "S 5 Venus", "O NO AUTOUNLOAD"}));
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
    {"LastDownGoesToTheTop", {"A Zorgons", "W Klingons", "V Mars"}, 3, down, {"V Mars", "A Zorgons", "W Klingons"},
     1},
    {"BlockMovesAsAWhole", {"A Zorgons", "@ Zorgons", "hi", "@", "V Mars"}, 3, up,
     {"@ Zorgons", "hi", "@", "A Zorgons", "V Mars"}, 1},
    {"LinePassesABlock", {"A Zorgons", "@", "a", "b", "@", "V Mars"}, 6, up,
     {"A Zorgons", "V Mars", "@", "a", "b", "@"}, 2},
    {"LinePassesABlockAtTheTop", {"@", "a", "@", "V Mars"}, 4, up, {"V Mars", "@", "a", "@"}, 1},
    {"LinePassesABlockDownwards", {"A Zorgons", "@", "a", "@", "V Mars"}, 1, down,
     {"@", "a", "@", "A Zorgons", "V Mars"}, 4},
    {"BlockDownPastABlock", {"@ Zorgons", "x", "@", "@", "y", "@"}, 1, down, {"@", "y", "@", "@ Zorgons", "x", "@"},
     4},
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

// What fails leaves the move as it was. A failed read names the line of the text (blank and comment
// lines counted) and the file; a line that has no raw form cannot be shown, put on the clipboard or
// saved raw.
TEST_F(MoveEditorTest, FailuresLeaveTheMoveAsItWas)
{
    test::TempDir dir;
    dir.write("bad.txt", "#GALAXY Lyra Orion\r\n\r\n; note\r\nA Zorgons\r\n= Alice\r\n#END\r\n");
    const std::string missing = "/nonexistent/orrery/move.txt";
    load({"A Zorgons", "L 2 CAP all 20"}, MoveForm::Natural);
    const Lines before = editor.lines();
    const std::string noRawForm = unrecognizedMessage("Load 20 cargo CAP onto all ships of group 2");
    const std::pair<std::function<Status()>, Failure> failures[] = {
        {[&] { return editor.readText("Hello\r\n"); }, Failure("This is no galaxy move!", "", 1)},
        {[&] { return editor.readText("#GALAXY Lyra Orion\r\n= Alice\r\n"); },
         Failure(unrecognizedMessage("= Alice"), "", 2)},
        {[&] { return editor.getFromClipboard(std::nullopt); }, Failure("Clipboard contains no plain text!")},
        {[&] { return editor.loadFile(missing); },
         Failure("Could not read " + missing + ": No such file or directory", missing)},
        {[&] { return editor.loadFile(dir.file("bad.txt")); },
         Failure(unrecognizedMessage("= Alice"), dir.file("bad.txt"), 5)},
        {[&] { return editor.setMoveForm(MoveForm::Raw); }, Failure(noRawForm, "", 3)},
        {[&] { return editor.clipboardText() ? Status() : Status(editor.clipboardText().error()); },
         Failure(noRawForm, "", 3)},
        {[&] { return editor.saveAs(dir.file("move.txt")); }, Failure(noRawForm, "", 3)},
    };
    for (const auto& [operation, failure] : failures) {
        const Status done = operation();
        ASSERT_FALSE(done) << failure.text();
        EXPECT_EQ(done.error().text(), failure.text());
        EXPECT_EQ(editor.lines(), before);
    }
    EXPECT_EQ(editor.moveForm(), MoveForm::Natural);
    EXPECT_FALSE(editor.hasFile());
    EXPECT_FALSE(fileExists(dir.file("move.txt")));
    EXPECT_EQ(editor.gameName() + " " + editor.password(), "Lyra secret");
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

TEST_F(MoveEditorTest, SavingAndLoadingFiles)
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

    // Loading a file, the newest file of the folder (not a folder), and reloading.
    const test::TempDir moves;
    moves.write("old.txt", "#GALAXY Lyra Orion\r\nA Zorgons\r\n#END\r\n");
    std::filesystem::last_write_time(moves.file("old.txt"),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    moves.write("new.mov", "#GALAXY Lyra Orion\nW Zorgons\n#END\n");
    std::filesystem::create_directory(moves.file("sub"));
    editor.setInitialDir(moves.path());
    ASSERT_EQ(said(editor.loadMostRecentFile()), "");
    EXPECT_EQ(editor.lines()[1], "Declare war on race Zorgons");
    EXPECT_EQ(editor.moveLabel(), "Your Move (new.mov):");

    ASSERT_EQ(said(editor.loadFile(moves.file("old.txt"))), "");
    EXPECT_EQ(editor.lines()[1], "Declare peace on race Zorgons");
    moves.write("old.txt", "#GALAXY Lyra Orion\r\nV Mars\r\n#END\r\n");
    ASSERT_EQ(said(editor.reload()), "");
    EXPECT_EQ(editor.lines()[1], "Claim ownership of planet Mars");

    test::TempDir empty;
    editor.setInitialDir(empty.path());
    EXPECT_EQ(said(editor.loadMostRecentFile()), "No file found.");
}

} // namespace
} // namespace orrery
