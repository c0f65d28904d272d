#include "TFormMoveC5.h"

#include "fileio.h"
#include "messages.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace orrery {

TFormMoveC5::TFormMoveC5(QWidget* parent) : TFormMoveCommand("FormMoveC5", parent)
{
    EditRecipients = addEdit("EditRecipients", LabelRecipients);
    LabelRecipients->setText(QStringLiteral("Player(s), to send message to\n(left blank for message to all players):"));
    ListBoxRaces = new QListWidget(this);
    ListBoxRaces->setObjectName(QStringLiteral("ListBoxRaces"));
    ListBoxRaces->setMaximumHeight(90);
    rows()->addWidget(ListBoxRaces, rows()->rowCount(), 1);
    LabelText = new QLabel(QStringLiteral("Message text:"), this);
    MemoText = new QPlainTextEdit(this);
    MemoText->setObjectName(QStringLiteral("MemoText"));
    MemoText->setMinimumSize(360, 160);
    const int row = rows()->rowCount();
    rows()->addWidget(LabelText, row, 0, 1, 2);
    rows()->addWidget(MemoText, row + 1, 0, 1, 2);

    auto* menu = new QMenuBar(this);
    QAction* load = menu->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Load text file..."));
    load->setObjectName(QStringLiteral("menuItemLoadText"));
    static_cast<QVBoxLayout*>(layout())->setMenuBar(menu);

    connect(ListBoxRaces, &QListWidget::itemClicked, this, &TFormMoveC5::ListBoxRacesClick);
    connect(load, &QAction::triggered, this, &TFormMoveC5::menuItemLoadTextClick);
    chooseTextFile = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Select text file"), QString(),
                                            QStringLiteral("All files (*);;Text files (*.txt)"));
    };
}

void TFormMoveC5::setUp(const CommandOpening& o, const CommandChoices& c)
{
    EditRecipients->setText(fromGame(o.start[0]));
    ListBoxRaces->clear();
    for (const std::string& race : c.races) ListBoxRaces->addItem(fromGame(race));
    MemoText->setPlainText(fromGame(o.start[1]));
    MemoText->setFocus();
}

void TFormMoveC5::ListBoxRacesClick(QListWidgetItem* item)
{
    if (!item) return;
    const QString text = EditRecipients->text();
    EditRecipients->setText(text.isEmpty() ? item->text() : text + u' ' + item->text());
}

void TFormMoveC5::menuItemLoadTextClick()
{
    const QString name = chooseTextFile ? chooseTextFile() : QString();
    if (name.isEmpty()) return;
    const Result<std::string> content = readFile(name.toStdString());
    if (!content) {
        showError(this, fromGame(content.error().text()));
        return;
    }
    QStringList lines = fromGame(*content).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    // The line break after the last line ends it; it adds no empty line.
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    for (const QString& line : lines) MemoText->appendPlainText(line);
}

OrderFields TFormMoveC5::fields() const { return {textOf(EditRecipients), toGame(MemoText->toPlainText())}; }

} // namespace orrery
