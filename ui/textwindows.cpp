#include "textwindows.h"

#include "bringup.h"

#include "TFormMain.h"
#include "TFormTextEditor.h"
#include "TFormTextSearch.h"
#include "TFormViewTextFile.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orrery {

void installTextWindows(TFormMain& main)
{
    if (installedTextSearch(main) != nullptr) return;
    Session& session = main.session();
    auto* search = new TFormTextSearch(main.messageBoxes(), &main);
    search->hide();

    auto* viewer = new TFormViewTextFile(*search, main.messageBoxes(), &main);
    viewer->hide();
    main.enableCommand(MainCommand::LoadTextFile, [viewer] { viewer->askAndShow(); });
    // The screenshot mode shows the report of the shown turn.
    main.registerWindow(QStringLiteral("textviewer"), [viewer, &session]() -> QWidget* {
        const Game& game = session.game();
        viewer->showFile(QString::fromStdString(game.reportFile(game.currentturn)));
        return viewer;
    });

    auto* editor = new TFormTextEditor(session.settings(), *search, main.messageBoxes(), &main);
    editor->hide();
    editor->onShownChanged = [&main](bool shown) { main.action(MainCommand::TextEditor)->setEnabled(!shown); };
    main.enableCommand(MainCommand::TextEditor, [editor] {
        bringUp(editor);
    });
    // The screenshot mode shows the editor with a reply quoting the shown report.
    main.registerWindow(QStringLiteral("texteditor"), [&main, editor, &session]() -> QWidget* {
        const Game& game = session.game();
        main.action(MainCommand::TextEditor)->trigger();
        if (editor->load(-1, QString::fromStdString(game.reportFile(game.currentturn)))) {
            editor->menuItemSelectAll->trigger();
            editor->menuItemReplyformat->trigger();
            editor->Memo->moveCursor(QTextCursor::Start);
        }
        return editor;
    });
    // And the search window searching the viewer's report.
    main.registerWindow(QStringLiteral("textsearch"), [&main, viewer, search]() -> QWidget* {
        main.openNamedWindow(QStringLiteral("textviewer"));
        viewer->menuItemTextSearch->trigger();
        search->EditSearch->setText(QStringLiteral("Planet"));
        search->ButtonSearch->click();
        return search;
    });
}

TFormTextSearch* installedTextSearch(TFormMain& main)
{
    return main.findChild<TFormTextSearch*>(QStringLiteral("FormTextSearch"), Qt::FindDirectChildrenOnly);
}

TFormViewTextFile* installedTextViewer(TFormMain& main)
{
    return main.findChild<TFormViewTextFile*>(QStringLiteral("FormViewTextFile"), Qt::FindDirectChildrenOnly);
}

TFormTextEditor* installedTextEditor(TFormMain& main)
{
    return main.findChild<TFormTextEditor*>(QStringLiteral("FormTextEditor"), Qt::FindDirectChildrenOnly);
}

} // namespace orrery
