// Orders from everywhere in the main window: the context menus hand their entries to the move
// editor (a window filled in, or the order at once), say so when nothing is selected, and the move
// editor's area tools open their windows, take places from the map and build their orders.

#include "TFormMove.h"
#include "TFormMoveAreaTools.h"
#include "TFormMoveCommand.h"
#include "TFormShowRaces.h"
#include "TPopupMenuOR.h"
#include "TStringGridOR.h"
#include "contextwindows.h"
#include "orderwindows.h"
#include "racewindows.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

using namespace orrery;
using namespace orrery::test;

namespace {

Strings captions(const QMenu& menu)
{
    Strings out;
    for (const QAction* a : menu.actions()) out.push_back(a->text().toStdString());
    return out;
}

} // namespace

TEST(ContextWindows, GroupsGridMenuOpensWindowsAndAddsDirectOrders)
{
    MainWindowFixture f;
    ASSERT_TRUE(f.start());
    const Game& g = f.session().game();
    const auto [planet, count] = busiestOwnPlanet(g);
    ASSERT_TRUE(planet && count > 0);
    f.main->SelectPlanet(QString::fromStdString(planet->name.str()));
    TStringGridOR& grid = f.main->groupsGrid();
    auto* menu = grid.findChild<TPopupMenuOR*>();
    ASSERT_NE(menu, nullptr);

    // Nothing selected: no entries; choosing one anyway says what is missing.
    menu->build();
    EXPECT_TRUE(menu->actions().isEmpty());
    menu->PopupHandler(QStringLiteral("Send this group to a planet"));
    EXPECT_EQ(f.boxes.texts(), Strings{"You have to select a group first!"});

    grid.selectRows(1, 1);
    const QString group = grid.Cells(1, 1).trimmed();
    menu->build();
    EXPECT_EQ(menu->actions().size(), 18);
    menu->PopupHandler(QStringLiteral("Send this group to a planet"));
    TFormMove* move = installedMoveEditor(*f.main);
    ASSERT_TRUE(move && move->isVisible());
    TFormMoveCommand* window = move->commandWindow(CommandWindowId::C1);
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->fields()[0], group.toStdString());
    EXPECT_EQ(window->fields()[1], "");
    window->close();

    move->RadioButtonMoveRaw->click();
    menu->PopupHandler(QStringLiteral("Upgrade all ships of this group"));
    EXPECT_TRUE(move->moveLines().join('|').contains(QStringLiteral("G ") + group)) << move->moveLines().join('|').toStdString();
    EXPECT_EQ(f.boxes.texts().size(), 1u);
}

TEST(ContextWindows, RaceMenuOffersLessForOtherRaces)
{
    MainWindowFixture f;
    ASSERT_TRUE(f.start());
    f.trigger(MainCommand::Races);
    TFormShowRaces* races = installedRacesTable(*f.main);
    ASSERT_NE(races, nullptr);
    TStringGridOR* grid = races->StringGridRaces;
    auto* menu = grid->findChild<TPopupMenuOR*>();
    ASSERT_NE(menu, nullptr);
    const QString own = QString::fromStdString(f.session().game().ownrace.str());
    const int ownRow = grid->FindRow(0, own);
    ASSERT_GT(ownRow, 0);
    // The change row below a race's values stands for the race too.
    grid->selectRows(ownRow + 1, ownRow + 1);
    menu->build();
    const std::size_t ownEntries = captions(*menu).size();
    const int other = ownRow == 1 ? 3 : 1;
    grid->selectRows(other, other);
    menu->build();
    EXPECT_EQ(captions(*menu), (Strings{"Declare peace on this race", "Declare war on this race",
                                        "Give adress of the player of this race", "Send message to this player"}));
    EXPECT_GT(ownEntries, captions(*menu).size());
}

TEST(ContextWindows, AreaToolsFromTheMoveEditor)
{
    MainWindowFixture f;
    ASSERT_TRUE(f.start());
    const Game& g = f.session().game();
    f.trigger(MainCommand::MoveEditor);
    TFormMove* move = installedMoveEditor(*f.main);
    TFormMoveScanArea* scan = installedScanArea(*f.main);
    TFormMoveSendFromPlanet* send = installedSendFromPlanet(*f.main);
    ASSERT_TRUE(move && scan && send);

    // Presses on the map hand over the mouse position: a rectangle's corners in turn, a
    // circle's centre; the scan builds one order per planet.
    ASSERT_TRUE(move->menuItemScanArea->isEnabled());
    move->menuItemScanArea->trigger();
    ASSERT_TRUE(scan->isVisible());
    const auto [planet, count] = busiestOwnPlanet(g);
    ASSERT_TRUE(planet);
    zoomOut(f);
    f.paint();
    const QPoint centre = centreOf(f, *planet);
    // The pointer's map position may lie a pixel or two beside the planet's.
    const double pixel = 3.0 / f.main->session().view().zoomfactor;
    f.main->mapPressed(centre);
    f.main->mapPressed(centre + QPoint(40, 30));
    EXPECT_NEAR(scan->EditArea[0]->text().toDouble(), planet->x, pixel);
    EXPECT_GT(scan->EditArea[2]->text().toDouble(), scan->EditArea[0]->text().toDouble());
    EXPECT_NE(scan->EditArea[3]->text(), scan->EditArea[1]->text());
    scan->RadioButtonCircle->click();
    EXPECT_FALSE(scan->EditArea[3]->isVisibleTo(scan));
    f.main->mapPressed(centre);
    EXPECT_NEAR(scan->EditArea[0]->text().toDouble(), planet->x, pixel);
    EXPECT_NEAR(scan->EditArea[1]->text().toDouble(), planet->y, pixel);
    scan->EditArea[2]->setText(QString::number(pixel, 'f', 2));
    ASSERT_GT(scan->ComboBoxGroup->count(), 1);
    scan->ComboBoxGroup->setCurrentIndex(0);
    const int before = static_cast<int>(move->moveLines().size());
    scan->ButtonOK->click();
    EXPECT_TRUE(f.boxes.texts().empty()) << f.boxes.texts().front();
    EXPECT_FALSE(scan->isVisible());
    EXPECT_EQ(static_cast<int>(move->moveLines().size()), before + 1);

    // Typing something that is no number is taken back.
    scan->open();
    for (const QChar c : QStringLiteral("1x")) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(scan->EditArea[1], &key);
    }
    EXPECT_EQ(scan->EditArea[1]->text(), "1");
    EXPECT_EQ(f.boxes.texts(), Strings{"Please enter a number!"});
    // A group typed stays as typed, even when a longer number begins with it.
    scan->ComboBoxGroup->addItem(QStringLiteral("130"));
    scan->ComboBoxGroup->setEditText(QString());
    scan->activateWindow();
    scan->ComboBoxGroup->setFocus();
    QApplication::processEvents();
    for (const QChar c : QStringLiteral("13")) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(scan->ComboBoxGroup->lineEdit(), &key);
    }
    EXPECT_EQ(scan->ComboBoxGroup->currentText(), "13");
    scan->close();

    // Intercept mode labels its fields the other way round; missing planets are named.
    move->menuItemInterceptPlanet->trigger();
    ASSERT_TRUE(send->isVisible());
    EXPECT_EQ(send->LabelFirst->text(), "Intercept groups at planet");
    send->ButtonOK->click();
    EXPECT_EQ(f.boxes.texts().back(), "Please specify both planets!");
    EXPECT_TRUE(send->isVisible());
}
