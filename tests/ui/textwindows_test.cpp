// The text tools in the main window: the viewer behind "Load text file...", the text editor's
// commands and their enabling, and the shared search window on both.

#include "TFormTextEditor.h"
#include "TFormTextSearch.h"
#include "TFormViewTextFile.h"
#include "textwindows.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;
using C = MainCommand;

TEST(TextViewer, ShowsTheChosenFileAndSearchesItsLines)
{
    MainWindowFixture f;
    TFormViewTextFile& viewer = *installedTextViewer(*f.main);
    TFormTextSearch& search = *installedTextSearch(*f.main);
    std::string text;
    for (int i = 0; i < 100; ++i) text += (i == 7 || i == 27 ? "Planet " : "line ") + std::to_string(i) + "\r";
    f.dir.write("old mail.txt", text);
    viewer.chooseFile = [&] { return QString::fromStdString(f.dir.file("old mail.txt")); };

    ASSERT_TRUE(f.action(C::LoadTextFile)->isEnabled());
    f.trigger(C::LoadTextFile);
    ASSERT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("View text file old mail.txt:"));
    ASSERT_EQ(viewer.ListBoxText->count(), 100);

    // The context menu's search selects each match with ten lines above it, then starts over.
    viewer.menuItemTextSearch->trigger();
    ASSERT_TRUE(search.isVisible());
    EXPECT_EQ(search.target(), viewer.ListBoxText);
    search.EditSearch->setText(QStringLiteral("PLANET"));
    search.ButtonSearch->click();
    EXPECT_EQ(viewer.ListBoxText->currentRow(), 7);
    EXPECT_EQ(viewer.ListBoxText->indexAt(QPoint(2, 2)).row(), 7);
    search.ButtonSearchAgain->click();
    EXPECT_EQ(viewer.ListBoxText->currentRow(), 27);
    EXPECT_EQ(viewer.ListBoxText->indexAt(QPoint(2, 2)).row(), 17);
    search.ButtonSearchAgain->click();
    EXPECT_EQ(f.boxes.texts(), Strings{"Text not found!"});
    search.ButtonSearchAgain->click();
    EXPECT_EQ(viewer.ListBoxText->currentRow(), 7);

    // A file that cannot be read leaves the viewer as it was; closing it closes the search.
    viewer.chooseFile = [&] { return QString::fromStdString(f.dir.file("missing.txt")); };
    f.boxes.clear();
    f.trigger(C::LoadTextFile);
    EXPECT_EQ(f.boxes.messages.size(), 1U);
    EXPECT_EQ(viewer.ListBoxText->count(), 100);
    viewer.close();
    EXPECT_FALSE(search.isVisible());
}

TEST(TextEditor, CommandsFollowTheSelectionTheClipboardAndTheFile)
{
    MainWindowFixture f;
    TFormTextEditor& editor = *installedTextEditor(*f.main);
    f.trigger(C::TextEditor);
    ASSERT_TRUE(editor.isVisible());
    EXPECT_FALSE(f.action(C::TextEditor)->isEnabled());

    QApplication::clipboard()->clear();
    editor.Memo->setPlainText(QStringLiteral("Dear Beta,\nwe come in peace.\n"));
    const std::vector<QAction*> selectionItems{editor.menuItemCut, editor.menuItemCopy, editor.menuItemDelete,
                                               editor.menuItemReplyformat};
    for (QAction* a : selectionItems) EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    EXPECT_FALSE(editor.menuItemPaste->isEnabled());
    EXPECT_FALSE(editor.menuItemSave->isEnabled());
    editor.menuItemGetFromClipboardClick();
    EXPECT_EQ(f.boxes.texts(), Strings{"Clipboard contains no plain text!"});

    // Select all and quote: the selection commands come on, and the lines are quoted.
    editor.menuItemSelectAll->trigger();
    for (QAction* a : selectionItems) EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    editor.menuItemReplyformat->trigger();
    EXPECT_EQ(editor.Memo->toPlainText(), QStringLiteral("> Dear Beta,\n> we come in peace.\n"));
    editor.menuItemPutToClipboard->trigger();
    EXPECT_TRUE(editor.menuItemPaste->isEnabled());
    EXPECT_EQ(QApplication::clipboard()->text(), editor.Memo->toPlainText());

    // The search window on the edit area finds successive occurrences.
    editor.menuItemSearch->trigger();
    TFormTextSearch& search = *installedTextSearch(*f.main);
    EXPECT_EQ(search.target(), editor.Memo);
    search.EditSearch->setText(QStringLiteral("e"));
    search.CheckBoxCaseSensitive->setChecked(true);
    search.ButtonSearch->click();
    search.ButtonSearchAgain->click();
    EXPECT_EQ(editor.Memo->textCursor().selectionStart(), QStringLiteral("> Dear B").size());
    EXPECT_EQ(editor.Memo->textCursor().selectedText(), QStringLiteral("e"));

    // Closing gives the main window's command back (and closes the search on the editor).
    editor.menuItemQuit->trigger();
    EXPECT_TRUE(f.action(C::TextEditor)->isEnabled());
    EXPECT_FALSE(search.isVisible());
}

