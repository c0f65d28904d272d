// The help window's topics and links, the help menu and the help button of an information box,
// the about box and the debug window.

#include "TAboutBox.h"
#include "TFormDebug.h"
#include "TFormHelp.h"
#include "TFormMove.h"
#include "TFormMoveC2.h"
#include "helpkeys.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QKeyEvent>

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

// Every link and picture of every page leads somewhere: the page exists, the anchor is in it,
// the picture loads. Every page of the help folder is compiled in and in the contents.
TEST(HelpWindow, NoDeadLinksOrPictures)
{
    const QDir compiled(QStringLiteral(":/help"));
    const QStringList pages = compiled.entryList({QStringLiteral("*.html")});
    const QDir source(QStringLiteral(ORRERY_HELP_SOURCE));
    ASSERT_TRUE(source.exists());
    EXPECT_EQ(pages, source.entryList({QStringLiteral("*.html")}));
    EXPECT_EQ(compiled.entryList({QStringLiteral("*.png")}), source.entryList({QStringLiteral("*.png")}));
    QStringList contents;
    for (const QString& keyword : TFormHelp::keywords()) contents << keyword + QStringLiteral(".html");
    contents.sort();
    EXPECT_EQ(contents, pages);

    auto text = [&](const QString& page) {
        QFile file(compiled.filePath(page));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    const QRegularExpression reference(QStringLiteral("(href|src)=\"([^\"]*)\""));
    int links = 0, pictures = 0;
    for (const QString& page : pages) {
        for (const QRegularExpressionMatch& m : reference.globalMatch(text(page))) {
            const QString target = m.captured(2);
            SCOPED_TRACE((page + " -> " + target).toStdString());
            if (target.startsWith(QStringLiteral("http")) || target.startsWith(QStringLiteral("mailto:"))) continue;
            const QString file = target.section(QLatin1Char('#'), 0, 0);
            const QString anchor = target.section(QLatin1Char('#'), 1);
            const QString into = file.isEmpty() ? page : file;
            if (m.captured(1) == QStringLiteral("src")) {
                EXPECT_FALSE(QImage(compiled.filePath(file)).isNull());
                ++pictures;
                continue;
            }
            ASSERT_TRUE(pages.contains(into));
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(text(into).contains(QStringLiteral("name=\"%1\"").arg(anchor)) ||
                            text(into).contains(QStringLiteral("id=\"%1\"").arg(anchor)));
            }
            ++links;
        }
    }
    EXPECT_GT(links, 40);
    EXPECT_GE(pictures, 4);

    // Following a link moves the contents list along; Back returns.
    TFormHelp help;
    help.showTopic(QStringLiteral("introduction"));
    help.TextBrowserHelp->setSource(QUrl(QStringLiteral("qrc:/help/tips.html")));
    EXPECT_TRUE(help.currentKeyword() == "tips" && help.ListBoxTopics->currentItem()->data(Qt::UserRole) == "tips");
    help.TextBrowserHelp->backward();
    EXPECT_EQ(help.currentKeyword(), QStringLiteral("introduction"));
}

// F1 opens the help at the page of the window it is pressed in, from any widget of it; every
// window of the program has a page of its own.
TEST(HelpWindow, F1OpensThePageOfTheWindow)
{
    MainWindowFixture f(1);
    ASSERT_TRUE(f.start());
    int windows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMenu*>(window) != nullptr || window->parentWidget() != f.main.get()) continue;
        SCOPED_TRACE(window->metaObject()->className());
        const QString own = helpKeywordOf(window);
        EXPECT_FALSE(TFormHelp::pageOf(own).isEmpty());
        // Only the main window's own windows fall back to its page.
        if (own == QStringLiteral("maindisplay")) ADD_FAILURE() << "no page of its own";
        ++windows;
    }
    EXPECT_GT(windows, 20);

    TFormHelp& help = f.main->helpWindow();
    auto press = [](QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(widget, &event);
    };
    auto pressF1 = [&](QWidget* widget) {
        help.hide();
        press(widget, Qt::Key_F1);
        return help.isVisible() ? help.currentKeyword() : QString();
    };
    f.trigger(MainCommand::MoveEditor);
    auto* move = f.main->findChild<TFormMove*>();
    ASSERT_TRUE(move != nullptr);
    EXPECT_EQ(pressF1(move->findChild<QLineEdit*>()), QStringLiteral("moveeditor"));
    // A command window is found by the class it derives from.
    EXPECT_EQ(pressF1(move->findChild<TFormMoveC2*>()), QStringLiteral("commands"));
    EXPECT_EQ(pressF1(f.main.get()), QStringLiteral("maindisplay"));
    // A window names its page itself.
    move->setProperty("helpKeyword", QStringLiteral("chart"));
    EXPECT_EQ(pressF1(move->findChild<QLineEdit*>()), QStringLiteral("chart"));
    // F1 with a modifier, and keys other than F1, are left to the window.
    help.hide();
    press(f.main.get(), Qt::Key_F1, Qt::ShiftModifier);
    press(f.main.get(), Qt::Key_F2);
    EXPECT_FALSE(help.isVisible());
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
