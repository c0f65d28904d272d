#pragma once

// NumberFields: the checks of a window's number fields, while the player types and when a field
// is left. A wrong text is reported in an error box (and may be reset first), and the focus goes
// back to the field. The designer and the planet view check their fields this way.
//
//     fields_ = new NumberFields(*this, boxes);
//     fields_->add(EditDrive, [](const std::string& t) { return checkDesignFieldTyping(DesignField::Drive, t); },
//                  checkDesignFieldLeaving, [this] { recompute(); });

#include "messages.h"
#include "shipdesign.h"

#include <QObject>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;
class QWidget;

namespace orrery {

class NumberFields : public QObject {
    Q_OBJECT
public:
    // What a change of the text asks for; checked false leaves the field alone (no `changed`).
    using Typing = std::function<FieldCheck(const std::string& text)>;
    // The message for a text that may not stay when the field is left.
    using Leaving = std::function<std::optional<std::string>(const std::string& text)>;

    NumberFields(QWidget& window, MessageBoxes& boxes);

    // `changed` runs after every checked change (also of a text set by the program).
    void add(QLineEdit* field, Typing typing, Leaving leaving, std::function<void()> changed);
    // Sets a field's text without any check or follow-up (filling several fields at once).
    void fill(QLineEdit* field, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QLineEdit* field;
        Typing typing;
        Leaving leaving;
        std::function<void()> changed;
    };
    void textChanged(const Entry& entry);
    void report(QLineEdit* field, const std::string& message);

    QWidget& window_;
    MessageBoxes& boxes_;
    std::vector<Entry> entries_;
    bool busy_ = false; // a message is shown or a text reset: no check of its own
};

} // namespace orrery
