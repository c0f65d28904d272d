#include "TFormMoveAreaTools.h"

#include "TFormMoveCommand.h"
#include "gamedata.h"
#include "moveeditor.h"
#include "orderforms.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace orrery {

namespace {

// OK (the default button) and Cancel at the right end of a row.
QHBoxLayout* okCancelRow(QDialog* window, QPushButton*& ok, QPushButton*& cancel)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    ok = namedButton(window, "ButtonOK", "OK");
    cancel = namedButton(window, "ButtonCancel", "Cancel");
    ok->setDefault(true);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

QComboBox* choice(QWidget* parent, const char* name)
{
    QComboBox* box = orderChoiceBox(parent, 200);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

void fill(QComboBox* box, const std::vector<std::string>& entries)
{
    box->clear();
    for (const std::string& e : entries) box->addItem(fromGame(e));
    box->setCurrentIndex(-1);
    box->setEditText(QString());
}


} // namespace

// ------------------------------------------------------------------------------------------
// Scan area.

TFormMoveScanArea::TFormMoveScanArea(const Game& game, MoveEditor& editor, MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), game_(game), editor_(editor), boxes_(boxes)
{
    setObjectName(QStringLiteral("FormMoveScanArea"));
    setWindowTitle(QStringLiteral("Create commands to scan area"));
    auto* layout = new QVBoxLayout(this);

    auto* areaBox = new QGroupBox(QStringLiteral("Area:"), this);
    auto* grid = new QGridLayout(areaBox);
    for (int i = 0; i < 4; ++i) {
        LabelArea[i] = new QLabel(areaBox);
        EditArea[i] = new QLineEdit(areaBox);
        EditArea[i]->setObjectName(QStringLiteral("EditArea%1").arg(i + 1));
        EditArea[i]->setMaximumWidth(90);
        grid->addWidget(LabelArea[i], i / 2, (i % 2) * 2);
        grid->addWidget(EditArea[i], i / 2, (i % 2) * 2 + 1);
        LabelArea[i]->setBuddy(EditArea[i]);
        connect(EditArea[i], &QLineEdit::textEdited, this, [this, i] { edited(i); });
    }
    layout->addWidget(areaBox);

    auto* typeBox = new QGroupBox(QStringLiteral("Type of area"), this);
    auto* typeRow = new QHBoxLayout(typeBox);
    RadioButtonRectangle = new QRadioButton(QStringLiteral("rectangle"), typeBox);
    RadioButtonRectangle->setObjectName(QStringLiteral("RadioButtonRectangle"));
    RadioButtonCircle = new QRadioButton(QStringLiteral("circle"), typeBox);
    RadioButtonCircle->setObjectName(QStringLiteral("RadioButtonCircle"));
    typeRow->addWidget(RadioButtonRectangle);
    typeRow->addWidget(RadioButtonCircle);
    typeRow->addStretch();
    RadioButtonRectangle->setChecked(true);
    connect(RadioButtonRectangle, &QRadioButton::toggled, this, &TFormMoveScanArea::shapeChanged);
    layout->addWidget(typeBox);

    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(new QLabel(QStringLiteral("Group ID:"), this));
    ComboBoxGroup = choice(this, "ComboBoxGroup");
    groupRow->addWidget(ComboBoxGroup, 1);
    layout->addLayout(groupRow);

    QHBoxLayout* buttons = okCancelRow(this, ButtonOK, ButtonCancel);
    layout->addLayout(buttons);
    connect(ButtonOK, &QPushButton::clicked, this, &TFormMoveScanArea::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    shapeChanged();
}

AreaShape TFormMoveScanArea::shape() const
{
    return RadioButtonCircle->isChecked() ? AreaShape::Circle : AreaShape::Rectangle;
}

void TFormMoveScanArea::setShape(AreaShape shape)
{
    (shape == AreaShape::Circle ? RadioButtonCircle : RadioButtonRectangle)->setChecked(true);
}

void TFormMoveScanArea::shapeChanged()
{
    const bool circle = shape() == AreaShape::Circle;
    const char* const rectangle[] = {"left:", "top:", "right:", "bottom:"};
    const char* const round[] = {"X:", "Y:", "radius:", ""};
    for (int i = 0; i < 4; ++i) LabelArea[i]->setText(QString::fromLatin1(circle ? round[i] : rectangle[i]));
    LabelArea[3]->setVisible(!circle);
    EditArea[3]->setVisible(!circle);
}

void TFormMoveScanArea::edited(int field)
{
    QLineEdit* edit = EditArea[static_cast<std::size_t>(field)];
    if (isAreaNumberInput(toGame(edit->text()))) {
        accepted_[static_cast<std::size_t>(field)] = edit->text();
        return;
    }
    // What was typed last does not make a number: it is taken back and the field keeps the focus.
    edit->setText(accepted_[static_cast<std::size_t>(field)]);
    boxes_.error(this, fromGame(msgEnterNumber));
    edit->setFocus();
}

void TFormMoveScanArea::open()
{
    for (std::size_t i = 0; i < 4; ++i) {
        EditArea[i]->clear();
        accepted_[i].clear();
    }
    fill(ComboBoxGroup, CommandChoices::of(game_, editor_.lines(), editor_.moveForm()).ownGroups);
    show();
    raise();
    activateWindow();
}

void TFormMoveScanArea::pressAt(const QString& x, const QString& y)
{
    const auto put = [this](std::size_t field, const QString& value) {
        EditArea[field]->setText(value);
        accepted_[field] = value;
    };
    const auto empty = [this](std::size_t a, std::size_t b) {
        return EditArea[a]->text().isEmpty() && EditArea[b]->text().isEmpty();
    };
    if (!empty(0, 1) && empty(2, 3) && shape() == AreaShape::Rectangle) {
        put(2, x);
        put(3, y);
        return;
    }
    put(0, x);
    put(1, y);
}

void TFormMoveScanArea::ButtonOKClick()
{
    std::array<std::string, 4> fields;
    for (std::size_t i = 0; i < 4; ++i) fields[i] = toGame(EditArea[i]->text());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Result<std::string> scanned = scanArea(editor_, game_, shape(), fields, toGame(ComboBoxGroup->currentText()));
    QApplication::restoreOverrideCursor();
    if (onOrders) onOrders();
    if (!scanned) {
        boxes_.error(this, fromGame(scanned.error().message));
        if (scanned.error().line > 0) EditArea[static_cast<std::size_t>(scanned.error().line - 1)]->setFocus();
        return;
    }
    if (!scanned->empty()) boxes_.information(this, fromGame(*scanned));
    accept();
}

// ------------------------------------------------------------------------------------------
// Send all groups from a planet.

TFormMoveSendFromPlanet::TFormMoveSendFromPlanet(const Game& game, MoveEditor& editor, MessageBoxes& boxes,
                                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), game_(game), editor_(editor), boxes_(boxes)
{
    setObjectName(QStringLiteral("FormMoveSendFromPlanet"));
    setWindowTitle(QStringLiteral("Send groups from planet"));
    auto* layout = new QGridLayout(this);
    LabelFirst = new QLabel(this);
    LabelSecond = new QLabel(this);
    ComboBoxFirst = choice(this, "ComboBoxFirst");
    ComboBoxSecond = choice(this, "ComboBoxSecond");
    layout->addWidget(LabelFirst, 0, 0);
    layout->addWidget(ComboBoxFirst, 0, 1);
    layout->addWidget(LabelSecond, 1, 0);
    layout->addWidget(ComboBoxSecond, 1, 1);
    QHBoxLayout* buttons = okCancelRow(this, ButtonOK, ButtonCancel);
    layout->addLayout(buttons, 2, 0, 1, 2);
    connect(ButtonOK, &QPushButton::clicked, this, &TFormMoveSendFromPlanet::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormMoveSendFromPlanet::open(SendMode mode, const QString& first, const QString& second)
{
    mode_ = mode;
    const bool send = mode == SendMode::Send;
    setWindowTitle(QStringLiteral("Send groups from planet"));
    LabelFirst->setText(send ? QStringLiteral("Send all groups from planet") : QStringLiteral("Intercept groups at planet"));
    LabelSecond->setText(send ? QStringLiteral("to planet") : QStringLiteral("with all groups from planet"));
    const CommandChoices choices = CommandChoices::of(game_, editor_.lines(), editor_.moveForm());
    fill(ComboBoxFirst, send ? choices.ownPlanets : choices.planets);
    fill(ComboBoxSecond, send ? choices.planets : choices.ownPlanets);
    show();
    raise();
    activateWindow();
    ComboBoxFirst->setEditText(first);
    ComboBoxSecond->setEditText(second);
}

void TFormMoveSendFromPlanet::ButtonOKClick()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Result<int> sent =
        sendFromPlanet(editor_, game_, mode_, toGame(ComboBoxFirst->currentText()), toGame(ComboBoxSecond->currentText()));
    QApplication::restoreOverrideCursor();
    if (!sent) {
        boxes_.error(this, fromGame(sent.error().message));
        return;
    }
    if (onOrders) onOrders();
    accept();
}

} // namespace orrery
