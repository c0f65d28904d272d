#pragma once

// The scrolling viewport of the star map (`ScrollBox`) with its canvas (`PaintBoxMap`). The
// canvas can be far larger than any image (a big galaxy at zoom 35), so it is never allocated:
// the view keeps the canvas size and the scroll position and paints only what is visible.
// When the canvas is smaller than the viewport it is centred (the canvas offset).

#include "mapcanvas.h"

#include <QAbstractScrollArea>

#include <functional>

namespace orrery {

class MapView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit MapView(QWidget* parent = nullptr);

    // Paints the part of the canvas that starts at canvas pixel `origin` into the image (which
    // has the size of the visible part).
    using Painter = std::function<void(QImage& image, QPoint origin)>;
    void setPainter(Painter painter) { painter_ = std::move(painter); }

    void setCanvasSize(QSize size);
    QSize canvasSize() const { return canvas_; }
    // Left and top offset of the canvas inside the viewport (non-zero when it is smaller).
    QPoint canvasOffset() const { return offset_; }
    void setCanvasOffset(QPoint offset);
    QPoint scrollPosition() const;
    void setScrollPosition(QPoint position);
    QSize viewportSize() const;

    // Canvas pixel under a viewport position.
    QPoint canvasPixel(QPoint viewportPosition) const;
    // The image last painted, for tests and screenshots of the map alone.
    const QImage& lastImage() const { return image_; }
    // The pixels of ellipses and texts every paint of this map reuses.
    CanvasCache& canvasCache() { return cache_; }

signals:
    void mousePressedOnCanvas(QPoint canvasPixel, Qt::MouseButton button);
    void mouseMovedOnCanvas(QPoint canvasPixel);
    void viewportResized();
    // A zoom key pressed while the map has the keyboard (QKeySequence::ZoomIn/ZoomOut, + and
    // -): +1 zooms in, -1 out.
    void zoomKeyPressed(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateScrollBars();

    Painter painter_;
    QSize canvas_{0, 0};
    QPoint offset_{0, 0};
    QImage image_;
    CanvasCache cache_;
};

} // namespace orrery
