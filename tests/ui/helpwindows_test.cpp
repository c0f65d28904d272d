// The help window's topics, the about box and the debug window.

#include "TAboutBox.h"
#include "TFormDebug.h"
#include "TFormHelp.h"

#include <QLabel>
#include <QListWidget>
#include <QTextBrowser>
#include <gtest/gtest.h>

using namespace orrery;

TEST(HelpWindow, EveryTopicHasItsPage)
{
    TFormHelp help;
    struct Case {
        QString keyword;
        QString mustMention;
    };
    const Case cases[] = {
        {"introduction", "Create configuration"},
        {"maindisplay", "Groups at planet"},
        {"buttons", "play all reports like a film"},
        {"menus", "Change options"},
        {"tools", "Move Editor"},
        {"information", "sort by difference"},
        {"tips", "Right-click"},
        {"author", "version of Orrery"},
        {"configurations", "No standard configuration found"},
        {"MainDisplay", "star map"}, // keywords are matched without regard to case
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keyword.toStdString());
        EXPECT_TRUE(help.showTopic(c.keyword));
        EXPECT_TRUE(help.isVisible());
        EXPECT_EQ(help.currentKeyword(), c.keyword.toLower());
        EXPECT_TRUE(help.pageText().contains(c.mustMention, Qt::CaseInsensitive)) << help.pageText().left(200).toStdString();
        ASSERT_NE(help.ListBoxTopics->currentItem(), nullptr);
        EXPECT_EQ(help.ListBoxTopics->currentItem()->data(Qt::UserRole).toString(), c.keyword.toLower());
    }

    EXPECT_TRUE(help.showTopic(TFormHelp::createdConfigurationTopic));
    EXPECT_EQ(help.currentKeyword(), QStringLiteral("newconfiguration"));
    EXPECT_TRUE(help.pageText().contains(QStringLiteral("Name of Galaxy game")));
    EXPECT_TRUE(help.pageText().contains(QStringLiteral("save"), Qt::CaseInsensitive));

    // Unknown topics fall back to the introduction.
    EXPECT_FALSE(help.showTopic(QStringLiteral("nonsense")));
    EXPECT_EQ(help.currentKeyword(), QStringLiteral("introduction"));
    EXPECT_FALSE(help.showTopic(931));
    EXPECT_EQ(help.currentKeyword(), QStringLiteral("introduction"));
}

TEST(HelpWindow, LinksBetweenPagesLeadToPages)
{
    TFormHelp help;
    int links = 0;
    for (const QString& keyword : TFormHelp::keywords()) {
        help.showTopic(keyword);
        const QString html = help.TextBrowserHelp->toHtml();
        // Every link to another page names a page of the contents.
        qsizetype at = 0;
        while ((at = html.indexOf(QStringLiteral("href=\""), at)) >= 0) {
            at += 6;
            const QString target = html.mid(at, html.indexOf(u'"', at) - at);
            SCOPED_TRACE((keyword + " -> " + target).toStdString());
            ASSERT_TRUE(target.endsWith(QStringLiteral(".html")));
            EXPECT_FALSE(TFormHelp::pageOf(target.chopped(5)).isEmpty());
            ++links;
        }
    }
    EXPECT_GT(links, 10);

    // Following a link moves the contents list along.
    help.showTopic(QStringLiteral("introduction"));
    help.TextBrowserHelp->setSource(QUrl(QStringLiteral("qrc:/help/tips.html")));
    EXPECT_EQ(help.currentKeyword(), QStringLiteral("tips"));
    ASSERT_NE(help.ListBoxTopics->currentItem(), nullptr);
    EXPECT_EQ(help.ListBoxTopics->currentItem()->text(), QStringLiteral("Tips"));
    help.TextBrowserHelp->backward();
    EXPECT_EQ(help.currentKeyword(), QStringLiteral("introduction"));
}

TEST(HelpWindow, OpenHelpUsesTheInstalledWindow)
{
    EXPECT_FALSE(openHelp(QStringLiteral("tips"))) << "nothing installed";
    {
        TFormHelp help;
        TFormHelp::install(&help);
        EXPECT_TRUE(openHelp(930));
        EXPECT_EQ(help.currentKeyword(), QStringLiteral("newconfiguration"));
        EXPECT_TRUE(openHelp(QStringLiteral("menus")));
        EXPECT_EQ(help.currentKeyword(), QStringLiteral("menus"));
    }
    EXPECT_EQ(TFormHelp::installed(), nullptr) << "a destroyed window uninstalls itself";
    EXPECT_FALSE(openHelp(QStringLiteral("tips")));
}

TEST(AboutBox, VersionAndMemory)
{
    TAboutBox about;
    EXPECT_EQ(about.LabelVersion->text(), QStringLiteral("Version ") + QString::fromStdString(programVersion()));
    EXPECT_TRUE(about.LabelMemoryInUse->text().startsWith(QStringLiteral("Memory in use: ")));

    ProcessMemory m;
    m.residentKb = 48123;
    m.peakResidentKb = 52000;
    const QStringList texts = TAboutBox::memoryTexts(m);
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Memory in use: 48123 KB"), QStringLiteral("Most memory used: 52000 KB"),
                                  QStringLiteral("Address space: unknown")}));
}

TEST(DebugWindow, CollectsLinesWhileHidden)
{
    TFormDebug debug;
    EXPECT_FALSE(debug.isVisible());
    debug.append(QStringLiteral("turn 3 read"));
    debug.appendGameText("planet \xC4gir\r\nsecond line");
    EXPECT_EQ(debug.text(), QString::fromUtf8("turn 3 read\nplanet \xC3\x84gir\nsecond line"));
    debug.clear();
    EXPECT_TRUE(debug.text().isEmpty());
}
