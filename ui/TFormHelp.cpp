#include "TFormHelp.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The pages live in a resource of this static library; it has to be registered by hand.
static void registerHelpPages() { Q_INIT_RESOURCE(help); }

namespace orrery {

namespace {

struct Topic {
    HelpTopic topic;
    const char* keyword;
    const char* title;
};

// Contents order: how to start, the main window, then one page per window (what F1 opens there),
// then configurations and the rest. The pages of the windows open by keyword only.
const Topic topics[] = {
    {HelpTopic::Introduction, "introduction", "Introduction"},
    {HelpTopic::MainDisplay, "maindisplay", "The main display"},
    {HelpTopic::Buttons, "buttons", "Buttons"},
    {HelpTopic::Menus, "menus", "Menus"},
    {HelpTopic::Tools, "tools", "Tools"},
    {HelpTopic::Information, "information", "Information formulars"},
    {HelpTopic::None, "moveeditor", "Move Editor"},
    {HelpTopic::None, "commands", "Command windows"},
    {HelpTopic::None, "areatools", "Scan area, send, intercept"},
    {HelpTopic::None, "transporter", "Develop planets"},
    {HelpTopic::None, "shipdesign", "Ship design"},
    {HelpTopic::None, "planetview", "Planet View"},
    {HelpTopic::None, "battle", "Battle Simulator"},
    {HelpTopic::None, "battleresult", "Battle result"},
    {HelpTopic::None, "news", "News"},
    {HelpTopic::None, "turnoverview", "Turn overview"},
    {HelpTopic::None, "races", "Show Races"},
    {HelpTopic::None, "yourplanets", "Show Planets"},
    {HelpTopic::None, "chart", "Chart"},
    {HelpTopic::None, "find", "Find Planet and Find Race"},
    {HelpTopic::None, "textfiles", "Text viewer and editor"},
    {HelpTopic::None, "options", "Options"},
    {HelpTopic::None, "import", "Import reports from mailbox"},
    {HelpTopic::Configurations, "configurations", "Configurations"},
    {HelpTopic::NewConfiguration, "newconfiguration", "After creating a configuration"},
    {HelpTopic::Tips, "tips", "Tips"},
    {HelpTopic::Author, "author", "Contacting the author"},
};

const QString pagePrefix = QStringLiteral("qrc:/help/");

QString keywordOf(const QUrl& page) { return QFileInfo(page.path()).completeBaseName(); }

} // namespace

TFormHelp::TFormHelp(QWidget* parent) : QDialog(parent)
{
    registerHelpPages();
    setObjectName(QStringLiteral("TFormHelp"));
    setWindowTitle(QStringLiteral("Orrery Help"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    ListBoxTopics = new QListWidget(this);
    ListBoxTopics->setObjectName(QStringLiteral("ListBoxTopics"));
    for (const Topic& t : topics) {
        auto* item = new QListWidgetItem(QString::fromLatin1(t.title), ListBoxTopics);
        item->setData(Qt::UserRole, QString::fromLatin1(t.keyword));
    }
    ListBoxTopics->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TextBrowserHelp = new QTextBrowser(this);
    TextBrowserHelp->setObjectName(QStringLiteral("TextBrowserHelp"));
    TextBrowserHelp->setOpenExternalLinks(true);
    ButtonBack = new QPushButton(QStringLiteral("Back"), this);
    ButtonBack->setEnabled(false);
    ButtonClose = new QPushButton(QStringLiteral("Close"), this);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(ListBoxTopics);
    splitter->addWidget(TextBrowserHelp);
    splitter->setStretchFactor(1, 1);
    // The contents list as wide as its longest title.
    const int listWidth = ListBoxTopics->sizeHintForColumn(0) + 2 * ListBoxTopics->frameWidth() + 8;
    splitter->setSizes({listWidth, 620});
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonBack);
    buttons->addStretch(1);
    buttons->addWidget(ButtonClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    resize(listWidth + 640, 580);

    connect(ListBoxTopics, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
    // The browser tells the new page before source() has it.
    connect(TextBrowserHelp, &QTextBrowser::sourceChanged, this, &TFormHelp::pageChanged);
    connect(TextBrowserHelp, &QTextBrowser::backwardAvailable, ButtonBack, &QPushButton::setEnabled);
    connect(ButtonBack, &QPushButton::clicked, TextBrowserHelp, &QTextBrowser::backward);
    connect(ButtonClose, &QPushButton::clicked, this, &QDialog::close);
}

TFormHelp::~TFormHelp() = default;

QStringList TFormHelp::keywords()
{
    QStringList list;
    for (const Topic& t : topics) list << QString::fromLatin1(t.keyword);
    return list;
}

QString TFormHelp::pageOf(const QString& keyword)
{
    for (const Topic& t : topics)
        if (keyword.compare(QLatin1String(t.keyword), Qt::CaseInsensitive) == 0)
            return pagePrefix + QString::fromLatin1(t.keyword) + QStringLiteral(".html");
    return {};
}

bool TFormHelp::showTopic(const QString& keyword)
{
    const bool known = !pageOf(keyword).isEmpty();
    showPage(known ? keyword.toLower() : QStringLiteral("introduction"));
    show();
    raise();
    activateWindow();
    return known;
}

void TFormHelp::showTopic(HelpTopic topic)
{
    for (const Topic& t : topics) {
        if (topic != HelpTopic::None && t.topic == topic) {
            showTopic(QString::fromLatin1(t.keyword));
            return;
        }
    }
    showTopic(QStringLiteral("introduction"));
}

void TFormHelp::showPage(const QString& keyword) { TextBrowserHelp->setSource(QUrl(pageOf(keyword))); }

QString TFormHelp::currentKeyword() const { return keywordOf(TextBrowserHelp->source()); }

QString TFormHelp::pageText() const { return TextBrowserHelp->toPlainText(); }

void TFormHelp::pageChanged(const QUrl& page)
{
    const QString keyword = keywordOf(page);
    for (int i = 0; i < ListBoxTopics->count(); ++i)
        if (ListBoxTopics->item(i)->data(Qt::UserRole).toString() == keyword) ListBoxTopics->setCurrentRow(i);
    setWindowTitle(QStringLiteral("Orrery Help - ") + TextBrowserHelp->documentTitle());
}

} // namespace orrery
