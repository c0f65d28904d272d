#include "messages.h"

#include <QMessageBox>
#include <QPushButton>

namespace orrery {

bool DialogBoxes::show(QWidget* parent, MessageKind kind, const QString& text, HelpTopic help)
{
    // The game's messages use CR LF inside; the dialog wants plain line feeds.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (help != HelpTopic::None && kind == MessageKind::Information) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), shown, QMessageBox::Ok, parent);
        QPushButton* helpButton = box.addButton(QMessageBox::Help);
        box.exec();
        if (box.clickedButton() == helpButton && openHelp_) openHelp_(help);
        return true;
    }
    switch (kind) {
    case MessageKind::Error: QMessageBox::critical(parent, QStringLiteral("Error"), shown); return true;
    case MessageKind::Warning:
        return QMessageBox::warning(parent, QStringLiteral("Warning"), shown, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    case MessageKind::Information: QMessageBox::information(parent, QStringLiteral("Information"), shown); return true;
    case MessageKind::Question:
        return QMessageBox::question(parent, QStringLiteral("Confirm"), shown, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    }
    return true;
}

} // namespace orrery
