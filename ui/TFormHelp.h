#pragma once

// TFormHelp: the help viewer. The pages are HTML compiled into the program (help/*.html); a topic
// is opened by its keyword ("introduction", "maindisplay", "buttons", "menus", "tools",
// "information", "tips", "author", "configurations") or by its number (930: what to do after
// creating a configuration). The contents list on the left opens every page; links inside the
// pages move between them.
//
// The program installs its one help window with install(); F1 in other windows and the help
// button of message boxes go through openHelp(), which does nothing while none is installed.

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

    // The topic number of the reminder shown after a configuration was created.
    static constexpr int createdConfigurationTopic = 930;

    // Shows the window at the topic. An unknown topic shows the introduction and gives false.
    bool showTopic(const QString& keyword);
    bool showTopic(int number);

    // The keyword of the page shown (also after following a link).
    QString currentKeyword() const;
    // The shown page as plain text.
    QString pageText() const;

    // The keywords of the contents list, in its order, and the page of a keyword ("" when
    // there is none; keywords are matched without regard to case).
    static QStringList keywords();
    static QString pageOf(const QString& keyword);

    static void install(TFormHelp* help);
    static TFormHelp* installed();

    QListWidget* ListBoxTopics = nullptr;
    QTextBrowser* TextBrowserHelp = nullptr;
    QPushButton* ButtonBack = nullptr;
    QPushButton* ButtonClose = nullptr;

private:
    void showPage(const QString& keyword);
    void pageChanged(const QUrl& page);
};

// Opens the installed help window at a topic; false when there is none or the topic is unknown.
bool openHelp(const QString& keyword);
bool openHelp(int topic);

} // namespace orrery
