#include "TFormMoveC5.h"

#include "fileio.h"
#include "textrules.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace orrery {

namespace {
constexpr int recipientsField = 0;
constexpr int textField = 1;
} // namespace

TFormMoveC5::TFormMoveC5(MessageBoxes& boxes, QWidget* parent)
    : TFormMoveCommand("FormMoveC5", CommandWindowId::C5, boxes, parent)
{
    ListBoxRaces = new QListWidget(this);
    ListBoxRaces->setObjectName(QStringLiteral("ListBoxRaces"));
    ListBoxRaces->setMaximumHeight(90);
    rows()->addWidget(ListBoxRaces, rowOf(recipientsField) + 1, 1);

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

void TFormMoveC5::opened()
{
    ListBoxRaces->clear();
    for (const std::string& race : choices_.races) ListBoxRaces->addItem(fromGame(race));
    textBox(textField)->setFocus();
}

void TFormMoveC5::ListBoxRacesClick(QListWidgetItem* item)
{
    if (!item) return;
    QLineEdit* recipients = edit(recipientsField);
    const QString text = recipients->text();
    recipients->setText(text.isEmpty() ? item->text() : text + u' ' + item->text());
}

void TFormMoveC5::menuItemLoadTextClick()
{
    const QString name = chooseTextFile ? chooseTextFile() : QString();
    if (name.isEmpty()) return;
    const Result<std::string> content = readFile(name.toStdString());
    if (!content) {
        boxes_.error(this, fromGame(content.error().text()));
        return;
    }
    // Lines end at CR LF, LF or CR alike; the break after the last line adds no empty line.
    for (std::string_view line : splitLines(*content)) textBox(textField)->appendPlainText(fromGame(line));
}

} // namespace orrery
