#pragma once

// Every message box of the program goes through this seam: the program shows QMessageBox
// dialogs, tests install a recorder that keeps the texts and answers questions without a modal
// loop.

#include "session.h"

#include <QString>

class QWidget;

namespace orrery {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a message of the given kind; returns true for "Yes" (questions) or OK. helpTopic 0:
    // no help button.
    virtual bool show(QWidget* parent, MessageKind kind, const QString& text, int helpTopic = 0) = 0;

    // The boxes in use (QMessageBox dialogs unless another was installed).
    static MessageBoxes& current();
    // Installs other boxes (nullptr: the dialogs again). The caller keeps ownership.
    static void install(MessageBoxes* boxes);
};

// Shorthands.
bool showError(QWidget* parent, const QString& text);
bool showWarning(QWidget* parent, const QString& text);
bool showInformation(QWidget* parent, const QString& text, int helpTopic = 0);
bool askQuestion(QWidget* parent, const QString& text);
bool askWarningQuestion(QWidget* parent, const QString& text);

// Game texts are Latin-1 bytes.
inline QString fromGame(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string toGame(const QString& text) { return text.toLatin1().toStdString(); }

} // namespace orrery
