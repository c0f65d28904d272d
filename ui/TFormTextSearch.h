#pragma once

// TFormTextSearch: the one text search window of the program. The text viewer, the text editor
// and the news window's report page open it on their control; the search goes from the last match
// on, and after "Text not found!" starts again from the top.
//
//     search.openFor(listWidget);   // a list of lines: the line found is selected
//     search.openFor(plainTextEdit); // a multi-line text: the occurrence found is selected
//
// Opening it on a control starts the next search from the top of that control.

#include "messages.h"
#include "texttools.h"

#include <QPointer>
#include <QWidget>

class QAbstractItemView;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orrery {

class TFormTextSearch : public QWidget {
    Q_OBJECT
public:
    explicit TFormTextSearch(MessageBoxes& boxes, QWidget* parent = nullptr);

    // Shows the window searching a list of lines (the first column of any list or table view)
    // or a multi-line text.
    void openFor(QAbstractItemView* list);
    void openFor(QPlainTextEdit* edit);
    // The control searched, or nullptr.
    QWidget* target() const;
    // Closes the window when it searches a control of that window (the window is closing).
    void closeFor(const QWidget* window);

    // "Search": from the top; "Search again": on behind the last match.
    void ButtonSearchClick();
    void ButtonSearchAgainClick();

    QLineEdit* EditSearch = nullptr;
    QCheckBox* CheckBoxCaseSensitive = nullptr;
    QPushButton* ButtonSearch = nullptr;
    QPushButton* ButtonSearchAgain = nullptr;
    QPushButton* ButtonClose = nullptr;

private:
    void bringUp();
    bool searchList(const std::string& what, bool caseSensitive);
    bool searchEdit(const std::string& what, bool caseSensitive);

    MessageBoxes& boxes_;
    QPointer<QAbstractItemView> list_;
    QPointer<QPlainTextEdit> edit_;
    TextSearch search_;
};

} // namespace orrery
