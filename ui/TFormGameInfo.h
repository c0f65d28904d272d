#pragma once

// TFormGameInfo: the game type window, asked while the intelligence of turn 0 is produced. It
// shows what was detected (game type and the game detail text) and lets the player correct the
// game type; "Version 3.1" is offered only for GalaxyNG.
//
//     GameTypeChoice choice = gameInfo->ask(detected, fromGame(details));
//
// ask() is modal. A window closed without OK answers what it showed at first.

#include "autointel.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace orrery {

class TFormGameInfo : public QDialog {
    Q_OBJECT
public:
    explicit TFormGameInfo(QWidget* parent = nullptr);

    // Shows the window modally and returns the player's choice.
    GameTypeChoice ask(std::int32_t detected, const QString& details, bool version31 = false);

    // The steps of ask(), usable without a modal loop: fill the window (game type 2 shows
    // "GalaxyNG", 1 "Blind Galaxy", every other value "Standard Galaxy"; the details with CR LF or
    // LF line ends), then read the choice from the controls.
    void prepare(std::int32_t gametype, const QString& details, bool version31);
    GameTypeChoice choice() const;
    void ButtonOKClick();

    QLabel* LabelInfo = nullptr;
    QComboBox* ComboBoxGameType = nullptr;
    QCheckBox* CheckBoxVersion = nullptr;
    QPlainTextEdit* MemoDetails = nullptr;
    QPushButton* ButtonOK = nullptr;

private:
    void ComboBoxGameTypeChange();

    GameTypeChoice shown_;
};

} // namespace orrery
