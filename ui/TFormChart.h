#pragma once

// "Chart": the statistics of every race from turn 0 to the shown turn, one line per race, with a
// legend strip at the right. The player picks the statistic and the races (all, the top 5, 10 or
// 20, or single races added or removed), zooms, and highlights a race by pointing at it in the
// legend. The picture is built by views/chart and drawn by map/chartrender.

#include "chart.h"
#include "mapcanvas.h"

#include <QDialog>
#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QScrollArea;
class QToolButton;

namespace orrery {

class Session;
class TFormChart;

// The chart's and the legend's drawing surfaces: they paint through the form and tell it where
// the pointer is.
class ChartPaintBox : public QWidget {
public:
    ChartPaintBox(TFormChart& form, bool legend, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TFormChart& form_;
    bool legend_;
};

class TFormChart : public QDialog {
    Q_OBJECT
public:
    TFormChart(Session& session, QWidget* parent = nullptr);
    ~TFormChart() override;

    // The show sequence: check box and race box refilled, zoom 1, highlight cleared, repainted.
    void FormShow();
    void ZoomIn();
    void ZoomOut();
    // A click on the chart at a chart pixel while "zoom in on mouse position" is down.
    void ZoomInAt(QPoint chartPixel);
    // Highlights the race of the legend row at that height (none beyond the rows).
    void LegendPointedAt(int y);
    void ClearHighlight();

    int zoom() const { return zoom_; }
    int highlighted() const { return highlighted_; }
    const ChartScene& scene() const { return scene_; }

    QComboBox* ComboBoxType = nullptr;
    QComboBox* ComboBoxRace = nullptr;
    QCheckBox* CheckBoxExclude = nullptr;
    QCheckBox* CheckBoxAdd = nullptr;
    QCheckBox* CheckBoxDelete = nullptr;
    QToolButton* ButtonZoomIn = nullptr;
    QToolButton* ButtonZoomOut = nullptr;
    QToolButton* ButtonZoomOnMouse = nullptr;
    QScrollArea* ScrollBoxChart = nullptr;
    ChartPaintBox* PaintBoxChart = nullptr;
    ChartPaintBox* PaintBoxLegend = nullptr;

    std::function<void(bool shown)> onShownChanged;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ChartPaintBox;
    void SelectRaces();
    // The scene again from the races' flags, the statistic and the sizes; repaints.
    void Rebuild();
    void SetZoom(int zoom, const QPoint* centreOn);
    void FitChart();
    void paintChart(ChartPaintBox* box, const QRect& area);

    Session& session_;
    CanvasCache cache_;
    ChartScene scene_;
    int zoom_ = 1;
    int highlighted_ = -1;
};

} // namespace orrery
