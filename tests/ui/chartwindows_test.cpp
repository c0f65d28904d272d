// The planets table and the chart in the main window: their commands, the refresh after a change
// of turn, row clicks selecting planets, and the chart's race box, zoom and legend pointing.

#include "TFormChart.h"
#include "TFormYourPlanets.h"
#include "TStringGridOR.h"
#include "chartwindows.h"
#include "uitestkit.h"
#include "yourplanets.h"

#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;
using C = MainCommand;

TEST(YourPlanetsWindow, ListsTheOwnPlanetsAndSelectsTheClickedOne)
{
    MainWindowFixture f;
    ASSERT_TRUE(f.start());
    TFormYourPlanets& w = *installedYourPlanets(*f.main);
    f.trigger(C::YourPlanets);
    ASSERT_TRUE(w.isVisible());
    EXPECT_FALSE(f.action(C::YourPlanets)->isEnabled());
    const Game& game = f.session().game();
    EXPECT_EQ(w.ComboBoxRace->currentText(), fromGame(game.ownrace.view()));
    const std::size_t own = yourPlanetsRows(game, game.ownrace.view()).size();
    ASSERT_GT(own, 0u);
    EXPECT_EQ(w.StringGridPlanets->rowCount(), static_cast<int>(own) + 1);

    const QString name = w.StringGridPlanets->Cells(0, 1);
    emit w.StringGridPlanets->cellClicked(0, 1);
    ASSERT_NE(f.session().view().recentSelection(), nullptr);
    EXPECT_EQ(fromGame(f.session().view().recentSelection()->name.view()), name);

    // A change of turn refills the open table for the turn shown.
    f.trigger(C::PreviousReport);
    EXPECT_EQ(w.StringGridPlanets->rowCount(),
              static_cast<int>(std::max<std::size_t>(1, yourPlanetsRows(game, game.ownrace.view()).size())) + 1);
    w.close();
    EXPECT_TRUE(f.action(C::YourPlanets)->isEnabled());
}

TEST(ChartWindow, RaceBoxZoomAndLegend)
{
    MainWindowFixture f;
    ASSERT_TRUE(f.start());
    TFormChart& w = *installedChart(*f.main);
    f.trigger(C::Chart);
    ASSERT_TRUE(w.isVisible());
    EXPECT_FALSE(f.action(C::Chart)->isEnabled());
    const auto& races = f.session().chartraces();
    ASSERT_EQ(w.ComboBoxRace->count(), chartFirstRace + static_cast<int>(races.size()));
    EXPECT_EQ(w.ComboBoxRace->currentIndex(), chartAll);

    // A single race, then every race: the flags and the lines follow the race box.
    w.ComboBoxRace->setCurrentIndex(chartFirstRace + 1);
    EXPECT_FALSE(races[0].display);
    EXPECT_TRUE(races[1].display);
    ASSERT_EQ(w.scene().picture.races.size(), 1u);
    w.ComboBoxRace->setCurrentIndex(chartAll);
    EXPECT_EQ(w.scene().picture.races.size(), w.scene().legend.rows.size());

    // Checking one of the two check boxes unchecks the other.
    w.CheckBoxAdd->click();
    w.CheckBoxDelete->click();
    EXPECT_FALSE(w.CheckBoxAdd->isChecked());

    const QSize one = w.PaintBoxChart->size();
    EXPECT_FALSE(w.ButtonZoomOut->isEnabled());
    w.ButtonZoomIn->click();
    EXPECT_EQ(w.PaintBoxChart->size(), one * 2);
    EXPECT_EQ(w.scene().picture.width, one.width() * 2);
    EXPECT_TRUE(w.ButtonZoomOut->isEnabled());

    // Pointing at the first legend row highlights its race; pointing at the chart clears it.
    QMouseEvent move(QEvent::MouseMove, QPointF(20, chartLegendTop + 3), QPointF(), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w.PaintBoxLegend, &move);
    ASSERT_GE(w.highlighted(), 0);
    EXPECT_EQ(w.scene().picture.races.front().colour, chartHighlight);
    QApplication::sendEvent(w.PaintBoxChart, &move);
    EXPECT_EQ(w.highlighted(), -1);

    // While "zoom in on mouse position" is down, a click zooms in once more.
    w.ButtonZoomOnMouse->setChecked(true);
    const QPoint clicked(one.width() * 3 / 2, one.height());
    click(w.PaintBoxChart, clicked);
    EXPECT_EQ(w.zoom(), 3);
    const QSize view = w.ScrollBoxChart->viewport()->size();
    EXPECT_NEAR(w.ScrollBoxChart->horizontalScrollBar()->value() + view.width() / 2, clicked.x() * 3 / 2, 1);
    EXPECT_NEAR(w.ScrollBoxChart->verticalScrollBar()->value() + view.height() / 2, clicked.y() * 3 / 2, 1);

    // A change of turn shows the chart afresh at zoom 1.
    f.trigger(C::PreviousReport);
    EXPECT_EQ(w.zoom(), 1);
    EXPECT_EQ(w.PaintBoxChart->size(), one);
    w.close();
    EXPECT_TRUE(f.action(C::Chart)->isEnabled());
}
