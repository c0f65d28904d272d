#include "NumberFields.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

namespace orrery {

NumberFields::NumberFields(QWidget& window, MessageBoxes& boxes) : QObject(&window), window_(window), boxes_(boxes) {}

void NumberFields::add(QLineEdit* field, Typing typing, Leaving leaving, std::function<void()> changed)
{
    entries_.push_back({field, std::move(typing), std::move(leaving), std::move(changed)});
    const std::size_t index = entries_.size() - 1;
    connect(field, &QLineEdit::textChanged, this, [this, index] { textChanged(entries_[index]); });
    field->installEventFilter(this);
}

void NumberFields::fill(QLineEdit* field, const QString& text)
{
    const bool was = busy_;
    busy_ = true;
    field->setText(text);
    busy_ = was;
}

void NumberFields::textChanged(const Entry& entry)
{
    if (busy_) return;
    const FieldCheck check = entry.typing(toGame(entry.field->text()));
    if (!check.checked) return;
    if (check.reset) fill(entry.field, fromGame(*check.reset));
    if (!check.message.empty()) report(entry.field, check.message);
    if (entry.changed) entry.changed();
}

void NumberFields::report(QLineEdit* field, const std::string& message)
{
    busy_ = true;
    boxes_.error(&window_, fromGame(message));
    busy_ = false;
    field->setFocus();
}

bool NumberFields::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && !busy_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Only the focus moving to another control of the window leaves the field; a message
        // box or a menu taking the focus does not.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (const Entry& entry : entries_) {
                if (entry.field != watched || !entry.leaving) continue;
                if (const auto message = entry.leaving(toGame(entry.field->text()))) report(entry.field, *message);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orrery
