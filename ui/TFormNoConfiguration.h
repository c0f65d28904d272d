#pragma once

// TFormNoConfiguration: shown at start when there is no standard configuration. "Create new
// configuration" closes it and calls onCreateConfiguration (the caller runs "Create
// configuration..."); "Load configuration" closes it and calls onLoadConfiguration (the caller
// opens the configurations window in load mode); "Open the demo game" closes it and calls
// onOpenDemo. F1 opens the help on configurations.

#include "session.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace orrery {

class TFormNoConfiguration : public QDialog {
    Q_OBJECT
public:
    explicit TFormNoConfiguration(QWidget* parent = nullptr);

    std::function<void()> onCreateConfiguration;
    std::function<void()> onLoadConfiguration;
    std::function<void()> onOpenDemo;
    // Opens the help (F1 asks for the page on configurations).
    std::function<void(HelpTopic)> openHelp;

    QLabel* LabelNoConfiguration = nullptr;
    QLabel* LabelHelp1 = nullptr;
    QLabel* LabelHelp2 = nullptr;
    QPushButton* ButtonCreate = nullptr;
    QPushButton* ButtonLoad = nullptr;
    QPushButton* ButtonDemo = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace orrery
