// The configuration windows: the three modes of the configurations window with every message,
// the save window and the buttons of the "No configuration" window.

#include "TFormConfigurations.h"
#include "TFormNoConfiguration.h"
#include "TFormSaveConfiguration.h"
#include "configstore.h"
#include "uitestkit.h"

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

    Strings listed() const
    {
        Strings names;
        for (const QListWidgetItem* i : window.ListBoxConfigurations->findItems("*", Qt::MatchWildcard)) names.push_back(i->text().toStdString());
        return names;
    }

    // A real mouse click (or double click) on a list entry.
    void click(const QString& name, bool twice = false)
    {
        const auto found = window.ListBoxConfigurations->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        test::click(window.ListBoxConfigurations->viewport(),
                    window.ListBoxConfigurations->visualItemRect(found.first()).center(), Qt::LeftButton, twice);
    }
};

} // namespace

TEST_F(ConfigurationsWindow, EveryModeListsTheStoreAndOnlySaveHasANameField)
{
    for (Mode mode : {Mode::Save, Mode::Load, Mode::Delete, Mode::Save}) {
        SCOPED_TRACE(static_cast<int>(mode));
        window.EditName->setText(QStringLiteral("left over"));
        window.openIn(mode);
        EXPECT_TRUE(window.isVisible() && window.mode() == mode && window.EditName->text().isEmpty());
        EXPECT_EQ(!window.EditName->isHidden(), mode == Mode::Save);
        EXPECT_EQ(listed(), (Strings{"Lyra", "Orion", "Standard"}));
        window.ButtonCancel->click();
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_TRUE(boxes.messages.empty() && saved.empty() && loaded.empty());
}

TEST_F(ConfigurationsWindow, SaveChecksTheNameAndClosesExactlyWhenItSaves)
{
    const std::string overwrite = "Configuration exists already!\r\nDo you want to overwrite?";
    const std::string nested = TORRegistry::nameNotAllowed;
    // The name, the answer to a question, the message (none when empty) and whether it saves.
    struct Case { const char* name; bool answer; MessageKind kind; std::string message; bool saves; };
    const Case cases[] = {
        {"", true, MessageKind::Error, "You have to enter the name of the configuration to save!", false},
        {"Standard", true, MessageKind::Error,
         "You can't name a configuration \"Standard\".\r\nThis name is reserved for the standard configuration.", false},
        {"games/Lyra", true, MessageKind::Error, nested, false}, // would nest keys in the store
        {"Lyra", false, MessageKind::Warning, overwrite, false},
        {"Lyra", true, MessageKind::Warning, overwrite, true},
        {"lyra", true, MessageKind::Error, "", true}, // names are case-sensitive: a new one
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("name \"") + c.name + "\"");
        boxes.clear();
        boxes.answers = {c.answer};
        saved.clear();
        window.openIn(Mode::Save);
        window.EditName->setText(QString::fromLatin1(c.name));
        window.ButtonOK->click();
        EXPECT_EQ(boxes.texts(), c.message.empty() ? Strings{} : Strings{c.message});
        EXPECT_TRUE(c.message.empty() || boxes.messages[0].kind == c.kind);
        EXPECT_TRUE(saved == (c.saves ? Strings{c.name} : Strings{}) && window.isVisible() == !c.saves);
        window.hide();
    }
    EXPECT_TRUE(loaded.empty());
}

TEST_F(ConfigurationsWindow, ClickCopiesTheNameAndDoubleClickIsOK)
{
    window.openIn(Mode::Save);
    click("Orion");
    EXPECT_EQ(window.EditName->text(), "Orion");
    click("Lyra", true);
    EXPECT_EQ(boxes.texts(), Strings{"Configuration exists already!\r\nDo you want to overwrite?"});
    EXPECT_EQ(saved, Strings{"Lyra"});
    window.openIn(Mode::Load);
    click("Orion", true);
    EXPECT_TRUE(loaded == Strings{"Orion"} && !window.isVisible());
}

TEST_F(ConfigurationsWindow, LoadAndDeleteNeedASelectionAndDeleteStaysOpen)
{
    window.openIn(Mode::Load);
    window.ButtonOK->click();
    EXPECT_TRUE(window.isVisible());
    click("Lyra");
    window.ButtonOK->click();
    EXPECT_TRUE(loaded == Strings{"Lyra"} && !window.isVisible());

    window.openIn(Mode::Delete);
    window.ButtonOK->click();
    click("Orion");
    window.ButtonOK->click();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(listed() == (Strings{"Lyra", "Standard"}) && registry.listConfigurations() == listed());
    // Nothing selected any more: the next Delete asks for a selection again.
    window.ButtonOK->click();
    EXPECT_EQ(registry.listConfigurations().size(), 2u);
    EXPECT_EQ(boxes.texts(), (Strings{"Please select the configuration to load first!", "Please select the configuration to delete first!",
                                      "Please select the configuration to delete first!"}));
    EXPECT_TRUE(boxes.messages[0].kind == MessageKind::Error && saved.empty());
}

TEST(SaveConfigurationWindow, ButtonsCallBackAndClose)
{
    TFormSaveConfiguration window;
    Strings calls;
    window.onSaveStandard = [&] { calls.push_back(window.isVisible() ? "standard (open)" : "standard (closed)"); };
    window.onSaveAlternative = [&] { calls.push_back(window.isVisible() ? "alternative (open)" : "alternative (closed)"); };
    const std::pair<QPushButton*, Strings> cases[] = {
        {window.ButtonStandard, {"standard (open)"}},         // saves, then closes
        {window.ButtonAlternative, {"alternative (closed)"}}, // closes, then the name window opens
        {window.ButtonCancel, {}},
    };
    for (const auto& [button, expected] : cases) {
        SCOPED_TRACE(button->text().toStdString());
        calls.clear();
        window.show();
        button->click();
        EXPECT_TRUE(calls == expected && !window.isVisible());
    }
}

TEST(NoConfigurationWindow, ButtonsCloseItAndCallBack)
{
    TFormNoConfiguration window;
    Strings calls;
    window.onCreateConfiguration = [&] { calls.push_back(window.isVisible() ? "create (open)" : "create"); };
    window.onLoadConfiguration = [&] { calls.push_back(window.isVisible() ? "load (open)" : "load"); };
    window.show();
    window.ButtonCreate->click();
    window.show();
    window.ButtonLoad->click();
    EXPECT_TRUE(calls == (Strings{"create", "load"}) && !window.isVisible());
}
