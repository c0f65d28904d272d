// The planet panel's layout: with an own planet's long values shown, at 800 x 600 and 1920 x 1080
// and at a device pixel ratio of 2, no two of its labels or boxes overlap, every text is shown
// whole, and the groups grid shows some rows with columns as wide as their values.

#include "TStringGridOR.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;

namespace {

int advance(const QWidget* w, const QString& text) { return QFontMetrics(w->font()).horizontalAdvance(text); }

void checkPanel(TFormMain& main, int width, int height)
{
    SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
    main.resize(width, height);
    QApplication::processEvents();
    ASSERT_EQ(main.size(), QSize(width, height));
    const QWidget* panel = main.findChild<QWidget*>("PanelPlanet");
    const auto inPanel = [panel](const QWidget* w) { return QRect(w->mapTo(panel, QPoint(0, 0)), w->size()); };
    std::vector<const QWidget*> shown;
    for (const QWidget* w : panel->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(w);
        const auto* box = qobject_cast<const QGroupBox*>(w);
        const auto* button = qobject_cast<const QAbstractButton*>(w);
        if (!w->isVisible() || (label && label->text().isEmpty() && label->pixmap().isNull())) continue;
        if (label) {
            EXPECT_LE(advance(w, label->text()), label->contentsRect().width()) << label->text().toStdString();
        } else if (box) {
            EXPECT_LE(advance(w, box->title()), box->width()) << box->title().toStdString();
        } else if (button) {
            EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
        }
        if (!label && !box && !button && !qobject_cast<const TStringGridOR*>(w)) continue;
        EXPECT_TRUE(panel->rect().contains(inPanel(w))) << w->objectName().toStdString();
        for (const QWidget* other : shown) {
            if (w->isAncestorOf(other) || other->isAncestorOf(w)) continue;
            EXPECT_FALSE(inPanel(w).intersects(inPanel(other)))
                << w->objectName().toStdString() << " / " << other->objectName().toStdString();
        }
        shown.push_back(w);
    }
    EXPECT_GE(inPanel(main.findChild<QWidget*>("GroupBoxMousePos")).right(), panel->width() - 8);

    TStringGridOR& grid = main.groupsGrid();
    EXPECT_GE(grid.viewport()->height(), 4 * grid.verticalHeader()->defaultSectionSize());
    const int cellMargin = 2 * (grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1);
    const int headMargin = 2 * grid.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &grid);
    for (int c = 0; c < grid.columnCount(); ++c)
        for (int r = 0; r < grid.rowCount(); ++r)
            EXPECT_LE(advance(&grid, grid.Cells(c, r)) + (r == 0 ? headMargin : cellMargin), grid.columnWidth(c))
                << grid.Cells(c, r).toStdString();
}

} // namespace

TEST(PlanetPanel, EveryTextIsWholeAndNothingOverlapsAtEachSize)
{
    MainWindowFixture f;
    TFormMain& main = *f.main;
    main.resize(800, 600);
    ASSERT_TRUE(f.start());

    // The own planet with the most groups, its values made as long as they get.
    const Game& g = main.session().game();
    const auto [best, most] = busiestOwnPlanet(g);
    ASSERT_TRUE(best && most >= 2);
    main.SelectPlanet(QString::fromStdString(best->name.str()));
    planetrecord shown = *best;
    shown.producing = "Materials";
    shown.size = shown.population = shown.industry = 2500;
    shown.resources = 10;
    shown.capital = shown.material = shown.colonists = 9999.99;
    main.ShowPlanetPanel(PanelShows::Planet, &shown, shown.name.str(), 999.99, 999.99);
    main.mapMoved({300, 200});
    ASSERT_FALSE(main.panelText("LabelmaxShip").isEmpty());

    checkPanel(main, 800, 600);
    checkPanel(main, 1920, 1080);
    checkPanel(main, 800, 600);

    // The same at a device pixel ratio of 2, in a run of its own.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        EXPECT_EQ(main.devicePixelRatio(), 2);
        return;
    }
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", "2");
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=PlanetPanel.*"});
    ASSERT_TRUE(run.waitForFinished(120000));
    EXPECT_EQ(run.exitCode(), 0) << run.readAll().toStdString();
}
