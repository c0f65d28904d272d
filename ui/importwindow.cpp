#include "importwindow.h"

#include "TFormMain.h"
#include "bringup.h"
#include "mailimport.h"
#include "messages.h"

#include <QAction>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orrery {

namespace {

} // namespace

TFormImportMail::TFormImportMail(MessageBoxes& boxes, std::function<bool(const QString&)> open, QWidget* parent)
    : QWidget(parent, Qt::Window), boxes_(boxes), open_(std::move(open))
{
    setObjectName(QStringLiteral("FormImportMail"));
    setWindowTitle(QStringLiteral("Import reports from mailbox"));
    auto* grid = new QGridLayout(this);
    EditMailbox = new QLineEdit(this);
    EditFolder = new QLineEdit(this);
    ButtonMailboxFile = new QPushButton(QStringLiteral("mbox file..."), this);
    ButtonMailboxFolder = new QPushButton(QStringLiteral("Maildir folder..."), this);
    ButtonFolder = new QPushButton(QStringLiteral("Choose..."), this);
    ButtonImport = new QPushButton(QStringLiteral("Import"), this);
    ButtonClose = new QPushButton(QStringLiteral("Close"), this);
    MemoResult = new QPlainTextEdit(this);
    MemoResult->setReadOnly(true);
    MemoResult->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoResult->setPlaceholderText(QStringLiteral("Every turn report of the mails is written as <race><turn>.txt; "
                                                  "a different file already there is never replaced."));
    ButtonImport->setDefault(true);

    grid->addWidget(new QLabel(QStringLiteral("Mailbox:"), this), 0, 0);
    grid->addWidget(EditMailbox, 0, 1);
    grid->addWidget(ButtonMailboxFile, 0, 2);
    grid->addWidget(ButtonMailboxFolder, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Reports to:"), this), 1, 0);
    grid->addWidget(EditFolder, 1, 1);
    grid->addWidget(ButtonFolder, 1, 2);
    grid->addWidget(MemoResult, 2, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonImport);
    buttons->addWidget(ButtonClose);
    grid->addLayout(buttons, 3, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    resize(640, 360);

    connect(ButtonMailboxFile, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Select mailbox"), EditMailbox->text(),
                                                          QStringLiteral("All files (*)"));
        if (!file.isEmpty()) EditMailbox->setText(file);
    });
    connect(ButtonMailboxFolder, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Select Maildir folder"), EditMailbox->text());
        if (!folder.isEmpty()) EditMailbox->setText(folder);
    });
    connect(ButtonFolder, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Select folder for the reports"), EditFolder->text());
        if (!folder.isEmpty()) EditFolder->setText(folder);
    });
    connect(ButtonImport, &QPushButton::clicked, this, [this] { ButtonImportClick(); });
    connect(ButtonClose, &QPushButton::clicked, this, &QWidget::close);
}

bool TFormImportMail::ButtonImportClick()
{
    const QString mailbox = EditMailbox->text().trimmed();
    const QString folder = EditFolder->text().trimmed();
    if (mailbox.isEmpty() || folder.isEmpty()) {
        boxes_.error(this, QStringLiteral("Choose a mailbox and a folder for the reports."));
        return false;
    }
    Result<mail::MailboxScan> scan = mail::scanMailbox(localPath(mailbox));
    if (!scan) {
        boxes_.error(this, fromLocalPath(scan.error().text()));
        return false;
    }
    if (scan->reports.empty() && scan->truncated.empty()) {
        boxes_.error(this, QStringLiteral("No turn report found in %1 (%2 mails read).").arg(mailbox).arg(scan->mails));
        return false;
    }
    if (!scan->truncated.empty()) {
        const QString cut = QStringLiteral("%1 is cut off: %2.").arg(mailbox, fromLocalPath(scan->truncated.front()));
        if (scan->reports.empty()) {
            boxes_.error(this, cut);
            return false;
        }
        if (!boxes_.warningQuestion(this, cut + QStringLiteral("\nImport the %1 whole reports anyway?").arg(scan->reports.size())))
            return false;
    }
    const mail::ImportPlan plan = mail::planImport(scan->reports);
    const mail::ImportSummary done = mail::importReports(plan, localPath(folder));
    QStringList lines;
    for (const mail::ImportLine& line : done.lines) lines << fromLocalPath(mail::describe(line));
    lines << fromLocalPath(mail::summaryLine(done, plan));
    MemoResult->setPlainText(lines.join(QLatin1Char('\n')));
    for (const mail::ImportLine& line : done.lines)
        if (line.outcome == mail::Outcome::Failed) {
            boxes_.error(this, fromLocalPath(line.message));
            break;
        }
    if (!plan.folders.empty()) {
        QStringList folders;
        for (const std::string& f : plan.folders) folders << fromLocalPath(f);
        boxes_.information(this, QStringLiteral("The mailbox holds the reports of several games or races. They were "
                                                "written to one folder each in %1: %2")
                                     .arg(folder, folders.join(QStringLiteral(", "))));
    } else if (done.firstTurn == 0) {
        open_(fromLocalPath(done.firstReport));
    } else if (done.firstTurn > 0) {
        boxes_.information(this, QStringLiteral("The report of turn 0 is not among the reports; the game opens once "
                                                "it is in %1.").arg(folder));
    }
    return true;
}

void TFormImportMail::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (onShownChanged) onShownChanged(true);
}

void TFormImportMail::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (onShownChanged) onShownChanged(false);
}

void installImportWindow(TFormMain& main)
{
    auto* window = new TFormImportMail(
        main.messageBoxes(), [&main](const QString& report) { return main.createConfigurationFrom(report); }, &main);
    window->hide();
    window->onShownChanged = [&main](bool shown) { main.action(MainCommand::ImportMailbox)->setEnabled(!shown); };
    main.enableCommand(MainCommand::ImportMailbox, [window] { bringUp(window); });
    main.registerWindow(QStringLiteral("importmail"), [&main, window] {
        main.action(MainCommand::ImportMailbox)->trigger();
        return window;
    });
}

} // namespace orrery
