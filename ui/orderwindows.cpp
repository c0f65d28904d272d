#include "orderwindows.h"

#include "bringup.h"

#include "TFormMain.h"
#include "TFormMove.h"
#include "TFormShowOptions.h"

#include <QAction>

namespace orrery {

TFormMove& installOrderWindows(TFormMain& main)
{
    if (TFormMove* installed = installedMoveEditor(main)) return *installed;
    Session& session = main.session();
    auto* move = new TFormMove(session.game(), session.settings(), main.messageBoxes(), &main);
    move->hide();
    move->onShownChanged = [&main](bool shown) {
        main.action(MainCommand::MoveEditor)->setEnabled(!shown);
    };
    main.enableCommand(MainCommand::MoveEditor, [move] {
        bringUp(move);
    });
    main.registerWindow(QStringLiteral("move"), [&main] {
        main.action(MainCommand::MoveEditor)->trigger();
        return installedMoveEditor(main);
    });
    main.enableCommand(MainCommand::GameOptions,
                       [move, &session] { move->optionsWindow().open(session.game().gameoptions, false); });
    main.setRefreshHook(OpenView::ShowOptions, [move, &session](const std::string&) {
        TFormShowOptions& options = move->optionsWindow();
        // Options being edited are the player's; only the viewed options follow the turn.
        if (options.isVisible() && !options.editable()) options.fill(session.game().gameoptions);
    });
    // A configuration loaded while the editor is open brings its header fields and game type.
    QObject::connect(&main, &TFormMain::turnShown, move, [move] {
        if (move->isVisible()) move->refreshFromSettings();
    });
    return *move;
}

TFormMove* installedMoveEditor(TFormMain& main)
{
    return main.findChild<TFormMove*>(QStringLiteral("FormMove"), Qt::FindDirectChildrenOnly);
}

} // namespace orrery
