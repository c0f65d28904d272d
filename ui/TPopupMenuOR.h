#pragma once

// TPopupMenuOR: the context menu of a control that lists planets, races, fleets, ship types or
// groups. It attaches itself to a grid (the object is the cell of its column in the selected
// row), a text view (the fleet of the nearest fleet line at or above the caret) or a list (the
// selected entry), builds its entries from the entry table of its kind at every popup, and hands
// the chosen entry with its object to the handler.
//
//     new TPopupMenuOR(grid, ContextObject::Planet, 0, host);

#include "contextmenu.h"

#include <QMenu>

#include <functional>
#include <string>

class QListWidget;
class QPlainTextEdit;

namespace orrery {

struct Game;
class TStringGridOR;

// What the menus need of the program: the shown turn and what to do with a chosen entry.
class ContextMenuHost {
public:
    virtual ~ContextMenuHost() = default;
    virtual const Game& game() const = 0;
    virtual void chosen(QWidget* owner, ContextObject kind, const ContextEntry& entry, const std::string& object) = 0;
};

class TPopupMenuOR : public QMenu {
    Q_OBJECT
public:
    TPopupMenuOR(TStringGridOR* grid, ContextObject kind, int column, ContextMenuHost& host);
    TPopupMenuOR(QPlainTextEdit* text, ContextObject kind, ContextMenuHost& host);
    TPopupMenuOR(QListWidget* list, ContextObject kind, ContextMenuHost& host);

    // Whether the rows of a grid are the player's (a grid that also lists other races' groups);
    // when it answers false a group menu stays empty.
    std::function<bool(int row)> rowIsOwn;
    // The grid shows two rows per record (values, then changes): the object is in the first.
    bool twoRowRecords = false;

    // The object under the selection or the caret, as the entries use it; empty when none.
    std::string object() const;
    // The entries made anew, as a popup makes them.
    void build();
    // A chosen entry (its caption).
    void PopupHandler(const QString& caption);

private:
    void popupAt(const QPoint& global);

    QWidget* owner_;
    TStringGridOR* grid_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QListWidget* list_ = nullptr;
    ContextObject kind_;
    int column_ = 0;
    ContextMenuHost& host_;
};

} // namespace orrery
