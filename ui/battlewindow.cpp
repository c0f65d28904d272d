#include "battlewindow.h"

#include "bringup.h"

#include "TFormBattle.h"
#include "TFormBattleResult.h"
#include "TFormMain.h"
#include "TFormMove.h"
#include "TFormShipDesign.h"
#include "TStringGridOR.h"
#include "calculatorwindows.h"
#include "orderwindows.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

namespace orrery {

namespace {

// The screenshot mode shows the simulator with a battle set up: the own groups against those of
// the first other race of the box.
void setUpSomeBattle(TFormBattle& battle)
{
    QComboBox* races = battle.ComboBoxRace;
    const int own = races->currentIndex();
    const int other = own == 0 ? 1 : 0;
    for (const int race : {own, other}) {
        if (race < 0 || race >= races->count()) continue;
        races->setCurrentIndex(race);
        emit races->activated(race);
        battle.StringGridGroups->selectAll();
        (race == own ? battle.Aggressor : battle.Defender).ButtonGetGroups->click();
    }
    if (own >= 0) {
        races->setCurrentIndex(own);
        emit races->activated(own);
    }
}

} // namespace

TFormBattle& installBattleWindow(TFormMain& main)
{
    if (TFormBattle* installed = installedBattleWindow(main)) return *installed;
    // The program has one result window; the move editor made it.
    TFormMove& move = installOrderWindows(main);
    auto* battle = new TFormBattle(main.session().game(), main.messageBoxes(), move.resultWindow(), &main);
    battle->hide();
    battle->panelPosition = [&main] {
        return std::pair{main.panelText(QStringLiteral("Labelxpos")), main.panelText(QStringLiteral("Labelypos"))};
    };
    battle->onShownChanged = [&main](bool shown) { main.action(MainCommand::BattleSimulator)->setEnabled(!shown); };
    main.enableCommand(MainCommand::BattleSimulator, [battle] {
        bringUp(battle);
    });
    main.registerWindow(QStringLiteral("battle"), [&main, battle] {
        main.action(MainCommand::BattleSimulator)->trigger();
        setUpSomeBattle(*battle);
        return battle;
    });
    main.registerWindow(QStringLiteral("battleresult"), [&main, battle, &move]() -> QWidget* {
        main.action(MainCommand::BattleSimulator)->trigger();
        setUpSomeBattle(*battle);
        battle->EditSimulations->setText(QStringLiteral("20"));
        battle->ButtonSimulate->click();
        // The timer fights one battle per tick; the picture waits for the result (at most a minute).
        QElapsedTimer waited;
        waited.start();
        while (battle->running() && waited.elapsed() < 60000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        return &move.resultWindow();
    });
    // The ship designer's fields, both ways.
    if (TFormShipDesign* designer = installedShipDesigner(main)) {
        battle->takeFromDesigner = [designer] { return std::optional<DesignerFields>(designer->designerFields()); };
        battle->putToDesigner = [designer, &main](const DesignerFields& fields) {
            if (!designer->isVisible()) main.action(MainCommand::ShipDesign)->trigger();
            designer->setDesignerFields(fields);
        };
    }
    main.setRefreshHook(OpenView::Battle, [battle](const std::string&) {
        if (battle->isVisible()) battle->FormShow();
    });
    return *battle;
}

TFormBattle* installedBattleWindow(TFormMain& main)
{
    return main.findChild<TFormBattle*>(QStringLiteral("FormBattle"), Qt::FindDirectChildrenOnly);
}

} // namespace orrery
