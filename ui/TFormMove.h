#pragma once

// TFormMove: the move editor. The move itself, its selection, the orders and their ETAs, reading
// and writing belong to the MoveEditor model; this window shows the move, passes every command of
// its buttons and menu to the model, opens the command windows (which build their orders through
// the model) and reports what the model answers.
//
// The header fields start from the configuration's values and every change is written back to
// it, as is the folder of the last move read or written.

#include "messages.h"
#include "moveeditor.h"

#include <QWidget>

#include <functional>
#include <map>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;

namespace orrery {

struct Configuration;
struct Game;
class TFormBattleResult;
class TFormMoveCommand;
class TFormSelectFromList;
class TFormShowOptions;

class TFormMove : public QWidget {
    Q_OBJECT
public:
    TFormMove(const Game& game, Configuration& settings, MessageBoxes& boxes, QWidget* parent = nullptr);
    ~TFormMove() override;

    MoveEditor& editor() { return editor_; }
    const MoveEditor& editor() const { return editor_; }

    // Opens the window of a command of a list (the context menus) with start values; orders
    // without values are added at once.
    void openCommand(CommandList list, int number, const OrderFields& start = {});
    // The command window that enters orders of an id (nullptr for None and ShowOptions).
    TFormMoveCommand* commandWindow(CommandWindowId id) const;
    TFormShowOptions& optionsWindow() const { return *FormShowOptions; }
    TFormBattleResult& resultWindow() const { return *FormBattleResult; }
    TFormSelectFromList& selectFromList() const { return *FormSelectFromList; }

    // The header fields and the folder from the configuration (where they differ from the
    // editor's), and the commands list for the game type. Empty game and race names are taken
    // from the shown turn's report.
    void refreshFromSettings();
    // The lists shown again from the model.
    void showMove();
    QStringList moveLines() const;
    QStringList commandLines() const;

    // File choosers (file dialogs unless replaced): the folder to start in; empty: cancelled.
    std::function<QString(const QString& folder)> chooseLoadFile;
    std::function<QString(const QString& folder)> chooseSaveFile;
    // Runs when the window is shown (true) or closed (false): the main window's move button.
    std::function<void(bool shown)> onShownChanged;

    // Handlers.
    void ButtonAboveClick();
    void ButtonBelowClick();
    void ButtonEditClick();
    void ButtonUpClick();
    void ButtonDownClick();
    void ButtonDeleteClick();
    void ListBoxMoveClick(int row);
    void RadioGroupMoveClick();
    void RadioGroupCommandsClick();
    void EditGameNameChange();
    void EditRaceNameChange();
    void EditPasswordChange();
    void menuItemNewClick();
    void menuItemRecalculateClick();
    void menuItemAutoEtasClick();
    void menuItemGetClipboardClick();
    void menuItemPutClipboardClick();
    void menuItemLoadClick();
    void menuItemLoadRecentClick();
    void menuItemReloadClick();
    void menuItemCheckClick();
    void menuItemSaveClick();
    void menuItemSaveAsClick();

    QListWidget* ListBoxCommands = nullptr;
    QRadioButton* RadioButtonCommandsNatural = nullptr;
    QRadioButton* RadioButtonCommandsRaw = nullptr;
    QRadioButton* RadioButtonMoveNatural = nullptr;
    QRadioButton* RadioButtonMoveRaw = nullptr;
    QLineEdit* EditGameName = nullptr;
    QLineEdit* EditRaceName = nullptr;
    QLineEdit* EditPassword = nullptr;
    QPushButton* ButtonAbove = nullptr;
    QPushButton* ButtonBelow = nullptr;
    QPushButton* ButtonEdit = nullptr;
    QPushButton* ButtonUp = nullptr;
    QPushButton* ButtonDown = nullptr;
    QPushButton* ButtonDelete = nullptr;
    QLabel* LabelMove = nullptr;
    QListWidget* ListBoxMove = nullptr;

    QMenu* menuMove = nullptr;
    QAction* menuItemNew = nullptr;
    // The group area tools; disabled until they exist.
    QAction* menuItemDevelop = nullptr;
    QAction* menuItemInterceptPlanet = nullptr;
    QAction* menuItemScanArea = nullptr;
    QAction* menuItemSendAll = nullptr;
    QAction* menuItemRecalculate = nullptr;
    QAction* menuItemAutoEtas = nullptr;
    QAction* menuItemGetClipboard = nullptr;
    QAction* menuItemPutClipboard = nullptr;
    QAction* menuItemLoad = nullptr;
    QAction* menuItemLoadRecent = nullptr;
    QAction* menuItemReload = nullptr;
    QAction* menuItemCheck = nullptr;
    QAction* menuItemSave = nullptr;
    QAction* menuItemSaveAs = nullptr;
    QAction* menuItemQuit = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createMenu();
    void fillCommands();
    // editing: the request opens the window for the selected line.
    void handle(const CommandRequest& request, bool editing);
    void openWindow(const CommandOpening& opening, bool editing);
    void addCommand(InsertMode mode);
    // After a read: the failure, or the fields, folder and file items of the move read.
    void afterRead(const Status& read);
    void showFields();
    void fileItems();
    void report(const Status& status);

    void fillEmptyNamesFromReport();

    const Game& game_;
    Configuration& settings_;
    MessageBoxes& boxes_;
    MoveEditor editor_;
    std::map<CommandWindowId, TFormMoveCommand*> commandWindows_;
    TFormShowOptions* FormShowOptions = nullptr;
    TFormBattleResult* FormBattleResult = nullptr;
    TFormSelectFromList* FormSelectFromList = nullptr;
};

} // namespace orrery
