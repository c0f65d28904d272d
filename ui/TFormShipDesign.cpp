#include "TFormShipDesign.h"

#include "NumberFields.h"
#include "intelligence.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orrery {

namespace {

constexpr int tableColumnWidth = 62;
constexpr int tableRowHeight = 18;
constexpr int gridLine = 1;

} // namespace

TFormShipDesign::TFormShipDesign(Session& session, MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), session_(session), boxes_(boxes)
{
    setObjectName(QStringLiteral("FormShipDesign"));
    setWindowTitle(QStringLiteral("Ship design"));
    setMinimumSize(330, 361);

    ComboBoxRace = new QComboBox(this);
    ComboBoxRace->setObjectName(QStringLiteral("ComboBoxRace"));
    CheckBoxFromReport = new QCheckBox(QStringLiteral("Show only ship types from report"), this);
    CheckBoxFromReport->setObjectName(QStringLiteral("CheckBoxFromReport"));
    ListBoxShipTypes = new QListWidget(this);
    ListBoxShipTypes->setObjectName(QStringLiteral("ListBoxShipTypes"));
    ListBoxShipTypes->setSortingEnabled(true);
    EditName = new QLineEdit(this);
    EditName->setObjectName(QStringLiteral("EditName"));
    EditName->setMaxLength(20);

    // D A W S C over dT . wT sT cT: every technology stands under its design value.
    static constexpr std::array<const char*, 9> names = {"EditDrive",      "EditAttacks",    "EditWeapons",
                                                         "EditShields",    "EditCargo",      "EditDriveTech",
                                                         "EditWeaponTech", "EditShieldTech", "EditCargoTech"};
    static constexpr std::array<const char*, 9> captions = {"D", "A", "W", "S", "C", "dT", "wT", "sT", "cT"};
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(3);
    fields->setVerticalSpacing(1);
    for (std::size_t i = 0; i < Edits.size(); ++i) {
        Edits[i] = new QLineEdit(this);
        Edits[i]->setObjectName(QString::fromLatin1(names[i]));
        Edits[i]->setMinimumWidth(30);
        const int column = i < 5 ? static_cast<int>(i) : (i == 5 ? 0 : static_cast<int>(i) - 4);
        const int row = i < 5 ? 0 : 2;
        fields->addWidget(new QLabel(QString::fromLatin1(captions[i]), this), row, column);
        fields->addWidget(Edits[i], row + 1, column);
    }

    StringGridDesign = new QTableWidget(3, 6, this);
    StringGridDesign->setObjectName(QStringLiteral("StringGridDesign"));
    StringGridDesign->horizontalHeader()->hide();
    StringGridDesign->verticalHeader()->hide();
    StringGridDesign->horizontalHeader()->setDefaultSectionSize(tableColumnWidth);
    StringGridDesign->horizontalHeader()->setMinimumSectionSize(10);
    StringGridDesign->verticalHeader()->setDefaultSectionSize(tableRowHeight);
    StringGridDesign->verticalHeader()->setMinimumSectionSize(10);
    StringGridDesign->setSelectionMode(QAbstractItemView::NoSelection);
    StringGridDesign->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGridDesign->setFocusPolicy(Qt::NoFocus);
    StringGridDesign->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGridDesign->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGridDesign->setFrameShape(QFrame::NoFrame);
    QFont small = StringGridDesign->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    StringGridDesign->setFont(small);
    // Six columns and three rows with their grid lines (and the closing line on the right).
    StringGridDesign->setFixedSize(6 * tableColumnWidth + 9 * gridLine + 1, 3 * tableRowHeight + 6 * gridLine);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 6; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                   : r == 0 ? Qt::AlignCenter
                                            : Qt::AlignRight | Qt::AlignVCenter);
            if (r == 0 || c == 0) item->setBackground(palette().button());
            StringGridDesign->setItem(r, c, item);
        }

    LabelCosts = new QLabel(QStringLiteral("Costs: "), this);
    LabelCosts->setObjectName(QStringLiteral("LabelCosts"));
    LabelCapacity = new QLabel(QStringLiteral("Cargo capacity: "), this);
    LabelCapacity->setObjectName(QStringLiteral("LabelCapacity"));
    LabelNumberPerTurn = new QLabel(QStringLiteral("Number per turn:"), this);
    LabelNumberPerTurn->setObjectName(QStringLiteral("LabelNumberPerTurn"));
    ButtonAdd = new QPushButton(QStringLiteral("Add"), this);
    ButtonAdd->setObjectName(QStringLiteral("ButtonAdd"));
    ButtonChange = new QPushButton(QStringLiteral("Change"), this);
    ButtonChange->setObjectName(QStringLiteral("ButtonChange"));
    ButtonDelete = new QPushButton(QStringLiteral("Delete"), this);
    ButtonDelete->setObjectName(QStringLiteral("ButtonDelete"));

    auto* raceRow = new QHBoxLayout;
    raceRow->addWidget(new QLabel(QStringLiteral("Race:"), this));
    raceRow->addWidget(ComboBoxRace, 1);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Name:"), this));
    nameRow->addWidget(EditName, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonAdd);
    buttons->addWidget(ButtonChange);
    buttons->addWidget(ButtonDelete);
    auto* right = new QVBoxLayout;
    right->addLayout(nameRow);
    right->addLayout(fields);
    right->addStretch(1);
    right->addLayout(buttons);
    auto* middle = new QHBoxLayout;
    middle->addWidget(ListBoxShipTypes, 2);
    middle->addLayout(right, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(raceRow);
    layout->addWidget(CheckBoxFromReport);
    layout->addLayout(middle, 1);
    layout->addWidget(StringGridDesign, 0, Qt::AlignHCenter);
    layout->addWidget(LabelCosts);
    layout->addWidget(LabelCapacity);
    layout->addWidget(LabelNumberPerTurn);
    resize(420, 420);

    checks_ = new NumberFields(*this, boxes_);
    for (std::size_t i = 0; i < Edits.size(); ++i) {
        const auto field = static_cast<DesignField>(i);
        checks_->add(
            Edits[i], [field](const std::string& text) { return checkDesignFieldTyping(field, text); },
            [](const std::string& text) { return checkDesignFieldLeaving(text); },
            [this] {
                if (recomputeAfterTyping(toGame(Edits[static_cast<std::size_t>(DesignField::CargoTech)]->text())))
                    Recompute();
            });
    }
    connect(ComboBoxRace, &QComboBox::currentIndexChanged, this, [this] { ComboBoxRaceChange(); });
    connect(CheckBoxFromReport, &QCheckBox::clicked, this, [this] { fillShipTypes(); });
    connect(ListBoxShipTypes, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { ListBoxShipTypesClick(item); });
    connect(ButtonAdd, &QPushButton::clicked, this, [this] { ButtonAddClick(); });
    connect(ButtonChange, &QPushButton::clicked, this, [this] { ButtonChangeClick(); });
    connect(ButtonDelete, &QPushButton::clicked, this, [this] { ButtonDeleteClick(); });

    // A new window: the headings, a design of ones, the own technologies.
    const DesignTexts headings = designTexts(ShipDesign{});
    for (int c = 0; c < 6; ++c) StringGridDesign->item(0, c)->setText(fromGame(headings.table[0][c]));
    for (int r = 1; r < 3; ++r) StringGridDesign->item(r, 0)->setText(fromGame(headings.table[r][0]));
    for (std::size_t i = 0; i < 5; ++i) checks_->fill(Edits[i], QStringLiteral("1"));
    TechnologySequence();
}

