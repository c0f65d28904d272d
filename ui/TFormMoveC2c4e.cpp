#include "TFormMoveC2c4e.h"

#include "textrules.h"

#include <QComboBox>
#include <QLineEdit>

namespace orrery {

namespace {
constexpr int produceField = 1;
constexpr int firstTechField = 2;
constexpr int techFields = 4;
} // namespace

TFormMoveC2c4e::TFormMoveC2c4e(MessageBoxes& boxes, QWidget* parent)
    : TFormMoveCommand("FormMoveC2c4e", CommandWindowId::C2c4e, boxes, parent)
{
    connect(choiceBox(produceField), &QComboBox::currentTextChanged, this, [this] { ComboBoxProduceChange(); });
}

void TFormMoveC2c4e::opened()
{
    // An edited order's tech levels of 0 stand for none given.
    for (int i = firstTechField; i < firstTechField + techFields; ++i)
        if (edit(i)->text() == QStringLiteral("0")) edit(i)->clear();
    ComboBoxProduceChange();
}

void TFormMoveC2c4e::ComboBoxProduceChange()
{
    const std::string produce(trimmed(toGame(choiceBox(produceField)->currentText())));
    const bool shipType = !produce.empty() && !isProductionKeyword(produce);
    for (int i = firstTechField; i < firstTechField + techFields; ++i) {
        if (!shipType) edit(i)->clear();
        edit(i)->setEnabled(shipType);
    }
}

} // namespace orrery
