#include "newturnwatcher.h"

#include "TFormMain.h"
#include "fileio.h"
#include "messages.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace orrery {

NewTurnWatcher::NewTurnWatcher(TFormMain& main) : QObject(&main), main_(main)
{
    setObjectName(QStringLiteral("NewTurnWatcher"));
    watcher_ = new QFileSystemWatcher(this);
    quiet_ = new QTimer(this);
    quiet_->setSingleShot(true);
    quiet_->setInterval(1500);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { changed(); });
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this] { changed(); });
    connect(quiet_, &QTimer::timeout, this, [this] { check(); });
}

void NewTurnWatcher::setQuietTime(int milliseconds) { quiet_->setInterval(milliseconds); }

void NewTurnWatcher::follow()
{
    const Game& game = main_.session().game();
    const QString folder = game.lastturn >= 0 ? QString::fromLocal8Bit(game.turndirectory.c_str()) : QString();
    if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
    if (!watcher_->files().isEmpty()) watcher_->removePaths(watcher_->files());
    quiet_->stop();
    pendingSize_ = -1;
    folder_ = folder;
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) watcher_->addPath(folder);
}

void NewTurnWatcher::changed()
{
    // The next report is watched as a file too, so that its growth restarts the quiet time on
    // every platform.
    const Game& game = main_.session().game();
    const QString next = QString::fromLocal8Bit(game.reportFile(game.lastturn + 1).c_str());
    if (QFileInfo::exists(next) && !watcher_->files().contains(next)) watcher_->addPath(next);
    quiet_->start();
}

void NewTurnWatcher::check()
{
    Session& session = main_.session();
    if (folder_.isEmpty()) return;
    if (asking_) {
        // The player has not answered the last question yet: looked at after the answer.
        quiet_->start();
        return;
    }
    const std::string nextFile = session.game().reportFile(session.game().lastturn + 1);
    const std::vector<int> added = session.addNewTurns();
    if (!watcher_->files().isEmpty()) watcher_->removePaths(watcher_->files());
    if (added.empty()) {
        // A next report that does not read as a whole turn yet: looked at again while it grows.
        const QFileInfo pending(QString::fromLocal8Bit(nextFile.c_str()));
        if (pending.exists() && pending.size() != pendingSize_) {
            pendingSize_ = pending.size();
            watcher_->addPath(pending.filePath());
            quiet_->start();
        }
        return;
    }
    pendingSize_ = -1;
    const Game& game = session.game();
    asking_ = true;
    // The question names the report files: file names are in the local encoding.
    const bool show = main_.messageBoxes().question(&main_, QString::fromLocal8Bit(newTurnsQuestion(game, added).c_str()));
    asking_ = false;
    if (show) session.showLastTurn();
}

void installNewTurnWatcher(TFormMain& main)
{
    auto* watcher = new NewTurnWatcher(main);
    QObject::connect(&main, &TFormMain::turnShown, watcher, [watcher] { watcher->follow(); });
}

NewTurnWatcher* installedNewTurnWatcher(TFormMain& main)
{
    return main.findChild<NewTurnWatcher*>(QStringLiteral("NewTurnWatcher"), Qt::FindDirectChildrenOnly);
}

} // namespace orrery