void TFormShipDesign::FormShow()
{
    const Game& g = session_.game();
    const QSignalBlocker blocker(ComboBoxRace);
    ComboBoxRace->clear();
    QStringList races;
    for (const std::string& race : designRaces(g.shiptypes)) races << fromGame(race);
    races.sort();
    ComboBoxRace->addItems(races);
    ComboBoxRace->setCurrentIndex(ComboBoxRace->findText(fromGame(g.ownrace.view())));
    ComboBoxRaceChange();
}

bool TFormShipDesign::ownRaceSelected() const
{
    return ComboBoxRace->currentText() == fromGame(session_.game().ownrace.view());
}

void TFormShipDesign::ComboBoxRaceChange()
{
    const bool own = ownRaceSelected();
    // Only the own race's designs can be edited; the others are known from the reports alone.
    CheckBoxFromReport->setChecked(!own);
    CheckBoxFromReport->setEnabled(own);
    ButtonAdd->setEnabled(own);
    ButtonChange->setEnabled(own);
    ButtonDelete->setEnabled(own);
    fillShipTypes();
    TechnologySequence();
}

void TFormShipDesign::fillShipTypes()
{
    ListBoxShipTypes->clear();
    for (const std::string& name :
         designNames(session_.game().shiptypes, toGame(ComboBoxRace->currentText()), CheckBoxFromReport->isChecked()))
        ListBoxShipTypes->addItem(fromGame(name));
}

void TFormShipDesign::TechnologySequence()
{
    const auto texts = designTechTexts(session_.game().turn.players, toGame(ComboBoxRace->currentText()));
    if (!texts) return;
    // The cargo technology is filled last: the outputs follow once all four are in.
    for (std::size_t i = 0; i < 4; ++i) Edits[5 + i]->setText(fromGame((*texts)[i]));
}

DesignParts TFormShipDesign::parts() const
{
    auto value = [this](DesignField f) { return designFieldValue(toGame(Edits[static_cast<std::size_t>(f)]->text())); };
    return {value(DesignField::Drive), value(DesignField::Attacks), value(DesignField::Weapons),
            value(DesignField::Shields), value(DesignField::Cargo)};
}

