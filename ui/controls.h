// The small widgets the window design needs beyond Qt's own.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <memory>

class QSvgRenderer;

namespace spinzaro {

// A reel window: shows an image-list entry's own picture object at its own
// size from the top left corner, so it can be asked which object it shows.
class ReelWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReelWindow(QWidget* parent);
    void setPicture(const QPixmap* picture);
    const QPixmap* picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap* picture_ = nullptr;
};

// An image box: a picture at its own size, or stretched to the box; the
// stretched kind may be a vector drawing, redrawn at the box's size.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent);
    ~ImageBox() override;
    void setPicture(const QString& path, bool stretch);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap pixmap_;
    std::unique_ptr<QSvgRenderer> drawing_;
    bool stretch_ = false;
};

// A label that reports a click: a press and a release inside it.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// A line or a rectangle outline of the design, optionally over a black fill.
// Its geometry is the shape's bounding box; it takes no mouse input.
class ShapeWidget : public QWidget {
    Q_OBJECT
public:
    ShapeWidget(QWidget* parent, QColor colour, int lineWidth, bool filled, bool isLine);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    int lineWidth_;
    bool filled_;
    bool isLine_;
};

// An interval timer with the window's rules: enabling a running timer leaves
// its schedule alone (QTimer::start would restart it), and disabling drops
// every tick not yet delivered.
class WindowTimer : public QTimer {
    Q_OBJECT
public:
    WindowTimer(QObject* parent, int intervalMs);
    void setEnabled(bool enabled);
};

}  // namespace spinzaro
