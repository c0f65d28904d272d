#include "TFormSaveConfiguration.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orrery {

TFormSaveConfiguration::TFormSaveConfiguration(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormSaveConfiguration"));
    setWindowTitle(QStringLiteral("Save configuration"));
    setWindowModality(Qt::ApplicationModal);

    LabelSaveAs = new QLabel(QStringLiteral("Save configuration as"), this);
    ButtonStandard = new QPushButton(QStringLiteral("Standard configuration"), this);
    ButtonStandard->setObjectName(QStringLiteral("ButtonStandard"));
    ButtonAlternative = new QPushButton(QStringLiteral("Alternative configuration"), this);
    ButtonAlternative->setObjectName(QStringLiteral("ButtonAlternative"));
    ButtonCancel = new QPushButton(QStringLiteral("Cancel"), this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelSaveAs);
    layout->addWidget(ButtonStandard);
    layout->addWidget(ButtonAlternative);
    layout->addSpacing(8);
    layout->addWidget(ButtonCancel);

    connect(ButtonStandard, &QPushButton::clicked, this, [this] {
        if (onSaveStandard) onSaveStandard();
        accept();
    });
    connect(ButtonAlternative, &QPushButton::clicked, this, [this] {
        accept();
        if (onSaveAlternative) onSaveAlternative();
    });
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace orrery
