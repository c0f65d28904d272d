#pragma once

// The move editor's model: the move (a list of lines in the displayed form), its selected line
// and insertion mode, the header fields, the commands list, adding, editing, deleting and moving
// orders, the ETAs, reading and writing files and clipboard text, and the move check. The editor
// window and the command windows only call it and show what it answers; every operation that can
// fail returns a Status whose message is the one to show, and leaves the move as it was.

#include "commands.h"
#include "orderformat.h"
#include "orderforms.h"
#include "result.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

struct Game;
struct optiontype;

// Where the next order goes: above or below the selected line, or in place of it (editing).
enum class InsertMode : std::uint8_t { Above, Below, Replace };

// Messages of the editor.
inline constexpr std::string_view msgSelectCommand = "Please select a command from the 'Commands'-list first";
inline constexpr std::string_view msgSelectLineToEdit = "Please select a command in the 'Your Move'-section first";
inline constexpr std::string_view msgCannotEdit = "You can't edit this command!";
inline constexpr std::string_view msgCannotEditToggle = "You can't edit this command, just use or delete it!";
inline constexpr std::string_view msgSelectLine = "You have to select a line in the 'Your Move' section first!";
inline constexpr std::string_view msgClearQuestion = "Are you sure you want to clear this formular?";
inline constexpr std::string_view msgReloadQuestion = "Really want to discard your edits and reload the move?";
inline constexpr std::string_view msgNoFileFound = "No file found.";
inline constexpr std::string_view msgNoPlainText = "Clipboard contains no plain text!";
std::string fileExistsQuestion();
std::string saveAsNamesMessage();

// What the editor window does after "above curr. line" / "below curr. line" or "Edit command".
struct CommandRequest {
    enum class Action : std::uint8_t {
        ShowMessage,  // show message
        Done,         // an order without values was added
        OpenOptions,  // open the game options window for editing
        OpenCommand,  // open the command window of the opening
    };
    Action action = Action::ShowMessage;
    std::string message;
    CommandOpening opening;
};

class MoveEditor {
public:
    // The editor reads the turn of this game (own race, groups, planets) whenever it needs it.
    explicit MoveEditor(const Game& game);

    // The move.
    const std::vector<std::string>& lines() const { return lines_; }
    MoveForm moveForm() const { return moveForm_; }
    // The move in raw form (converted when the natural form is shown). Lines that cannot be
    // written in raw form make it fail with the unrecognised-command message.
    Result<std::vector<std::string>> rawLines() const;
    // Index of the end line, or the number of lines when the move has none.
    std::size_t endIndex() const;

    // Selection and insertion mode.
    int selected() const { return selected_; }
    // A click on a line: the header and the end line clear the selection, a line inside a
    // message block selects the block's opening line.
    void selectLine(int index);
    InsertMode insertMode() const { return mode_; }
    void setInsertMode(InsertMode mode) { mode_ = mode; }

    // Header fields; every change rewrites line 0.
    const std::string& gameName() const { return gameName_; }
    const std::string& raceName() const { return raceName_; }
    const std::string& password() const { return password_; }
    void setGameName(std::string_view name);
    void setRaceName(std::string_view name);
    void setPassword(std::string_view password);

    // A new move: header and end line only, no file.
    void newMove();

    // Display of the move and of the commands list.
    Status setMoveForm(MoveForm form);
    MoveForm commandsForm() const { return commandsForm_; }
    void setCommandsForm(MoveForm form) { commandsForm_ = form; }
    CommandList commandsList() const { return listFor(commandsForm_); }
    // The entries of the Commands list for the game type and display, in display order.
    std::vector<std::string> commandTexts() const;
    // The command number of an entry of the Commands list, or -1.
    int commandNumberAt(int displayIndex) const;

    // "above curr. line" / "below curr. line" with the Commands list entry displayIndex (-1: none).
    CommandRequest addCommand(int displayIndex, InsertMode mode);
    // "Edit command": the selected line's command and values; OK of the window then replaces it.
    CommandRequest editSelected();

    // Builds the order of a command (by its number in a command list) from the fields of its
    // form, removes the orders it supersedes, inserts it and recalculates the ETAs from it on.
    // Fails when the order cannot be built; fields left empty build nothing.
    Status BuildOrder(CommandList list, int number, const OrderFields& fields);
    // The same for a command given by its kind (the command windows know the kind).
    Status buildOrderOfKind(OrderKind kind, const OrderFields& fields);
    // Inserts a finished line (or, for "@" / "Message" lines, nothing special) per the insertion
    // mode; it becomes the selected line. Supersedes nothing.
    void InsertOrderLine(std::string_view text);
    // Turns the options edited in the game options window into option lines: one for every
    // option whose value differs from the shown turn's options.
    void insertOptionLines(const optiontype& edited);

    // Deleting and moving the selected line (a message block moves and goes as a whole).
    Status deleteSelected();
    Status moveSelectedUp();
    Status moveSelectedDown();

    // ETAs.
    bool autoEtas() const { return autoEtas_; }
    // Switching it on recalculates from line 1; switching it off only clears the flag.
    void setAutoEtas(bool on);
    void RecalculateEtas(std::size_t first = 1);
    std::string OrderEta(std::size_t index) const;

    // Reading a move. On failure the move stays as it was and the message is returned.
    Status readText(std::string_view text);
    Status getFromClipboard(const std::optional<std::string>& plainText);
    Status loadFile(const std::string& path);
    Status loadMostRecentFile();
    Status reload();

    // Writing: the file is written in raw form with CR LF line ends, safely (temporary file and
    // rename); the display stays as it is.
    Status save();
    // Save under a new name (the overwrite question is the window's). The name becomes the
    // current file name when the move was written.
    Status saveAs(const std::string& path);
    // The clipboard text of the move.
    Result<std::string> clipboardText();

    // Checks the move against the shown turn: the checker's text, empty when it found nothing.
    std::string checkCurrentMove();

    // Files.
    const std::string& fileName() const { return fileName_; }
    bool hasFile() const { return !fileName_.empty(); }
    // "Your Move:" or "Your Move (" + file name without folder + "):".
    std::string moveLabel() const;
    const std::string& initialDir() const { return initialDir_; }
    void setInitialDir(std::string_view dir) { initialDir_ = dir; }

private:
    OrderContext context() const;
    void rewriteHeader();
    bool isOrderLine(int index) const;
    // First and last line of the unit at index: a message block or a single line.
    std::pair<std::size_t, std::size_t> unitAt(std::size_t index) const;
    Status addOrder(const Order& order, bool windowWording = true);
    void addMessage(std::string_view recipients, std::string_view text);
    // Deletes the lines that the order supersedes; returns their indices in ascending order.
    std::vector<std::size_t> removeSupersededOrders(const Order& order);
    void insertLines(const std::vector<std::string>& block, const Order* superseding);
    void recalculateIfAuto(std::size_t first);
    Status readInto(std::string_view text);

    const Game& game_;
    std::vector<std::string> lines_;
    int selected_ = -1;
    InsertMode mode_ = InsertMode::Below;
    MoveForm moveForm_ = MoveForm::Natural;
    MoveForm commandsForm_ = MoveForm::Natural;
    bool autoEtas_ = true;
    std::string gameName_;
    std::string raceName_;
    std::string password_;
    std::string fileName_;
    std::string initialDir_;
};

// Whether adding order replaces the earlier line old (both in the displayed form).
bool supersedes(const Order& added, const Order& old, MoveForm form);

} // namespace orrery
