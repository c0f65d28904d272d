#pragma once

// "Import reports from mailbox..." of the System menu: a small window that takes an mbox file or
// a Maildir folder and a folder for the reports, writes every turn report of the mails there
// (see core/mailimport.h) and lists what it did. A single game whose turn 0 is among the reports
// then opens the way "Create configuration..." opens it; reports of several games or races are
// written to one folder each, which the window names.
//
//     installImportWindow(main); // once, from the main window's constructor

#include <QWidget>

#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orrery {

class MessageBoxes;
class TFormMain;

class TFormImportMail : public QWidget {
    Q_OBJECT
public:
    // open: opens the game of the report of turn 0 the import wrote (the main window's
    // "Create configuration..." with that report).
    TFormImportMail(MessageBoxes& boxes, std::function<bool(const QString&)> open, QWidget* parent = nullptr);

    // Imports the mailbox into the folder; false when nothing could be imported.
    bool ButtonImportClick();

    QLineEdit* EditMailbox;
    QLineEdit* EditFolder;
    QPushButton* ButtonMailboxFile;
    QPushButton* ButtonMailboxFolder;
    QPushButton* ButtonFolder;
    QPushButton* ButtonImport;
    QPushButton* ButtonClose;
    QPlainTextEdit* MemoResult;

    std::function<void(bool shown)> onShownChanged;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    MessageBoxes& boxes_;
    std::function<bool(const QString&)> open_;
};

void installImportWindow(TFormMain& main);

} // namespace orrery
