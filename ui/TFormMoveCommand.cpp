#include "TFormMoveCommand.h"

#include "messages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orrery {

std::string commandCaption(const CommandOpening& opening)
{
    if (const CommandEntry* entry = commandEntry(opening.list, opening.number)) return entry->text;
    std::string option = opening.option;
    if (opening.kind == OrderKind::Forecast) option = "FORECAST";
    if (opening.kind == OrderKind::XCenter) option = "XCENTER";
    if (opening.kind == OrderKind::YCenter) option = "YCENTER";
    if (!option.empty())
        return opening.list == CommandList::Names ? "Set option " + option : "O (Set option " + option + ")";
    // A command edited from a line whose kind has no entry of its own: the entry of its kind.
    if (const CommandEntry* entry = commandEntry(opening.list, commandNumber(opening.list, opening.kind)))
        return entry->text;
    return {};
}

TFormMoveCommand::TFormMoveCommand(const char* objectName, QWidget* parent) : QDialog(parent)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QStringLiteral("Command"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::ApplicationModal);

    LabelCommand = new QLabel(this);
    LabelCommand->setObjectName(QStringLiteral("LabelCommand"));
    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setDefault(true);
    ButtonOK->setAutoDefault(false);
    ButtonCancel = new QPushButton(QStringLiteral("Cancel"), this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    ButtonCancel->setAutoDefault(false);
    // A click on a button does not take the focus: leaving a field to press OK is no leave check.
    ButtonOK->setFocusPolicy(Qt::TabFocus);
    ButtonCancel->setFocusPolicy(Qt::TabFocus);

    rows_ = new QGridLayout;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelCommand);
    layout->addLayout(rows_);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(ButtonOK, &QPushButton::clicked, this, &TFormMoveCommand::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QComboBox* TFormMoveCommand::addChoice(const char* name, QLabel*& label)
{
    const int row = rows_->rowCount();
    label = new QLabel(this);
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumWidth(220);
    label->setBuddy(box);
    rows_->addWidget(label, row, 0);
    rows_->addWidget(box, row, 1);
    return box;
}

QLineEdit* TFormMoveCommand::addEdit(const char* name, QLabel*& label)
{
    const int row = rows_->rowCount();
    label = new QLabel(this);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMinimumWidth(220);
    label->setBuddy(edit);
    rows_->addWidget(label, row, 0);
    rows_->addWidget(edit, row, 1);
    return edit;
}

void TFormMoveCommand::fill(QComboBox* box, const std::vector<std::string>& entries, const std::string& text)
{
    box->clear();
    for (const std::string& entry : entries) box->addItem(fromGame(entry));
    // The start value is the text of the box, whether or not it is one of the entries.
    box->setCurrentIndex(box->findText(fromGame(text), Qt::MatchExactly));
    box->setEditText(fromGame(text));
}

std::string TFormMoveCommand::textOf(const QComboBox* box) { return toGame(box->currentText()); }
std::string TFormMoveCommand::textOf(const QLineEdit* edit) { return toGame(edit->text()); }
void TFormMoveCommand::setLabel(QLabel* label, const char* text) { label->setText(QString::fromLatin1(text)); }

void TFormMoveCommand::open(const CommandOpening& opening, const Game& game, const CommandChoices& choices)
{
    opening_ = opening;
    game_ = &game;
    choices_ = choices;
    LabelCommand->setText(fromGame(commandCaption(opening)));
    setUp(opening_, choices_);
    adjustSize();
    show();
    raise();
    activateWindow();
    shown();
}

std::string TFormMoveCommand::check() const
{
    if (!game_) return {};
    return checkCommandFields(opening_.kind, *game_, choices_, fields());
}

void TFormMoveCommand::ButtonOKClick()
{
    if (const std::string message = check(); !message.empty()) {
        showError(this, fromGame(message));
        if (QWidget* w = focusAfterFailure()) w->setFocus();
        return;
    }
    if (builder) {
        if (const std::string message = builder(opening_.kind, fields()); !message.empty()) {
            showError(this, fromGame(message));
            return;
        }
    }
    accept();
}

} // namespace orrery
