#include "TFormMove.h"

#include "TFormBattleResult.h"
#include "TFormMoveC1.h"
#include "TFormMoveC10.h"
#include "TFormMoveC11.h"
#include "TFormMoveC12.h"
#include "TFormMoveC1toggle.h"
#include "TFormMoveC2.h"
#include "TFormMoveC2c4e.h"
#include "TFormMoveC3.h"
#include "TFormMoveC3c1e.h"
#include "TFormMoveC4.h"
#include "TFormMoveC5.h"
#include "TFormMoveC6.h"
#include "TFormMoveC7.h"
#include "TFormMoveC8.h"
#include "TFormMoveCommand.h"
#include "TFormSelectFromList.h"
#include "TFormShowOptions.h"
#include "configuration.h"
#include "fileio.h"
#include "gamedata.h"
#include "messages.h"
#include "movechecker.h"
#include "reportreader.h"
#include "textrules.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace orrery {

namespace {

const QString moveFilters = QStringLiteral(
    "All files (*);;Command files (*.cmd);;Move files (*.mov);;Text files (*.txt)");

// The busy cursor while a long computation runs.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

TFormMove::TFormMove(const Game& game, Configuration& settings, MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent, Qt::Window), game_(game), settings_(settings), boxes_(boxes), editor_(game)
{
    setObjectName(QStringLiteral("FormMove"));
    setWindowTitle(QStringLiteral("Move Editor"));
    createControls();
    createMenu();

    commandWindows_ = {
        {CommandWindowId::C1, new TFormMoveC1(boxes_, this)},
        {CommandWindowId::C2, new TFormMoveC2(boxes_, this)},
        {CommandWindowId::C3, new TFormMoveC3(boxes_, this)},
        {CommandWindowId::C4, new TFormMoveC4(boxes_, this)},
        {CommandWindowId::C5, new TFormMoveC5(boxes_, this)},
        {CommandWindowId::C6, new TFormMoveC6(boxes_, this)},
        {CommandWindowId::C7, new TFormMoveC7(boxes_, this)},
        {CommandWindowId::C8, new TFormMoveC8(boxes_, this)},
        {CommandWindowId::C10, new TFormMoveC10(boxes_, this)},
        {CommandWindowId::C11, new TFormMoveC11(boxes_, this)},
        {CommandWindowId::C12, new TFormMoveC12(boxes_, this)},
        {CommandWindowId::C1toggle, new TFormMoveC1toggle(boxes_, this)},
        {CommandWindowId::C2c4e, new TFormMoveC2c4e(boxes_, this)},
        {CommandWindowId::C3c1e, new TFormMoveC3c1e(boxes_, this)},
    };
    for (auto& [id, window] : commandWindows_) {
        window->builder = [this](OrderKind kind, const OrderFields& fields) {
            const Status built = editor_.buildOrderOfKind(kind, fields);
            showMove();
            return built;
        };
        // An edit given up must not leave the next order to replace the selected line.
        connect(window, &QDialog::rejected, this, [this] {
            if (editor_.insertMode() == InsertMode::Replace) editor_.setInsertMode(InsertMode::Below);
        });
    }
    FormShowOptions = new TFormShowOptions(boxes_, this);
    FormShowOptions->onOK = [this](const optiontype& edited) {
        editor_.insertOptionLines(edited);
        showMove();
    };
    FormBattleResult = new TFormBattleResult(this);
    FormSelectFromList = new TFormSelectFromList(this);

    chooseLoadFile = [this](const QString& folder) {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Select move file"), folder, moveFilters);
    };
    chooseSaveFile = [this](const QString& folder) {
        // The overwrite question is this window's own.
        return QFileDialog::getSaveFileName(this, QString(), folder, moveFilters, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    };

    // "Recalculate ETAs automatically" is on from the start.
    editor_.setAutoEtas(true);
    refreshFromSettings();
    fileItems();
    showMove();
}

TFormMove::~TFormMove() = default;

void TFormMove::createControls()
{
    auto button = [this](const char* name, const char* text) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    auto radio = [this](const char* name, const char* text) {
        auto* r = new QRadioButton(QString::fromLatin1(text), this);
        r->setObjectName(QString::fromLatin1(name));
        return r;
    };
    auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };

    ListBoxCommands = new QListWidget(this);
    ListBoxCommands->setObjectName(QStringLiteral("ListBoxCommands"));
    ListBoxCommands->setMinimumHeight(120);
    RadioButtonCommandsNatural = radio("RadioButtonCommandsNatural", "natural text");
    RadioButtonCommandsRaw = radio("RadioButtonCommandsRaw", "raw text");
    RadioButtonMoveNatural = radio("RadioButtonMoveNatural", "natural text");
    RadioButtonMoveRaw = radio("RadioButtonMoveRaw", "raw text");
    auto* commandsGroup = new QGroupBox(QStringLiteral("Display commands as"), this);
    auto* commandsLayout = new QVBoxLayout(commandsGroup);
    commandsLayout->addWidget(RadioButtonCommandsNatural);
    commandsLayout->addWidget(RadioButtonCommandsRaw);
    auto* moveGroup = new QGroupBox(QStringLiteral("Display move as"), this);
    auto* moveLayout = new QVBoxLayout(moveGroup);
    moveLayout->addWidget(RadioButtonMoveNatural);
    moveLayout->addWidget(RadioButtonMoveRaw);
    // Each pair is one choice of its own.
    auto* commandsButtons = new QButtonGroup(this);
    commandsButtons->addButton(RadioButtonCommandsNatural);
    commandsButtons->addButton(RadioButtonCommandsRaw);
    auto* moveButtons = new QButtonGroup(this);
    moveButtons->addButton(RadioButtonMoveNatural);
    moveButtons->addButton(RadioButtonMoveRaw);
    // Both displays start as natural text (checked once each button is in its own group: before,
    // the four were one group and the second check took the first one back).
    RadioButtonCommandsNatural->setChecked(true);
    RadioButtonMoveNatural->setChecked(true);

    EditGameName = edit("EditGameName");
    EditRaceName = edit("EditRaceName");
    EditPassword = edit("EditPassword");
    ButtonAbove = button("ButtonAbove", "above curr. line");
    ButtonBelow = button("ButtonBelow", "below curr. line");
    ButtonEdit = button("ButtonEdit", "Edit command");
    ButtonUp = button("ButtonUp", "-");
    ButtonDown = button("ButtonDown", "+");
    ButtonDelete = button("ButtonDelete", "Delete command");
    LabelMove = new QLabel(QStringLiteral("Your Move:"), this);
    LabelMove->setObjectName(QStringLiteral("LabelMove"));
    ListBoxMove = new QListWidget(this);
    ListBoxMove->setObjectName(QStringLiteral("ListBoxMove"));
    ListBoxMove->setMinimumHeight(160);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Commands:"), this));
    layout->addWidget(ListBoxCommands, 1);
    auto* displays = new QHBoxLayout;
    displays->addWidget(commandsGroup);
    displays->addWidget(moveGroup);
    displays->addStretch(1);
    layout->addLayout(displays);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name of Galaxy game:"), EditGameName);
    fields->addRow(QStringLiteral("Name of your race:"), EditRaceName);
    fields->addRow(QStringLiteral("Password:"), EditPassword);
    layout->addLayout(fields);
    auto* add = new QHBoxLayout;
    add->addWidget(new QLabel(QStringLiteral("Add command:"), this));
    add->addWidget(ButtonAbove);
    add->addWidget(ButtonBelow);
    add->addStretch(1);
    layout->addLayout(add);
    auto* change = new QHBoxLayout;
    change->addWidget(ButtonEdit);
    change->addWidget(ButtonUp);
    change->addWidget(ButtonDown);
    change->addWidget(ButtonDelete);
    change->addStretch(1);
    layout->addLayout(change);
    layout->addWidget(LabelMove);
    layout->addWidget(ListBoxMove, 2);
    resize(520, 640);

    connect(ButtonAbove, &QPushButton::clicked, this, &TFormMove::ButtonAboveClick);
    connect(ButtonBelow, &QPushButton::clicked, this, &TFormMove::ButtonBelowClick);
    connect(ButtonEdit, &QPushButton::clicked, this, &TFormMove::ButtonEditClick);
    connect(ButtonUp, &QPushButton::clicked, this, &TFormMove::ButtonUpClick);
    connect(ButtonDown, &QPushButton::clicked, this, &TFormMove::ButtonDownClick);
    connect(ButtonDelete, &QPushButton::clicked, this, &TFormMove::ButtonDeleteClick);
    connect(ListBoxMove, &QListWidget::currentRowChanged, this, &TFormMove::ListBoxMoveClick);
    connect(ListBoxMove, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListBoxMoveClick(ListBoxMove->row(item)); });
    connect(RadioButtonMoveRaw, &QRadioButton::toggled, this, &TFormMove::RadioGroupMoveClick);
    connect(RadioButtonCommandsRaw, &QRadioButton::toggled, this, &TFormMove::RadioGroupCommandsClick);
    connect(EditGameName, &QLineEdit::textEdited, this, &TFormMove::EditGameNameChange);
    connect(EditRaceName, &QLineEdit::textEdited, this, &TFormMove::EditRaceNameChange);
    connect(EditPassword, &QLineEdit::textEdited, this, &TFormMove::EditPasswordChange);
}

