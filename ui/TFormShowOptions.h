#pragma once

// TFormShowOptions: the report options of a Blind Galaxy game. Viewing (the options of the shown
// turn's report): nothing can be changed and one OK closes. Editing (the move editor's "Set
// options"): the options can be changed or set to the standard; OK checks the number fields and
// hands the edited options to onOK, which turns the changes into option orders.

#include "gamedata.h"
#include "messages.h"
#include "result.h"

#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orrery {

class TFormShowOptions : public QWidget {
    Q_OBJECT
public:
    explicit TFormShowOptions(MessageBoxes& boxes, QWidget* parent = nullptr);

    // Fills the window from options and shows it for viewing or editing.
    void open(const optiontype& options, bool editable);
    // Fills the window again (viewing after a change of turn).
    void fill(const optiontype& options);
    bool editable() const { return editable_; }

    // The checks of the number fields: the first failure.
    Status check() const;
    // The window read back: the options it was opened with, with every flag and field as shown.
    optiontype options() const;

    void ButtonOKClick();
    void ButtonStandardClick();
    void CheckBoxRawLabelsClick();

    // Receives the edited options (editing mode).
    std::function<void(const optiontype&)> onOK;
    // Runs when the window closes, in either mode.
    std::function<void()> onClosed;

    QCheckBox* checkBox(const char* keyword) const;
    QLabel* label(const char* keyword) const;

    QLabel* LabelVersion = nullptr;
    QLabel* LabelXCenter = nullptr;
    QLineEdit* EditXCenter = nullptr;
    QLabel* LabelYCenter = nullptr;
    QLineEdit* EditYCenter = nullptr;
    QLabel* LabelForecastTurn = nullptr;
    QLineEdit* EditForecastTurn = nullptr;
    QCheckBox* CheckBoxRawLabels = nullptr;
    QPushButton* ButtonOK = nullptr;  // editing
    QPushButton* ButtonOK2 = nullptr; // viewing
    QPushButton* ButtonCancel = nullptr;
    QPushButton* ButtonStandard = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    MessageBoxes& boxes_;
    struct Row {
        const OptionFlag* flag;
        QCheckBox* box;
        QLabel* label;
    };
    std::vector<Row> rows_;
    optiontype opened_;
    bool editable_ = false;
};

} // namespace orrery
