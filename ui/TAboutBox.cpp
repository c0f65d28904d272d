#include "TAboutBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orrery {

namespace {

QString kilobytes(std::int64_t kb)
{
    if (kb < 0) return QStringLiteral("unknown");
    return QString::number(kb) + QStringLiteral(" KB");
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setModal(true);

    LabelProductName = new QLabel(QStringLiteral("Orrery"), this);
    QFont big = LabelProductName->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    LabelProductName->setFont(big);
    LabelVersion = new QLabel(QStringLiteral("Version ") + QString::fromStdString(programVersion()), this);
    LabelComments = new QLabel(QStringLiteral("A companion for players of Galaxy, the play-by-email space strategy game:\n"
                                              "Standard Galaxy, GalaxyNG and Blind Galaxy."),
                               this);
    LabelMemoryInUse = new QLabel(this);
    LabelMemoryPeak = new QLabel(this);
    LabelAddressSpace = new QLabel(this);
    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonOK->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonOK);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelProductName);
    layout->addWidget(LabelVersion);
    layout->addSpacing(8);
    layout->addWidget(LabelComments);
    layout->addSpacing(8);
    layout->addWidget(LabelMemoryInUse);
    layout->addWidget(LabelMemoryPeak);
    layout->addWidget(LabelAddressSpace);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);
    refreshMemory();
}

QStringList TAboutBox::memoryTexts(const ProcessMemory& memory)
{
    return {QStringLiteral("Memory in use: ") + kilobytes(memory.residentKb),
            QStringLiteral("Most memory used: ") + kilobytes(memory.peakResidentKb),
            QStringLiteral("Address space: ") + kilobytes(memory.virtualKb)};
}

void TAboutBox::refreshMemory()
{
    const QStringList texts = memoryTexts(currentProcessMemory());
    LabelMemoryInUse->setText(texts[0]);
    LabelMemoryPeak->setText(texts[1]);
    LabelAddressSpace->setText(texts[2]);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    refreshMemory();
    QDialog::showEvent(event);
}

} // namespace orrery
