#pragma once

// TFormBattle: the battle simulator. The player lines up two sides of ship groups, "Aggressor:"
// and "Defender:", taken from the groups of any race of the shown turn, from the groups at the
// planet of the main window's planet panel, from the ship designer or typed in, and fights the
// battle many times: a timer fights one whole battle per tick, so a run can be stopped between
// two battles. The result goes to the program's one result window.
//
// The window owns the program's one random source of battles. It starts at the first seed when
// the window is created (with the program) and is never reseeded, so the same setup right after
// a program start gives the same result every time, as `orrery-cli battle` does.
//
// What the tables hold and how rows are taken over is in battlesetup.h; the battles in battle.h;
// the files in battlefile.h. This window moves texts between those and its controls.

#include "battle.h"
#include "messages.h"
#include "shipdesign.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <utility>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace orrery {

struct Game;
class TFormBattleResult;
class TStringGridOR;

class TFormBattle : public QWidget {
    Q_OBJECT
public:
    // result: the program's result window, shared with the move checker.
    TFormBattle(const Game& game, MessageBoxes& boxes, TFormBattleResult& result, QWidget* parent = nullptr);
    ~TFormBattle() override;

    // The ship designer's fields, and handing a design to it (showing it). The buttons that use
    // them stay disabled while they are unset.
    std::function<std::optional<DesignerFields>()> takeFromDesigner;
    std::function<void(const DesignerFields&)> putToDesigner;
    // The texts of the planet panel's "X: " and "Y: " labels.
    std::function<std::pair<QString, QString>()> panelPosition;
    // File choosers (file dialogs unless replaced); empty: cancelled.
    std::function<QString(const QString& title)> chooseLoadFile;
    std::function<QString()> chooseSaveFile;
    // Runs when the window is shown (true) or closed (false): the main window's battle button.
    std::function<void(bool shown)> onShownChanged;

    // The show sequence: selections cleared, races listed with the own race chosen, its groups
    // shown. Runs when the window is shown and after a change of turn while it is open.
    void FormShow();

    // The tables' rows (data rows only).
    BattleSetup setup() const;
    const std::string& resultText() const { return resultText_; }
    bool running() const;

    // One side's table and buttons.
    struct Side {
        QLabel* label = nullptr;
        TStringGridOR* grid = nullptr;
        QPushButton* ButtonGetGroups = nullptr;
        QPushButton* ButtonGetPlanet = nullptr;
        QPushButton* ButtonGetDesign = nullptr;
        QPushButton* ButtonPutDesign = nullptr;
        QPushButton* ButtonNewEntry = nullptr;
        QPushButton* ButtonDeleteEntry = nullptr;
    };

    // Handlers.
    void ComboBoxRaceChange();
    void GetFromGroupsClick(bool aggressor);
    void GetFromPlanetClick(bool aggressor);
    void GetFromDesignClick(bool aggressor);
    void PutToDesignClick(bool aggressor);
    void NewEntryClick(bool aggressor);
    void DeleteEntryClick(bool aggressor);
    void ButtonSimulateClick();
    void TimerBattleTimer();
    void menuItemNewClick();
    void menuItemLoadClick();
    void menuItemSaveAsClick();
    void menuItemLoadResultClick();
    void menuItemSaveResultClick();

    QComboBox* ComboBoxRace = nullptr;
    TStringGridOR* StringGridGroups = nullptr;
    Side Aggressor;
    Side Defender;
    QLineEdit* EditSimulations = nullptr;
    QLabel* LabelToGo = nullptr;
    QPushButton* ButtonSimulate = nullptr;
    QTimer* TimerBattle = nullptr;

    QMenu* menuBattle = nullptr;
    QAction* menuItemNew = nullptr;
    QAction* menuItemLoad = nullptr;
    QAction* menuItemSaveAs = nullptr;
    QAction* menuItemLoadResult = nullptr;
    QAction* menuItemSaveResult = nullptr;
    QAction* menuItemQuit = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenu();
    Side& side(bool aggressor) { return aggressor ? Aggressor : Defender; }
    std::vector<BattleRow> sideRows(const Side& s) const;
    void showSide(Side& s, const std::vector<BattleRow>& rows);
    // The edited cell checked once the player left it.
    void checkCell(Side& s, int column, int row);
    // The number field checked as typed and when left.
    bool checkSimulationField();
    void enableControls();
    void finish();
    // The file name to save to: chosen, and an existing file only with the player's yes.
    QString chooseSaveName();
    // A failure of a file reported in an error box.
    void report(const Failure& failure);

    const Game& game_;
    MessageBoxes& boxes_;
    TFormBattleResult& result_;
    BattleRandom random_;
    BattleSimulation run_;
    std::string resultText_;
    bool centred_ = false;
};

} // namespace orrery
