#pragma once

// TFormTextEditor: a small text editor for mail to the other races. It loads and saves plain
// text files (keeping their line ends), takes text from and puts it on the clipboard, quotes a
// selection for a reply, and searches with the text search window.
//
// The edit commands follow the selection and the clipboard; "Save" needs a file name. The
// editor keeps its text and file while hidden. The file dialogs start in the configuration's
// text editor folder, which follows the files loaded and saved.

#include "configuration.h"
#include "messages.h"
#include "texttools.h"

#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QActionGroup;
class QMenuBar;
class QPlainTextEdit;

namespace orrery {

class TFormTextSearch;

class TFormTextEditor : public QWidget {
    Q_OBJECT
public:
    TFormTextEditor(Configuration& settings, TFormTextSearch& search, MessageBoxes& boxes, QWidget* parent = nullptr);

    // The file dialogs (tests answer them): the chosen path, empty when cancelled.
    std::function<QString(const QString& folder)> chooseLoadFile;
    std::function<QString(const QString& folder)> chooseSaveFile;
    // Told when the window is shown and when it is closed.
    std::function<void(bool shown)> onShownChanged;

    // Loads a file into the editor: at -1 it replaces the text and becomes the editor's file,
    // else its lines are inserted before that line. False (with the error shown) when it cannot
    // be read.
    bool load(int atLine, const QString& path);
    QString fileName() const { return fileName_; }
    LineEnd lineEnd() const { return lineEnd_; }
    // Runs the enabling rules of the edit commands again.
    void updateCommands();

    void menuItemNewClick();
    void menuItemGetFromClipboardClick();
    void menuItemPutToClipboardClick();
    void menuItemLoadClick();
    void menuItemLoadMostRecentClick();
    void menuItemInsertFileClick();
    void menuItemSaveClick();
    void menuItemSaveAsClick();
    void menuItemCutClick();
    void menuItemCopyClick();
    void menuItemDeleteClick();
    void menuItemReplyformatClick();
    void menuItemSearchClick();
    void setFontSize(int points);

    QMenuBar* MainMenu = nullptr;
    QPlainTextEdit* Memo = nullptr;
    QAction* menuItemNew = nullptr;
    QAction* menuItemGetFromClipboard = nullptr;
    QAction* menuItemPutToClipboard = nullptr;
    QAction* menuItemLoad = nullptr;
    QAction* menuItemLoadMostRecent = nullptr;
    QAction* menuItemInsertFile = nullptr;
    QAction* menuItemSave = nullptr;
    QAction* menuItemSaveAs = nullptr;
    QAction* menuItemQuit = nullptr;
    QAction* menuItemCut = nullptr;
    QAction* menuItemCopy = nullptr;
    QAction* menuItemPaste = nullptr;
    QAction* menuItemDelete = nullptr;
    QAction* menuItemSelectAll = nullptr;
    QAction* menuItemReplyformat = nullptr;
    QAction* menuItemSearch = nullptr;
    static constexpr std::array<int, 4> fontSizes{8, 10, 12, 14};
    std::array<QAction*, 4> menuItemFontSize{};

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenus();
    // The selection commands warn when nothing is selected (their shortcuts work without one).
    bool hasSelection();
    void setFile(const QString& path);
    bool writeTo(const QString& path);
    std::string folder() const { return settings_.textEditorInitialDir; }

    Configuration& settings_;
    TFormTextSearch& search_;
    MessageBoxes& boxes_;
    QString fileName_;
    LineEnd lineEnd_ = LineEnd::LF;
};

} // namespace orrery
