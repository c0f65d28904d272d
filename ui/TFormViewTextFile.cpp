#include "TFormViewTextFile.h"

#include "TFormTextSearch.h"
#include "fileio.h"
#include "texttools.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QListWidget>
#include <QVBoxLayout>

namespace orrery {

TFormViewTextFile::TFormViewTextFile(TFormTextSearch& search, MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent, Qt::Window), search_(search), boxes_(boxes)
{
    setObjectName(QStringLiteral("FormViewTextFile"));
    setWindowTitle(QStringLiteral("View text file"));
    resize(720, 560);

    // Reports line up their tables with blanks: a fixed-pitch font keeps the columns.
    ListBoxText = new QListWidget(this);
    ListBoxText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    ListBoxText->setUniformItemSizes(true);
    ListBoxText->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ListBoxText->setContextMenuPolicy(Qt::ActionsContextMenu);
    menuItemTextSearch = new QAction(QStringLiteral("Text search ..."), ListBoxText);
    ListBoxText->addAction(menuItemTextSearch);
    connect(menuItemTextSearch, &QAction::triggered, this, [this] { search_.openFor(ListBoxText); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListBoxText);

    chooseFile = [this] {
        return QFileDialog::getOpenFileName(parentWidget(), QStringLiteral("Select text file"), QString(),
                                            QStringLiteral("All files (*)"));
    };
}

void TFormViewTextFile::askAndShow()
{
    const QString path = chooseFile ? chooseFile() : QString();
    if (!path.isEmpty()) showFile(path);
}

bool TFormViewTextFile::showFile(const QString& path)
{
    const Result<std::string> bytes = readFile(path.toStdString());
    if (!bytes) {
        boxes_.error(this, QString::fromStdString(bytes.error().text()));
        return false;
    }
    close();
    ListBoxText->clear();
    QStringList lines;
    for (const std::string& line : splitTextLines(*bytes)) lines.push_back(fromGame(line));
    ListBoxText->addItems(lines);
    setWindowTitle(QString::fromStdString(viewerCaption(path.toStdString())));
    show();
    raise();
    activateWindow();
    return true;
}

void TFormViewTextFile::closeEvent(QCloseEvent* event)
{
    search_.closeFor(this);
    QWidget::closeEvent(event);
}

} // namespace orrery
