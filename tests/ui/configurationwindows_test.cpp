// The configuration windows: the three modes of the configurations window with every message,
// the save window and the "No configuration" window with its help key.

#include "TFormConfigurations.h"
#include "TFormHelp.h"
#include "TFormNoConfiguration.h"
#include "TFormSaveConfiguration.h"
#include "configstore.h"
#include "uitestkit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;

namespace {

using Mode = TFormConfigurations::Mode;

struct ConfigurationsWindow : ::testing::Test {
    TempDir dir;
    QSettings settings{QString::fromStdString(dir.file("settings.ini")), QSettings::IniFormat};
    MessageRecorder boxes;
    TORRegistry registry{settings, [this](MessageKind kind, const std::string& text) {
                             return boxes.show(nullptr, kind, fromGame(text));
                         }};
    TFormConfigurations window{registry, boxes};
    std::vector<std::string> saved;
    std::vector<std::string> loaded;

    void SetUp() override
    {
        for (const char* name : {"Standard", "Lyra", "Orion"}) ASSERT_TRUE(registry.saveConfiguration(name, Configuration()));
        window.onSave = [this](const std::string& name) { saved.push_back(name); };
        window.onLoad = [this](const std::string& name) { loaded.push_back(name); };
    }

    QStringList listed() const
    {
        QStringList names;
        for (int i = 0; i < window.ListBoxConfigurations->count(); ++i) names << window.ListBoxConfigurations->item(i)->text();
        return names;
    }

    QListWidgetItem* item(const QString& name) const
    {
        const auto found = window.ListBoxConfigurations->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }

    // A real mouse click (or double click) on a list entry.
    void click(const QString& name, bool twice = false)
    {
        QListWidget* list = window.ListBoxConfigurations;
        QListWidgetItem* entry = item(name);
        ASSERT_NE(entry, nullptr) << name.toStdString();
        const QPoint at = list->visualItemRect(entry).center();
        QWidget* port = list->viewport();
        auto send = [&](QEvent::Type type) {
            QMouseEvent e(type, at, port->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(port, &e);
        };
        send(QEvent::MouseButtonPress);
        send(QEvent::MouseButtonRelease);
        if (twice) {
            send(QEvent::MouseButtonDblClick);
            send(QEvent::MouseButtonRelease);
        }
    }
};

} // namespace

TEST_F(ConfigurationsWindow, EveryModeListsTheStoreAndOnlySaveHasANameField)
{
    for (Mode mode : {Mode::Save, Mode::Load, Mode::Delete, Mode::Save}) {
        SCOPED_TRACE(static_cast<int>(mode));
        window.EditName->setText(QStringLiteral("left over"));
        window.openIn(mode);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.mode(), mode);
        EXPECT_EQ(!window.EditName->isHidden(), mode == Mode::Save);
        EXPECT_TRUE(window.EditName->text().isEmpty());
        QStringList expected;
        for (const std::string& n : registry.listConfigurations()) expected << QString::fromStdString(n);
        EXPECT_EQ(listed(), expected);
        EXPECT_EQ(listed().size(), 3);
        window.ButtonCancel->click();
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_TRUE(boxes.messages.empty());
    EXPECT_TRUE(saved.empty());
    EXPECT_TRUE(loaded.empty());
}

TEST_F(ConfigurationsWindow, SaveChecksTheName)
{
    const QString emptyName = QStringLiteral("You have to enter the name of the configuration to save!");
    const QString reserved = QStringLiteral("You can't name a configuration \"Standard\".\r\n"
                                            "This name is reserved for the standard configuration.");
    const QString overwrite = QStringLiteral("Configuration exists already!\r\nDo you want to overwrite?");
    const QString nested = QString::fromLatin1(TORRegistry::nameNotAllowed);
    struct Case {
        const char* name;
        std::deque<bool> answers;
        std::vector<std::pair<MessageKind, QString>> messages;
        std::vector<std::string> saved;
    };
    const std::vector<Case> cases = {
        {"", {}, {{MessageKind::Error, emptyName}}, {}},
        {"Standard", {}, {{MessageKind::Error, reserved}}, {}},
        {"games/Lyra", {}, {{MessageKind::Error, nested}}, {}}, // would nest keys in the store
        {"back\\slash", {}, {{MessageKind::Error, nested}}, {}},
        {"Lyra", {false}, {{MessageKind::Warning, overwrite}}, {}},
        {"Lyra", {true}, {{MessageKind::Warning, overwrite}}, {"Lyra"}},
        {"lyra", {}, {}, {"lyra"}}, // names are case-sensitive: a new one
        {"New game", {}, {}, {"New game"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("name \"") + c.name + "\"");
        boxes.clear();
        boxes.answers = c.answers;
        saved.clear();
        window.openIn(Mode::Save);
        window.EditName->setText(QString::fromLatin1(c.name));
        window.ButtonOK->click();

        ASSERT_EQ(boxes.messages.size(), c.messages.size());
        for (std::size_t i = 0; i < c.messages.size(); ++i) {
            EXPECT_EQ(boxes.messages[i].kind, c.messages[i].first);
            EXPECT_EQ(boxes.messages[i].text, c.messages[i].second);
        }
        EXPECT_EQ(saved, c.saved);
        EXPECT_EQ(window.isVisible(), c.saved.empty()) << "closes exactly when it saves";
        window.hide();
    }
    EXPECT_TRUE(loaded.empty());
}

TEST_F(ConfigurationsWindow, ClickCopiesTheNameAndDoubleClickIsOK)
{
    window.openIn(Mode::Save);
    click(QStringLiteral("Orion"));
    EXPECT_EQ(window.EditName->text(), QStringLiteral("Orion"));
    EXPECT_TRUE(boxes.messages.empty());

    boxes.answers = {true};
    click(QStringLiteral("Lyra"), true);
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].text, QStringLiteral("Configuration exists already!\r\nDo you want to overwrite?"));
    EXPECT_EQ(saved, std::vector<std::string>{"Lyra"});
    EXPECT_FALSE(window.isVisible());

