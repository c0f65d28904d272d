#pragma once

// TFormTurnInfo ("Turn overview"): what changed since the previous turn, in sentences, in a
// read-only text box. The text is built from the shown turn every time the window is shown.

#include <QWidget>

#include <functional>

class QPlainTextEdit;

namespace orrery {

struct Game;

class TFormTurnInfo : public QWidget {
    Q_OBJECT
public:
    explicit TFormTurnInfo(QWidget* parent = nullptr);

    // Rebuilds the text from the turn.
    void FormShow(const Game& game);
    // Runs when the window is shown (true) or closed (false): the main window's button follows.
    std::function<void(bool shown)> onShownChanged;

    QPlainTextEdit* MemoInfo = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

} // namespace orrery
