// The window on screens of any density: its pictures are drawn from their
// sources with as many pixels as the screen has, not blown up from 1x.
#include "window_fixture.h"

#include <QImage>

#include <cmath>

namespace spinzaro {
namespace {

double meanDifference(const QImage& one, const QImage& other)
{
    double sum = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x) {
            const QRgb a = one.pixel(x, y);
            const QRgb b = other.pixel(x, y);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    return sum / (3.0 * one.width() * one.height());
}

QImage opaque(const QPixmap& picture)
{
    return picture.toImage().convertToFormat(QImage::Format_RGB32);
}

TEST_F(Form1Test, AReelIsDrawnFromItsSourceAtTheScreensDensity)
{
    spinOnto(Symbol::bell);
    ASSERT_TRUE(QTest::qWaitFor([&] { return evaluated(); }));
    const qreal ratio = window.devicePixelRatioF();
    const int side = static_cast<int>(std::lround(48 * ratio));
    const QImage grabbed = opaque(control("imgSpinPix_0")->grab());
    ASSERT_EQ(grabbed.size(), QSize(side, side));

    const QString bell = pictures::symbolSource(static_cast<int>(Symbol::bell));
    const double fromSource = meanDifference(grabbed, opaque(artwork::draw(bell, 1.0, QSize(side, side))));
    EXPECT_LT(fromSource, 1.0);
    if (ratio > 1) {
        const QImage blownUp = opaque(artwork::draw(bell, 1.0)).scaled(side, side);
        EXPECT_GT(meanDifference(grabbed, blownUp), 2 * fromSource + 1.0) << "a 1x bitmap, scaled up";
    }
}

}  // namespace
}  // namespace spinzaro
