#pragma once

// TFormSaveConfiguration: asks how to save the current configuration. "Standard configuration"
// calls onSaveStandard (the caller saves under "Standard", the name loaded at start) and closes;
// "Alternative configuration" closes and calls onSaveAlternative (the caller opens the
// configurations window in save mode); "Cancel" closes.

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace orrery {

class TFormSaveConfiguration : public QDialog {
    Q_OBJECT
public:
    explicit TFormSaveConfiguration(QWidget* parent = nullptr);

    std::function<void()> onSaveStandard;
    std::function<void()> onSaveAlternative;

    QLabel* LabelSaveAs = nullptr;
    QPushButton* ButtonStandard = nullptr;
    QPushButton* ButtonAlternative = nullptr;
    QPushButton* ButtonCancel = nullptr;
};

} // namespace orrery
