#pragma once

// TFormShipDesign: the ship designer. The player picks a race and one of its ship types (or types
// in a design) and sees its mass, speed, kill probability, the weapons needed against it, its
// cost, its cargo capacity and how many the planet last selected on the map builds per turn. The
// own race's designs can be added, changed and deleted here; they are kept across turns and
// written to the ship types' intelligence file.

#include "messages.h"
#include "session.h"
#include "shipdesign.h"

#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTableWidget;

namespace orrery {

class NumberFields;

class TFormShipDesign : public QWidget {
    Q_OBJECT
public:
    TFormShipDesign(Session& session, MessageBoxes& boxes, QWidget* parent = nullptr);

    // The show sequence: the races of all ship types, the own race selected.
    void FormShow();
    // The outputs from the nine fields; the map, the find planet window, the news and turn
    // navigation call it when the selected planet changes.
    void Recompute();
    // The four technology fields from the selected race's player, then Recompute.
    void TechnologySequence();

    // The name and the nine fields, as the orders editor and the battle simulator take them, and
    // set from the battle simulator (checked as if typed).
    DesignerFields designerFields() const;
    void setDesignerFields(const DesignerFields& values);

    // The own designs were changed since they were last written.
    bool designsChanged() const { return designsChanged_; }
    // Runs when the window is shown (true) or closed (false): the main window's button follows.
    std::function<void(bool shown)> onShownChanged;

    QComboBox* ComboBoxRace = nullptr;
    QCheckBox* CheckBoxFromReport = nullptr;
    QListWidget* ListBoxShipTypes = nullptr;
    QLineEdit* EditName = nullptr;
    std::array<QLineEdit*, 9> Edits{}; // in the order of DesignField
    QTableWidget* StringGridDesign = nullptr;
    QLabel* LabelCosts = nullptr;
    QLabel* LabelCapacity = nullptr;
    QLabel* LabelNumberPerTurn = nullptr;
    QPushButton* ButtonAdd = nullptr;
    QPushButton* ButtonChange = nullptr;
    QPushButton* ButtonDelete = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ComboBoxRaceChange();
    void fillShipTypes();
    void ListBoxShipTypesClick(QListWidgetItem* item);
    void ButtonAddClick();
    void ButtonChangeClick();
    void ButtonDeleteClick();
    DesignParts parts() const;
    bool ownRaceSelected() const;
    QString selectedShipType() const;
    void writeDesigns();

    Session& session_;
    MessageBoxes& boxes_;
    NumberFields* checks_ = nullptr;
    bool designsChanged_ = false;
};

} // namespace orrery