    window.openIn(Mode::Load);
    click(QStringLiteral("Orion"), true);
    EXPECT_EQ(loaded, std::vector<std::string>{"Orion"});
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ConfigurationsWindow, LoadNeedsASelection)
{
    window.openIn(Mode::Load);
    window.ButtonOK->click();
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(boxes.messages[0].text, QStringLiteral("Please select the configuration to load first!"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(loaded.empty());

    click(QStringLiteral("Lyra"));
    window.ButtonOK->click();
    EXPECT_EQ(loaded, std::vector<std::string>{"Lyra"});
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(boxes.messages.size(), 1u);
    EXPECT_TRUE(saved.empty());
}

TEST_F(ConfigurationsWindow, DeleteRemovesFromStoreAndListAndStaysOpen)
{
    window.openIn(Mode::Delete);
    window.ButtonOK->click();
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(boxes.messages[0].text, QStringLiteral("Please select the configuration to delete first!"));

    click(QStringLiteral("Orion"));
    window.ButtonOK->click();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("Lyra"), QStringLiteral("Standard")}));
    EXPECT_EQ(registry.listConfigurations(), (std::vector<std::string>{"Lyra", "Standard"}));
    EXPECT_EQ(boxes.messages.size(), 1u);

    // Nothing selected any more: the next Delete asks for a selection again.
    window.ButtonOK->click();
    EXPECT_EQ(boxes.messages.size(), 2u);
    EXPECT_EQ(registry.listConfigurations().size(), 2u);
    EXPECT_TRUE(loaded.empty());
    EXPECT_TRUE(saved.empty());
}

TEST(SaveConfigurationWindow, ButtonsCallBackAndClose)
{
    TFormSaveConfiguration window;
    std::vector<std::string> calls;
    window.onSaveStandard = [&] { calls.push_back(window.isVisible() ? "standard (open)" : "standard (closed)"); };
    window.onSaveAlternative = [&] { calls.push_back(window.isVisible() ? "alternative (open)" : "alternative (closed)"); };
    const std::pair<QPushButton*, std::vector<std::string>> cases[] = {
        {window.ButtonStandard, {"standard (open)"}},         // saves, then closes
        {window.ButtonAlternative, {"alternative (closed)"}}, // closes, then the name window opens
        {window.ButtonCancel, {}},
    };
    for (const auto& [button, expected] : cases) {
        SCOPED_TRACE(button->text().toStdString());
        calls.clear();
        window.show();
        button->click();
        EXPECT_EQ(calls, expected);
        EXPECT_FALSE(window.isVisible());
    }
}

TEST(NoConfigurationWindow, ButtonsCloseAndCallBackAndF1AsksForTheConfigurationsPage)
{
    TFormNoConfiguration window;
    std::vector<std::string> calls;
    window.onCreateConfiguration = [&] { calls.push_back(window.isVisible() ? "create (open)" : "create"); };
    window.onLoadConfiguration = [&] { calls.push_back(window.isVisible() ? "load (open)" : "load"); };
    std::vector<HelpTopic> help;
    window.openHelp = [&help](HelpTopic topic) { help.push_back(topic); };
    window.show();
    window.ButtonCreate->click();
    window.show();
    window.ButtonLoad->click();
    EXPECT_EQ(calls, (std::vector<std::string>{"create", "load"}));
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(help.empty());

    window.show();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&window, &f1);
    EXPECT_EQ(help, std::vector<HelpTopic>{HelpTopic::Configurations});
}

// The main window's "No configuration" window opens the main window's help.
TEST(NoConfigurationWindow, F1InTheMainWindowsOneOpensItsHelp)
{
    MainWindowFixture f(1);
    f.main->startUp(QString());
    ASSERT_TRUE(f.main->noConfigurationWindow().isVisible());
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&f.main->noConfigurationWindow(), &f1);
    EXPECT_TRUE(f.main->helpWindow().isVisible());
    EXPECT_EQ(f.main->helpWindow().currentKeyword(), QStringLiteral("configurations"));
}
