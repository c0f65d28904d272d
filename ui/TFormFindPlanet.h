#pragma once

// TFormFindPlanet ("Find Planet"): the player types or chooses a planet's name (or its system
// number in Blind Galaxy) and the map goes to that planet as soon as the text names one.

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace orrery {

class TFormFindPlanet : public QWidget {
    Q_OBJECT
public:
    explicit TFormFindPlanet(QWidget* parent = nullptr);

    // Refills the list (the choices are sorted already) and gives it the keyboard focus.
    void FormShow(const std::vector<std::string>& choices);

    // Runs when the window is shown (true) or closed (false), and for every change of the text.
    std::function<void(bool shown)> onShownChanged;
    std::function<void(const QString& text)> onTextChanged;

    QLabel* Label1 = nullptr;
    QComboBox* ComboBoxPlanet = nullptr;
    QPushButton* ButtonCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

} // namespace orrery
