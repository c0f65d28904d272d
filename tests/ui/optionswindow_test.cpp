// The program options window: the values it shows, the checks of its fields while typing and on
// leaving (the field keeps the focus), and what OK takes over.

#include "TFormOptions.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;

namespace {

std::string refused(const char* field) { return std::string("Please enter a number in the field \"") + field + "\"!"; }

struct OptionsWindow : testing::Test {
    MessageRecorder boxes;
    TFormOptions window{boxes};
    std::vector<ProgramOptions> taken;
    const ProgramOptions sample{.numOfCircles = 3, .rangeInterval = 15, .filmDelay = 400, .includeMapPosition = false,
                                .showMousePos = true, .showButtonBar = false};

    void SetUp() override
    {
        window.onOK = [this](const ProgramOptions& o) { taken.push_back(o); };
        window.showOptions(sample);
    }
};

} // namespace

TEST(OptionsRules, WholeNumbersCirclesAndDelays)
{
    const std::pair<QString, std::optional<int>> cases[] = {
        {"12", 12}, {"-3", -3}, {"+4", 4}, {"2147483647", 2147483647}, {"", {}}, {" 12", {}}, {"1.5", {}}, {"-", {}},
        {"1e3", {}}, {"2147483648", {}}, {"--1", {}}, {"\u0661", {}}, // an Arabic-Indic digit is no decimal digit here
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(TFormOptions::integerOf(text), value);
    }
    EXPECT_TRUE(TFormOptions::circlesOf("1000") == 1000 && !TFormOptions::circlesOf("1001"));
    EXPECT_TRUE(TFormOptions::filmDelayOf("0") == 0 && !TFormOptions::filmDelayOf("-1"));
}

TEST_F(OptionsWindow, ShowsTheCurrentValuesAndCancelTakesNothing)
{
    EXPECT_EQ((QStringList{window.EditCircles->text(), window.EditRange->text(), window.EditFilmDelay->text()}),
              (QStringList{"3", "15", "400"}));
    EXPECT_EQ((std::vector<bool>{window.CheckBoxIncludeMapPosition->isChecked(), window.CheckBoxShowMousePos->isChecked(),
                                 window.CheckBoxShowButtonBar->isChecked()}),
              (std::vector<bool>{false, true, false}));
    window.EditRange->setText("99");
    window.ButtonCancel->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(taken.empty());
    EXPECT_TRUE(boxes.messages.empty());
}

// Range and film delay are checked as they are typed (an empty field is no error yet), the number
// of circles as the focus leaves it.
TEST_F(OptionsWindow, FieldsAreCheckedWhileTypingAndOnLeaving)
{
    QApplication::setActiveWindow(&window);
    struct Row { QLineEdit* field; const char* typed; const char* refusedField; }; // refusedField nullptr: accepted
    const Row rows[] = {
        {window.EditRange, "2x", "Range interval"}, {window.EditRange, "-", "Range interval"},
        {window.EditRange, "", nullptr},           {window.EditRange, "-5", nullptr},
        {window.EditFilmDelay, "fast", "Film delay"}, {window.EditFilmDelay, "-100", "Film delay"},
        {window.EditFilmDelay, "300", nullptr},    {window.EditCircles, "abc", "Number of circles"},
        {window.EditCircles, "1001", "Number of circles"}, {window.EditCircles, "", nullptr},
        {window.EditCircles, "-2", nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.field->objectName().toStdString() + " \"" + r.typed + "\"");
        boxes.clear();
        r.field->setFocus(Qt::OtherFocusReason);
        r.field->setText(QString::fromLatin1(r.typed));
        QLineEdit* next = r.field == window.EditFilmDelay ? window.EditCircles : window.EditFilmDelay;
        next->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(boxes.texts(), r.refusedField ? Strings{refused(r.refusedField)} : Strings{});
        EXPECT_TRUE(boxes.messages.empty() || boxes.messages[0].kind == MessageKind::Error);
        // A refused number of circles keeps the focus.
        EXPECT_EQ(QApplication::focusWidget(), r.refusedField && r.field == window.EditCircles ? r.field : next);
        r.field->clear();
    }
}

TEST_F(OptionsWindow, OKTakesTheValidFieldsAndKeepsTheOldValuesOfOthers)
{
    struct Row { const char* circles; const char* range; const char* film; ProgramOptions wanted; };
    const auto wanted = [](int circles, int range, int film) { return ProgramOptions{circles, range, film, true, false, true}; };
    const Row rows[] = {
        {"5", "25", "100", wanted(5, 25, 100)},
        {"", "", "", wanted(3, 15, 400)},         // empty fields keep the old values
        {"x", "1.5", "slow", wanted(3, 15, 400)}, // so do wrong ones, silently
        {"2000", "-8", "-1", wanted(3, -8, 400)}, // too many circles and a negative delay are wrong too
        {"+7", "0", "0", wanted(7, 0, 0)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.circles) + " / " + r.range + " / " + r.film);
        taken.clear();
        window.showOptions(sample);
        window.EditCircles->setText(r.circles);
        window.EditRange->setText(r.range);
        window.EditFilmDelay->setText(r.film);
        window.CheckBoxIncludeMapPosition->setChecked(true);
        window.CheckBoxShowButtonBar->setChecked(true);
        window.CheckBoxShowMousePos->setChecked(false);
        boxes.clear();
        window.ButtonOK->click();
        EXPECT_TRUE(boxes.messages.empty()) << "OK itself shows no message";
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(taken, std::vector<ProgramOptions>{r.wanted});
    }
}
