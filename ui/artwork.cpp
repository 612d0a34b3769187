// Drawing the SVG sources at the screen's pixel density.
#include "artwork.h"

#include <QLoggingCategory>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace spinzaro::artwork {

void quietUnsupportedFeatures()
{
    // QT_LOGGING_RULES still overrides it, for whoever needs to see them.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.svg.warning=false"));
}

QString source(const QString& name)
{
    return QStringLiteral(":/art/%1.svg").arg(name);
}

QPixmap draw(const QString& source, qreal devicePixelRatio, QSize logicalSize)
{
    QSvgRenderer renderer(source);
    if (logicalSize.isEmpty())
        logicalSize = renderer.defaultSize();
    const QSize pixels(static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio)));
    QPixmap picture(pixels);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    painter.end();
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

QCursor pointer(const QString& source, QPoint hotSpot, qreal devicePixelRatio)
{
    // QCursor takes the hot spot in logical pixels of a high-density picture.
    return QCursor(draw(source, devicePixelRatio), hotSpot.x(), hotSpot.y());
}

QIcon icon(const QString& source)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(draw(source, 1.0, QSize(size, size)));
    return icon;
}

}  // namespace spinzaro::artwork
