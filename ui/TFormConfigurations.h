#pragma once

// TFormConfigurations: the list of stored configurations, opened in one of three modes.
//  - Save: a name field; OK checks the name (not empty, not "Standard", overwrite asked), closes
//    the window and calls onSave(name); the caller saves the current state under that name.
//  - Load: OK needs a selected entry, closes the window and calls onLoad(name); the caller loads
//    the configuration, starts it (also when loading failed) and refreshes the open views.
//  - Delete: OK ("Delete") needs a selected entry, deletes it from the store and from the list;
//    the window stays open until "Close".
// Clicking an entry copies its name into the name field; double-clicking it is the same as OK.

#include "messages.h"

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace orrery {

class TORRegistry;

class TFormConfigurations : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Save, Load, Delete };

    TFormConfigurations(TORRegistry& registry, MessageBoxes& boxes, QWidget* parent = nullptr);

    // Sets caption and buttons for the mode, fills the list from the store and shows the window
    // (modal to the application, without blocking the caller).
    void openIn(Mode mode);
    Mode mode() const { return mode_; }

    // Configuration names are the store's names (local 8-bit text).
    std::function<void(const std::string& name)> onSave;
    std::function<void(const std::string& name)> onLoad;

    // The OK button's action in the current mode (also run by a double click).
    void ButtonOKClick();

    QListWidget* ListBoxConfigurations = nullptr;
    QLabel* LabelName = nullptr;
    QLineEdit* EditName = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonCancel = nullptr;

private:
    QString selectedName() const;
    void saveClicked();
    void loadClicked();
    void deleteClicked();

    TORRegistry& registry_;
    MessageBoxes& boxes_;
    Mode mode_ = Mode::Load;
};

} // namespace orrery
