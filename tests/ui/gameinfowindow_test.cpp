// The game type window: what it shows for each detected game type, when "Version 3.1" is
// offered, and what OK answers.

#include "TFormGameInfo.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

using namespace orrery;

TEST(GameInfoWindow, ShowsTheDetectedTypeAndAnswersIt)
{
    // Detected type, shown type, version box shown, answer of OK without changes.
    const std::tuple<std::int32_t, const char*, bool, std::int32_t> cases[] = {
        {gtUnknown, "Standard Galaxy", false, gtStandard}, {gtStandard, "Standard Galaxy", false, gtStandard},
        {gtBlind, "Blind Galaxy", false, gtBlind},         {gtGalaxyNG, "GalaxyNG", true, gtGalaxyNG},
        {gtGalaxyNG31, "Standard Galaxy", false, gtStandard},
    };
    TFormGameInfo window;
    for (const auto& [detected, shown, versionBox, answered] : cases) {
        SCOPED_TRACE("detected " + std::to_string(detected));
        window.prepare(detected, "Number of homeplanets per player: 3\r\nAll homeplanets have the same size.", false);
        window.show();
        EXPECT_EQ(window.ComboBoxGameType->currentText(), QString::fromLatin1(shown));
        EXPECT_EQ(window.CheckBoxVersion->isVisible(), versionBox);
        EXPECT_EQ(window.MemoDetails->toPlainText(), "Number of homeplanets per player: 3\nAll homeplanets have the same size.");
        EXPECT_TRUE(window.MemoDetails->isReadOnly());
        window.ButtonOKClick();
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(window.result(), QDialog::Accepted);
        EXPECT_EQ(window.choice().gametype, answered);
        EXPECT_FALSE(window.choice().version31);
    }
    // The version box is offered for GalaxyNG only, and its flag is read visible or not.
    window.prepare(gtGalaxyNG, QString(), true);
    window.show();
    EXPECT_TRUE(window.CheckBoxVersion->isChecked());
    const std::tuple<const char*, bool, std::int32_t> steps[] = {
        {"Blind Galaxy", false, gtBlind}, {"GalaxyNG", true, gtGalaxyNG}, {"Standard Galaxy", false, gtStandard}};
    for (const auto& [choose, versionBox, gametype] : steps) {
        SCOPED_TRACE(choose);
        window.ComboBoxGameType->setCurrentText(QString::fromLatin1(choose));
        EXPECT_EQ(window.CheckBoxVersion->isVisible(), versionBox);
        EXPECT_EQ(window.choice().gametype, gametype);
        EXPECT_TRUE(window.choice().version31);
    }
}

TEST(GameInfoWindow, AskIsModalAndClosingWithoutOKKeepsWhatWasShown)
{
    TFormGameInfo window;
    // OK pressed inside the modal loop after the player picked Blind Galaxy.
    QTimer::singleShot(0, &window, [&] {
        window.ComboBoxGameType->setCurrentText(QStringLiteral("Blind Galaxy"));
        window.ButtonOK->click();
    });
    GameTypeChoice c = window.ask(gtGalaxyNG, QStringLiteral("Number of homeplanets per player: 1"));
    EXPECT_TRUE(c.gametype == gtBlind && !c.version31);
    // Closed without OK after a change: the answer is what the window first showed.
    QTimer::singleShot(0, &window, [&] {
        window.ComboBoxGameType->setCurrentText(QStringLiteral("Standard Galaxy"));
        window.reject();
    });
    c = window.ask(gtGalaxyNG, QString(), true);
    EXPECT_TRUE(c.gametype == gtGalaxyNG && c.version31);
}
