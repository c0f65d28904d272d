#include "TFormOptions.h"

#include "messages.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orrery {

ProgramOptions ProgramOptions::of(const Configuration& c, int filmTimerInterval)
{
    ProgramOptions o;
    o.numOfCircles = c.numOfCircles;
    o.rangeInterval = c.rangeInterval;
    o.filmDelay = filmTimerInterval;
    o.includeMapPosition = c.includeMapPosition;
    o.showMousePos = c.showMousePos;
    o.showButtonBar = c.showButtonBar;
    return o;
}

void ProgramOptions::applyTo(Configuration& c) const
{
    c.numOfCircles = numOfCircles;
    c.rangeInterval = rangeInterval;
    c.filmDelay = filmDelay;
    c.includeMapPosition = includeMapPosition;
    c.showMousePos = showMousePos;
    c.showButtonBar = showButtonBar;
}

TFormOptions::TFormOptions(MessageBoxes& boxes, QWidget* parent) : QDialog(parent), boxes_(boxes)
{
    setObjectName(QStringLiteral("TFormOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setWindowModality(Qt::ApplicationModal);

    auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaximumWidth(80);
        e->installEventFilter(this);
        return e;
    };
    EditCircles = edit("EditCircles");
    EditRange = edit("EditRange");
    EditFilmDelay = edit("EditFilmDelay");
    CheckBoxIncludeMapPosition = new QCheckBox(QStringLiteral("Include zoom, position, etc. in configuration"), this);
    CheckBoxShowMousePos = new QCheckBox(QStringLiteral("Show mouse position / distance to orign (DTO)"), this);
    CheckBoxShowButtonBar = new QCheckBox(QStringLiteral("Show button bar"), this);
    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setDefault(true);
    ButtonCancel = new QPushButton(QStringLiteral("Cancel"), this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));

    auto* circles = new QGroupBox(QStringLiteral("DistanceCircles:"), this);
    auto* circlesForm = new QFormLayout(circles);
    circlesForm->addRow(QStringLiteral("Number of circles:"), EditCircles);
    circlesForm->addRow(QStringLiteral("Range interval:"), EditRange);
    auto* filmForm = new QFormLayout;
    filmForm->addRow(QStringLiteral("Film delay:"), EditFilmDelay);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(circles);
    layout->addLayout(filmForm);
    layout->addWidget(CheckBoxIncludeMapPosition);
    layout->addWidget(CheckBoxShowMousePos);
    layout->addWidget(CheckBoxShowButtonBar);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(EditRange, &QLineEdit::textChanged, this, [this] { EditRangeChange(); });
    connect(EditFilmDelay, &QLineEdit::textChanged, this, [this] { EditFilmDelayChange(); });
    connect(ButtonOK, &QPushButton::clicked, this, &TFormOptions::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<std::int32_t> TFormOptions::integerOf(const QString& text)
{
    // QString::toInt accepts surrounding blanks; the rule does not.
    if (text.isEmpty() || text.front().isSpace() || text.back().isSpace()) return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool sign = i == 0 && (c == u'+' || c == u'-');
        if (!sign && (c < u'0' || c > u'9')) return std::nullopt;
    }
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok) return std::nullopt;
    return value;
}

std::optional<std::int32_t> TFormOptions::circlesOf(const QString& text)
{
    const auto value = integerOf(text);
    if (value && *value > maxCircles) return std::nullopt;
    return value;
}

std::optional<std::int32_t> TFormOptions::filmDelayOf(const QString& text)
{
    const auto value = integerOf(text);
    if (value && *value < 0) return std::nullopt;
    return value;
}

void TFormOptions::showOptions(const ProgramOptions& current)
{
    current_ = current;
    filling_ = true;
    EditCircles->setText(QString::number(current.numOfCircles));
    EditRange->setText(QString::number(current.rangeInterval));
    EditFilmDelay->setText(QString::number(current.filmDelay));
    filling_ = false;
    CheckBoxIncludeMapPosition->setChecked(current.includeMapPosition);
    CheckBoxShowMousePos->setChecked(current.showMousePos);
    CheckBoxShowButtonBar->setChecked(current.showButtonBar);
    show();
    raise();
    activateWindow();
}

void TFormOptions::refuse(QLineEdit* field, const QString& fieldName)
{
    // The box takes the focus away from the field; that is not another leave to check.
    reporting_ = true;
    boxes_.error(this, QStringLiteral("Please enter a number in the field \"%1\"!").arg(fieldName));
    reporting_ = false;
    field->setFocus();
}

void TFormOptions::EditCirclesExit()
{
    if (!EditCircles->text().isEmpty() && !circlesOf(EditCircles->text()))
        refuse(EditCircles, QStringLiteral("Number of circles"));
}

void TFormOptions::EditRangeChange()
{
    if (!filling_ && !EditRange->text().isEmpty() && !integerOf(EditRange->text()))
        refuse(EditRange, QStringLiteral("Range interval"));
}

void TFormOptions::EditFilmDelayChange()
{
    if (!filling_ && !EditFilmDelay->text().isEmpty() && !filmDelayOf(EditFilmDelay->text()))
        refuse(EditFilmDelay, QStringLiteral("Film delay"));
}

bool TFormOptions::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == EditCircles && event->type() == QEvent::FocusOut && !reporting_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Only the focus moving to another control of this window leaves the field; a message
        // box or another window taking over does not.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) EditCirclesExit();
    }
    return QDialog::eventFilter(watched, event);
}

void TFormOptions::ButtonOKClick()
{
    ProgramOptions o = current_;
    if (const auto v = circlesOf(EditCircles->text())) o.numOfCircles = *v;
    if (const auto v = integerOf(EditRange->text())) o.rangeInterval = *v;
    if (const auto v = filmDelayOf(EditFilmDelay->text())) o.filmDelay = *v;
    o.includeMapPosition = CheckBoxIncludeMapPosition->isChecked();
    o.showMousePos = CheckBoxShowMousePos->isChecked();
    o.showButtonBar = CheckBoxShowButtonBar->isChecked();
    current_ = o;
    accept();
    if (onOK) onOK(o);
}

} // namespace orrery
