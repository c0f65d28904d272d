#include "TFormMoveTransporter.h"

#include "TFormMoveCommand.h"
#include "TFormSelectFromList.h"
#include "TStringGridOR.h"
#include "messages.h"
#include "moveeditor.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <set>

namespace orrery {

namespace {

// A table that holds one blank row when empty.
void emptyTable(TStringGridOR* grid)
{
    grid->setRowCount(2);
    for (int c = 0; c < grid->columnCount(); ++c) grid->setCell(c, 1, QString());
}

// The grid row a new row goes to: the blank row of an empty table, else a new last row.
int freeRow(TStringGridOR* grid)
{
    if (grid->rowCount() == 2 && grid->Cells(0, 1).isEmpty()) return 1;
    grid->setRowCount(grid->rowCount() + 1);
    return grid->rowCount() - 1;
}

void setRow(TStringGridOR* grid, int row, const std::vector<std::string>& cells)
{
    for (std::size_t c = 0; c < cells.size(); ++c) grid->setGameCell(static_cast<int>(c), row, cells[c]);
}

std::vector<std::string> rowOf(const TStringGridOR* grid, int row)
{
    std::vector<std::string> cells;
    for (int c = 0; c < grid->columnCount(); ++c) cells.push_back(toGame(grid->Cells(c, row)));
    return cells;
}

TStringGridOR* table(QWidget* parent, const char* name, const QStringList& headings, std::initializer_list<int> numeric)
{
    auto* grid = new TStringGridOR(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setColumnCount(static_cast<int>(headings.size()));
    grid->setRowHeights(18);
    grid->setRowSelect(true);
    grid->setHeadings(headings);
    grid->SetNumericColumns(numeric);
    return grid;
}

} // namespace

TFormMoveTransporter::TFormMoveTransporter(const Game& game, MoveEditor& editor, MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), game_(game), editor_(editor), boxes_(boxes)
{
    setObjectName(QStringLiteral("FormMoveTransporter"));
    setWindowTitle(QStringLiteral("Develop planets"));
    GridTransporters = table(this, "GridTransporters",
                             {"ID", "Type", "At planet", "Cargo type", "Cargo ammount", "Max. cargo", "Min. speed", "Speed"},
                             {0, 4, 5, 6, 7});
    GridTransporters->setSelectionMode(QAbstractItemView::ExtendedSelection);
    GridPlanets = table(this, "GridPlanets",
                        {"Name", "Size", "Population", "Industrie", "Resources", "Producing", "CAP", "COL", "MAT",
                         "max./cur. mass"},
                        {1, 2, 3, 4, 6, 7, 8});
    GridPlanets->setSelectionMode(QAbstractItemView::SingleSelection);
    GridTransporters->setColumnWidths({45, 140, 100, 75, 105, 80, 80, 70});
    GridPlanets->setColumnWidths({100, 65, 80, 70, 75, 75, 65, 65, 70, 130});

    ButtonCargo = namedButton(this, "ButtonCargo", "Use only transporters with a cargo value greater than:");
    EditCargo = new QLineEdit(QStringLiteral("1"), this);
    EditCargo->setObjectName(QStringLiteral("EditCargo"));
    EditCargo->setMaximumWidth(60);
    EditTurns = new QLineEdit(QStringLiteral("2"), this);
    EditTurns->setObjectName(QStringLiteral("EditTurns"));
    EditTurns->setMaximumWidth(60);
    EditTurns->setMaxLength(3); // the planner looks at most 100 turns ahead
    EditResult = new QLineEdit(this);
    EditResult->setObjectName(QStringLiteral("EditResult"));
    EditResult->setReadOnly(true);
    EditResult->setMaximumWidth(90);
    ButtonTransAdd = namedButton(this, "ButtonTransAdd", "Add");
    ButtonTransDelete = namedButton(this, "ButtonTransDelete", "Delete");
    ButtonPlanetAdd = namedButton(this, "ButtonPlanetAdd", "Add");
    ButtonPlanetDelete = namedButton(this, "ButtonPlanetDelete", "Delete");
    ButtonPlus = namedButton(this, "ButtonPlus", "+");
    ButtonMinus = namedButton(this, "ButtonMinus", "-");
    ButtonCalculate = namedButton(this, "ButtonCalculate", "Calculate");
    ButtonOK = namedButton(this, "ButtonOK", "OK");
    ButtonCancel = namedButton(this, "ButtonCancel", "Cancel");
    Chooser = new TFormSelectFromList(this);
    Chooser->hide();

    auto* transporters = new QGroupBox(QStringLiteral("Transporters"), this);
    auto* tLayout = new QGridLayout(transporters);
    auto* cargoRow = new QHBoxLayout;
    cargoRow->addWidget(ButtonCargo);
    cargoRow->addWidget(EditCargo);
    cargoRow->addStretch(1);
    tLayout->addLayout(cargoRow, 0, 0, 1, 2);
    tLayout->addWidget(GridTransporters, 1, 0);
    auto* tButtons = new QVBoxLayout;
    tButtons->addWidget(ButtonTransAdd);
    tButtons->addWidget(ButtonTransDelete);
    tButtons->addStretch(1);
    tLayout->addLayout(tButtons, 1, 1);

    auto* planets = new QGroupBox(QStringLiteral("Planets to develop (in order of priority)"), this);
    auto* pLayout = new QGridLayout(planets);
    pLayout->addWidget(GridPlanets, 0, 0);
    auto* pButtons = new QVBoxLayout;
    for (QPushButton* b : {ButtonPlanetAdd, ButtonPlanetDelete, ButtonPlus, ButtonMinus}) pButtons->addWidget(b);
    pButtons->addStretch(1);
    pLayout->addLayout(pButtons, 0, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("max. number of turns:"), this));
    bottom->addWidget(EditTurns);
    bottom->addSpacing(16);
    bottom->addWidget(ButtonCalculate);
    bottom->addWidget(new QLabel(QStringLiteral("Result:"), this));
    bottom->addWidget(EditResult);
    bottom->addStretch(1);
    bottom->addWidget(ButtonOK);
    bottom->addWidget(ButtonCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(transporters, 1);
    layout->addWidget(planets, 1);
    layout->addLayout(bottom);
    resize(930, 580);

    connect(ButtonCargo, &QPushButton::clicked, this, &TFormMoveTransporter::ButtonCargoClick);
    connect(ButtonTransAdd, &QPushButton::clicked, this, &TFormMoveTransporter::ButtonTransAddClick);
    connect(ButtonTransDelete, &QPushButton::clicked, this, &TFormMoveTransporter::ButtonTransDeleteClick);
    connect(ButtonPlanetAdd, &QPushButton::clicked, this, &TFormMoveTransporter::ButtonPlanetAddClick);
    connect(ButtonPlanetDelete, &QPushButton::clicked, this, &TFormMoveTransporter::ButtonPlanetDeleteClick);
    connect(ButtonPlus, &QPushButton::clicked, this, &TFormMoveTransporter::ButtonPlusClick);
    connect(ButtonMinus, &QPushButton::clicked, this, &TFormMoveTransporter::ButtonMinusClick);
    connect(ButtonCalculate, &QPushButton::clicked, this, [this] { ButtonCalculateClick(); });
    connect(ButtonOK, &QPushButton::clicked, this, &TFormMoveTransporter::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(GridPlanets, &TStringGridOR::cellClicked, this, [this](int, int row) {
        const std::string name = toGame(GridPlanets->Cells(0, row));
        if (!name.empty() && onPlanetClicked) onPlanetClicked(name);
    });
}

void TFormMoveTransporter::FormShow()
{
    EditCargo->setText(QStringLiteral("1"));
    EditResult->clear();
    emptyTable(GridTransporters);
    emptyTable(GridPlanets);
    fillTransporters(1.0);
    for (const planetrecord* p : planetsToDevelop(game_)) addPlanetRow(*p);
    GridPlanets->SortBy(-1, true); // the order is the priority
}

void TFormMoveTransporter::fillTransporters(double cargoAbove)
{
    emptyTable(GridTransporters);
    for (const grouprecord* g : transporterGroups(game_, cargoAbove)) addTransporterRow(*g);
    GridTransporters->SortBy(0, true);
}

void TFormMoveTransporter::addTransporterRow(const grouprecord& group)
{
    setRow(GridTransporters, freeRow(GridTransporters), transporterRow(game_, group));
}

void TFormMoveTransporter::addPlanetRow(const planetrecord& planet)
{
    setRow(GridPlanets, freeRow(GridPlanets), developRow(planet));
}

std::vector<double> TFormMoveTransporter::listedGroups() const
{
    std::vector<double> out;
    for (int r = 1; r < GridTransporters->rowCount(); ++r)
        if (!GridTransporters->Cells(0, r).isEmpty()) out.push_back(GridTransporters->Cells(0, r).toDouble());
    return out;
}

std::vector<std::string> TFormMoveTransporter::listedPlanets() const
{
    std::vector<std::string> out;
    for (int r = 1; r < GridPlanets->rowCount(); ++r)
        if (!GridPlanets->Cells(0, r).isEmpty()) out.push_back(toGame(GridPlanets->Cells(0, r)));
    return out;
}

void TFormMoveTransporter::ButtonCargoClick()
{
    const Result<double> value = parseCargoValue(toGame(EditCargo->text()));
    if (!value) {
        boxes_.error(this, fromGame(value.error().text()));
        return;
    }
    fillTransporters(*value);
}

void TFormMoveTransporter::ButtonTransAddClick()
{
    const std::vector<std::string> lines = transporterChoices(game_, listedGroups());
    if (lines.empty()) {
        boxes_.information(this, fromGame(msgAllTransportersListed));
        return;
    }
    Chooser->open(
        QStringLiteral("Select transporter group(s):"), true, false,
        [&lines](QStringList& entries) {
            for (const std::string& line : lines) entries << fromGame(line);
            return true;
        },
        [this](const QString& entry) {
            const double number = choiceGroupNumber(toGame(entry));
            if (const racegrouprecord* own = ownGroups(game_))
                for (const grouprecord& g : own->groups)
                    if (std::trunc(g.groupnumber) == number) {
                        addTransporterRow(g);
                        GridTransporters->Resort();
                        break;
                    }
        });
}

void TFormMoveTransporter::ButtonPlanetAddClick()
{
    const std::vector<std::string> names = developChoices(game_, listedPlanets());
    if (names.empty()) {
        boxes_.information(this, fromGame(msgAllPlanetsListed));
        return;
    }
    Chooser->open(
        QStringLiteral("Select planet(s):"), true, true,
        [&names](QStringList& entries) {
            for (const std::string& name : names) entries << fromGame(name);
            return true;
        },
        [this](const QString& entry) {
            if (const planetrecord* p = findPlanetByShownName(game_, toGame(entry))) {
                addPlanetRow(*p);
                GridPlanets->Resort();
            }
        });
}

void TFormMoveTransporter::ButtonTransDeleteClick()
{
    std::set<int> rows;
    for (const QModelIndex& index : GridTransporters->selectionModel()->selectedRows())
        rows.insert(TStringGridOR::gridRow(index.row()));
    if (rows.empty()) {
        boxes_.error(this, fromGame(msgSelectRowFirst));
        return;
    }
    std::vector<std::vector<std::string>> kept;
    for (int r = 1; r < GridTransporters->rowCount(); ++r)
        if (!rows.count(r) && !GridTransporters->Cells(0, r).isEmpty()) kept.push_back(rowOf(GridTransporters, r));
    GridTransporters->clearSelection();
    emptyTable(GridTransporters);
    for (const auto& cells : kept) setRow(GridTransporters, freeRow(GridTransporters), cells);
    GridTransporters->Resort();
}

void TFormMoveTransporter::ButtonPlanetDeleteClick()
{
    const int selected = GridPlanets->selectedRow();
    if (selected < 1) {
        boxes_.error(this, fromGame(msgSelectRowFirst));
        return;
    }
    std::vector<std::vector<std::string>> kept;
    for (int r = 1; r < GridPlanets->rowCount(); ++r)
        if (r != selected && !GridPlanets->Cells(0, r).isEmpty()) kept.push_back(rowOf(GridPlanets, r));
    GridPlanets->clearSelection();
    emptyTable(GridPlanets);
    for (const auto& cells : kept) setRow(GridPlanets, freeRow(GridPlanets), cells);
}

void TFormMoveTransporter::movePlanet(int step)
{
    const int selected = GridPlanets->selectedRow();
    if (selected < 1) {
        boxes_.error(this, fromGame(msgSelectRowFirst));
        return;
    }
    // Past the last row the planet goes to the top, past the first to the bottom.
    const int rows = GridPlanets->rowCount() - 1;
    const int target = (selected - 1 + step + rows) % rows + 1;
    const std::vector<std::string> a = rowOf(GridPlanets, selected), b = rowOf(GridPlanets, target);
    setRow(GridPlanets, selected, b);
    setRow(GridPlanets, target, a);
    GridPlanets->selectRows(target, target);
}

void TFormMoveTransporter::ButtonPlusClick() { movePlanet(1); }
void TFormMoveTransporter::ButtonMinusClick() { movePlanet(-1); }

std::optional<TransportPlan> TFormMoveTransporter::ButtonCalculateClick()
{
    EditResult->clear();
    const std::vector<double> groups = listedGroups();
    const std::vector<std::string> planets = listedPlanets();
    Result<int> turns = parseTurnLimit(toGame(EditTurns->text()));
    // The checks in the order the player reads the window: transporters, planets, turns.
    std::string error;
    if (groups.empty())
        error = msgTransporterListEmpty;
    else if (planets.empty())
        error = msgPlanetListEmpty;
    else if (!turns)
        error = turns.error().text();
    Result<TransportPlan> plan = error.empty() ? planTransports(game_, groups, planets, *turns)
                                               : Result<TransportPlan>(Failure(error));
    if (!plan) {
        boxes_.error(this, fromGame(plan.error().text()));
        return std::nullopt;
    }
    EditResult->setText(fromGame(resultText(plan->result)));
    return std::move(*plan);
}

void TFormMoveTransporter::ButtonOKClick()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::optional<TransportPlan> plan = ButtonCalculateClick();
    QApplication::restoreOverrideCursor();
    if (!plan) return;
    const Status added = addTransportOrders(editor_, transportOrders(std::move(*plan)));
    if (onOrdersAdded) onOrdersAdded();
    if (!added) {
        boxes_.error(this, fromGame(added.error().text()));
        return;
    }
    close();
}

void TFormMoveTransporter::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (onShownChanged) onShownChanged(true);
}

void TFormMoveTransporter::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous() && onShownChanged) onShownChanged(false);
}

} // namespace orrery
