#include "battlewindow.h"

#include "TFormBattle.h"
#include "TFormMain.h"
#include "TFormMove.h"
#include "orderwindows.h"

#include <QAction>

namespace orrery {

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
        battle->show();
        battle->raise();
        battle->activateWindow();
    });
    main.registerWindow(QStringLiteral("battle"), [&main] {
        main.action(MainCommand::BattleSimulator)->trigger();
        return installedBattleWindow(main);
    });
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