void TFormMove::createMenu()
{
    auto* bar = new QMenuBar(this);
    static_cast<QVBoxLayout*>(layout())->setMenuBar(bar);
    menuMove = bar->addMenu(QStringLiteral("Move"));
    menuMove->setObjectName(QStringLiteral("menuMove"));
    auto item = [this](QMenu* menu, const char* name, const char* text, void (TFormMove::*handler)()) {
        QAction* a = menu->addAction(QString::fromLatin1(text));
        a->setObjectName(QString::fromLatin1(name));
        if (handler) connect(a, &QAction::triggered, this, handler);
        return a;
    };
    menuItemNew = item(menuMove, "menuItemNew", "New", &TFormMove::menuItemNewClick);
    QMenu* automatic = menuMove->addMenu(QStringLiteral("Create automatically"));
    automatic->setObjectName(QStringLiteral("menuItemCreateAutomatically"));
    menuItemDevelop = item(automatic, "menuItemDevelop", "Develop planets ...", nullptr);
    menuItemInterceptPlanet = item(automatic, "menuItemInterceptPlanet", "Intercept planet from planet ...", nullptr);
    menuItemScanArea = item(automatic, "menuItemScanArea", "Scan area...", nullptr);
    menuItemSendAll = item(automatic, "menuItemSendAll", "Send all groups from planet ...", nullptr);
    for (QAction* a : {menuItemDevelop, menuItemInterceptPlanet, menuItemScanArea, menuItemSendAll})
        a->setEnabled(false);
    menuMove->addSeparator();
    menuItemRecalculate = item(menuMove, "menuItemRecalculate", "Recalculate ETAs", &TFormMove::menuItemRecalculateClick);
    menuItemAutoEtas = item(menuMove, "menuItemAutoEtas", "Recalculate ETAs automatically", nullptr);
    menuItemAutoEtas->setCheckable(true);
    menuItemAutoEtas->setChecked(true);
    connect(menuItemAutoEtas, &QAction::triggered, this, &TFormMove::menuItemAutoEtasClick);
    menuMove->addSeparator();
    menuItemGetClipboard =
        item(menuMove, "menuItemGetClipboard", "Get from Clipboard", &TFormMove::menuItemGetClipboardClick);
    menuItemPutClipboard = item(menuMove, "menuItemPutClipboard", "Put to Clipboard", &TFormMove::menuItemPutClipboardClick);
    menuMove->addSeparator();
    menuItemLoad = item(menuMove, "menuItemLoad", "Load...", &TFormMove::menuItemLoadClick);
    menuItemLoadRecent = item(menuMove, "menuItemLoadRecent", "Load most recent file", &TFormMove::menuItemLoadRecentClick);
    menuItemReload = item(menuMove, "menuItemReload", "Reload", &TFormMove::menuItemReloadClick);
    menuMove->addSeparator();
    menuItemCheck = item(menuMove, "menuItemCheck", "Check Move", &TFormMove::menuItemCheckClick);
    menuMove->addSeparator();
    menuItemSave = item(menuMove, "menuItemSave", "Save", &TFormMove::menuItemSaveClick);
    menuItemSaveAs = item(menuMove, "menuItemSaveAs", "Save As...", &TFormMove::menuItemSaveAsClick);
    menuMove->addSeparator();
    menuItemQuit = item(menuMove, "menuItemQuit", "Quit Move Editor", nullptr);
    connect(menuItemQuit, &QAction::triggered, this, &QWidget::close);
}

