#pragma once

// TAboutBox: the program's name and version, and how much memory the process uses (measured each
// time the box is shown).

#include "programinfo.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace orrery {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // The texts of the memory labels for these figures ("unknown" where a figure is missing).
    static QStringList memoryTexts(const ProcessMemory& memory);
    // Measures again and shows the figures.
    void refreshMemory();

    QLabel* LabelProductName = nullptr;
    QLabel* LabelVersion = nullptr;
    QLabel* LabelComments = nullptr;
    QLabel* LabelMemoryInUse = nullptr;
    QLabel* LabelMemoryPeak = nullptr;
    QLabel* LabelAddressSpace = nullptr;
    QPushButton* ButtonOK = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace orrery
