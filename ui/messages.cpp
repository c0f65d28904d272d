#include "messages.h"

#include "TFormHelp.h"

#include <QMessageBox>
#include <QPushButton>

namespace orrery {

namespace {

class DialogBoxes : public MessageBoxes {
public:
    bool show(QWidget* parent, MessageKind kind, const QString& text, int helpTopic) override
    {
        // The game's messages use CR LF inside; the dialog wants plain line feeds.
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (helpTopic != 0 && kind == MessageKind::Information) {
            // An information with a help topic offers the help page beside OK.
            QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), shown, QMessageBox::Ok, parent);
            QPushButton* help = box.addButton(QMessageBox::Help);
            box.exec();
            if (box.clickedButton() == help) openHelp(helpTopic);
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
};

MessageBoxes* installed = nullptr;

} // namespace

MessageBoxes& MessageBoxes::current()
{
    static DialogBoxes dialogs;
    return installed ? *installed : dialogs;
}

void MessageBoxes::install(MessageBoxes* boxes) { installed = boxes; }

bool showError(QWidget* parent, const QString& text)
{
    return MessageBoxes::current().show(parent, MessageKind::Error, text);
}
bool showWarning(QWidget* parent, const QString& text)
{
    return MessageBoxes::current().show(parent, MessageKind::Warning, text);
}
bool showInformation(QWidget* parent, const QString& text, int helpTopic)
{
    return MessageBoxes::current().show(parent, MessageKind::Information, text, helpTopic);
}
bool askQuestion(QWidget* parent, const QString& text)
{
    return MessageBoxes::current().show(parent, MessageKind::Question, text);
}
bool askWarningQuestion(QWidget* parent, const QString& text)
{
    return MessageBoxes::current().show(parent, MessageKind::Warning, text);
}

} // namespace orrery