TFormMoveCommand* TFormMove::commandWindow(CommandWindowId id) const
{
    const auto it = commandWindows_.find(id);
    return it == commandWindows_.end() ? nullptr : it->second;
}

// ------------------------------------------------------------------------------------------
// Showing the move.

void TFormMove::showMove()
{
    const QSignalBlocker blocker(ListBoxMove);
    const std::vector<std::string>& lines = editor_.lines();
    // Only the lines that changed are rewritten, so a long move keeps its scroll position.
    while (ListBoxMove->count() > static_cast<int>(lines.size())) delete ListBoxMove->takeItem(ListBoxMove->count() - 1);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString text = fromGame(lines[i]);
        const int row = static_cast<int>(i);
        if (row < ListBoxMove->count()) {
            if (ListBoxMove->item(row)->text() != text) ListBoxMove->item(row)->setText(text);
        } else {
            ListBoxMove->addItem(text);
        }
    }
    ListBoxMove->setCurrentRow(editor_.selected());
    if (editor_.selected() < 0) ListBoxMove->clearSelection();
}

QStringList TFormMove::moveLines() const
{
    QStringList out;
    for (int i = 0; i < ListBoxMove->count(); ++i) out << ListBoxMove->item(i)->text();
    return out;
}

QStringList TFormMove::commandLines() const
{
    QStringList out;
    for (int i = 0; i < ListBoxCommands->count(); ++i) out << ListBoxCommands->item(i)->text();
    return out;
}