void TFormShipDesign::Recompute()
{
    auto value = [this](DesignField f) { return designFieldValue(toGame(Edits[static_cast<std::size_t>(f)]->text())); };
    const DesignTech tech{value(DesignField::DriveTech), value(DesignField::WeaponTech), value(DesignField::ShieldTech),
                          value(DesignField::CargoTech)};
    const ShipDesign design = computeDesign(parts(), tech);
    const DesignTexts texts = designTexts(design);
    LabelCosts->setText(fromGame(texts.costs));
    LabelCapacity->setText(fromGame(texts.capacity));
    for (int r = 1; r < 3; ++r)
        for (int c = 1; c < 6; ++c) StringGridDesign->item(r, c)->setText(fromGame(texts.table[r][c]));
    // Without mass the number per turn keeps what it showed.
    if (!design.figures) return;
    const Game& g = session_.game();
    LabelNumberPerTurn->setText(fromGame(numberPerTurnText(numberPerTurnAtSelection(g.turn, session_.view(), design.mass))));
}

QString TFormShipDesign::selectedShipType() const
{
    const QList<QListWidgetItem*> selected = ListBoxShipTypes->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

void TFormShipDesign::ListBoxShipTypesClick(QListWidgetItem* item)
{
    if (item == nullptr) return;
    const std::string race = toGame(ComboBoxRace->currentText());
    const std::string name = toGame(item->text());
    for (const shiptyperecord& t : session_.game().shiptypes) {
        if (t.owner != race || t.name != name) continue;
        EditName->setText(item->text());
        const std::array<std::string, 5> texts = designFieldTexts(t);
        for (std::size_t i = 0; i < texts.size(); ++i) Edits[i]->setText(fromGame(texts[i]));
        return;
    }
}

void TFormShipDesign::ButtonAddClick()
{
    Game& g = session_.game();
    const Status added = addDesign(g.shiptypes, g.ownrace.view(), toGame(EditName->text()), parts());
    if (!added) {
        boxes_.error(this, fromGame(added.error().message));
        return;
    }
    designsChanged_ = true;
    const QString name = fromGame(g.shiptypes.back().name.view());
    auto* item = new QListWidgetItem(name);
    ListBoxShipTypes->addItem(item);
    ListBoxShipTypes->setCurrentItem(item);
}

void TFormShipDesign::ButtonChangeClick()
{
    Game& g = session_.game();
    const QString selected = selectedShipType();
    const std::string selectedName = toGame(selected);
    const Result<bool> changed =
        changeDesign(g.shiptypes, g.ownrace.view(),
                     selected.isEmpty() ? std::nullopt : std::optional<std::string_view>(selectedName),
                     toGame(EditName->text()), parts());
    if (!changed) {
        boxes_.error(this, fromGame(changed.error().message));
        return;
    }
    if (!*changed) return;
    designsChanged_ = true;
    ListBoxShipTypes->selectedItems().front()->setText(fromGame(storedDesignName(toGame(EditName->text()))));
}

void TFormShipDesign::ButtonDeleteClick()
{
    Game& g = session_.game();
    const QString selected = selectedShipType();
    const std::string selectedName = toGame(selected);
    const Result<bool> deleted = deleteDesign(g.shiptypes, g.ownrace.view(),
                                              selected.isEmpty() ? std::nullopt : std::optional<std::string_view>(selectedName));
    if (!deleted) {
        boxes_.error(this, fromGame(deleted.error().message));
        return;
    }
    if (!*deleted) return;
    designsChanged_ = true;
    delete ListBoxShipTypes->selectedItems().front();
}

DesignerFields TFormShipDesign::designerFields() const
{
    DesignerFields values;
    values.name = toGame(EditName->text());
    for (std::size_t i = 0; i < Edits.size(); ++i) values.fields[i] = toGame(Edits[i]->text());
    return values;
}

void TFormShipDesign::setDesignerFields(const DesignerFields& values)
{
    EditName->setText(fromGame(values.name));
    // Checked like typed text: a value the fields refuse never reaches the computation. The cargo
    // technology comes last, so the outputs follow once all nine are in.
    for (std::size_t i = 0; i < Edits.size(); ++i) Edits[i]->setText(fromGame(values.fields[i]));
    Recompute();
}

void TFormShipDesign::writeDesigns()
{
    if (!designsChanged_) return;
    // The designs are written now, not only when the program ends: a crash later loses none.
    if (const Status written = writeOwnDesigns(session_.game()); !written) {
        boxes_.error(this, fromGame(written.error().message));
        return;
    }
    designsChanged_ = false;
}

void TFormShipDesign::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (onShownChanged) onShownChanged(true);
}

void TFormShipDesign::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (!event->isAccepted()) return;
    writeDesigns();
    if (onShownChanged) onShownChanged(false);
}

} // namespace orrery