TEST(TextEditor, LoadsAndSavesFilesOfItsFolder)
{
    MainWindowFixture f;
    TFormTextEditor& editor = *installedTextEditor(*f.main);
    Configuration& settings = f.session().settings();
    TempDir mail;
    settings.textEditorInitialDir = mail.path();
    editor.menuItemLoadMostRecent->trigger();
    EXPECT_EQ(f.boxes.texts(), Strings{"No file found."});

    mail.write("to beta.txt", "Hello\r\nBeta\r\n");
    editor.menuItemLoadMostRecent->trigger();
    const QString path = QString::fromStdString(mail.file("to beta.txt"));
    EXPECT_EQ(editor.fileName(), path);
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Text Editor (%1)").arg(path));
    EXPECT_TRUE(editor.menuItemSave->isEnabled());

    // An inserted file goes before the caret's line and does not become the editor's file.
    mail.write("sig.txt", "-- Alpha");
    QTextCursor caret = editor.Memo->textCursor();
    caret.setPosition(QStringLiteral("Hello\n").size());
    editor.Memo->setTextCursor(caret);
    editor.chooseLoadFile = [&](const QString& folder) {
        EXPECT_EQ(folder.toStdString() + "/", mail.path());
        return QString::fromStdString(mail.file("sig.txt"));
    };
    editor.menuItemInsertFile->trigger();
    EXPECT_EQ(editor.fileName(), path);
    editor.menuItemSave->trigger();
    EXPECT_EQ(readText(mail.file("to beta.txt")), "Hello\r\n-- Alpha\r\nBeta\r\n");

    // "Save As" onto an existing file answered No changes nothing; Yes writes it.
    editor.chooseSaveFile = [&](const QString&) { return QString::fromStdString(mail.file("sig.txt")); };
    f.boxes.clear();
    f.boxes.answers = {false};
    editor.menuItemSaveAs->trigger();
    EXPECT_EQ(f.boxes.texts(), Strings{"File exists already!\r\nDo you want to overwrite?"});
    EXPECT_EQ(readText(mail.file("sig.txt")), "-- Alpha");
    EXPECT_EQ(editor.fileName(), path);
    editor.menuItemSaveAs->trigger();
    EXPECT_EQ(editor.fileName().toStdString(), mail.file("sig.txt"));
    EXPECT_EQ(readText(mail.file("sig.txt")), readText(mail.file("to beta.txt")));

    // A failed save is reported; "New" forgets the file.
    editor.chooseSaveFile = [&](const QString&) { return QString::fromStdString(mail.file("no folder/x.txt")); };
    f.boxes.clear();
    editor.menuItemSaveAs->trigger();
    EXPECT_EQ(f.boxes.messages.size(), 1U);
    EXPECT_EQ(editor.fileName().toStdString(), mail.file("sig.txt"));
    editor.menuItemNew->trigger();
    EXPECT_TRUE(editor.Memo->toPlainText().isEmpty());
    EXPECT_FALSE(editor.menuItemSave->isEnabled());
}
