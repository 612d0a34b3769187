// Drawing the SVG sources at the screen's pixel density.
#include "artwork.h"

#include <QGuiApplication>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace spinzaro::artwork {
namespace {

// Named by its format: Qt then neither guesses it nor loads every image
// plugin to ask them, and the SVG library is loaded with the first picture,
// not with the program.
void readAsSvg(QImageReader& reader, const QString& source)
{
    reader.setFileName(source);
    reader.setFormat("svg");
    reader.setAutoDetectImageFormat(false);
}

QSize pixelsFor(QSize logicalSize, qreal devicePixelRatio)
{
    return {static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio)),
            static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio))};
}

}  // namespace

QString source(const QString& name)
{
    return QStringLiteral(":/art/%1.svg").arg(name);
}

QImage render(const QString& source, qreal devicePixelRatio, QSize logicalSize)
{
    QImageReader reader;
    readAsSvg(reader, source);
    if (logicalSize.isEmpty())
        logicalSize = reader.size();
    if (logicalSize.isEmpty())
        return {};
    reader.setScaledSize(pixelsFor(logicalSize, devicePixelRatio));
    QImage image = reader.read();
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QPixmap draw(const QString& source, qreal devicePixelRatio, QSize logicalSize)
{
    return QPixmap::fromImage(render(source, devicePixelRatio, logicalSize));
}

QCursor pointer(const QString& source, QPoint hotSpot, qreal devicePixelRatio)
{
    // Pixel art stays crisp at whole multiples of its pixels only: the one
    // nearest the screen's ratio.
    const int factor = std::max(1, qRound(devicePixelRatio));
    // QCursor takes the hot spot in logical pixels of a high-density picture,
    // but Qt's X11 platform hands it to the X server unscaled, beside the
    // picture's own pixels.
    const int hotSpotScale = QGuiApplication::platformName() == QLatin1String("xcb") ? factor : 1;
    return QCursor(draw(source, factor), hotSpot.x() * hotSpotScale, hotSpot.y() * hotSpotScale);
}

QIcon icon(const QString& source)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(draw(source, 1.0, QSize(size, size)));
    return icon;
}

}  // namespace spinzaro::artwork