void TFormMove::fillCommands()
{
    ListBoxCommands->clear();
    for (const std::string& text : editor_.commandTexts()) ListBoxCommands->addItem(fromGame(text));
}

void TFormMove::showFields()
{
    const QSignalBlocker a(EditGameName);
    const QSignalBlocker b(EditRaceName);
    const QSignalBlocker c(EditPassword);
    EditGameName->setText(fromGame(editor_.gameName()));
    EditRaceName->setText(fromGame(editor_.raceName()));
    EditPassword->setText(fromGame(editor_.password()));
}

void TFormMove::fileItems()
{
    LabelMove->setText(fromGame(editor_.moveLabel()));
    menuItemSave->setEnabled(editor_.hasFile());
    menuItemReload->setEnabled(editor_.hasFile());
}

void TFormMove::refreshFromSettings()
{
    // Only values that differ are set: setting one rewrites the header line.
    if (settings_.moveEditorGameName != editor_.gameName()) editor_.setGameName(settings_.moveEditorGameName);
    if (settings_.moveEditorRaceName != editor_.raceName()) editor_.setRaceName(settings_.moveEditorRaceName);
    if (settings_.moveEditorPassword != editor_.password()) editor_.setPassword(settings_.moveEditorPassword);
    fillEmptyNamesFromReport();
    editor_.setInitialDir(settings_.moveEditorInitialDir);
    showFields();
    fillCommands();
    showMove();
}

void TFormMove::fillEmptyNamesFromReport()
{
    // As if the player had typed them: the game's name from the header of the shown turn's
    // report, the race's name from the report's own race.
    if (trimmed(editor_.gameName()).empty() && !game_.reportname.empty()) {
        if (const Result<std::string> text = readFile(game_.reportFile(game_.currentturn)); text) {
            if (const std::string name = gameNameOfReport(*text); !name.empty()) {
                editor_.setGameName(name);
                settings_.moveEditorGameName = name;
            }
        }
    }
    if (trimmed(editor_.raceName()).empty() && !game_.ownrace.empty()) {
        editor_.setRaceName(game_.ownrace.str());
        settings_.moveEditorRaceName = editor_.raceName();
    }
}

void TFormMove::report(const Status& status)
{
    // The editor's messages are its own texts; they name the line that failed themselves.
    if (!status) boxes_.error(this, fromGame(status.error().message));
}

