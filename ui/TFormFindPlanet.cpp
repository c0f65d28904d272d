#include "TFormFindPlanet.h"

#include "messages.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orrery {

TFormFindPlanet::TFormFindPlanet(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormFindPlanet"));
    setWindowTitle(QStringLiteral("Find Planet"));
    Label1 = new QLabel(QStringLiteral("Name of planet to find:"), this);
    ComboBoxPlanet = new QComboBox(this);
    ComboBoxPlanet->setObjectName(QStringLiteral("ComboBoxPlanet"));
    ComboBoxPlanet->setEditable(true);
    ComboBoxPlanet->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxPlanet->setMinimumContentsLength(20);
    ButtonCancel = new QPushButton(QStringLiteral("Cancel"), this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ComboBoxPlanet);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonCancel);
    layout->addLayout(buttons);
    connect(ComboBoxPlanet, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (!text.isEmpty() && onTextChanged) onTextChanged(text);
    });
    connect(ButtonCancel, &QPushButton::clicked, this, &QWidget::close);
}

void TFormFindPlanet::FormShow(const std::vector<std::string>& choices)
{
    const QSignalBlocker quiet(ComboBoxPlanet);
    ComboBoxPlanet->clear();
    for (const std::string& name : choices) ComboBoxPlanet->addItem(fromGame(name));
    ComboBoxPlanet->setCurrentIndex(-1);
    ComboBoxPlanet->setEditText(QString());
    ComboBoxPlanet->setFocus();
}

void TFormFindPlanet::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (onShownChanged) onShownChanged(true);
}

void TFormFindPlanet::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous() && onShownChanged) onShownChanged(false);
}

} // namespace orrery
