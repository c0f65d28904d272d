#pragma once

// The windows of the group area tools: scanning an area with the ships of one group, and sending
// (or letting intercept) every movable group of one planet. Both build their orders through the
// move editor (orders/areatools.h) and report what it answers.

#include "areatools.h"
#include "messages.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orrery {

struct Game;
class MoveEditor;

class TFormMoveScanArea : public QDialog {
    Q_OBJECT
public:
    TFormMoveScanArea(const Game& game, MoveEditor& editor, MessageBoxes& boxes, QWidget* parent);

    // Shows the window with empty number fields and the own groups of the shown turn.
    void open();
    AreaShape shape() const;
    void setShape(AreaShape shape);
    // A press on the map hands over the mouse position texts (the number with the blanks before
    // it): into "left:" and "top:" when both are empty, else into "right:" and "bottom:" when both
    // of those are empty and the area is a rectangle, otherwise into "left:" and "top:" again.
    void pressAt(const QString& x, const QString& y);
    void ButtonOKClick();

    std::array<QLineEdit*, 4> EditArea{};
    std::array<QLabel*, 4> LabelArea{};
    QComboBox* ComboBoxGroup = nullptr;
    QRadioButton* RadioButtonRectangle = nullptr;
    QRadioButton* RadioButtonCircle = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonCancel = nullptr;

    // Runs after orders were built (the move editor shows them).
    std::function<void()> onOrders;

private:
    void shapeChanged();
    void edited(int field);

    const Game& game_;
    MoveEditor& editor_;
    MessageBoxes& boxes_;
    std::array<QString, 4> accepted_;
};

class TFormMoveSendFromPlanet : public QDialog {
    Q_OBJECT
public:
    TFormMoveSendFromPlanet(const Game& game, MoveEditor& editor, MessageBoxes& boxes, QWidget* parent);

    // Sets the labels and lists for the mode, shows the window, and puts the planets in.
    void open(SendMode mode, const QString& first = {}, const QString& second = {});
    SendMode mode() const { return mode_; }
    void ButtonOKClick();

    QLabel* LabelFirst = nullptr;
    QLabel* LabelSecond = nullptr;
    QComboBox* ComboBoxFirst = nullptr;
    QComboBox* ComboBoxSecond = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonCancel = nullptr;

    std::function<void()> onOrders;

private:
    const Game& game_;
    MoveEditor& editor_;
    MessageBoxes& boxes_;
    SendMode mode_ = SendMode::Send;
};

} // namespace orrery
