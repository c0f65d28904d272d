#include "TPopupMenuOR.h"

#include "TStringGridOR.h"
#include "gamedata.h"
#include "messages.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace orrery {

TPopupMenuOR::TPopupMenuOR(TStringGridOR* grid, ContextObject kind, int column, ContextMenuHost& host)
    : QMenu(grid), owner_(grid), grid_(grid), kind_(kind), column_(column), host_(host)
{
    setObjectName(QStringLiteral("PopupMenu"));
    // Only data cells have a menu: a press on the headings sorts.
    connect(grid, &TStringGridOR::cellContextMenu, this, [this](int, int row, const QPoint& global) {
        if (row < 1) return;
        if (grid_->selectedRow() != row) grid_->selectRows(row, row);
        popupAt(global);
    });
}

TPopupMenuOR::TPopupMenuOR(QPlainTextEdit* text, ContextObject kind, ContextMenuHost& host)
    : QMenu(text), owner_(text), text_(text), kind_(kind), host_(host)
{
    setObjectName(QStringLiteral("PopupMenu"));
    text->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(text, &QPlainTextEdit::customContextMenuRequested, this, [this](const QPoint& pos) {
        // The caret goes where the player clicked: the fleet is read from there upward.
        text_->setTextCursor(text_->cursorForPosition(pos));
        popupAt(text_->viewport()->mapToGlobal(pos));
    });
}

TPopupMenuOR::TPopupMenuOR(QListWidget* list, ContextObject kind, ContextMenuHost& host)
    : QMenu(list), owner_(list), list_(list), kind_(kind), host_(host)
{
    setObjectName(QStringLiteral("PopupMenu"));
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QListWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { popupAt(list_->viewport()->mapToGlobal(pos)); });
}

std::string TPopupMenuOR::object() const
{
    if (grid_) {
        int row = grid_->selectedRow();
        if (row < 1) return {};
        if (twoRowRecords && row % 2 == 0) --row;
        return toGame(grid_->Cells(column_, row).trimmed());
    }
    if (text_) {
        std::vector<std::string> lines;
        for (QTextBlock b = text_->document()->begin(); b.isValid(); b = b.next()) lines.push_back(toGame(b.text()));
        return fleetAboveLine(lines, text_->textCursor().blockNumber());
    }
    if (list_ && list_->currentItem() && list_->currentItem()->isSelected()) return toGame(list_->currentItem()->text());
    return {};
}

void TPopupMenuOR::build()
{
    clear();
    const Game& game = host_.game();
    const std::string chosen = object();
    bool own = ownsObject(game, kind_, chosen);
    if (own && grid_ && rowIsOwn) own = rowIsOwn(grid_->selectedRow());
    for (const ContextEntry& entry : shownContextEntries(kind_, game.gametype, own)) {
        const QString caption = QString::fromLatin1(entry.caption);
        addAction(caption, this, [this, caption] { PopupHandler(caption); });
    }
}

void TPopupMenuOR::popupAt(const QPoint& global)
{
    build();
    if (!actions().isEmpty()) popup(global);
}

void TPopupMenuOR::PopupHandler(const QString& caption)
{
    const std::optional<ContextEntry> entry = contextEntryByCaption(kind_, host_.game().gametype, toGame(caption));
    if (!entry) return;
    host_.chosen(owner_, kind_, *entry, object());
}

} // namespace orrery