// ------------------------------------------------------------------------------------------
// Window events.

void TFormMove::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    refreshFromSettings();
    if (onShownChanged) onShownChanged(true);
}

void TFormMove::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (!event->isAccepted()) return;
    if (FormBattleResult->isVisible() && FormBattleResult->windowTitle() == fromGame(checkResultCaption))
        FormBattleResult->close();
    if (onShownChanged) onShownChanged(false);
}

// ------------------------------------------------------------------------------------------
// Commands.

void TFormMove::openWindow(const CommandOpening& opening, bool editing)
{
    const CommandWindowId id = commandWindowFor(opening.kind, game_.gametype);
    if (id == CommandWindowId::ShowOptions) {
        FormShowOptions->open(game_.gameoptions, true);
        return;
    }
    TFormMoveCommand* window = commandWindow(id);
    if (!window) return;
    std::vector<std::string> move = editor_.lines();
    // An order being edited is not there while it is edited: a fleet it creates is no conflict.
    const int edited = editor_.selected();
    if (editing && edited > 0 && static_cast<std::size_t>(edited) < move.size())
        move.erase(move.begin() + edited);
    window->open(opening, game_, CommandChoices::of(game_, move, editor_.moveForm()));
}

void TFormMove::handle(const CommandRequest& request, bool editing)
{
    switch (request.action) {
    case CommandRequest::Action::ShowMessage: boxes_.error(this, fromGame(request.message)); break;
    case CommandRequest::Action::Done: break;
    case CommandRequest::Action::OpenOptions: FormShowOptions->open(game_.gameoptions, true); break;
    case CommandRequest::Action::OpenCommand: openWindow(request.opening, editing); break;
    }
    showMove();
}

void TFormMove::openCommand(CommandList list, int number, const OrderFields& start)
{
    const CommandEntry* entry = commandEntry(list, number);
    if (!entry) return;
    const CommandOpening opening{entry->kind, list, number, entry->option ? entry->option : "", start};
    // Orders from elsewhere are new orders, never the edit of the selected line.
    if (editor_.insertMode() == InsertMode::Replace) editor_.setInsertMode(InsertMode::Below);
    if (commandWindowFor(entry->kind, game_.gametype) == CommandWindowId::None) {
        report(editor_.buildOrderOfKind(entry->kind, start));
        showMove();
        return;
    }
    openWindow(opening, false);
}

void TFormMove::addCommand(InsertMode mode)
{
    const QList<QListWidgetItem*> chosen = ListBoxCommands->selectedItems();
    const int row = chosen.isEmpty() ? -1 : ListBoxCommands->row(chosen.front());
    handle(editor_.addCommand(row, mode), false);
}

void TFormMove::ButtonAboveClick() { addCommand(InsertMode::Above); }
void TFormMove::ButtonBelowClick() { addCommand(InsertMode::Below); }
void TFormMove::ButtonEditClick() { handle(editor_.editSelected(), true); }

void TFormMove::ButtonUpClick()
{
    report(editor_.moveSelectedUp());
    showMove();
}

void TFormMove::ButtonDownClick()
{
    report(editor_.moveSelectedDown());
    showMove();
}

void TFormMove::ButtonDeleteClick()
{
    report(editor_.deleteSelected());
    showMove();
}

void TFormMove::ListBoxMoveClick(int row)
{
    editor_.selectLine(row);
    showMove();
}

void TFormMove::RadioGroupMoveClick()
{
    const MoveForm form = RadioButtonMoveRaw->isChecked() ? MoveForm::Raw : MoveForm::Natural;
    const Status converted = editor_.setMoveForm(form);
    if (!converted) {
        // The move stays in the form it is shown in, and so does the choice.
        const QSignalBlocker blocker(RadioButtonMoveRaw);
        (editor_.moveForm() == MoveForm::Raw ? RadioButtonMoveRaw : RadioButtonMoveNatural)->setChecked(true);
        report(converted);
    }
    showMove();
}

void TFormMove::RadioGroupCommandsClick()
{
    editor_.setCommandsForm(RadioButtonCommandsRaw->isChecked() ? MoveForm::Raw : MoveForm::Natural);
    fillCommands();
}

