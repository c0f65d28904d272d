#include "newswindow.h"

#include "TFormMain.h"
#include "TFormNews.h"

#include <QAction>

namespace orrery {

TFormNews& installNewsWindow(TFormMain& main)
{
    auto* news = new TFormNews(main);
    news->hide();
    news->onShownChanged = [&main](bool shown) { main.action(MainCommand::News)->setEnabled(!shown); };
    main.enableCommand(MainCommand::News, [news] {
        news->show();
        news->raise();
        news->activateWindow();
    });
    main.setRefreshHook(OpenView::News, [news](const std::string&) {
        if (news->isVisible()) news->FormShow();
    });
    main.registerWindow(QStringLiteral("news"), [&main, news] {
        main.action(MainCommand::News)->trigger();
        news->showPage(npBattles);
        return news;
    });
    return *news;
}

} // namespace orrery
