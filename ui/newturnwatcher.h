#pragma once

// New turns arriving: while a game is shown, its turn directory is watched. When the folder has
// been quiet for a moment after a change (a report being saved or copied is written in pieces),
// the session reads every new whole report after the last turn as the next turn of the report
// set, and the player is asked whether to show the new last turn.
//
//     installNewTurnWatcher(main); // once, from the main window's constructor

#include <QObject>
#include <QString>

class QFileSystemWatcher;
class QTimer;

namespace orrery {

class TFormMain;

class NewTurnWatcher : public QObject {
public:
    explicit NewTurnWatcher(TFormMain& main);

    // Watches the turn directory of the game the main window shows (none when no game is shown).
    void follow();
    QString watchedFolder() const { return folder_; }
    // How long the folder must stay unchanged before new reports are read, in milliseconds.
    void setQuietTime(int milliseconds);
    // Reads what arrived now (the end of the quiet time).
    void check();

private:
    void changed();

    TFormMain& main_;
    QFileSystemWatcher* watcher_ = nullptr;
    QTimer* quiet_ = nullptr;
    QString folder_;
    qint64 pendingSize_ = -1; // size of a next report that did not read as whole yet
    bool asking_ = false;
};

void installNewTurnWatcher(TFormMain& main);
NewTurnWatcher* installedNewTurnWatcher(TFormMain& main);

} // namespace orrery
