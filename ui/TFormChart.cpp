#include "TFormChart.h"

#include "chartrender.h"
#include "messages.h"
#include "session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace orrery {

ChartPaintBox::ChartPaintBox(TFormChart& form, bool legend, QWidget* parent)
    : QWidget(parent), form_(form), legend_(legend)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartPaintBox::paintEvent(QPaintEvent* event) { form_.paintChart(this, event->rect()); }

void ChartPaintBox::mouseMoveEvent(QMouseEvent* event)
{
    if (legend_)
        form_.LegendPointedAt(event->position().toPoint().y());
    else
        form_.ClearHighlight();
}

void ChartPaintBox::mousePressEvent(QMouseEvent* event)
{
    if (!legend_ && form_.ButtonZoomOnMouse->isChecked() && form_.ButtonZoomOnMouse->isEnabled())
        form_.ZoomInAt(event->position().toPoint());
}

TFormChart::TFormChart(Session& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), session_(session)
{
    setObjectName(QStringLiteral("FormChart"));
    setWindowTitle(QStringLiteral("Chart"));
    setModal(false);

    ComboBoxType = new QComboBox(this);
    ComboBoxType->setObjectName(QStringLiteral("ComboBoxType"));
    for (const char* name : chartStatisticNames) ComboBoxType->addItem(QString::fromLatin1(name));
    ComboBoxType->setCurrentIndex(0);
    ComboBoxRace = new QComboBox(this);
    ComboBoxRace->setObjectName(QStringLiteral("ComboBoxRace"));
    ComboBoxRace->setMinimumWidth(150);
    CheckBoxExclude = new QCheckBox(QStringLiteral("Exclude standard names"), this);
    CheckBoxExclude->setObjectName(QStringLiteral("CheckBoxExclude"));
    CheckBoxExclude->setChecked(true);
    CheckBoxAdd = new QCheckBox(QStringLiteral("Add race(s)"), this);
    CheckBoxAdd->setObjectName(QStringLiteral("CheckBoxAdd"));
    CheckBoxDelete = new QCheckBox(QStringLiteral("Delete race(s)"), this);
    CheckBoxDelete->setObjectName(QStringLiteral("CheckBoxDelete"));
    auto button = [this](const char* name, const QString& text) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setToolTip(text);
        return b;
    };
    ButtonZoomIn = button("ButtonZoomIn", QStringLiteral("zoom in"));
    ButtonZoomOut = button("ButtonZoomOut", QStringLiteral("zoom out"));
    ButtonZoomOnMouse = button("ButtonZoomOnMouse", QStringLiteral("zoom in on mouse position"));
    ButtonZoomOnMouse->setCheckable(true);

    auto* top = new QHBoxLayout;
    top->addWidget(ComboBoxType);
    top->addWidget(ComboBoxRace);
    top->addWidget(CheckBoxExclude);
    top->addWidget(CheckBoxAdd);
    top->addWidget(CheckBoxDelete);
    top->addStretch(1);
    top->addWidget(ButtonZoomIn);
    top->addWidget(ButtonZoomOut);
    top->addWidget(ButtonZoomOnMouse);

    ScrollBoxChart = new QScrollArea(this);
    ScrollBoxChart->setObjectName(QStringLiteral("ScrollBoxChart"));
    ScrollBoxChart->setAlignment(Qt::AlignCenter);
    ScrollBoxChart->setWidgetResizable(false);
    PaintBoxChart = new ChartPaintBox(*this, false, ScrollBoxChart);
    PaintBoxChart->setObjectName(QStringLiteral("PaintBoxChart"));
    ScrollBoxChart->setWidget(PaintBoxChart);
    PaintBoxLegend = new ChartPaintBox(*this, true, this);
    PaintBoxLegend->setObjectName(QStringLiteral("PaintBoxLegend"));
    PaintBoxLegend->setFixedWidth(chartLegendWidth);

    auto* body = new QHBoxLayout;
    body->setSpacing(2);
    body->addWidget(ScrollBoxChart, 1);
    body->addWidget(PaintBoxLegend);
    auto* box = new QVBoxLayout(this);
    box->addLayout(top);
    box->addLayout(body, 1);
    resize(900, 560);

    connect(ComboBoxType, &QComboBox::currentIndexChanged, this, [this] {
        SelectRaces();
        Rebuild();
    });
    connect(ComboBoxRace, &QComboBox::currentIndexChanged, this, [this] {
        SelectRaces();
        Rebuild();
    });
    connect(CheckBoxExclude, &QCheckBox::clicked, this, [this] {
        SelectRaces();
        Rebuild();
    });
    // At most one of the two: checking one unchecks the other.
    connect(CheckBoxAdd, &QCheckBox::toggled, this, [this](bool on) {
        if (on) CheckBoxDelete->setChecked(false);
    });
    connect(CheckBoxDelete, &QCheckBox::toggled, this, [this](bool on) {
        if (on) CheckBoxAdd->setChecked(false);
    });
    // The focus entering the top panel or the chart area ends the highlight, as pointing at the
    // chart does.
    for (QWidget* w : std::initializer_list<QWidget*>{ComboBoxType, ComboBoxRace, CheckBoxExclude, CheckBoxAdd,
                                                      CheckBoxDelete, ButtonZoomIn, ButtonZoomOut, ButtonZoomOnMouse,
                                                      ScrollBoxChart})
        w->installEventFilter(this);
    connect(ButtonZoomIn, &QToolButton::clicked, this, &TFormChart::ZoomIn);
    connect(ButtonZoomOut, &QToolButton::clicked, this, &TFormChart::ZoomOut);
    SetZoom(1, nullptr);
}

