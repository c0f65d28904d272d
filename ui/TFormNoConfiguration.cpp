#include "TFormNoConfiguration.h"


#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orrery {

TFormNoConfiguration::TFormNoConfiguration(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormNoConfiguration"));
    setWindowTitle(QStringLiteral("No configuration"));

    LabelNoConfiguration = new QLabel(QStringLiteral("No standard configuration found!"), this);
    QFont bold = LabelNoConfiguration->font();
    bold.setBold(true);
    LabelNoConfiguration->setFont(bold);
    LabelHelp1 = new QLabel(QStringLiteral("If you used a version of Orrery prior to version 2.0 and wonder,"), this);
    LabelHelp2 = new QLabel(QStringLiteral("why no configuration file is loaded, click on this form and press F1."), this);
    ButtonCreate = new QPushButton(QStringLiteral("Create new configuration"), this);
    ButtonCreate->setObjectName(QStringLiteral("ButtonCreate"));
    ButtonLoad = new QPushButton(QStringLiteral("Load configuration"), this);
    ButtonLoad->setObjectName(QStringLiteral("ButtonLoad"));

    // A new player without a game of his own yet can look around in the demo game.
    ButtonDemo = new QPushButton(QStringLiteral("Open the demo game"), this);
    ButtonDemo->setObjectName(QStringLiteral("ButtonDemo"));
    ButtonDemo->setToolTip(QStringLiteral("Twelve turns of the race Orion, written into your data folder"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonCreate);
    buttons->addWidget(ButtonLoad);
    buttons->addWidget(ButtonDemo);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelNoConfiguration);
    layout->addSpacing(6);
    layout->addWidget(LabelHelp1);
    layout->addWidget(LabelHelp2);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    connect(ButtonCreate, &QPushButton::clicked, this, [this] {
        accept();
        if (onCreateConfiguration) onCreateConfiguration();
    });
    connect(ButtonLoad, &QPushButton::clicked, this, [this] {
        accept();
        if (onLoadConfiguration) onLoadConfiguration();
    });
    connect(ButtonDemo, &QPushButton::clicked, this, [this] {
        accept();
        if (onOpenDemo) onOpenDemo();
    });
}

void TFormNoConfiguration::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        if (openHelp) openHelp(HelpTopic::Configurations);
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace orrery
