#include "TFormShowOptions.h"

#include "messages.h"
#include "orderforms.h"
#include "orderwords.h"
#include "textrules.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstring>

namespace orrery {

namespace {

// The flags under each heading, by keyword.
struct Heading {
    const char* title;
    std::vector<const char*> keywords;
};

const std::vector<Heading>& headings()
{
    static const std::vector<Heading> list = {
        {"Map options:", {"map", "smartmap", "unknown", "cartesian"}},
        {"Battle options:", {"longbattle", "battlesum", "battlemass", "bombsum"}},
        {"Options, which give additional information:",
         {"production", "techprod", "techs", "forecast", "longforecast", "fullreport", "techplus", "fulltype",
          "upgradecost", "showfrom", "sysmass", "showopts", "stats"}},
        {"Misc options:",
         {"sortgroups", "sortplanets", "autounload", "twospace", "unsafemax", "unsafebreak", "shortint", "pedantic"}},
    };
    return list;
}

const OptionFlag* flagOf(const char* keyword)
{
    for (const OptionFlag& f : optionFlags())
        if (std::strcmp(f.keyword, keyword) == 0) return &f;
    return nullptr;
}

QString centreText(double value) { return QString::fromStdString(formatFixed(value, 5, 2)); }

} // namespace

TFormShowOptions::TFormShowOptions(MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), boxes_(boxes)
{
    setObjectName(QStringLiteral("FormShowOptions"));
    setWindowTitle(QStringLiteral("Game options"));
    setWindowModality(Qt::ApplicationModal);

    LabelVersion = new QLabel(this);
    LabelVersion->setObjectName(QStringLiteral("LabelVersion"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelVersion);

    auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaximumWidth(70);
        return e;
    };
    EditXCenter = edit("EditXCenter");
    EditYCenter = edit("EditYCenter");
    EditForecastTurn = edit("EditForecastTurn");
    LabelXCenter = new QLabel(this);
    LabelYCenter = new QLabel(this);
    LabelForecastTurn = new QLabel(QStringLiteral(", optional argument: turn number"), this);
    LabelForecastTurn->setObjectName(QStringLiteral("LabelForecastTurn"));

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    layout->addLayout(columns);
    for (const Heading& heading : headings()) {
        auto* group = new QGroupBox(QString::fromLatin1(heading.title), this);
        auto* grid = new QGridLayout(group);
        grid->setColumnStretch(1, 1);
        for (const char* keyword : heading.keywords) {
            const OptionFlag* flag = flagOf(keyword);
            if (!flag) continue;
            const int row = grid->rowCount();
            auto* box = new QCheckBox(group);
            box->setObjectName(QStringLiteral("CheckBox") + QString::fromLatin1(keyword));
            auto* text = new QLabel(group);
            text->setObjectName(QStringLiteral("Label") + QString::fromLatin1(keyword));
            text->setBuddy(box);
            grid->addWidget(box, row, 0);
            if (flag->member == &optiontype::forecast) {
                auto* line = new QHBoxLayout;
                line->addWidget(text);
                line->addWidget(LabelForecastTurn);
                line->addWidget(EditForecastTurn);
                line->addStretch(1);
                grid->addLayout(line, row, 1);
            } else {
                grid->addWidget(text, row, 1);
            }
            rows_.push_back({flag, box, text});
        }
        if (std::strcmp(heading.title, "Map options:") == 0) {
            for (auto [label, field] : {std::pair{LabelXCenter, EditXCenter}, std::pair{LabelYCenter, EditYCenter}}) {
                const int row = grid->rowCount();
                auto* line = new QHBoxLayout;
                line->addWidget(field);
                line->addWidget(label);
                line->addStretch(1);
                grid->addLayout(line, row, 0, 1, 2);
            }
        }
        (heading.keywords.size() > 8 ? right : left)->addWidget(group);
    }
    left->addStretch(1);
    right->addStretch(1);

    CheckBoxRawLabels = new QCheckBox(QStringLiteral("raw option labels"), this);
    CheckBoxRawLabels->setObjectName(QStringLiteral("CheckBoxRawLabels"));
    auto button = [this](const char* name, const char* text) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    ButtonOK = button("ButtonOK", "OK");
    ButtonOK2 = button("ButtonOK2", "OK");
    ButtonCancel = button("ButtonCancel", "Cancel");
    ButtonStandard = button("ButtonStandard", "Standard");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CheckBoxRawLabels);
    buttons->addStretch(1);
    buttons->addWidget(ButtonStandard);
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonOK2);
    buttons->addWidget(ButtonCancel);
    layout->addLayout(buttons);

    connect(ButtonOK, &QPushButton::clicked, this, &TFormShowOptions::ButtonOKClick);
    connect(ButtonOK2, &QPushButton::clicked, this, &QWidget::close);
    connect(ButtonCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(ButtonStandard, &QPushButton::clicked, this, &TFormShowOptions::ButtonStandardClick);
    connect(CheckBoxRawLabels, &QCheckBox::toggled, this, &TFormShowOptions::CheckBoxRawLabelsClick);
    CheckBoxRawLabelsClick();
}

