#pragma once

// TFormHelp: the help viewer. The pages are HTML compiled into the program (help/*.html), one per
// topic; a page's keyword is its file name ("introduction", "maindisplay", ...). The contents list
// on the left opens every page; links inside the pages move between them. The main window owns the
// one help window and hands it to the windows that open help (F1, the help button of a message).

#include "session.h"

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace orrery {

class TFormHelp : public QDialog {
    Q_OBJECT
public:
    explicit TFormHelp(QWidget* parent = nullptr);
    ~TFormHelp() override;

    // Shows the window at the topic (HelpTopic::None: the introduction).
    void showTopic(HelpTopic topic);
    // Shows the window at the page of a keyword. An unknown keyword shows the introduction and
    // gives false.
    bool showTopic(const QString& keyword);

    // The keyword of the page shown (also after following a link).
    QString currentKeyword() const;
    // The shown page as plain text.
    QString pageText() const;

    // The keywords of the contents list, in its order, and the page of a keyword ("" when
    // there is none; keywords are matched without regard to case).
    static QStringList keywords();
    static QString pageOf(const QString& keyword);

    QListWidget* ListBoxTopics = nullptr;
    QTextBrowser* TextBrowserHelp = nullptr;
    QPushButton* ButtonBack = nullptr;
    QPushButton* ButtonClose = nullptr;

private:
    void showPage(const QString& keyword);
    void pageChanged(const QUrl& page);
};

} // namespace orrery
