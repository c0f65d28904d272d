#include "TFormYourPlanets.h"

#include "TStringGridOR.h"
#include "messages.h"
#include "session.h"
#include "yourplanets.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace orrery {

TFormYourPlanets::TFormYourPlanets(Session& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), session_(session)
{
    setObjectName(QStringLiteral("FormYourPlanets"));
    setWindowTitle(QStringLiteral("Show Planets"));
    setModal(false);

    auto* label = new QLabel(QStringLiteral("Race:"), this);
    ComboBoxRace = new QComboBox(this);
    ComboBoxRace->setObjectName(QStringLiteral("ComboBoxRace"));
    ComboBoxRace->setMinimumWidth(160);
    auto* top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(ComboBoxRace);
    top->addStretch(1);

    const YourPlanetsLayout& layout = yourPlanetsLayout();
    StringGridPlanets = new TStringGridOR(this);
    StringGridPlanets->setObjectName(QStringLiteral("StringGridPlanets"));
    StringGridPlanets->setColumnCount(yourPlanetsColumns);
    StringGridPlanets->setRowCount(2);
    StringGridPlanets->setRowHeights(18);
    StringGridPlanets->setRowSelect(true);
    QStringList headings;
    for (const char* h : layout.headings) headings << QString::fromLatin1(h);
    StringGridPlanets->setHeadings(headings);
    StringGridPlanets->setColumnWidths(std::vector<int>(layout.widths.begin(), layout.widths.end()));
    StringGridPlanets->SetNumericColumns(layout.numericColumns);
    StringGridPlanets->SortBy(0, true);

    auto* box = new QVBoxLayout(this);
    box->addLayout(top);
    box->addWidget(StringGridPlanets, 1);
    resize(1060, 420);

    connect(ComboBoxRace, &QComboBox::activated, this, [this](int) { Fill(ComboBoxRace->currentText()); });
    connect(StringGridPlanets, &TStringGridOR::cellClicked, this,
            [this](int column, int row) { StringGridPlanetsClick(column, row); });
}

void TFormYourPlanets::FormShow()
{
    const Game& game = session_.game();
    ComboBoxRace->clear();
    for (const std::string& race : yourPlanetsRaces(game)) ComboBoxRace->addItem(fromGame(race));
    ComboBoxRace->setCurrentIndex(ComboBoxRace->findText(fromGame(game.ownrace.view())));
    Fill(fromGame(game.ownrace.view()));
}

void TFormYourPlanets::Fill(const QString& race)
{
    const std::vector<std::vector<std::string>> rows = yourPlanetsRows(session_.game(), toGame(race));
    StringGridPlanets->clearSelection();
    StringGridPlanets->editCells([&rows](StringGridModel& grid) {
        grid.setRowCount(static_cast<int>(std::max<std::size_t>(rows.size(), 1)) + 1);
        grid.setRow(1, {});
        for (std::size_t r = 0; r < rows.size(); ++r) grid.setRow(static_cast<int>(r) + 1, rows[r]);
    });
    StringGridPlanets->Resort();
    // The widths are the least a column gets; figures wider in the platform's font widen it.
    const YourPlanetsLayout& layout = yourPlanetsLayout();
    for (int c = 0; c < yourPlanetsColumns; ++c) {
        StringGridPlanets->resizeColumnToContents(c);
        const int least = layout.widths[static_cast<std::size_t>(c)];
        if (StringGridPlanets->columnWidth(c) < least) StringGridPlanets->setColumnWidth(c, least);
    }
}

void TFormYourPlanets::StringGridPlanetsClick(int, int row)
{
    if (row < 1 || StringGridPlanets->Cells(0, 1).isEmpty()) return;
    if (onPlanetClicked) onPlanetClicked(StringGridPlanets->Cells(0, row).trimmed());
}

void TFormYourPlanets::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (onShownChanged) onShownChanged(true);
}

void TFormYourPlanets::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous() && onShownChanged) onShownChanged(false);
}

} // namespace orrery