QCheckBox* TFormShowOptions::checkBox(const char* keyword) const
{
    for (const Row& r : rows_)
        if (std::strcmp(r.flag->keyword, keyword) == 0) return r.box;
    return nullptr;
}

QLabel* TFormShowOptions::label(const char* keyword) const
{
    for (const Row& r : rows_)
        if (std::strcmp(r.flag->keyword, keyword) == 0) return r.label;
    return nullptr;
}

void TFormShowOptions::fill(const optiontype& options)
{
    opened_ = options;
    LabelVersion->setText(QStringLiteral("Game version: ") + fromGame(options.version));
    for (const Row& r : rows_) r.box->setChecked(options.*(r.flag->member));
    EditXCenter->setText(centreText(options.xcenter));
    EditYCenter->setText(centreText(options.ycenter));
    EditForecastTurn->clear();
}

void TFormShowOptions::open(const optiontype& options, bool editable)
{
    editable_ = editable;
    fill(options);
    for (const Row& r : rows_) r.box->setEnabled(editable);
    EditXCenter->setEnabled(editable);
    EditYCenter->setEnabled(editable);
    ButtonOK->setVisible(editable);
    ButtonOK2->setVisible(!editable);
    ButtonCancel->setVisible(editable);
    ButtonStandard->setVisible(editable);
    EditForecastTurn->setVisible(editable);
    LabelForecastTurn->setVisible(editable);
    show();
    raise();
    activateWindow();
}

void TFormShowOptions::CheckBoxRawLabelsClick()
{
    const bool raw = CheckBoxRawLabels->isChecked();
    for (const Row& r : rows_) r.label->setText(QString::fromLatin1(raw ? r.flag->keyword : r.flag->label));
    LabelXCenter->setText(raw ? QStringLiteral("xcenter") : QStringLiteral("X center"));
    LabelYCenter->setText(raw ? QStringLiteral("ycenter") : QStringLiteral("Y center"));
}

void TFormShowOptions::ButtonStandardClick()
{
    optiontype standard;
    setStandardOptions(standard);
    for (const Row& r : rows_) r.box->setChecked(standard.*(r.flag->member));
    EditXCenter->setText(centreText(standard.xcenter));
    EditYCenter->setText(centreText(standard.ycenter));
}

Status TFormShowOptions::check() const
{
    if (!isNumber(trimmed(toGame(EditXCenter->text()))) || !isNumber(trimmed(toGame(EditYCenter->text()))))
        return Failure("Please enter a number!");
    return checkFieldNumber(NumberRule::TurnNumber, toGame(EditForecastTurn->text()));
}

optiontype TFormShowOptions::options() const
{
    optiontype o = opened_;
    for (const Row& r : rows_) o.*(r.flag->member) = r.box->isChecked();
    o.xcenter = readNumber(trimmed(toGame(EditXCenter->text())));
    o.ycenter = readNumber(trimmed(toGame(EditYCenter->text())));
    const std::string turn(trimmed(toGame(EditForecastTurn->text())));
    o.forecastturn = turn.empty() ? 0 : truncToInt(readNumber(turn));
    return o;
}

void TFormShowOptions::ButtonOKClick()
{
    if (const Status checked = check(); !checked) {
        boxes_.error(this, fromGame(checked.error().message));
        // The first field that does not hold a number takes the focus.
        for (QLineEdit* e : {EditXCenter, EditYCenter}) {
            if (!isNumber(trimmed(toGame(e->text())))) {
                e->setFocus();
                return;
            }
        }
        EditForecastTurn->setFocus();
        return;
    }
    const optiontype edited = options();
    close();
    if (onOK) onOK(edited);
}

void TFormShowOptions::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted() && onClosed) onClosed();
}

} // namespace orrery
