// The window's pictures, drawn from their SVG sources at the device pixel
// ratio of the screen they are shown on, so they stay as crisp as the text.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace spinzaro::artwork {

// The embedded source of a picture by its file name without ".svg"
// ("paytable", "symbol_4_bell").
QString source(const QString& name);

// The picture at a logical size (its own design size when none is given),
// with as many pixels as a screen of this ratio shows there. Null when the
// source cannot be read.
QImage render(const QString& source, qreal devicePixelRatio, QSize logicalSize = {});

// As render(), as a pixmap for the screen.
QPixmap draw(const QString& source, qreal devicePixelRatio, QSize logicalSize = {});

// A mouse pointer whose hot spot is given in the picture's design pixels,
// drawn at the whole multiple of its size nearest the ratio.
QCursor pointer(const QString& source, QPoint hotSpot, qreal devicePixelRatio);

// An icon drawn at the sizes a window manager or a task bar asks for.
QIcon icon(const QString& source);

}  // namespace spinzaro::artwork
