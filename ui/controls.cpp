// The window design's own widgets.
#include "controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace spinzaro {

ReelWindow::ReelWindow(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ReelWindow::setPicture(const QPixmap* picture)
{
    picture_ = picture;
    if (picture_ != nullptr)
        resize(picture_->size());
    update();
}

void ReelWindow::paintEvent(QPaintEvent*)
{
    if (picture_ == nullptr)
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, *picture_);
}

ImageBox::ImageBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

ImageBox::~ImageBox() = default;

void ImageBox::setPicture(const QString& path, bool stretch)
{
    stretch_ = stretch;
    if (path.endsWith(QLatin1String(".svg"))) {
        drawing_ = std::make_unique<QSvgRenderer>(path);
        pixmap_ = QPixmap();
    } else {
        drawing_.reset();
        pixmap_ = QPixmap(path);
        if (!stretch_)
            resize(pixmap_.size());
    }
    update();
}

void ImageBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (drawing_)
        drawing_->render(&painter, QRectF(rect()));
    else if (stretch_)
        painter.drawPixmap(rect(), pixmap_);
    else
        painter.drawPixmap(0, 0, pixmap_);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

ShapeWidget::ShapeWidget(QWidget* parent, QColor colour, int lineWidth, bool filled, bool isLine)
    : QWidget(parent), colour_(colour), lineWidth_(lineWidth), filled_(filled), isLine_(isLine)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (isLine_) {
        painter.fillRect(rect(), colour_);
        return;
    }
    if (filled_)
        painter.fillRect(rect(), Qt::black);
    // The outline lies inside the rectangle, however wide it is.
    const QRect r = rect();
    const int w = lineWidth_;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), w), colour_);
    painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), colour_);
    painter.fillRect(QRect(r.left(), r.top(), w, r.height()), colour_);
    painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), colour_);
}

WindowTimer::WindowTimer(QObject* parent, int intervalMs) : QTimer(parent)
{
    setInterval(intervalMs);
    // Precise timing keeps the reel chain close to three periods.
    setTimerType(Qt::PreciseTimer);
}

void WindowTimer::setEnabled(bool enabled)
{
    if (enabled && !isActive())
        start();
    else if (!enabled)
        stop();
}

}  // namespace spinzaro
