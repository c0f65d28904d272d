#include "TFormFindRace.h"

#include "messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orrery {

TFormFindRace::TFormFindRace(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormFindRace"));
    setWindowTitle(QStringLiteral("Find Race"));
    Label1 = new QLabel(QStringLiteral("Name of race to find:"), this);
    ComboBoxRace = new QComboBox(this);
    ComboBoxRace->setObjectName(QStringLiteral("ComboBoxRace"));
    ComboBoxRace->setEditable(true);
    ComboBoxRace->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxRace->setMinimumContentsLength(20);
    CheckBoxShips = new QCheckBox(QStringLiteral("find planets where race has ships too"), this);
    CheckBoxShips->setObjectName(QStringLiteral("CheckBoxShips"));
    ButtonClose = new QPushButton(QStringLiteral("Close"), this);
    ButtonClose->setObjectName(QStringLiteral("ButtonClose"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ComboBoxRace);
    layout->addWidget(CheckBoxShips);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonClose);
    layout->addLayout(buttons);
    connect(ComboBoxRace, &QComboBox::editTextChanged, this, [this] {
        if (onChanged) onChanged();
    });
    connect(CheckBoxShips, &QCheckBox::clicked, this, [this] {
        if (onChanged) onChanged();
    });
    connect(ButtonClose, &QPushButton::clicked, this, &QWidget::close);
}

void TFormFindRace::FormShow(const std::vector<std::string>& choices)
{
    const QSignalBlocker quiet(ComboBoxRace);
    ComboBoxRace->clear();
    for (const std::string& name : choices) ComboBoxRace->addItem(fromGame(name));
    ComboBoxRace->setCurrentIndex(-1);
    ComboBoxRace->setEditText(QString());
    ComboBoxRace->setFocus();
}

std::string TFormFindRace::raceName() const { return toGame(ComboBoxRace->currentText()); }

bool TFormFindRace::withShips() const { return CheckBoxShips->isChecked(); }

void TFormFindRace::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (onShownChanged) onShownChanged(true);
}

void TFormFindRace::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous() && onShownChanged) onShownChanged(false);
}

} // namespace orrery