TFormChart::~TFormChart() = default;

void TFormChart::SelectRaces()
{
    const Game& game = session_.game();
    const ChartData data(session_.turnstats(), session_.chartraces(), game.gametype, ComboBoxType->currentIndex());
    ChartChoice choice;
    // Before the race box was first filled the selection works like "Top 20".
    choice.raceBox = ComboBoxRace->currentIndex() < 0 ? chartTop20 : ComboBoxRace->currentIndex();
    choice.excludeStandard = CheckBoxExclude->isChecked();
    choice.addRaces = CheckBoxAdd->isChecked();
    choice.deleteRaces = CheckBoxDelete->isChecked();
    selectChartRaces(session_.chartraces(), data, choice, game.currentturn);
}

void TFormChart::FormShow()
{
    const bool standard = session_.game().gametype == gtStandard;
    CheckBoxExclude->setVisible(standard);
    if (!standard) CheckBoxExclude->setChecked(false);
    if (standard) SelectRaces();
    {
        const QSignalBlocker block(ComboBoxRace);
        ComboBoxRace->clear();
        for (const std::string& entry : chartRaceBoxEntries(session_.chartraces()))
            ComboBoxRace->addItem(fromGame(entry));
        ComboBoxRace->setCurrentIndex(chartAll);
    }
    highlighted_ = -1;
    SetZoom(1, nullptr);
}

void TFormChart::Rebuild()
{
    const Game& game = session_.game();
    const ChartData data(session_.turnstats(), session_.chartraces(), game.gametype, ComboBoxType->currentIndex());
    const MapCanvas measure(QRect(0, 0, 1, 1), &cache_);
    scene_ = buildChartScene(session_.chartraces(), data, game.currentturn, PaintBoxChart->width(),
                             PaintBoxChart->height(), PaintBoxLegend->height(), highlighted_,
                             chartTextMetrics(measure));
    PaintBoxChart->update();
    PaintBoxLegend->update();
}

void TFormChart::paintChart(ChartPaintBox* box, const QRect& area)
{
    MapCanvas canvas(area, &cache_);
    if (box == PaintBoxLegend)
        drawChartLegend(canvas, scene_.legend, session_.chartraces(), PaintBoxLegend->width());
    else
        drawChart(canvas, scene_.picture);
    QPainter painter(box);
    painter.drawImage(area.topLeft(), canvas.image());
}

void TFormChart::SetZoom(int zoom, const QPoint* centreOn)
{
    zoom_ = std::clamp(zoom, 1, chartMaxZoom);
    ButtonZoomOut->setEnabled(zoom_ > 1);
    ButtonZoomIn->setEnabled(zoom_ < chartMaxZoom);
    ButtonZoomOnMouse->setEnabled(zoom_ < chartMaxZoom);
    // The chart is the client area times the zoom; the point at the centre of the view (or the
    // one clicked) comes to the centre of the view again.
    const QSize client = ScrollBoxChart->maximumViewportSize();
    const QSize before = PaintBoxChart->size();
    const QSize after(client.width() * zoom_, client.height() * zoom_);
    QScrollBar* h = ScrollBoxChart->horizontalScrollBar();
    QScrollBar* v = ScrollBoxChart->verticalScrollBar();
    const QSize view = ScrollBoxChart->viewport()->size();
    const QPoint centre = centreOn ? *centreOn
                                   : QPoint(h->value() + view.width() / 2 - chartOffset(view.width(), before.width()),
                                            v->value() + view.height() / 2 - chartOffset(view.height(), before.height()));
    PaintBoxChart->resize(after);
    const QSize shown = ScrollBoxChart->viewport()->size();
    h->setValue(chartScrollCentring(centre.x(), shown.width(), before.width(), after.width()));
    v->setValue(chartScrollCentring(centre.y(), shown.height(), before.height(), after.height()));
    Rebuild();
}

void TFormChart::ZoomIn() { SetZoom(zoom_ + 1, nullptr); }
void TFormChart::ZoomOut() { SetZoom(zoom_ - 1, nullptr); }
void TFormChart::ZoomInAt(QPoint chartPixel) { SetZoom(zoom_ + 1, &chartPixel); }

void TFormChart::LegendPointedAt(int y)
{
    const int race = chartLegendRaceAt(session_.chartraces(), scene_.legend.legendCount, y);
    if (race == highlighted_) return;
    highlighted_ = race;
    Rebuild();
}

void TFormChart::ClearHighlight()
{
    if (highlighted_ == -1) return;
    highlighted_ = -1;
    Rebuild();
}

void TFormChart::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (onShownChanged) onShownChanged(true);
}

void TFormChart::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous() && onShownChanged) onShownChanged(false);
}

bool TFormChart::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) ClearHighlight();
    return QDialog::eventFilter(watched, event);
}

void TFormChart::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    SetZoom(1, nullptr);
}

} // namespace orrery
