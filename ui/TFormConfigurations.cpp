#include "TFormConfigurations.h"

#include "configstore.h"
#include "messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orrery {

namespace {

QString fromStore(const std::string& name) { return QString::fromLocal8Bit(name.c_str()); }
std::string toStore(const QString& name) { return name.toLocal8Bit().toStdString(); }

} // namespace

TFormConfigurations::TFormConfigurations(TORRegistry& registry, MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), registry_(registry), boxes_(boxes)
{
    setObjectName(QStringLiteral("TFormConfigurations"));
    setWindowModality(Qt::ApplicationModal);

    ListBoxConfigurations = new QListWidget(this);
    ListBoxConfigurations->setObjectName(QStringLiteral("ListBoxConfigurations"));
    ListBoxConfigurations->setSelectionMode(QAbstractItemView::SingleSelection);
    LabelName = new QLabel(QStringLiteral("Name:"), this);
    EditName = new QLineEdit(this);
    EditName->setObjectName(QStringLiteral("EditName"));
    LabelName->setBuddy(EditName);
    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setDefault(true);
    ButtonCancel = new QPushButton(QStringLiteral("Cancel"), this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(LabelName);
    nameRow->addWidget(EditName, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListBoxConfigurations, 1);
    layout->addLayout(nameRow);
    layout->addLayout(buttons);
    resize(280, 300);

    connect(ListBoxConfigurations, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { EditName->setText(item->text()); });
    connect(ListBoxConfigurations, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        EditName->setText(item->text());
        ButtonOKClick();
    });
    connect(ButtonOK, &QPushButton::clicked, this, &TFormConfigurations::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormConfigurations::openIn(Mode mode)
{
    mode_ = mode;
    static const struct {
        const char* caption;
        const char* ok;
        const char* cancel;
    } looks[] = {{"Save configuration", "OK", "Cancel"},
                 {"Load configuration", "OK", "Cancel"},
                 {"Delete configuration", "Delete", "Close"}};
    const auto& look = looks[static_cast<int>(mode)];
    setWindowTitle(QString::fromLatin1(look.caption));
    ButtonOK->setText(QString::fromLatin1(look.ok));
    ButtonCancel->setText(QString::fromLatin1(look.cancel));
    const bool naming = mode == Mode::Save;
    LabelName->setVisible(naming);
    EditName->setVisible(naming);
    EditName->clear();

    ListBoxConfigurations->clear();
    for (const std::string& name : registry_.listConfigurations()) ListBoxConfigurations->addItem(fromStore(name));
    show();
    raise();
    activateWindow();
    if (naming) EditName->setFocus();
}

QString TFormConfigurations::selectedName() const
{
    const QList<QListWidgetItem*> selected = ListBoxConfigurations->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void TFormConfigurations::ButtonOKClick()
{
    switch (mode_) {
    case Mode::Save: saveClicked(); break;
    case Mode::Load: loadClicked(); break;
    case Mode::Delete: deleteClicked(); break;
    }
}

void TFormConfigurations::saveClicked()
{
    const QString name = EditName->text();
    if (name.isEmpty()) {
        boxes_.error(this, QStringLiteral("You have to enter the name of the configuration to save!"));
        return;
    }
    if (!TORRegistry::isAllowedName(toStore(name))) {
        boxes_.error(this, QString::fromLatin1(TORRegistry::nameNotAllowed));
        return;
    }
    if (name == QLatin1String(TORRegistry::standardName)) {
        boxes_.error(this, QStringLiteral("You can't name a configuration \"Standard\".\r\n"
                                       "This name is reserved for the standard configuration."));
        return;
    }
    if (!ListBoxConfigurations->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty() &&
        !boxes_.warningQuestion(this, QStringLiteral("Configuration exists already!\r\nDo you want to overwrite?")))
        return;
    accept();
    if (onSave) onSave(toStore(name));
}

void TFormConfigurations::loadClicked()
{
    const QString name = selectedName();
    if (name.isEmpty()) {
        boxes_.error(this, QStringLiteral("Please select the configuration to load first!"));
        return;
    }
    accept();
    if (onLoad) onLoad(toStore(name));
}

void TFormConfigurations::deleteClicked()
{
    const QString name = selectedName();
    if (name.isEmpty()) {
        boxes_.error(this, QStringLiteral("Please select the configuration to delete first!"));
        return;
    }
    if (!registry_.deleteConfiguration(toStore(name))) return;
    delete ListBoxConfigurations->selectedItems().first();
    // The list would move the selection to a neighbour; the next Delete must not take it.
    ListBoxConfigurations->clearSelection();
    ListBoxConfigurations->setCurrentRow(-1);
}

} // namespace orrery
