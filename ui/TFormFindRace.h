#pragma once

// TFormFindRace ("Find Race"): the player types or chooses a race, and while the window is open
// the map marks that race's planets, and with the check box also every planet where the race has
// ships.

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace orrery {

class TFormFindRace : public QWidget {
    Q_OBJECT
public:
    explicit TFormFindRace(QWidget* parent = nullptr);

    // Refills the list (the choices are sorted already) and gives it the keyboard focus.
    void FormShow(const std::vector<std::string>& choices);
    // The race name typed or chosen, as game text.
    std::string raceName() const;
    bool withShips() const;

    // Runs when the window is shown (true) or closed (false), and for every change of the text or
    // the check box.
    std::function<void(bool shown)> onShownChanged;
    std::function<void()> onChanged;

    QLabel* Label1 = nullptr;
    QComboBox* ComboBoxRace = nullptr;
    QCheckBox* CheckBoxShips = nullptr;
    QPushButton* ButtonClose = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

} // namespace orrery
