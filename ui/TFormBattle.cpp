#include "TFormBattle.h"

#include "TFormBattleResult.h"
#include "TStringGridOR.h"
#include "battlefile.h"
#include "battlesetup.h"
#include "fileio.h"
#include "gamedata.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <set>

namespace orrery {

namespace {

// "All files" as this platform writes it: "*.*" would hide every file without an extension.
const QString fileFilters = QStringLiteral("All files (*);;Text files (*.txt)");
const QString numberMessage = QStringLiteral("Please enter a number!");
const QString selectCellMessage = QStringLiteral("Please select a cell first!");
const QString simulateCaption = QStringLiteral("Simulate Battle");
const QString stopCaption = QStringLiteral("Stop Simulation");
const QString toGoText = QStringLiteral("Simulations to go: ");

const QStringList sideHeadings = {"No.",   "Ship type",  "Drive",       "Attacks",     "Weapons",   "Defence",
                                  "Cargo", "Quan.",      "Drive tech",  "Weapon tech", "Shield tech", "Cargo tech"};
const std::vector<int> sideWidths = {40, 100, 42, 54, 62, 58, 46, 50, 72, 86, 82, 76};

// Every column but "Ship type" (shifted by the "ID" column in the groups table) sorts as numbers.
std::vector<int> numericColumns(int typeColumn, int count)
{
    std::vector<int> columns;
    for (int c = 0; c < count; ++c)
        if (c != typeColumn) columns.push_back(c);
    return columns;
}

} // namespace

TFormBattle::TFormBattle(const Game& game, MessageBoxes& boxes, TFormBattleResult& result, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), game_(game), boxes_(boxes), result_(result)
{
    setObjectName(QStringLiteral("FormBattle"));
    setWindowTitle(QStringLiteral("Battle Simulator"));
    setMinimumSize(500, 581);
    resize(660, 640);
    createControls();
    createMenu();

    // The window is created with the program, before any battle: the one timer, stopped.
    TimerBattle = new QTimer(this);
    TimerBattle->setObjectName(QStringLiteral("TimerBattle"));
    TimerBattle->setInterval(10);
    connect(TimerBattle, &QTimer::timeout, this, &TFormBattle::TimerBattleTimer);

    // A result loaded from a file keeps the simulation off until its window is closed.
    // The result window is the move editor's and may outlive this window, or go first when the
    // program ends: the button is enabled only while this window is there.
    result_.onClosed = [self = QPointer<TFormBattle>(this)] {
        if (self) self->ButtonSimulate->setEnabled(true);
    };

    chooseLoadFile = [this](const QString& title) {
        return QFileDialog::getOpenFileName(this, title, QString(), fileFilters);
    };
    chooseSaveFile = [this] {
        // The overwrite question is this window's own.
        return QFileDialog::getSaveFileName(this, QString(), QString(), fileFilters, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    };
    enableControls();
}

TFormBattle::~TFormBattle() = default;

void TFormBattle::createControls()
{
    auto button = [this](const QString& name, const char* text) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    auto label = [this](const char* text) { return new QLabel(QString::fromLatin1(text), this); };

    ComboBoxRace = new QComboBox(this);
    ComboBoxRace->setObjectName(QStringLiteral("ComboBoxRace"));
    ComboBoxRace->setMinimumContentsLength(20);
    connect(ComboBoxRace, &QComboBox::activated, this, [this] { ComboBoxRaceChange(); });

    StringGridGroups = new TStringGridOR(this);
    StringGridGroups->setObjectName(QStringLiteral("StringGridGroups"));
    StringGridGroups->setColumnCount(battleGroupsColumnCount);
    StringGridGroups->setRowCount(1);
    StringGridGroups->setHeadings(QStringList{QStringLiteral("ID")} + sideHeadings);
    StringGridGroups->setRowHeights(20);
    StringGridGroups->setRowSelect(true);
    StringGridGroups->setSelectionMode(QAbstractItemView::ExtendedSelection);
    std::vector<int> groupWidths{38};
    groupWidths.insert(groupWidths.end(), sideWidths.begin(), sideWidths.end());
    StringGridGroups->setColumnWidths(groupWidths);
    StringGridGroups->SetNumericColumns(numericColumns(1 + bcType, battleGroupsColumnCount));
    StringGridGroups->SortBy(0, true);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(4);
    auto* groupsLine = new QHBoxLayout;
    groupsLine->addWidget(label("Groups:"));
    groupsLine->addWidget(ComboBoxRace);
    groupsLine->addStretch(1);
    layout->addLayout(groupsLine);
    layout->addWidget(StringGridGroups, 3);

    for (const bool aggressor : {true, false}) {
        Side& s = side(aggressor);
        const QString prefix = aggressor ? QStringLiteral("Aggressor") : QStringLiteral("Defender");
        s.label = label(aggressor ? "Aggressor:" : "Defender:");
        s.grid = new TStringGridOR(this);
        s.grid->setObjectName(QStringLiteral("StringGrid") + prefix);
        s.grid->setColumnCount(battleColumnCount);
        s.grid->setRowCount(2);
        s.grid->setHeadings(sideHeadings);
        s.grid->setRowHeights(20);
        s.grid->setColumnWidths(sideWidths);
        s.grid->SetNumericColumns(numericColumns(bcType, battleColumnCount));
        s.grid->setSelectionMode(QAbstractItemView::SingleSelection);
        s.grid->setEditable(true);
        // Checked once the edit is over, not while the grid is still closing its editor.
        connect(s.grid, &TStringGridOR::cellEdited, this,
                [this, aggressor](int column, int row) { checkCell(side(aggressor), column, row); },
                Qt::QueuedConnection);
        s.ButtonGetGroups = button(QStringLiteral("Button") + prefix + QStringLiteral("Groups"), "get from 'Groups'");
        s.ButtonGetPlanet =
            button(QStringLiteral("Button") + prefix + QStringLiteral("Planet"), "get from 'Groups at Planet'");
        s.ButtonGetDesign =
            button(QStringLiteral("Button") + prefix + QStringLiteral("GetDesign"), "get from 'Ship Design'");
        s.ButtonPutDesign = button(QStringLiteral("Button") + prefix + QStringLiteral("PutDesign"), "put to 'Ship Design'");
        s.ButtonNewEntry = button(QStringLiteral("Button") + prefix + QStringLiteral("New"), "New entry");
        s.ButtonDeleteEntry = button(QStringLiteral("Button") + prefix + QStringLiteral("Delete"), "Delete entry");
        connect(s.ButtonGetGroups, &QPushButton::clicked, this, [this, aggressor] { GetFromGroupsClick(aggressor); });
        connect(s.ButtonGetPlanet, &QPushButton::clicked, this, [this, aggressor] { GetFromPlanetClick(aggressor); });
        connect(s.ButtonGetDesign, &QPushButton::clicked, this, [this, aggressor] { GetFromDesignClick(aggressor); });
        connect(s.ButtonPutDesign, &QPushButton::clicked, this, [this, aggressor] { PutToDesignClick(aggressor); });
        connect(s.ButtonNewEntry, &QPushButton::clicked, this, [this, aggressor] { NewEntryClick(aggressor); });
        connect(s.ButtonDeleteEntry, &QPushButton::clicked, this, [this, aggressor] { DeleteEntryClick(aggressor); });

        // The longest caption gets some room at its ends; the column takes its width.
        s.ButtonGetPlanet->setMinimumWidth(s.ButtonGetPlanet->sizeHint().width() + 12);
        auto* buttons = new QVBoxLayout;
        buttons->setSpacing(2);
        for (QPushButton* b : {s.ButtonGetGroups, s.ButtonGetPlanet, s.ButtonGetDesign, s.ButtonPutDesign})
            buttons->addWidget(b);
        buttons->addSpacing(6);
        buttons->addWidget(s.ButtonNewEntry);
        buttons->addWidget(s.ButtonDeleteEntry);
        buttons->addStretch(1);
        auto* table = new QHBoxLayout;
        table->addWidget(s.grid, 1);
        table->addLayout(buttons);
        layout->addSpacing(4);
        layout->addWidget(s.label);
        layout->addLayout(table, 2);
    }

    EditSimulations = new QLineEdit(QStringLiteral("100"), this);
    EditSimulations->setObjectName(QStringLiteral("EditSimulations"));
    EditSimulations->setFixedWidth(80);
    EditSimulations->installEventFilter(this);
    connect(EditSimulations, &QLineEdit::textEdited, this, [this] { checkSimulationField(); });
    LabelToGo = new QLabel(this);
    LabelToGo->setObjectName(QStringLiteral("LabelToGo"));
    ButtonSimulate = button(QStringLiteral("ButtonSimulate"), "Simulate Battle");
    ButtonSimulate->setMinimumWidth(130);
    connect(ButtonSimulate, &QPushButton::clicked, this, &TFormBattle::ButtonSimulateClick);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(label("Number of simulations:"));
    bottom->addWidget(EditSimulations);
    bottom->addSpacing(8);
    bottom->addWidget(LabelToGo, 1);
    bottom->addWidget(ButtonSimulate);
    layout->addSpacing(4);
    layout->addLayout(bottom);
}

void TFormBattle::createMenu()
{
    auto* bar = new QMenuBar(this);
    static_cast<QVBoxLayout*>(layout())->setMenuBar(bar);
    menuBattle = bar->addMenu(QStringLiteral("Battle"));
    menuBattle->setObjectName(QStringLiteral("menuBattle"));
    auto item = [this](const char* name, const char* text, auto handler) {
        QAction* a = menuBattle->addAction(QString::fromLatin1(text));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    menuItemNew = item("menuItemNew", "New", &TFormBattle::menuItemNewClick);
    menuBattle->addSeparator();
    menuItemLoad = item("menuItemLoad", "Load ...", &TFormBattle::menuItemLoadClick);
    menuItemSaveAs = item("menuItemSaveAs", "Save As ...", &TFormBattle::menuItemSaveAsClick);
    menuBattle->addSeparator();
    menuItemLoadResult = item("menuItemLoadResult", "Load Battle Result ...", &TFormBattle::menuItemLoadResultClick);
    menuItemSaveResult = item("menuItemSaveResult", "Save Battle Result ...", &TFormBattle::menuItemSaveResultClick);
    menuBattle->addSeparator();
    menuItemQuit = item("menuItemQuit", "Quit Battle Simulator", &QWidget::close);
}

// ------------------------------------------------------------------------------------------
// The tables.

void TFormBattle::FormShow()
{
    for (TStringGridOR* grid : {StringGridGroups, Aggressor.grid, Defender.grid}) grid->clearSelection();
    ComboBoxRace->clear();
    int own = -1;
    for (const racegrouprecord& race : game_.turn.racegroups) {
        if (own < 0 && race.name == game_.ownrace) own = ComboBoxRace->count();
        ComboBoxRace->addItem(fromGame(race.name.view()));
    }
    if (ComboBoxRace->count() == 0) {
        ComboBoxRaceChange();
        return;
    }
    ComboBoxRace->setCurrentIndex(own < 0 ? 0 : own);
    ComboBoxRaceChange();
}

void TFormBattle::ComboBoxRaceChange()
{
    const int race = ComboBoxRace->currentIndex();
    const std::vector<BattleGroupsRow> rows =
        race < 0 ? std::vector<BattleGroupsRow>() : raceGroupRows(game_, static_cast<std::size_t>(race));
    StringGridGroups->clearSelection();
    StringGridGroups->editCells([&](StringGridModel& grid) {
        grid.setRowCount(static_cast<int>(rows.size()) + 1);
        for (std::size_t r = 0; r < rows.size(); ++r)
            grid.setRow(static_cast<int>(r) + 1, std::vector<std::string>(rows[r].begin(), rows[r].end()));
    });
    StringGridGroups->Resort();
}

std::vector<BattleRow> TFormBattle::sideRows(const Side& s) const
{
    const StringGridModel& grid = s.grid->gridModel();
    std::vector<BattleRow> rows(static_cast<std::size_t>(grid.rowCount() - 1));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < battleColumnCount; ++c) rows[r][c] = grid.cell(c, static_cast<int>(r) + 1);
    return rows;
}

void TFormBattle::showSide(Side& s, const std::vector<BattleRow>& rows)
{
    s.grid->editCells([&](StringGridModel& grid) {
        grid.setRowCount(static_cast<int>(rows.size()) + 1);
        for (std::size_t r = 0; r < rows.size(); ++r)
            grid.setRow(static_cast<int>(r) + 1, std::vector<std::string>(rows[r].begin(), rows[r].end()));
    });
}

BattleSetup TFormBattle::setup() const { return {sideRows(Aggressor), sideRows(Defender)}; }

void TFormBattle::GetFromGroupsClick(bool aggressor)
{
    std::set<int> selected;
    for (const QModelIndex& index : StringGridGroups->selectionModel()->selectedIndexes())
        selected.insert(TStringGridOR::gridRow(index.row()));
    if (selected.empty()) {
        boxes_.error(this, QStringLiteral("You have to select at least one group first!"));
        return;
    }
    const StringGridModel& groups = StringGridGroups->gridModel();
    std::vector<BattleRow> rows;
    for (const int r : selected) {
        BattleGroupsRow row;
        for (int c = 0; c < battleGroupsColumnCount; ++c) row[c] = groups.cell(c, r);
        rows.push_back(withoutId(row));
    }
    Side& s = side(aggressor);
    std::vector<BattleRow> table = sideRows(s);
    addToSide(table, rows);
    showSide(s, table);
}

void TFormBattle::GetFromPlanetClick(bool aggressor)
{
    const auto [x, y] = panelPosition ? panelPosition() : std::pair<QString, QString>();
    const auto position = panelPlanetPosition(toGame(x), toGame(y));
    if (!position) {
        boxes_.error(this, QStringLiteral("No planet selected!"));
        return;
    }
    Side& s = side(aggressor);
    std::vector<BattleRow> table = sideRows(s);
    addToSide(table, groupsAtPlanetRows(game_, position->first, position->second));
    showSide(s, table);
}

void TFormBattle::GetFromDesignClick(bool aggressor)
{
    const std::optional<DesignerFields> design = takeFromDesigner ? takeFromDesigner() : std::nullopt;
    if (!design) return;
    Side& s = side(aggressor);
    std::vector<BattleRow> table = sideRows(s);
    addToSide(table, {designerRow(*design)});
    showSide(s, table);
}

void TFormBattle::PutToDesignClick(bool aggressor)
{
    Side& s = side(aggressor);
    const int row = s.grid->selectedRow();
    if (row < 1) {
        boxes_.error(this, selectCellMessage);
        return;
    }
    if (putToDesigner) putToDesigner(designerFieldsOf(sideRows(s)[static_cast<std::size_t>(row - 1)]));
}

void TFormBattle::NewEntryClick(bool aggressor)
{
    Side& s = side(aggressor);
    std::vector<BattleRow> table = sideRows(s);
    table.emplace_back();
    showSide(s, table);
}

void TFormBattle::DeleteEntryClick(bool aggressor)
{
    Side& s = side(aggressor);
    const int row = s.grid->selectedRow();
    if (row < 1) {
        boxes_.error(this, selectCellMessage);
        return;
    }
    std::vector<BattleRow> table = sideRows(s);
    deleteSideRow(table, static_cast<std::size_t>(row - 1));
    showSide(s, table);
}

void TFormBattle::checkCell(Side& s, int column, int row)
{
    if (row < 1 || row >= s.grid->rowCount() || battleCellAccepted(column, s.grid->gridModel().cell(column, row))) return;
    boxes_.error(this, numberMessage);
    s.grid->setCell(column, row, QString());
    s.grid->setCurrentIndex(s.grid->model()->index(TStringGridOR::viewRow(row), column));
    s.grid->setFocus();
}

// ------------------------------------------------------------------------------------------
// Simulation.

bool TFormBattle::running() const { return TimerBattle->isActive(); }

bool TFormBattle::checkSimulationField()
{
    if (simulationFieldAccepted(toGame(EditSimulations->text()))) return true;
    boxes_.error(this, numberMessage);
    EditSimulations->setFocus();
    return false;
}

void TFormBattle::ButtonSimulateClick()
{
    if (running()) {
        finish();
        return;
    }
    const Result<int> count = simulationCount(toGame(EditSimulations->text()));
    if (!count) {
        boxes_.error(this, fromGame(count.error().message));
        return;
    }
    if (const Status fits = checkBattleSize(setup()); !fits) {
        boxes_.error(this, fromGame(fits.error().message));
        return;
    }
    run_.start(*count);
    TimerBattle->start();
    LabelToGo->setText(toGoText + EditSimulations->text());
    ButtonSimulate->setText(stopCaption);
    enableControls();
}

void TFormBattle::TimerBattleTimer()
{
    // The tables are read for every battle, as they stand (the menu can change them during a run).
    if (!run_.fightNext(setup(), random_)) {
        finish();
        return;
    }
    LabelToGo->setText(toGoText + QString::number(run_.requested() - run_.started()));
}

void TFormBattle::finish()
{
    LabelToGo->clear();
    TimerBattle->stop();
    resultText_ = run_.resultText();
    result_.showResult(fromGame(resultText_), QStringLiteral("Battle result"));
    ButtonSimulate->setText(simulateCaption);
    enableControls();
}

void TFormBattle::enableControls()
{
    const bool idle = !running();
    QWidget* controls[] = {ComboBoxRace, StringGridGroups};
    for (QWidget* w : controls) w->setEnabled(idle);
    for (Side* s : {&Aggressor, &Defender}) {
        for (QWidget* w : std::initializer_list<QWidget*>{s->grid, s->ButtonGetGroups, s->ButtonGetPlanet,
                                                          s->ButtonNewEntry, s->ButtonDeleteEntry})
            w->setEnabled(idle);
        s->ButtonGetDesign->setEnabled(idle && takeFromDesigner);
        s->ButtonPutDesign->setEnabled(idle && putToDesigner);
    }
}

// ------------------------------------------------------------------------------------------
// Files.

void TFormBattle::report(const Failure& failure) { boxes_.error(this, fromGame(failure.message)); }

QString TFormBattle::chooseSaveName()
{
    const QString name = chooseSaveFile ? chooseSaveFile() : QString();
    if (name.isEmpty()) return {};
    if (fileExists(name.toStdString()) &&
        !boxes_.warningQuestion(this, QStringLiteral("File exists already!\r\nDo you want to overwrite?")))
        return {};
    return name;
}

void TFormBattle::menuItemNewClick()
{
    resultText_.clear();
    showSide(Aggressor, emptySideTable());
    showSide(Defender, emptySideTable());
}

void TFormBattle::menuItemLoadClick()
{
    const QString name = chooseLoadFile ? chooseLoadFile(QStringLiteral("Select battle data file")) : QString();
    if (name.isEmpty()) return;
    menuItemNewClick();
    const Result<BattleSetup> loaded = loadBattleFile(name.toStdString());
    if (!loaded) {
        report(loaded.error());
        return;
    }
    showSide(Aggressor, sideTable(loaded->aggressor));
    showSide(Defender, sideTable(loaded->defender));
}

void TFormBattle::menuItemSaveAsClick()
{
    const QString name = chooseSaveName();
    if (name.isEmpty()) return;
    if (const Status saved = saveBattleFile(name.toStdString(), setup()); !saved) report(saved.error());
}

void TFormBattle::menuItemLoadResultClick()
{
    const QString name = chooseLoadFile ? chooseLoadFile(QStringLiteral("Select battle data file")) : QString();
    if (name.isEmpty()) return;
    const Result<std::string> loaded = loadBattleResult(name.toStdString());
    if (!loaded) {
        report(loaded.error());
        return;
    }
    resultText_ = *loaded;
    // Without a caption of its own the result window shows "Battle result" and keeps the
    // simulation off until it is closed.
    ButtonSimulate->setEnabled(false);
    result_.showResult(fromGame(resultText_), QString());
}

void TFormBattle::menuItemSaveResultClick()
{
    if (resultText_.empty()) {
        boxes_.error(this, QStringLiteral("Simulate the battle first!"));
        return;
    }
    const QString name = chooseSaveName();
    if (name.isEmpty()) return;
    if (const Status saved = saveBattleResult(name.toStdString(), resultText_); !saved) report(saved.error());
}

// ------------------------------------------------------------------------------------------
// Window.

void TFormBattle::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    if (!centred_) {
        centred_ = true;
        if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    }
    FormShow();
    enableControls();
    if (onShownChanged) onShownChanged(true);
}

void TFormBattle::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (!event->isAccepted()) return;
    // A run does not go on behind a closed window; it ends without a result.
    if (running()) {
        TimerBattle->stop();
        LabelToGo->clear();
        ButtonSimulate->setText(simulateCaption);
        enableControls();
    }
    if (onShownChanged) onShownChanged(false);
}

bool TFormBattle::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving the number field checks it; a message box or menu taking the focus does not count.
    if (watched == EditSimulations && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) checkSimulationField();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orrery
