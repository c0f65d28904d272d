#include "TFormTextEditor.h"

#include "TFormTextSearch.h"
#include "fileio.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

namespace orrery {

namespace {

const QString textFilters = QStringLiteral("All files (*);;Text files (*.txt)");

bool clipboardHasText()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

// The shortcuts of the edit menu, which the edit area would otherwise take for its own.
bool isEditMenuKey(const QKeyEvent& key)
{
    const auto mods = key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return (key.key() == Qt::Key_Delete || key.key() == Qt::Key_Insert) &&
           (mods == Qt::ShiftModifier || mods == Qt::ControlModifier);
}

} // namespace

TFormTextEditor::TFormTextEditor(Configuration& settings, TFormTextSearch& search, MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent, Qt::Window), settings_(settings), search_(search), boxes_(boxes)
{
    setObjectName(QStringLiteral("FormTextEditor"));
    setWindowTitle(QString::fromStdString(editorCaption({})));
    resize(640, 480);

    Memo = new QPlainTextEdit(this);
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Courier New"), fontSizes[0]);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    Memo->setFont(font);
    Memo->installEventFilter(this);

    createMenus();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu);
    layout->addWidget(Memo);

    connect(Memo, &QPlainTextEdit::selectionChanged, this, &TFormTextEditor::updateCommands);
    connect(Memo, &QPlainTextEdit::textChanged, this, &TFormTextEditor::updateCommands);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TFormTextEditor::updateCommands);

    chooseLoadFile = [this](const QString& folder) {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Select text file"), folder, textFilters);
    };
    chooseSaveFile = [this](const QString& folder) {
        // The overwrite question is this window's own.
        return QFileDialog::getSaveFileName(this, QString(), folder, textFilters, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    };
    updateCommands();
}

void TFormTextEditor::createMenus()
{
    MainMenu = new QMenuBar(this);
    auto item = [this](QMenu* menu, const char* caption, void (TFormTextEditor::*slot)(), const QKeySequence& keys = {}) {
        QAction* a = menu->addAction(QString::fromLatin1(caption));
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* file = MainMenu->addMenu(QStringLiteral("&File"));
    menuItemNew = item(file, "New", &TFormTextEditor::menuItemNewClick);
    menuItemGetFromClipboard = item(file, "Get from Clipboard", &TFormTextEditor::menuItemGetFromClipboardClick);
    menuItemPutToClipboard = item(file, "Put to Clipboard", &TFormTextEditor::menuItemPutToClipboardClick);
    file->addSeparator();
    menuItemLoad = item(file, "Load ...", &TFormTextEditor::menuItemLoadClick);
    menuItemLoadMostRecent = item(file, "Load most recent file", &TFormTextEditor::menuItemLoadMostRecentClick);
    menuItemInsertFile = item(file, "Insert file ...", &TFormTextEditor::menuItemInsertFileClick);
    menuItemSave = item(file, "Save", &TFormTextEditor::menuItemSaveClick);
    menuItemSaveAs = item(file, "Save As ...", &TFormTextEditor::menuItemSaveAsClick);
    file->addSeparator();
    menuItemQuit = file->addAction(QStringLiteral("Quit Text Editor"), this, &QWidget::close);

    QMenu* edit = MainMenu->addMenu(QStringLiteral("&Edit"));
    menuItemCut = item(edit, "Cut", &TFormTextEditor::menuItemCutClick, QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    menuItemCopy = item(edit, "Copy", &TFormTextEditor::menuItemCopyClick, QKeySequence(Qt::CTRL | Qt::Key_Insert));
    menuItemPaste = edit->addAction(QStringLiteral("Paste"), Memo, &QPlainTextEdit::paste);
    menuItemPaste->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Insert));
    menuItemDelete = item(edit, "Delete", &TFormTextEditor::menuItemDeleteClick, QKeySequence(Qt::CTRL | Qt::Key_Delete));
    menuItemSelectAll = edit->addAction(QStringLiteral("Select all"), Memo, &QPlainTextEdit::selectAll);
    edit->addSeparator();
    menuItemReplyformat = item(edit, "\"Reply format\"", &TFormTextEditor::menuItemReplyformatClick);

    QMenu* search = MainMenu->addMenu(QStringLiteral("&Search"));
    menuItemSearch = item(search, "Search ...", &TFormTextEditor::menuItemSearchClick);

    QMenu* sizes = MainMenu->addMenu(QStringLiteral("F&ont size"));
    auto* group = new QActionGroup(this);
    for (std::size_t i = 0; i < fontSizes.size(); ++i) {
        const int points = fontSizes[i];
        QAction* a = sizes->addAction(QString::number(points), this, [this, points] { setFontSize(points); });
        a->setCheckable(true);
        a->setChecked(i == 0);
        group->addAction(a);
        menuItemFontSize[i] = a;
    }
}

void TFormTextEditor::updateCommands()
{
    const EditorCommands on = editorCommands(Memo->textCursor().hasSelection(), clipboardHasText(), !fileName_.isEmpty());
    menuItemCut->setEnabled(on.cut);
    menuItemCopy->setEnabled(on.copy);
    menuItemDelete->setEnabled(on.del);
    menuItemReplyformat->setEnabled(on.reply);
    menuItemPaste->setEnabled(on.paste);
    menuItemSave->setEnabled(on.save);
}

void TFormTextEditor::setFile(const QString& path)
{
    fileName_ = path;
    setWindowTitle(QString::fromStdString(editorCaption(path.toStdString())));
    updateCommands();
}

