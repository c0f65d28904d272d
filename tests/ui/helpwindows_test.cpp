// The help window's topics and links, the help menu and the help button of an information box,
// the about box and the debug window.

#include "TAboutBox.h"
#include "TFormDebug.h"
#include "TFormHelp.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;

TEST(HelpWindow, EveryTopicHasItsPage)
{
    TFormHelp help;
    const std::pair<QString, QString> keywords[] = {
        {"introduction", "Create configuration"}, {"maindisplay", "Groups at planet"},
        {"buttons", "play all reports like a film"}, {"menus", "Change options"}, {"tools", "Move Editor"},
        {"information", "sort by difference"}, {"tips", "Right-click"}, {"author", "version of Orrery"},
        {"MainDisplay", "star map"}, // keywords are matched without regard to case
    };
    for (const auto& [keyword, mustMention] : keywords) {
        SCOPED_TRACE(keyword.toStdString());
        EXPECT_TRUE(help.showTopic(keyword) && help.isVisible());
        EXPECT_EQ(help.currentKeyword(), keyword.toLower());
        EXPECT_TRUE(help.pageText().contains(mustMention, Qt::CaseInsensitive)) << help.pageText().left(200).toStdString();
        EXPECT_EQ(help.ListBoxTopics->currentItem()->data(Qt::UserRole).toString(), keyword.toLower());
    }
    // The topics the program opens; an unknown keyword falls back to the introduction.
    const std::tuple<HelpTopic, const char*, const char*> topics[] = {
        {HelpTopic::NewConfiguration, "newconfiguration", "Name of Galaxy game"},
        {HelpTopic::Configurations, "configurations", "No standard configuration found"},
        {HelpTopic::None, "introduction", "Create configuration"}};
    for (const auto& [topic, keyword, mustMention] : topics) {
        help.showTopic(topic);
        EXPECT_EQ(help.currentKeyword(), QString::fromLatin1(keyword));
        EXPECT_TRUE(help.pageText().contains(QString::fromLatin1(mustMention)));
    }
    EXPECT_TRUE(!help.showTopic(QStringLiteral("nonsense")) && help.currentKeyword() == "introduction");
}

TEST(HelpWindow, LinksBetweenPagesLeadToPages)
{
    TFormHelp help;
    int links = 0;
    for (const QString& keyword : TFormHelp::keywords()) {
        help.showTopic(keyword);
        // Every link to another page names a page of the contents.
        const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
        for (const QRegularExpressionMatch& m : link.globalMatch(help.TextBrowserHelp->toHtml())) {
            SCOPED_TRACE((keyword + " -> " + m.captured(1)).toStdString());
            EXPECT_TRUE(m.captured(1).endsWith(".html") && !TFormHelp::pageOf(m.captured(1).chopped(5)).isEmpty());
            ++links;
        }
    }
    EXPECT_GT(links, 10);

    // Following a link moves the contents list along.
    help.showTopic(QStringLiteral("introduction"));
    help.TextBrowserHelp->setSource(QUrl(QStringLiteral("qrc:/help/tips.html")));
    EXPECT_TRUE(help.currentKeyword() == "tips" && help.ListBoxTopics->currentItem()->data(Qt::UserRole) == "tips");
    help.TextBrowserHelp->backward();
    EXPECT_EQ(help.currentKeyword(), QStringLiteral("introduction"));
}

TEST(HelpWindow, TheHelpMenuOpensTheMainWindowsHelpAtItsTopic)
{
    MainWindowFixture f(1);
    const std::pair<MainCommand, const char*> entries[] = {
        {MainCommand::HelpTips, "tips"}, {MainCommand::HelpIntroduction, "introduction"}, {MainCommand::HelpMenus, "menus"}};
    for (const auto& [command, keyword] : entries) {
        f.action(command)->trigger();
        EXPECT_TRUE(f.main->helpWindow().isVisible() && f.main->helpWindow().currentKeyword() == keyword) << keyword;
    }
}

// The program's boxes: an information with a help topic offers the page beside OK, and the help
// button opens it; one without a topic has no help button.
TEST(DialogBoxes, AnInformationWithATopicOffersItsPage)
{
    std::vector<HelpTopic> opened;
    DialogBoxes boxes([&opened](HelpTopic topic) { opened.push_back(topic); });
    for (HelpTopic topic : {HelpTopic::None, HelpTopic::NewConfiguration}) {
        SCOPED_TRACE(static_cast<int>(topic));
        bool offered = false;
        // Answered from inside the box's modal loop: its help button when it has one, else OK.
        QTimer::singleShot(0, [&offered] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible()) continue;
                QAbstractButton* help = box->button(QMessageBox::Help);
                offered = help != nullptr;
                (help ? help : box->button(QMessageBox::Ok))->click();
            }
        });
        EXPECT_TRUE(boxes.show(nullptr, MessageKind::Information, QStringLiteral("Saved."), topic));
        EXPECT_EQ(offered, topic != HelpTopic::None);
    }
    EXPECT_EQ(opened, std::vector<HelpTopic>{HelpTopic::NewConfiguration});
}

TEST(AboutBox, VersionAndMemory)
{
    TAboutBox about;
    EXPECT_TRUE(about.LabelVersion->text().endsWith(QString::fromStdString(programVersion())));
    EXPECT_TRUE(about.LabelMemoryInUse->text().startsWith("Memory in use: "));
    ProcessMemory m;
    m.residentKb = 48123;
    m.peakResidentKb = 52000;
    EXPECT_EQ(strings(TAboutBox::memoryTexts(m)), (Strings{"Memory in use: 48123 KB", "Most memory used: 52000 KB", "Address space: unknown"}));
}

TEST(DebugWindow, CollectsLinesWhileHidden)
{
    TFormDebug debug;
    debug.append(QStringLiteral("turn 3 read"));
    debug.appendGameText("planet \xC4gir\r\nsecond line");
    EXPECT_EQ(debug.text(), QString::fromUtf8("turn 3 read\nplanet \xC3\x84gir\nsecond line"));
    debug.clear();
    EXPECT_TRUE(debug.text().isEmpty() && !debug.isVisible());
}
