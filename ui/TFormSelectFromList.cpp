#include "TFormSelectFromList.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orrery {

TFormSelectFromList::TFormSelectFromList(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormSelectFromList"));
    setWindowTitle(QStringLiteral("Command"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::ApplicationModal);
    LabelList = new QLabel(this);
    ListBoxEntries = new QListWidget(this);
    ListBoxEntries->setObjectName(QStringLiteral("ListBoxEntries"));
    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonCancel = new QPushButton(QStringLiteral("Cancel"), this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelList);
    layout->addWidget(ListBoxEntries, 1);
    layout->addLayout(buttons);
    connect(ButtonOK, &QPushButton::clicked, this, &TFormSelectFromList::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListBoxEntries, &QListWidget::itemDoubleClicked, this, &TFormSelectFromList::ButtonOKClick);
}

bool TFormSelectFromList::open(const QString& label, bool multipleSelection, bool sorted, const Fill& fill, Run run)
{
    LabelList->setText(label);
    ListBoxEntries->clear();
    ListBoxEntries->setSelectionMode(multipleSelection ? QAbstractItemView::ExtendedSelection
                                                       : QAbstractItemView::SingleSelection);
    QStringList entries;
    if (!fill || !fill(entries)) return false;
    if (sorted) entries.sort();
    ListBoxEntries->addItems(entries);
    run_ = std::move(run);
    show();
    raise();
    activateWindow();
    return true;
}

void TFormSelectFromList::ButtonOKClick()
{
    // Copied first: the operation may open this window again.
    const Run run = run_;
    QStringList chosen;
    for (int i = 0; i < ListBoxEntries->count(); ++i)
        if (ListBoxEntries->item(i)->isSelected()) chosen << ListBoxEntries->item(i)->text();
    accept();
    if (run)
        for (const QString& entry : chosen) run(entry);
}

} // namespace orrery
