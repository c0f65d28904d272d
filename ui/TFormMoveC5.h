#pragma once

// TFormMoveC5: a message to some races or to all: the recipients (a click on a race in the list
// adds it), the text, and a menu item that appends the lines of a text file to the text.

#include "TFormMoveCommand.h"

class QListWidget;
class QListWidgetItem;

namespace orrery {

class TFormMoveC5 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC5(MessageBoxes& boxes, QWidget* parent = nullptr);

    // The file chooser of "Load text file..." (a file dialog unless replaced); empty: cancelled.
    std::function<QString()> chooseTextFile;

    void ListBoxRacesClick(QListWidgetItem* item);
    void menuItemLoadTextClick();

    QListWidget* ListBoxRaces = nullptr;

protected:
    void opened() override;
};

} // namespace orrery
