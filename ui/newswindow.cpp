#include "newswindow.h"

#include "bringup.h"

#include "TFormMain.h"
#include "TFormNews.h"
#include "TFormTextSearch.h"
#include "textwindows.h"

#include <QAction>

namespace orrery {

TFormNews& installNewsWindow(TFormMain& main)
{
    auto* news = new TFormNews(main);
    news->hide();
    TFormTextSearch* search = installedTextSearch(main);
    // The report page is searched by the program's one text search window, which goes with the
    // news window when that closes while searching it.
    if (search != nullptr) news->openTextSearch = [search](QPlainTextEdit* report) { search->openFor(report); };
    news->onShownChanged = [&main, news, search](bool shown) {
        main.action(MainCommand::News)->setEnabled(!shown);
        if (!shown && search != nullptr) search->closeFor(news);
    };
    main.enableCommand(MainCommand::News, [news] {
        bringUp(news);
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
