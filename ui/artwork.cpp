// Drawing the SVG sources at the screen's pixel density.
#include "artwork.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLoggingCategory>

#include <cmath>
#include <cstdint>
#include <cstring>

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

constexpr qsizetype headerBytes = 2 * sizeof(std::uint32_t);

}  // namespace

void quietUnsupportedFeatures()
{
    // QT_LOGGING_RULES still overrides it, for whoever needs to see them.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.svg.warning=false"));
}

QString source(const QString& name)
{
    return QStringLiteral(":/art/%1.svg").arg(name);
}

QSize designSize(const QString& source)
{
    QImageReader reader;
    readAsSvg(reader, source);
    return reader.size();
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

QString drawnAheadPath(const QString& source, qreal devicePixelRatio)
{
    const double percent = devicePixelRatio * 100;
    if (std::abs(percent - std::round(percent)) > 1e-6)
        return {};
    return QStringLiteral(":/drawn/%1@%2").arg(QFileInfo(source).completeBaseName()).arg(std::lround(percent));
}

QByteArray packed(const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const std::uint32_t size[2] = {static_cast<std::uint32_t>(pixels.width()),
                                   static_cast<std::uint32_t>(pixels.height())};
    QByteArray bytes(reinterpret_cast<const char*>(size), headerBytes);
    for (int row = 0; row < pixels.height(); ++row)
        bytes.append(reinterpret_cast<const char*>(pixels.constScanLine(row)), qsizetype(pixels.width()) * 4);
    return bytes;
}

QImage unpacked(const QByteArray& bytes)
{
    std::uint32_t size[2] = {0, 0};
    if (bytes.size() < headerBytes)
        return {};
    std::memcpy(size, bytes.constData(), headerBytes);
    // A copy that does not match its own header is not used.
    if (size[0] == 0 || size[1] == 0 || size[0] > 4096 || size[1] > 4096 ||
        bytes.size() != headerBytes + qsizetype(size[0]) * size[1] * 4)
        return {};
    const QImage view(reinterpret_cast<const uchar*>(bytes.constData() + headerBytes), int(size[0]), int(size[1]),
                      qsizetype(size[0]) * 4, QImage::Format_ARGB32_Premultiplied);
    return view.copy();
}

QPixmap draw(const QString& source, qreal devicePixelRatio, QSize logicalSize)
{
    if (logicalSize.isEmpty()) {
        if (const QString path = drawnAheadPath(source, devicePixelRatio); !path.isEmpty()) {
            QFile file(path);  // there is none for most pictures and scales
            QImage ahead = file.open(QIODevice::ReadOnly) ? unpacked(file.readAll()) : QImage();
            if (!ahead.isNull()) {
                ahead.setDevicePixelRatio(devicePixelRatio);
                return QPixmap::fromImage(std::move(ahead));
            }
        }
    }
    return QPixmap::fromImage(render(source, devicePixelRatio, logicalSize));
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
