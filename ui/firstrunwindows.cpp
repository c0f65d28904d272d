#include "firstrunwindows.h"

#include "TFormMain.h"
#include "TFormNoConfiguration.h"
#include "fileio.h"
#include "galaxygen.h"
#include "messages.h"
#include "reportpath.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

namespace orrery {

namespace {

// The store's key of the recently opened games (outside the configurations).
const QString recentGamesKey = QStringLiteral("RecentGames/Games");

// The local report file a drag carries: only a single local file opens a game.
QString droppedReport(const QMimeData* mime)
{
    if (mime == nullptr || !mime->hasUrls() || mime->urls().size() != 1) return {};
    const QUrl url = mime->urls().front();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

// The shown game goes to the top of the recent games.
void rememberShownGame(TFormMain& main)
{
    const Game& g = main.session().game();
    if (g.reportname.empty()) return;
    const std::string zero = g.reportFile(0);
    if (!fileExists(zero)) return;
    std::vector<std::string> games;
    for (const QString& path : recentGames(main)) games.push_back(localPath(path));
    games = withRecentGame(std::move(games), zero);
    QStringList stored;
    for (const std::string& path : games) stored << fromLocalPath(path);
    main.settings().setValue(recentGamesKey, stored);
}

// The submenu lists the games when it opens; a game whose report is gone is shown disabled.
void fillRecentGamesMenu(TFormMain& main, QMenu& menu)
{
    menu.clear();
    const QStringList games = recentGames(main);
    int number = 1;
    for (const QString& path : games) {
        const QString label = QStringLiteral("&%1 ").arg(number++) + fromLocalPath(recentGameLabel(localPath(path)));
        QAction* entry = menu.addAction(label);
        entry->setData(path);
        entry->setEnabled(fileExists(localPath(path)));
        QObject::connect(entry, &QAction::triggered, &main, [&main, path] { openGameOf(main, path); });
    }
    if (games.isEmpty()) menu.addAction(QStringLiteral("(none)"))->setEnabled(false);
}

// Accepts a dragged report file and opens its game when it is dropped.
class ReportDrop : public QObject {
public:
    explicit ReportDrop(TFormMain& main) : QObject(&main), main_(main) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::DragEnter) {
            auto* drag = static_cast<QDragEnterEvent*>(event);
            if (droppedReport(drag->mimeData()).isEmpty())
                drag->ignore();
            else
                drag->acceptProposedAction();
            return true;
        }
        if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString report = droppedReport(drop->mimeData());
            if (report.isEmpty()) return true;
            drop->acceptProposedAction();
            openGameOf(main_, report);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TFormMain& main_;
};

} // namespace

QStringList recentGames(TFormMain& main) { return main.settings().value(recentGamesKey).toStringList(); }

bool openGameOf(TFormMain& main, const QString& report) { return main.createConfigurationFrom(report); }

QString demoGameFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/demo");
}

bool openDemoGame(TFormMain& main, const QString& folder)
{
    const std::string dir = localPath(QDir::cleanPath(folder));
    const std::string zero = withTrailingSeparator(dir) + "orion0.txt";
    if (!fileExists(zero)) {
        if (!QDir().mkpath(folder)) {
            main.messageBoxes().error(&main, QStringLiteral("The folder of the demo game cannot be created: ") + folder);
            return false;
        }
        const Result<std::vector<std::string>> written = gen::writeGame(gen::demoGame(), dir, "orion");
        if (!written) {
            main.messageBoxes().error(&main, fromGame(written.error().text()));
            return false;
        }
    }
    return main.createConfigurationFrom(fromLocalPath(zero));
}

void installFirstRunWindows(TFormMain& main)
{
    // "No configuration" offers the demo game beside creating and loading a configuration.
    TFormNoConfiguration& none = main.noConfigurationWindow();
    none.onOpenDemo = [&main] { openDemoGame(main, demoGameFolder()); };
    main.registerWindow(QStringLiteral("noconfiguration"), [&none] {
        none.show();
        return &none;
    });

    // The recent games follow "Load configuration..." in the System menu.
    QAction* load = main.action(MainCommand::LoadConfiguration);
    QMenu* system = nullptr;
    for (QObject* owner : load->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(owner)) system = menu;
    if (system != nullptr) {
        auto* recent = new QMenu(QStringLiteral("Recent games"), system);
        recent->setObjectName(QStringLiteral("menuRecentGames"));
        const QList<QAction*> entries = system->actions();
        const qsizetype at = entries.indexOf(load);
        QAction* before = at >= 0 && at + 1 < entries.size() ? entries[at + 1] : nullptr;
        system->insertMenu(before, recent);
        QObject::connect(recent, &QMenu::aboutToShow, recent, [&main, recent] { fillRecentGamesMenu(main, *recent); });
    }
    QObject::connect(&main, &TFormMain::turnShown, &main, [&main] { rememberShownGame(main); });

    main.setAcceptDrops(true);
    main.installEventFilter(new ReportDrop(main));

    // The map has the keyboard from the start and whenever it is clicked: the arrow keys scroll
    // it, the zoom keys zoom it as the zoom commands do (not beyond their limits).
    main.map().setFocusPolicy(Qt::StrongFocus);
    main.map().setFocus();
    QObject::connect(&main.map(), &MapView::zoomKeyPressed, &main, [&main](int delta) {
        main.action(delta > 0 ? MainCommand::ZoomIn : MainCommand::ZoomOut)->trigger();
    });
}

} // namespace orrery
