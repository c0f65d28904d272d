#pragma once

// TFormBattleResult: a text shown in a list, one line per entry, under a caption: the result of a
// simulated battle, or the move checker's findings.

#include <QWidget>

#include <functional>

class QListWidget;

namespace orrery {

class TFormBattleResult : public QWidget {
    Q_OBJECT
public:
    explicit TFormBattleResult(QWidget* parent = nullptr);

    // Shows the text under the caption ("Battle result" when the caption is empty).
    void showResult(const QString& text, const QString& caption);
    QStringList lines() const;

    // Runs when the window is closed (the battle window enables its simulation again).
    std::function<void()> onClosed;

    QListWidget* ListBoxResult = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace orrery
