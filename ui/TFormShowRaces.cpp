#include "TFormShowRaces.h"

#include "TStringGridOR.h"
#include "messages.h"

#include <algorithm>

#include <QCheckBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QHideEvent>
#include <QVBoxLayout>

namespace orrery {

TFormShowRaces::TFormShowRaces(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormShowRaces"));
    setWindowTitle(QStringLiteral("Show Races"));
    CheckBoxSortByDifference = new QCheckBox(QStringLiteral("sort by difference"), this);
    CheckBoxSortByDifference->setObjectName(QStringLiteral("CheckBoxSortByDifference"));
    StringGridRaces = new TStringGridOR(this);
    StringGridRaces->setObjectName(QStringLiteral("StringGridRaces"));
    StringGridRaces->setColumnCount(10);
    StringGridRaces->setDefaultColumnWidth(70);
    StringGridRaces->setColumnWidths({100});
    StringGridRaces->setRowHeights(18);
    StringGridRaces->setRowSelect(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(CheckBoxSortByDifference);
    layout->addWidget(StringGridRaces);
    resize(100 + 9 * 76 + 30, 300);

    connect(CheckBoxSortByDifference, &QCheckBox::clicked, this, [this](bool checked) {
        StringGridRaces->SetRecordLayout(true, checked ? 1 : 0);
        markSelection();
    });
    connect(StringGridRaces, &TStringGridOR::sorted, this, [this] { markSelection(); });
    connect(StringGridRaces, &TStringGridOR::cellClicked, this, [this](int, int row) {
        // Records start at row 1: the value row is odd, the change row below it even.
        const int valueRow = row % 2 == 1 ? row : row - 1;
        selectRace(toGame(StringGridRaces->Cells(0, valueRow)));
    });
}

void TFormShowRaces::FormShow(const Game& game)
{
    races_ = raceEntries(game);
    selected_.clear();
    const bool byDifference = CheckBoxSortByDifference->isChecked();
    StringGridRaces->editCells([&](StringGridModel& grid) { fillRacesGrid(grid, races_, byDifference); });
    StringGridRaces->clearSelection();
    // Columns of 70 pixels (the first 100), wider where a heading would be cut.
    const QFontMetrics metrics(StringGridRaces->horizontalHeader()->font());
    for (int c = 0; c < StringGridRaces->columnCount(); ++c) {
        const int fit = metrics.horizontalAdvance(StringGridRaces->Cells(c, 0)) + 12;
        StringGridRaces->setColumnWidth(c, std::max(c == 0 ? 100 : 70, fit));
    }
}

void TFormShowRaces::selectRace(const std::string& race)
{
    selected_ = StringGridRaces->FindRow(0, fromGame(race)) > 0 ? race : std::string();
    markSelection();
    if (onSelectionChanged) onSelectionChanged();
}

// Selects the two rows of the selected race where the sort has put them.
void TFormShowRaces::markSelection()
{
    const int row = selected_.empty() ? -1 : StringGridRaces->FindRow(0, fromGame(selected_));
    if (row > 0)
        StringGridRaces->selectRows(row, row + 1, 1, 9);
    else
        StringGridRaces->clearSelection();
}

void TFormShowRaces::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (onShownChanged) onShownChanged(true);
}

void TFormShowRaces::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous() && onShownChanged) onShownChanged(false);
}

} // namespace orrery
