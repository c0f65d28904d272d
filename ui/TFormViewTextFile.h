#pragma once

// TFormViewTextFile: the text viewer, a read-only list of the lines of a text file (an old
// report, a mail). Its context menu opens the text search on the list; closing the viewer closes
// that search.
//
//     viewer.showFile(path); // false (and the error shown) when the file cannot be read

#include "messages.h"

#include <QWidget>

#include <functional>

class QAction;
class QListWidget;

namespace orrery {

class TFormTextSearch;

class TFormViewTextFile : public QWidget {
    Q_OBJECT
public:
    TFormViewTextFile(TFormTextSearch& search, MessageBoxes& boxes, QWidget* parent = nullptr);

    // Reads the file and shows its lines (any line ends); a file that cannot be read is reported
    // and the window stays as it was.
    bool showFile(const QString& path);
    // The main window's "Load text file...": asks for a file and shows it.
    void askAndShow();
    // The open dialog (tests answer it): the chosen path, empty when cancelled.
    std::function<QString()> chooseFile;

    QListWidget* ListBoxText = nullptr;
    QAction* menuItemTextSearch = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TFormTextSearch& search_;
    MessageBoxes& boxes_;
};

} // namespace orrery
