#include "TFormGameInfo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orrery {

namespace {

const QString blindGalaxy = QStringLiteral("Blind Galaxy");
const QString galaxyNG = QStringLiteral("GalaxyNG");
const QString standardGalaxy = QStringLiteral("Standard Galaxy");

} // namespace

TFormGameInfo::TFormGameInfo(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormGameInfo"));
    setWindowTitle(QStringLiteral(" "));
    setModal(true);

    LabelInfo = new QLabel(QStringLiteral("Change the following information, if autodetection failed:"), this);
    ComboBoxGameType = new QComboBox(this);
    ComboBoxGameType->setObjectName(QStringLiteral("ComboBoxGameType"));
    ComboBoxGameType->addItems({blindGalaxy, galaxyNG, standardGalaxy});
    CheckBoxVersion = new QCheckBox(QStringLiteral("Version 3.1"), this);
    CheckBoxVersion->setObjectName(QStringLiteral("CheckBoxVersion"));
    MemoDetails = new QPlainTextEdit(this);
    MemoDetails->setObjectName(QStringLiteral("MemoDetails"));
    MemoDetails->setReadOnly(true);
    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setDefault(true);

    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(ComboBoxGameType);
    typeRow->addWidget(CheckBoxVersion);
    typeRow->addStretch(1);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Game type:"), typeRow);
    form->addRow(QStringLiteral("Details:"), MemoDetails);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelInfo);
    layout->addLayout(form, 1);
    layout->addLayout(buttons);
    resize(420, 240);

    connect(ComboBoxGameType, &QComboBox::currentIndexChanged, this, [this] { ComboBoxGameTypeChange(); });
    connect(ButtonOK, &QPushButton::clicked, this, &TFormGameInfo::ButtonOKClick);
}

void TFormGameInfo::prepare(std::int32_t gametype, const QString& details, bool version31)
{
    const QString& shownType = gametype == gtGalaxyNG ? galaxyNG : gametype == gtBlind ? blindGalaxy : standardGalaxy;
    ComboBoxGameType->setCurrentText(shownType);
    CheckBoxVersion->setChecked(version31);
    CheckBoxVersion->setVisible(gametype == gtGalaxyNG);
    QString text = details;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    MemoDetails->setPlainText(text);
    shown_ = choice();
}

GameTypeChoice TFormGameInfo::choice() const
{
    const QString text = ComboBoxGameType->currentText();
    GameTypeChoice c;
    c.gametype = text == blindGalaxy ? gtBlind : text == galaxyNG ? gtGalaxyNG : gtStandard;
    // The box counts also while it is hidden.
    c.version31 = CheckBoxVersion->isChecked();
    return c;
}

void TFormGameInfo::ComboBoxGameTypeChange() { CheckBoxVersion->setVisible(ComboBoxGameType->currentText() == galaxyNG); }

void TFormGameInfo::ButtonOKClick() { accept(); }

GameTypeChoice TFormGameInfo::ask(std::int32_t detected, const QString& details, bool version31)
{
    prepare(detected, details, version31);
    return exec() == QDialog::Accepted ? choice() : shown_;
}

} // namespace orrery
