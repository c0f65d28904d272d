#pragma once

// The command windows: one small window per kind of order, laid out from its order form (the
// field rows, their labels and choice lists). A window is opened for one command with its start
// values; OK runs the form's checks (the first failure is shown and its field takes the focus,
// the window stays open) and hands the fields to the builder, which builds the order in the move
// editor; then the window closes. Fields whose number is checked as they are left are checked
// here too. The windows of the order forms are thin classes over this one.
//
//     window->builder = [&](OrderKind kind, const OrderFields& f) { return editor.buildOrderOfKind(kind, f); };
//     window->open(opening, game, CommandChoices::of(game, editor.lines(), editor.moveForm()));

#include "messages.h"
#include "orderforms.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orrery {

struct Game;

// The editable drop-down of an order's field (a group, a planet, a race, a ship type). What the
// player types stays as typed: a completion filled in behind the caret would turn group 13 into
// group 130 when OK is pressed at once, so matching entries are only offered in a list.
QComboBox* orderChoiceBox(QWidget* parent, int minimumWidth);
// A push button with an object name (tests and the help find it by that name).
QPushButton* namedButton(QWidget* parent, const char* name, const char* text);

class TFormMoveCommand : public QDialog {
    Q_OBJECT
public:
    // Builds the order from a window's fields; fails with the message to show.
    using Builder = std::function<Status(OrderKind, const OrderFields&)>;

    // The window's field rows are made for the forms of the window id.
    TFormMoveCommand(const char* objectName, CommandWindowId id, MessageBoxes& boxes, QWidget* parent);

    // Sets the labels and lists for the command, puts the start values in and shows the window.
    void open(const CommandOpening& opening, const Game& game, const CommandChoices& choices);

    OrderKind kind() const { return opening_.kind; }
    const CommandOpening& opening() const { return opening_; }
    // The form shown (nullptr before the window was opened).
    const OrderForm* form() const { return form_; }
    // The fields in form order, as the controls hold them.
    OrderFields fields() const;
    // The first failing check of OK.
    Status check() const;

    void ButtonOKClick();

    Builder builder;

    // The controls of a field row (nullptr where the row has no such control).
    QLabel* label(int field) const;
    QComboBox* choiceBox(int field) const;
    QLineEdit* edit(int field) const;
    QCheckBox* checkBox(int field) const;
    QPlainTextEdit* textBox(int field) const;
    QWidget* control(int field) const;

    QLabel* LabelCommand = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonCancel = nullptr;

protected:
    // Runs when the window was filled, before it is shown (what a window adds to its form).
    virtual void opened() {}
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The grid of the field rows: field i is in row rowOf(i); the row after it is free for what a
    // window shows below a field.
    QGridLayout* rows() const { return grid_; }
    static int rowOf(int field) { return 2 * field; }
    // Shows a failure and puts the focus into its field (its line, from 1).
    void report(const Failure& failure);

    MessageBoxes& boxes_;
    const Game* game_ = nullptr;
    CommandChoices choices_;
    CommandOpening opening_;
    const OrderForm* form_ = nullptr;

private:
    struct Row {
        QLabel* label = nullptr;
        QWidget* control = nullptr;
        FieldInput input = FieldInput::Text;
    };
    void name(const OrderForm& form);
    // The check of a field that is left; false when it failed (the field keeps the focus).
    bool fieldExit(int field);

    std::vector<Row> rows_;
    QGridLayout* grid_ = nullptr;
    bool reporting_ = false;
};

} // namespace orrery
