#pragma once

// The common part of the command windows: the caption "Command", the command's entry as the first
// label, OK and Cancel. A window is opened for one command with its start values; OK runs the
// window's checks (first failure shown, the window stays open) and hands the fields to the
// builder, which builds the order in the move editor; then the window closes.
//
//     window->builder = [&](OrderKind kind, const OrderFields& f) { return editor.buildOrder(kind, f); };
//     window->open(opening, game, CommandChoices::of(game, editor.lines(), editor.moveForm()));

#include "commandrules.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace orrery {

struct Game;

// What a command window is opened for.
struct CommandOpening {
    OrderKind kind = OrderKind::None;
    CommandList list = CommandList::Names;
    int number = -1;     // the command's number in list; -1 when the list has no entry for it
    std::string option;  // the option of the on/off windows
    OrderFields start;   // start values, field 1 first (empty: none)
};

// The first label of a command window: the command's entry of its list, or for an option without
// entry "Set option X" / "O (Set option X)".
std::string commandCaption(const CommandOpening& opening);

class TFormMoveCommand : public QDialog {
    Q_OBJECT
public:
    // Builds the order from a window's fields; answers a message when it could not be built.
    using Builder = std::function<std::string(OrderKind, const OrderFields&)>;

    TFormMoveCommand(const char* objectName, QWidget* parent);

    // Sets the labels and lists for the command, puts the start values in and shows the window.
    void open(const CommandOpening& opening, const Game& game, const CommandChoices& choices);

    OrderKind kind() const { return opening_.kind; }
    const CommandOpening& opening() const { return opening_; }
    // The fields in BuildOrder order, as the controls hold them.
    virtual OrderFields fields() const = 0;
    // The first failing check of OK, or empty.
    virtual std::string check() const;

    void ButtonOKClick();

    Builder builder;

    QLabel* LabelCommand = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonCancel = nullptr;

protected:
    // Labels, lists and start values for opening_.
    virtual void setUp(const CommandOpening& opening, const CommandChoices& choices) = 0;
    // Runs after the window is shown (notes about the command).
    virtual void shown() {}
    // The control that takes the focus when a check fails.
    virtual QWidget* focusAfterFailure() const { return nullptr; }

    // The field rows between the first label and the buttons.
    QGridLayout* rows() const { return rows_; }
    QComboBox* addChoice(const char* name, QLabel*& label);
    QLineEdit* addEdit(const char* name, QLabel*& label);
    // A choice box's entries and text (the start value, which need not be an entry).
    static void fill(QComboBox* box, const std::vector<std::string>& entries, const std::string& text);
    static std::string textOf(const QComboBox* box);
    static std::string textOf(const QLineEdit* edit);
    static void setLabel(QLabel* label, const char* text);

    const Game* game_ = nullptr;
    CommandChoices choices_;
    CommandOpening opening_;

private:
    QGridLayout* rows_ = nullptr;
};

} // namespace orrery
