#include "TFormPlanetView.h"

#include "NumberFields.h"
#include "planetview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orrery {

TFormPlanetView::TFormPlanetView(Session& session, MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), session_(session), boxes_(boxes)
{
    setObjectName(QStringLiteral("FormPlanetView"));
    setWindowTitle(QStringLiteral("Planet View"));
    setModal(false);

    auto label = [this](const char* name, const QString& text = QString()) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    LabelName = label("LabelName", QStringLiteral("Name: "));
    QFont bold = LabelName->font();
    bold.setBold(true);
    LabelName->setFont(bold);
    ComboBoxOwner = new QComboBox(this);
    ComboBoxOwner->setObjectName(QStringLiteral("ComboBoxOwner"));
    ComboBoxOwner->setEditable(true);
    ComboBoxOwner->setInsertPolicy(QComboBox::NoInsert);
    static constexpr std::array<const char*, 4> names = {"EditSize", "EditResources", "EditPopulation", "EditIndustry"};
    static constexpr std::array<const char*, 4> captions = {"Size:", "Resources:", "Population:", "Industry:"};
    for (std::size_t i = 0; i < Edits.size(); ++i) {
        Edits[i] = new QLineEdit(this);
        Edits[i]->setObjectName(QString::fromLatin1(names[i]));
    }
    LabelX = label("LabelX");
    LabelY = label("LabelY");
    LabelCAP = label("LabelCAP");
    LabelMAT = label("LabelMAT");
    LabelCOL = label("LabelCOL");
    LabelProducing = label("LabelProducing");
    LabelForecast = {label("LabelProduction"), label("LabelMass"), label("LabelTech")};
    ButtonAccept = new QPushButton(QStringLiteral("Accept values"), this);
    ButtonAccept->setObjectName(QStringLiteral("ButtonAccept"));
    CheckBoxTakeValues = new QCheckBox(QStringLiteral("take values from planet"), this);
    CheckBoxTakeValues->setObjectName(QStringLiteral("CheckBoxTakeValues"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Owner:"), this), 0, 0);
    grid->addWidget(ComboBoxOwner, 0, 1, 1, 3);
    for (std::size_t i = 0; i < Edits.size(); ++i) {
        const int row = 1 + static_cast<int>(i) / 2;
        const int column = static_cast<int>(i) % 2 * 2;
        grid->addWidget(new QLabel(QString::fromLatin1(captions[i]), this), row, column);
        grid->addWidget(Edits[i], row, column + 1);
    }
    auto* position = new QHBoxLayout;
    for (QLabel* l : {LabelX, LabelY, LabelCAP, LabelMAT, LabelCOL}) {
        l->setMinimumWidth(62);
        position->addWidget(l);
    }
    position->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CheckBoxTakeValues);
    buttons->addStretch(1);
    buttons->addWidget(ButtonAccept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelName);
    layout->addLayout(grid);
    layout->addLayout(position);
    layout->addWidget(LabelProducing);
    for (QLabel* l : LabelForecast) layout->addWidget(l);
    layout->addLayout(buttons);
    setFixedSize(400, 250);

    checks_ = new NumberFields(*this, boxes_);
    for (QLineEdit* edit : Edits)
        checks_->add(
            edit,
            [](const std::string& text) {
                FieldCheck c;
                c.checked = true;
                if (auto message = checkPlanetFieldTyping(text)) c.message = *message;
                return c;
            },
            [](const std::string& text) { return checkPlanetFieldLeaving(text); }, [this] { fieldsChanged(); });
    connect(ButtonAccept, &QPushButton::clicked, this, [this] { ButtonAcceptClick(); });
}

void TFormPlanetView::FormShow()
{
    QStringList owners;
    for (const std::string& owner : planetViewOwners(session_.game())) owners << fromGame(owner);
    owners.sort();
    const QString text = ComboBoxOwner->currentText();
    ComboBoxOwner->clear();
    ComboBoxOwner->addItems(owners);
    ComboBoxOwner->setEditText(text);
}

void TFormPlanetView::ShowPlanet(const QString& name)
{
    const std::string wanted = toGame(name);
    const auto& planets = session_.game().turn.planets;
    const auto found = std::find_if(planets.begin(), planets.end(), [&](const planetrecord& p) { return p.name == wanted; });
    if (found == planets.end()) return;
    const planetrecord* p = &*found;
    const PlanetViewTexts t = planetViewTexts(*p);
    const bool keepEntry = CheckBoxTakeValues->isChecked();
    if (!keepEntry) {
        LabelName->setText(fromGame(t.name));
        editedX_ = p->x;
        editedY_ = p->y;
        LabelX->setText(fromGame(t.x));
        LabelY->setText(fromGame(t.y));
        ComboBoxOwner->setEditText(fromGame(t.owner));
        LabelProducing->setText(fromGame(t.producing));
        LabelCAP->setText(fromGame(t.cap));
        LabelMAT->setText(fromGame(t.mat));
        LabelCOL->setText(fromGame(t.col));
    }
    for (std::size_t i = 0; i < Edits.size(); ++i) checks_->fill(Edits[i], fromGame(t.fields[i]));
    for (std::size_t i = 0; i < LabelForecast.size(); ++i) LabelForecast[i]->setText(fromGame(t.forecast[i]));
}

void TFormPlanetView::fieldsChanged()
{
    std::array<std::string, 4> fields;
    for (std::size_t i = 0; i < Edits.size(); ++i) fields[i] = toGame(Edits[i]->text());
    const auto labels = planetViewForecast(fields);
    for (std::size_t i = 0; i < LabelForecast.size(); ++i) LabelForecast[i]->setText(fromGame(labels[i]));
}

void TFormPlanetView::ButtonAcceptClick()
{
    if (editedX_ == unknownposition) return;
    PlanetViewEntry entry;
    entry.x = editedX_;
    entry.y = editedY_;
    entry.owner = toGame(ComboBoxOwner->currentText());
    for (std::size_t i = 0; i < Edits.size(); ++i) entry.fields[i] = toGame(Edits[i]->text());
    Game& game = session_.game();
    const Result<AcceptOutcome> accepted = acceptPlanetValues(game, entry, [this] { session_.changeTurn(0); });
    if (!accepted) {
        boxes_.error(this, fromGame(accepted.error().message));
        return;
    }
    if (accepted->ownerMessage) boxes_.error(this, fromGame(*accepted->ownerMessage));
    if (!accepted->changed) return;
    for (const planetrecord& p : game.turn.planets) {
        if (p.x != editedX_ || p.y != editedY_) continue;
        if (onIntelligenceUpdated) onIntelligenceUpdated(fromGame(p.name.view()));
        break;
    }
    boxes_.information(this, QStringLiteral("Intelligence information updated!"));
}

void TFormPlanetView::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
    if (onShownChanged) onShownChanged(true);
}

void TFormPlanetView::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // Closed (not minimised with the program): the main window's button is usable again.
    if (!event->spontaneous() && onShownChanged) onShownChanged(false);
}

} // namespace orrery