void TFormMove::EditGameNameChange()
{
    editor_.setGameName(toGame(EditGameName->text()));
    settings_.moveEditorGameName = editor_.gameName();
    showMove();
}

void TFormMove::EditRaceNameChange()
{
    editor_.setRaceName(toGame(EditRaceName->text()));
    settings_.moveEditorRaceName = editor_.raceName();
    showMove();
}

void TFormMove::EditPasswordChange()
{
    editor_.setPassword(toGame(EditPassword->text()));
    settings_.moveEditorPassword = editor_.password();
    showMove();
}

// ------------------------------------------------------------------------------------------
// The menu.

void TFormMove::menuItemNewClick()
{
    if (!boxes_.question(this, fromGame(msgClearQuestion))) return;
    editor_.newMove();
    fileItems();
    showMove();
}

void TFormMove::menuItemRecalculateClick()
{
    {
        const BusyCursor busy;
        editor_.RecalculateEtas(1);
    }
    showMove();
}

void TFormMove::menuItemAutoEtasClick()
{
    {
        const BusyCursor busy;
        editor_.setAutoEtas(menuItemAutoEtas->isChecked());
    }
    showMove();
}

void TFormMove::afterRead(const Status& read)
{
    if (!read) {
        // The move is kept as it was.
        report(read);
        return;
    }
    settings_.moveEditorGameName = editor_.gameName();
    settings_.moveEditorRaceName = editor_.raceName();
    settings_.moveEditorPassword = editor_.password();
    settings_.moveEditorInitialDir = editor_.initialDir();
    showFields();
    fileItems();
    showMove();
}

void TFormMove::menuItemGetClipboardClick()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    std::optional<std::string> text;
    if (data && data->hasText()) text = toGame(data->text());
    afterRead(editor_.getFromClipboard(text));
}

void TFormMove::menuItemPutClipboardClick()
{
    const Result<std::string> text = editor_.clipboardText();
    if (!text) {
        report(text.error());
        return;
    }
    QApplication::clipboard()->setText(fromGame(*text));
    showMove();
}

void TFormMove::menuItemLoadClick()
{
    const QString name = chooseLoadFile ? chooseLoadFile(fromGame(settings_.moveEditorInitialDir)) : QString();
    if (name.isEmpty()) return;
    afterRead(editor_.loadFile(name.toStdString()));
}

void TFormMove::menuItemLoadRecentClick()
{
    editor_.setInitialDir(settings_.moveEditorInitialDir);
    const Status loaded = editor_.loadMostRecentFile();
    if (!loaded && loaded.error().message == msgNoFileFound) {
        boxes_.information(this, fromGame(msgNoFileFound));
        return;
    }
    afterRead(loaded);
}

void TFormMove::menuItemReloadClick()
{
    if (!editor_.hasFile()) return;
    if (!boxes_.question(this, fromGame(msgReloadQuestion))) return;
    afterRead(editor_.reload());
}

void TFormMove::menuItemCheckClick()
{
    std::string findings;
    {
        const BusyCursor busy;
        findings = editor_.checkCurrentMove();
    }
    showMove();
    if (findings.empty())
        boxes_.information(this, fromGame(msgMoveSeemsCorrect));
    else
        FormBattleResult->showResult(fromGame(findings), fromGame(checkResultCaption));
}

void TFormMove::menuItemSaveClick()
{
    if (!editor_.hasFile()) return;
    const Status saved = editor_.save();
    showMove();
    report(saved);
}

void TFormMove::menuItemSaveAsClick()
{
    if (trimmed(editor_.gameName()).empty() || trimmed(editor_.raceName()).empty()) {
        boxes_.error(this, fromGame(saveAsNamesMessage()));
        return;
    }
    const QString name = chooseSaveFile ? chooseSaveFile(fromGame(settings_.moveEditorInitialDir)) : QString();
    if (name.isEmpty()) return;
    if (fileExists(name.toStdString()) && !boxes_.warningQuestion(this, fromGame(fileExistsQuestion()))) return;
    const Status saved = editor_.saveAs(name.toStdString());
    showMove();
    if (!saved) {
        report(saved);
        return;
    }
    settings_.moveEditorInitialDir = editor_.initialDir();
    fileItems();
}

} // namespace orrery
