#include "MapView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace orrery {

MapView::MapView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("ScrollBox"));
    viewport()->setObjectName(QStringLiteral("PaintBoxMap"));
    viewport()->setCursor(Qt::CrossCursor);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    setFrameShape(QFrame::NoFrame);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::Base, Qt::black);
    setPalette(p);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

void MapView::setCanvasSize(QSize size)
{
    canvas_ = size.expandedTo(QSize(0, 0));
    updateScrollBars();
    viewport()->update();
}

void MapView::setCanvasOffset(QPoint offset)
{
    offset_ = offset;
    viewport()->update();
}

QPoint MapView::scrollPosition() const { return {horizontalScrollBar()->value(), verticalScrollBar()->value()}; }

void MapView::setScrollPosition(QPoint position)
{
    // A position outside the range is limited by the scroll bars.
    horizontalScrollBar()->setValue(position.x());
    verticalScrollBar()->setValue(position.y());
}

QSize MapView::viewportSize() const { return viewport()->size(); }

QPoint MapView::canvasPixel(QPoint viewportPosition) const { return viewportPosition + scrollPosition() - offset_; }

void MapView::updateScrollBars()
{
    const QSize v = viewport()->size();
    horizontalScrollBar()->setPageStep(v.width());
    verticalScrollBar()->setPageStep(v.height());
    horizontalScrollBar()->setRange(0, std::max(0, canvas_.width() - v.width()));
    verticalScrollBar()->setRange(0, std::max(0, canvas_.height() - v.height()));
}

void MapView::paintEvent(QPaintEvent*)
{
    const QSize v = viewport()->size();
    if (image_.size() != v) image_ = QImage(v, QImage::Format_RGB32);
    image_.fill(Qt::black);
    if (painter_ && !canvas_.isEmpty()) painter_(image_, scrollPosition() - offset_);
    QPainter p(viewport());
    p.drawImage(0, 0, image_);
}

void MapView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    emit viewportResized();
}

void MapView::mousePressEvent(QMouseEvent* event)
{
    emit mousePressedOnCanvas(canvasPixel(event->position().toPoint()), event->button());
}

void MapView::mouseMoveEvent(QMouseEvent* event) { emit mouseMovedOnCanvas(canvasPixel(event->position().toPoint())); }

void MapView::scrollContentsBy(int, int) { viewport()->update(); }

void MapView::keyPressEvent(QKeyEvent* event)
{
    // The arrow keys and the page keys scroll as in every scroll area.
    if (event->matches(QKeySequence::ZoomIn) || event->key() == Qt::Key_Plus) {
        emit zoomKeyPressed(1);
    } else if (event->matches(QKeySequence::ZoomOut) || event->key() == Qt::Key_Minus) {
        emit zoomKeyPressed(-1);
    } else {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace orrery
