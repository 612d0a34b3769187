// The few widgets whose behaviour is the game's own, beyond Qt's.
#pragma once

#include <QPushButton>
#include <QWidget>

class QPainter;

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

// A line of the design: a strip of its colour, on whole device pixels, as
// many as its width rounds to at the screen's scale. Filled as logical
// pixels, a line one pixel wide covers one device row or two at a fractional
// scale, depending on where it falls; this way every line of one width looks
// alike. The widget reaches a pixel beyond the strip on each side, so the
// strip never meets the widget's edge.
class DesignLine : public QWidget {
    Q_OBJECT
public:
    DesignLine(QWidget* parent, const QColor& colour, int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    int width_;
};

// The coin slot: a flat face of the palette's button colour in a one-pixel
// black border, that is pressed and clicked like any button.
class FlatButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Spin: the style's button with a picture face, and the focus mark below
// in place of the style's pale one-pixel line.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The focus mark of the game's buttons: a solid black ring two logical pixels
// wide, inset from the button's edge, which stands out at least 3:1 against
// the style's pale button and Quit's magenta face alike.
void drawFocusMark(QPainter& painter, const QRect& button, int inset);

// The Quit button: a face of the palette's button colour in a two-pixel
// bevel of its light and dark colours that sinks while pressed, the focus
// mark inside it while it has the focus, and the disabled text colour while
// it is disabled.
class BevelButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace spinzaro
