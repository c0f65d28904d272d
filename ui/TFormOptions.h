#pragma once

// TFormOptions: the program options (distance circles, film delay, what a configuration
// includes, mouse position box and button bar).
//
//     options->onOK = [&](const ProgramOptions& o) { o.applyTo(settings); ...film timer, bar, map... };
//     options->showOptions(ProgramOptions::of(settings, filmTimer->interval()));
//
// The fields are checked while typing ("Range interval", "Film delay") or on leaving ("Number of
// circles"); a wrong value is reported and the field keeps the focus. OK takes over each field
// only when it holds a valid value (else the old value stays), calls onOK and closes; Cancel
// closes without change.

#include "configuration.h"
#include "messages.h"

#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orrery {

struct ProgramOptions {
    std::int32_t numOfCircles = 2;
    std::int32_t rangeInterval = 10;
    std::int32_t filmDelay = 1000; // milliseconds between the turns of the film
    bool includeMapPosition = true;
    bool showMousePos = true;
    bool showButtonBar = true;

    // The options of a configuration; the film delay as the film timer has it.
    static ProgramOptions of(const Configuration& c, int filmTimerInterval);
    void applyTo(Configuration& c) const;
    bool operator==(const ProgramOptions&) const = default;
};

class TFormOptions : public QDialog {
    Q_OBJECT
public:
    // Largest number of distance circles accepted.
    static constexpr int maxCircles = 1000;

    explicit TFormOptions(MessageBoxes& boxes, QWidget* parent = nullptr);

    // Fills the window from the current options and shows it.
    void showOptions(const ProgramOptions& current);
    // What OK took over.
    std::function<void(const ProgramOptions&)> onOK;

    // The field checks. A text is an integer when all of it is one signed decimal number
    // (sign allowed, no blanks, 32 bits).
    static std::optional<std::int32_t> integerOf(const QString& text);
    static std::optional<std::int32_t> circlesOf(const QString& text);  // not above maxCircles
    static std::optional<std::int32_t> filmDelayOf(const QString& text); // not negative

    void ButtonOKClick();
    // Leaving "Number of circles" (also run by the focus leaving it).
    void EditCirclesExit();

    QLineEdit* EditCircles = nullptr;
    QLineEdit* EditRange = nullptr;
    QLineEdit* EditFilmDelay = nullptr;
    QCheckBox* CheckBoxIncludeMapPosition = nullptr;
    QCheckBox* CheckBoxShowMousePos = nullptr;
    QCheckBox* CheckBoxShowButtonBar = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonCancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EditRangeChange();
    void EditFilmDelayChange();
    void refuse(QLineEdit* field, const QString& fieldName);

    MessageBoxes& boxes_;

    ProgramOptions current_;
    bool filling_ = false;
    bool reporting_ = false;
};

} // namespace orrery
