// Every picture the game draws, checked against librsvg's drawing of the
// same source: a renderer that draws full SVG, which the code did not make.
#include "design.h"
#include "image_list.h"

#include <QDirIterator>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <vector>

namespace spinzaro {
namespace {

constexpr qreal scales[] = {1.0, 1.25, 1.5, 2.0, 3.0};

// Where the two renderers place the edges of text and shapes differently
// (fractional scales), the pictures may differ more.
double boundAt(qreal scale)
{
    return scale == std::floor(scale) ? 0.04 : 0.12;
}

// The prize's box in the design table, where the game stretches it; none for
// the other pictures, which are drawn at their own size.
QSize prizeBox(const QString& source)
{
    for (Picture prize : {Picture::imgCoins2, Picture::img50bill, Picture::img100Bill})
        if (pictures::source(prize) == source)
            return pixelBox(designOf(controlName(prize))).size();
    return {};
}

QImage onWindowGround(QImage picture)
{
    picture.setDevicePixelRatio(1.0);
    QImage ground(picture.size(), QImage::Format_RGB32);
    ground.fill(backgroundColour);
    QPainter(&ground).drawImage(0, 0, picture);
    return ground;
}

// librsvg's drawing of the source, stretched to the size as the game
// stretches it, on the window's ground.
QImage librsvgDrawing(const QByteArray& svg, QSize pixels)
{
    QProcess convert;
    convert.start(QStringLiteral("rsvg-convert"),
                  {QStringLiteral("-w"), QString::number(pixels.width()), QStringLiteral("-h"),
                   QString::number(pixels.height()), QStringLiteral("-b"), backgroundColour.name()});
    convert.write(svg);
    convert.closeWriteChannel();
    if (!convert.waitForFinished(30000) || convert.exitCode() != 0)
        return {};
    return onWindowGround(QImage::fromData(convert.readAllStandardOutput(), "PNG"));
}

// Root mean square of the colour channels' differences, 0 to 1.
double rmse(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)})
                sum += d * d;
        }
    return std::sqrt(sum / (3.0 * a.width() * a.height())) / 255.0;
}

// The library's messages about pictures, which name what it left out.
QStringList svgMessages;
QtMessageHandler otherMessages = nullptr;
void collect(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (context.category != nullptr && QByteArray(context.category).startsWith("qt.svg"))
        svgMessages << message;
    else if (otherMessages != nullptr)
        otherMessages(type, context, message);
}

// Each source at each scale, at the size the game draws it, looks as librsvg
// draws it, and Qt's renderer says nothing about leaving anything out.
TEST(SourcesAgainstLibrsvgTest, EverySourceLooksAsLibrsvgDrawsItAtEveryScale)
{
    svgMessages.clear();
    otherMessages = qInstallMessageHandler(collect);
    int drawn = 0;
    for (QDirIterator file(QStringLiteral(":/art")); file.hasNext(); ++drawn) {
        const QString source = file.next();
        QFile svg(source);
        ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
        const QByteArray text = svg.readAll();
        const QSize box = prizeBox(source);
        std::cout << file.fileName().toStdString() << ':';
        for (const qreal scale : scales) {
            SCOPED_TRACE(source.toStdString() + " at " + std::to_string(scale));
            const QImage game = onWindowGround(artwork::render(source, scale, box));
            const QImage reference = librsvgDrawing(text, game.size());
            ASSERT_EQ(reference.size(), game.size()) << "rsvg-convert (librsvg2-bin) gave no drawing";
            const double difference = rmse(game, reference);
            std::cout << ' ' << std::round(difference * 1000) / 1000;
            EXPECT_LE(difference, boundAt(scale));
        }
        std::cout << '\n';
    }
    qInstallMessageHandler(otherMessages);
    EXPECT_GE(drawn, 18);
    EXPECT_TRUE(svgMessages.isEmpty()) << svgMessages.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace spinzaro
