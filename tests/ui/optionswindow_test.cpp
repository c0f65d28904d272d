// The program options window: the values it shows, the checks of its fields while typing and on
// leaving, and what OK takes over.

#include "TFormOptions.h"
#include "uitestkit.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;

namespace {

const QString circlesMessage = QStringLiteral("Please enter a number in the field \"Number of circles\"!");
const QString rangeMessage = QStringLiteral("Please enter a number in the field \"Range interval\"!");
const QString filmMessage = QStringLiteral("Please enter a number in the field \"Film delay\"!");

ProgramOptions sample()
{
    ProgramOptions o;
    o.numOfCircles = 3;
    o.rangeInterval = 15;
    o.filmDelay = 400;
    o.includeMapPosition = false;
    o.showMousePos = true;
    o.showButtonBar = false;
    return o;
}

} // namespace

TEST(OptionsWindow, ShowsTheCurrentValues)
{
    MessageRecorder boxes;
    TFormOptions window(boxes);
    window.showOptions(sample());
    EXPECT_EQ(window.EditCircles->text(), QStringLiteral("3"));
    EXPECT_EQ(window.EditRange->text(), QStringLiteral("15"));
    EXPECT_EQ(window.EditFilmDelay->text(), QStringLiteral("400"));
    EXPECT_FALSE(window.CheckBoxIncludeMapPosition->isChecked());
    EXPECT_TRUE(window.CheckBoxShowMousePos->isChecked());
    EXPECT_FALSE(window.CheckBoxShowButtonBar->isChecked());
    EXPECT_TRUE(boxes.messages.empty());
}

TEST(OptionsWindow, IntegerRule)
{
    const std::vector<std::pair<QString, std::optional<int>>> cases = {
        {"12", 12}, {"-3", -3}, {"+4", 4}, {"0", 0}, {"2147483647", 2147483647},
        {"", std::nullopt}, {" 12", std::nullopt}, {"12 ", std::nullopt}, {"1.5", std::nullopt}, {"abc", std::nullopt},
        {"-", std::nullopt}, {"+", std::nullopt}, {"1e3", std::nullopt}, {"2147483648", std::nullopt}, {"--1", std::nullopt},
        {"\u0661", std::nullopt}, // an Arabic-Indic digit is no decimal digit here
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(testing::Message() << "\"" << text.toStdString() << "\"");
        EXPECT_EQ(TFormOptions::integerOf(text), value);
    }
    EXPECT_EQ(TFormOptions::circlesOf(QStringLiteral("1000")), 1000);
    EXPECT_EQ(TFormOptions::circlesOf(QStringLiteral("1001")), std::nullopt);
    EXPECT_EQ(TFormOptions::filmDelayOf(QStringLiteral("0")), 0);
    EXPECT_EQ(TFormOptions::filmDelayOf(QStringLiteral("-1")), std::nullopt);
}

TEST(OptionsWindow, TypingChecksRangeAndFilmDelay)
{
    struct Case {
        QLineEdit* TFormOptions::*field;
        const char* typed;
        QString message; // empty: none
    };
    const Case cases[] = {
        {&TFormOptions::EditRange, "20", {}},
        {&TFormOptions::EditRange, "", {}}, // empty raises nothing while typing
        {&TFormOptions::EditRange, "2x", rangeMessage},
        {&TFormOptions::EditRange, "-", rangeMessage},
        {&TFormOptions::EditRange, "-5", {}},
        {&TFormOptions::EditFilmDelay, "300", {}},
        {&TFormOptions::EditFilmDelay, "", {}},
        {&TFormOptions::EditFilmDelay, "fast", filmMessage},
        {&TFormOptions::EditFilmDelay, "-100", filmMessage}, // a negative delay is refused
        {&TFormOptions::EditCircles, "x", {}},                // checked on leaving only
    };
    MessageRecorder boxes;
    TFormOptions window(boxes);
    window.showOptions(sample());
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
        boxes.clear();
        QLineEdit* field = window.*c.field;
        field->setText(QString::fromLatin1(c.typed));
        if (c.message.isEmpty()) {
            EXPECT_TRUE(boxes.messages.empty());
        } else {
            ASSERT_EQ(boxes.messages.size(), 1u);
            EXPECT_EQ(boxes.messages[0].kind, MessageKind::Error);
            EXPECT_EQ(boxes.messages[0].text, c.message);
        }
    }
}

TEST(OptionsWindow, LeavingCirclesChecksItAndKeepsTheFocus)
{
    MessageRecorder boxes;
    TFormOptions window(boxes);
    window.showOptions(sample());
    QApplication::setActiveWindow(&window);

    struct Case {
        const char* typed;
        bool refused;
    };
    const Case cases[] = {{"abc", true}, {"1001", true}, {"", false}, {"1000", false}, {"-2", false}, {"4", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
        boxes.clear();
        window.EditCircles->setFocus(Qt::OtherFocusReason);
        window.EditCircles->setText(QString::fromLatin1(c.typed));
        window.EditRange->setFocus(Qt::TabFocusReason);
        if (c.refused) {
            ASSERT_EQ(boxes.messages.size(), 1u);
            EXPECT_EQ(boxes.messages[0].text, circlesMessage);
            EXPECT_EQ(QApplication::focusWidget(), window.EditCircles) << "the field keeps the focus";
        } else {
            EXPECT_TRUE(boxes.messages.empty());
            EXPECT_EQ(QApplication::focusWidget(), window.EditRange);
        }
    }
}

TEST(OptionsWindow, OKTakesValidFieldsAndCancelNothing)
{
    MessageRecorder boxes;
    TFormOptions window(boxes);
    std::vector<ProgramOptions> taken;
    window.onOK = [&](const ProgramOptions& o) { taken.push_back(o); };

    struct Case {
        const char* circles;
        const char* range;
        const char* film;
        int wantCircles;
        int wantRange;
        int wantFilm;
    };
    const Case cases[] = {
        {"5", "25", "100", 5, 25, 100},
        {"", "", "", 3, 15, 400},         // empty fields keep the old values
        {"x", "1.5", "slow", 3, 15, 400}, // so do wrong ones, silently
        {"2000", "-8", "-1", 3, -8, 400}, // too many circles and a negative delay are wrong too
        {"+7", "0", "0", 7, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.circles) + " / " + c.range + " / " + c.film);
        taken.clear();
        window.showOptions(sample());
        window.EditCircles->setText(QString::fromLatin1(c.circles));
        window.EditRange->setText(QString::fromLatin1(c.range));
        window.EditFilmDelay->setText(QString::fromLatin1(c.film));
        window.CheckBoxIncludeMapPosition->setChecked(true);
        window.CheckBoxShowButtonBar->setChecked(true);
        window.CheckBoxShowMousePos->setChecked(false);
        boxes.clear();
        window.ButtonOK->click();
        EXPECT_TRUE(boxes.messages.empty()) << "OK itself shows no message";
        EXPECT_FALSE(window.isVisible());
        ASSERT_EQ(taken.size(), 1u);
        EXPECT_EQ(taken[0].numOfCircles, c.wantCircles);
        EXPECT_EQ(taken[0].rangeInterval, c.wantRange);
        EXPECT_EQ(taken[0].filmDelay, c.wantFilm);
        EXPECT_TRUE(taken[0].includeMapPosition);
        EXPECT_TRUE(taken[0].showButtonBar);
        EXPECT_FALSE(taken[0].showMousePos);
    }

    taken.clear();
    window.showOptions(sample());
    window.EditRange->setText(QStringLiteral("99"));
    window.ButtonCancel->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(taken.empty());
}
