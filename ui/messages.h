#pragma once

// The message boxes of the program. Every window that shows messages is handed the boxes it uses:
// the program shows QMessageBox dialogs (DialogBoxes), tests hand over a recorder that keeps the
// texts and answers questions without a modal loop.

#include "session.h"

#include <QString>

#include <functional>
#include <string_view>

class QWidget;

namespace orrery {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a message of the given kind; returns true for "Yes" (questions) or OK. An information
    // with a help topic offers that page of the help beside OK.
    virtual bool show(QWidget* parent, MessageKind kind, const QString& text, HelpTopic help = HelpTopic::None) = 0;

    bool error(QWidget* parent, const QString& text) { return show(parent, MessageKind::Error, text); }
    bool information(QWidget* parent, const QString& text) { return show(parent, MessageKind::Information, text); }
    bool question(QWidget* parent, const QString& text) { return show(parent, MessageKind::Question, text); }
    // A question in a warning box (Yes and No), such as before overwriting.
    bool warningQuestion(QWidget* parent, const QString& text) { return show(parent, MessageKind::Warning, text); }
};

// The program's boxes: QMessageBox dialogs. The help button of an information opens the help.
class DialogBoxes : public MessageBoxes {
public:
    explicit DialogBoxes(std::function<void(HelpTopic)> openHelp) : openHelp_(std::move(openHelp)) {}
    bool show(QWidget* parent, MessageKind kind, const QString& text, HelpTopic help) override;

private:
    std::function<void(HelpTopic)> openHelp_;
};

// Game texts are Latin-1 bytes.
inline QString fromGame(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string toGame(const QString& text) { return text.toLatin1().toStdString(); }
// A file name as the core library takes it: in the local 8-bit encoding of file names.
inline std::string localPath(const QString& path) { return path.toLocal8Bit().toStdString(); }
inline QString fromLocalPath(std::string_view path) { return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())); }

} // namespace orrery