bool TFormTextEditor::load(int atLine, const QString& path)
{
    const Result<TextFileContent> content = loadTextFile(path.toStdString());
    if (!content) {
        boxes_.error(this, QString::fromStdString(content.error().text()));
        return false;
    }
    settings_.textEditorInitialDir = QFileInfo(path).absolutePath().toStdString();
    const QString text = fromGame(content->text);
    if (atLine < 0) {
        Memo->setPlainText(text);
        lineEnd_ = content->lineEnd;
        setFile(path);
        return true;
    }
    // An inserted file becomes part of this text: the editor's file and its line ends stay.
    QTextCursor cursor(Memo->document());
    const QTextBlock block = Memo->document()->findBlockByNumber(atLine);
    if (block.isValid())
        cursor.setPosition(block.position());
    else
        cursor.movePosition(QTextCursor::End);
    cursor.insertText(text.isEmpty() || text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n'));
    Memo->setTextCursor(cursor);
    return true;
}

bool TFormTextEditor::writeTo(const QString& path)
{
    const Status saved = saveTextFile(path.toStdString(), toGame(Memo->toPlainText()), lineEnd_);
    if (!saved) {
        boxes_.error(this, QString::fromStdString(saved.error().text()));
        return false;
    }
    Memo->document()->setModified(false);
    return true;
}

bool TFormTextEditor::hasSelection()
{
    if (Memo->textCursor().hasSelection()) return true;
    boxes_.show(this, MessageKind::Warning, QStringLiteral("No text selected!"));
    return false;
}

void TFormTextEditor::menuItemNewClick()
{
    Memo->clear();
    lineEnd_ = LineEnd::LF;
    setFile(QString());
}

void TFormTextEditor::menuItemGetFromClipboardClick()
{
    if (!clipboardHasText()) {
        boxes_.error(this, QStringLiteral("Clipboard contains no plain text!"));
        return;
    }
    Memo->setPlainText(QApplication::clipboard()->text());
}

void TFormTextEditor::menuItemPutToClipboardClick() { QApplication::clipboard()->setText(Memo->toPlainText()); }

void TFormTextEditor::menuItemLoadClick()
{
    const QString path = chooseLoadFile ? chooseLoadFile(QString::fromStdString(folder())) : QString();
    if (!path.isEmpty()) load(-1, path);
}

void TFormTextEditor::menuItemLoadMostRecentClick()
{
    const std::optional<std::string> newest = mostRecentFile(folder());
    if (!newest) {
        boxes_.show(this, MessageKind::Warning, QStringLiteral("No file found."));
        return;
    }
    load(-1, QString::fromStdString(*newest));
}

void TFormTextEditor::menuItemInsertFileClick()
{
    const QString path = chooseLoadFile ? chooseLoadFile(QString::fromStdString(folder())) : QString();
    if (!path.isEmpty()) load(Memo->textCursor().blockNumber(), path);
}

void TFormTextEditor::menuItemSaveClick()
{
    if (fileName_.isEmpty())
        menuItemSaveAsClick();
    else
        writeTo(fileName_);
}

void TFormTextEditor::menuItemSaveAsClick()
{
    const QString path = chooseSaveFile ? chooseSaveFile(QString::fromStdString(folder())) : QString();
    if (path.isEmpty()) return;
    if (fileExists(path.toStdString()) &&
        !boxes_.warningQuestion(this, QStringLiteral("File exists already!\r\nDo you want to overwrite?")))
        return;
    // The editor takes the new name only once the text is in the file.
    if (!writeTo(path)) return;
    settings_.textEditorInitialDir = QFileInfo(path).absolutePath().toStdString();
    setFile(path);
}

void TFormTextEditor::menuItemCutClick()
{
    if (hasSelection()) Memo->cut();
}

void TFormTextEditor::menuItemCopyClick()
{
    if (hasSelection()) Memo->copy();
}

void TFormTextEditor::menuItemDeleteClick()
{
    if (hasSelection()) Memo->textCursor().removeSelectedText();
}

void TFormTextEditor::menuItemReplyformatClick()
{
    QTextCursor cursor = Memo->textCursor();
    if (!cursor.hasSelection()) return;
    // The selection separates its lines with paragraph separators; quoting works on LF lines
    // (UTF-8 keeps every character the player typed).
    QString selected = cursor.selectedText();
    selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n')).replace(QChar::LineSeparator, QLatin1Char('\n'));
    cursor.insertText(QString::fromStdString(quoteReply(selected.toStdString())));
    Memo->setTextCursor(cursor);
}

void TFormTextEditor::menuItemSearchClick() { search_.openFor(Memo); }

void TFormTextEditor::setFontSize(int points)
{
    for (std::size_t i = 0; i < fontSizes.size(); ++i) menuItemFontSize[i]->setChecked(fontSizes[i] == points);
    QFont font = Memo->font();
    font.setPointSize(points);
    Memo->setFont(font);
}

void TFormTextEditor::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    updateCommands();
    if (onShownChanged) onShownChanged(true);
}

void TFormTextEditor::closeEvent(QCloseEvent* event)
{
    search_.closeFor(this);
    QWidget::closeEvent(event);
    if (onShownChanged) onShownChanged(false);
}

bool TFormTextEditor::eventFilter(QObject* watched, QEvent* event)
{
    // The edit menu's shortcuts go to the menu (which warns without a selection), not to the
    // edit area's own key bindings.
    if (watched == Memo && event->type() == QEvent::ShortcutOverride && isEditMenuKey(static_cast<QKeyEvent&>(*event))) {
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orrery
