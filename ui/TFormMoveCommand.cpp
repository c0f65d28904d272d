#include "TFormMoveCommand.h"

#include "gamedata.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orrery {

namespace {

// A choice box's entries and text (the start value, which need not be an entry).
void fill(QComboBox* box, const std::vector<std::string>& entries, const std::string& text)
{
    box->clear();
    for (const std::string& entry : entries) box->addItem(fromGame(entry));
    box->setCurrentIndex(box->findText(fromGame(text), Qt::MatchExactly));
    box->setEditText(fromGame(text));
}

QString controlName(FieldInput input, const char* field)
{
    const char* prefix = "Edit";
    if (input == FieldInput::Choice) prefix = "ComboBox";
    if (input == FieldInput::OnOff) prefix = "CheckBox";
    if (input == FieldInput::Lines) prefix = "Memo";
    return QString::fromLatin1(prefix) + QString::fromLatin1(field);
}

} // namespace

QComboBox* orderChoiceBox(QWidget* parent, int minimumWidth)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->completer()->setCompletionMode(QCompleter::PopupCompletion);
    box->setMinimumWidth(minimumWidth);
    return box;
}

QPushButton* namedButton(QWidget* parent, const char* name, const char* text)
{
    auto* b = new QPushButton(QString::fromLatin1(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

TFormMoveCommand::TFormMoveCommand(const char* objectName, CommandWindowId id, MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), boxes_(boxes)
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

    // One row per field of the window's forms.
    grid_ = new QGridLayout;
    if (const OrderForm* form = firstFormOf(id)) {
        for (std::size_t i = 0; i < form->fields.size(); ++i) {
            Row row;
            row.input = form->fields[i].input;
            const int r = rowOf(static_cast<int>(i));
            switch (row.input) {
            case FieldInput::Choice: {
                row.control = orderChoiceBox(this, 220);
                break;
            }
            case FieldInput::Text: row.control = new QLineEdit(this); break;
            case FieldInput::OnOff: row.control = new QCheckBox(QStringLiteral("on"), this); break;
            case FieldInput::Lines: {
                auto* text = new QPlainTextEdit(this);
                text->setMinimumSize(360, 160);
                row.control = text;
                break;
            }
            case FieldInput::Given: break;
            }
            if (row.control && row.input != FieldInput::OnOff) {
                row.label = new QLabel(this);
                row.label->setBuddy(row.control);
                grid_->addWidget(row.label, r, 0, Qt::AlignTop);
                grid_->addWidget(row.control, r, 1);
                row.control->setMinimumWidth(220);
            } else if (row.control) {
                grid_->addWidget(row.control, r, 0, 1, 2);
            }
            if (row.control && form->fields[i].checkedOnLeave) row.control->installEventFilter(this);
            rows_.push_back(row);
        }
        name(*form);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelCommand);
    layout->addLayout(grid_);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(ButtonOK, &QPushButton::clicked, this, &TFormMoveCommand::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

// The controls are named by what they hold in the form shown: "ComboBoxGroup", "EditNumber".
void TFormMoveCommand::name(const OrderForm& form)
{
    for (std::size_t i = 0; i < rows_.size() && i < form.fields.size(); ++i) {
        const Row& row = rows_[i];
        const char* field = form.fields[i].name;
        if (row.control) row.control->setObjectName(controlName(row.input, field));
        if (row.label) {
            row.label->setObjectName(QStringLiteral("Label") + QString::fromLatin1(field));
            row.label->setText(QString::fromLatin1(form.fields[i].label));
        }
    }
}

QLabel* TFormMoveCommand::label(int field) const
{
    return field >= 0 && static_cast<std::size_t>(field) < rows_.size() ? rows_[static_cast<std::size_t>(field)].label
                                                                         : nullptr;
}

QWidget* TFormMoveCommand::control(int field) const
{
    return field >= 0 && static_cast<std::size_t>(field) < rows_.size() ? rows_[static_cast<std::size_t>(field)].control
                                                                         : nullptr;
}

QComboBox* TFormMoveCommand::choiceBox(int field) const { return qobject_cast<QComboBox*>(control(field)); }
QLineEdit* TFormMoveCommand::edit(int field) const { return qobject_cast<QLineEdit*>(control(field)); }
QCheckBox* TFormMoveCommand::checkBox(int field) const { return qobject_cast<QCheckBox*>(control(field)); }
QPlainTextEdit* TFormMoveCommand::textBox(int field) const { return qobject_cast<QPlainTextEdit*>(control(field)); }

void TFormMoveCommand::open(const CommandOpening& opening, const Game& game, const CommandChoices& choices)
{
    opening_ = opening;
    game_ = &game;
    choices_ = choices;
    form_ = orderForm(opening.kind, game.gametype);
    LabelCommand->setText(fromGame(commandCaption(opening)));
    if (form_) {
        name(*form_);
        for (std::size_t i = 0; i < rows_.size() && i < form_->fields.size(); ++i) {
            const FormField& field = form_->fields[i];
            const std::string& start = opening.start[i];
            QWidget* c = rows_[i].control;
            if (auto* box = qobject_cast<QComboBox*>(c)) fill(box, choices_.list(field.choices), start);
            if (auto* line = qobject_cast<QLineEdit*>(c)) line->setText(fromGame(start));
            // A new option order starts switched on; an edited one as it stands.
            if (auto* on = qobject_cast<QCheckBox*>(c)) on->setChecked(start != "off");
            if (auto* text = qobject_cast<QPlainTextEdit*>(c)) text->setPlainText(fromGame(start));
        }
        if (QWidget* first = control(0)) first->setFocus();
    }
    opened();
    adjustSize();
    show();
    raise();
    activateWindow();
}

OrderFields TFormMoveCommand::fields() const
{
    OrderFields f;
    for (std::size_t i = 0; i < rows_.size() && i < f.size(); ++i) {
        const QWidget* c = rows_[i].control;
        if (const auto* box = qobject_cast<const QComboBox*>(c)) f[i] = toGame(box->currentText());
        if (const auto* line = qobject_cast<const QLineEdit*>(c)) f[i] = toGame(line->text());
        if (const auto* on = qobject_cast<const QCheckBox*>(c)) f[i] = on->isChecked() ? "on" : "off";
        if (const auto* text = qobject_cast<const QPlainTextEdit*>(c)) f[i] = toGame(text->toPlainText());
        if (rows_[i].input == FieldInput::Given) f[i] = opening_.option;
    }
    return f;
}

Status TFormMoveCommand::check() const
{
    if (!game_ || !form_) return {};
    return checkOrderForm(*form_, *game_, choices_, fields());
}

void TFormMoveCommand::report(const Failure& failure)
{
    // The box takes the focus away from the field; that is not another leave to check.
    reporting_ = true;
    boxes_.error(this, fromGame(failure.message));
    reporting_ = false;
    if (QWidget* field = control(failure.line - 1)) field->setFocus();
}

void TFormMoveCommand::ButtonOKClick()
{
    if (const Status checked = check(); !checked) {
        report(checked.error());
        return;
    }
    if (builder) {
        if (const Status built = builder(opening_.kind, fields()); !built) {
            boxes_.error(this, fromGame(built.error().text()));
            return;
        }
    }
    accept();
}

bool TFormMoveCommand::fieldExit(int field)
{
    if (!form_ || field < 0 || static_cast<std::size_t>(field) >= form_->fields.size()) return true;
    const Status number = checkFieldNumber(form_->fields[static_cast<std::size_t>(field)].number, fields()[static_cast<std::size_t>(field)]);
    if (number) return true;
    report(Failure(number.error().message, {}, field + 1));
    return false;
}

bool TFormMoveCommand::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && !reporting_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Only the focus moving to another control of this window leaves the field.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (std::size_t i = 0; i < rows_.size(); ++i)
                if (rows_[i].control == watched) fieldExit(static_cast<int>(i));
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace orrery
