// The pictures the game ships, as the window will use them.
#include "design.h"
#include "image_list.h"

#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <utility>

namespace spinzaro {
namespace {

// How many pixels of the rows, first to last, have this opacity.
int pixelsWithAlpha(const QImage& image, int firstRow, int lastRow, int alpha)
{
    int count = 0;
    for (int y = firstRow; y <= lastRow; ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) == alpha ? 1 : 0;
    return count;
}

// Eight distinct symbols that keep their identity and size, drawn at the
// screen's density; only the single bar is transparent above and below its plate.
TEST(ImageListTest, HoldsEightDistinctSymbolsDrawnAtTheScreensDensity)
{
    ImageList list;
    for (int entry = 1; entry <= ImageList::count; ++entry) {
        SCOPED_TRACE(entry);
        const QPixmap& picture = list.picture(entry);
        EXPECT_EQ(&picture, &list.picture(entry));
        EXPECT_EQ(picture.size(), QSize(entry == 7 ? 47 : 48, 48));
        for (int other = 1; other < entry; ++other)
            EXPECT_NE(picture.toImage(), list.picture(other).toImage()) << "same as entry " << other;
        const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_TRUE(entry == 1 || pixelsWithAlpha(image, 0, 47, 255) == image.width() * image.height());
    }
    EXPECT_THROW(list.picture(0), std::out_of_range);
    EXPECT_THROW(list.picture(9), std::out_of_range);
    const QImage singleBar = list.picture(1).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(pixelsWithAlpha(singleBar, 0, 5, 0) + pixelsWithAlpha(singleBar, 42, 47, 0), 12 * 48);
    EXPECT_GT(pixelsWithAlpha(singleBar, 20, 27, 255), 8 * 40);

    // On a screen of twice the density a symbol has four times the pixels,
    // drawn from its source, in the same object; back at 1 it is as before.
    const QPixmap* bell = &list.picture(4);
    const QImage atOne = bell->toImage();
    list.setDevicePixelRatio(2.0);
    EXPECT_EQ(&list.picture(4), bell);
    EXPECT_EQ(bell->deviceIndependentSize(), QSizeF(48, 48));
    EXPECT_EQ(bell->toImage(), artwork::draw(pictures::symbolSource(4), 1.0, QSize(96, 96)).toImage());
    list.setDevicePixelRatio(1.0);
    EXPECT_EQ(bell->toImage(), atOne);
}
TEST(PicturesTest, TheOtherPicturesHaveTheirSizesAndThePointersTheirHotSpots)
{
    const std::pair<QString, QSize> sizes[] = {{pictures::spinFace, {105, 50}},
                                               {pictures::source(Picture::img50bill), {155, 58}},
                                               {pictures::source(Picture::img100Bill), {600, 243}},
                                               {pictures::icon, {32, 32}},
                                               {pictures::aboutLogo, {157, 120}},
                                               {pictures::aboutIcon, {32, 32}}};
    for (const auto& [source, size] : sizes)
        EXPECT_EQ(artwork::draw(source, 1.0).size(), size) << source.toStdString();
    // Each pointer is drawn at its hot spot (the fingertip, the coin's centre)
    // and clear at a point beside it (above the fingertip, the coin's corner).
    const struct {
        QCursor pointer;
        QPoint hotSpot;
        QPoint clear;
    } pointers[] = {{pictures::spinPointer(1.0), {12, 1}, {12, 0}}, {pictures::coinSlotPointer(1.0), {16, 16}, {0, 0}}};
    for (const auto& [pointer, hotSpot, clear] : pointers) {
        EXPECT_EQ(pointer.hotSpot(), hotSpot);
        const QImage image = pointer.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(32, 32));
        EXPECT_GT(qAlpha(image.pixel(hotSpot)), 0);
        EXPECT_EQ(qAlpha(image.pixel(clear)), 0);
    }

    // Pixel art stays crisp at any ratio, every pixel drawn or clear: at a
    // whole multiple of its pixels, not smoothed out to 40 at 1.25.
    for (const qreal ratio : {1.25, 1.5, 2.0, 3.0}) {
        const QImage hand = pictures::spinPointer(ratio).pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        const int side = 32 * qRound(ratio);
        ASSERT_EQ(hand.size(), QSize(side, side)) << ratio;
        EXPECT_EQ(pixelsWithAlpha(hand, 0, side - 1, 0) + pixelsWithAlpha(hand, 0, side - 1, 255), side * side)
            << ratio;
    }
}

// A prize is stretched into its box: each is drawn for its box's proportions,
// so nothing comes out squashed.
TEST(PicturesTest, EachPrizeIsDrawnForItsBoxsProportions)
{
    const QRegularExpression viewBox(QStringLiteral("viewBox=\"0 0 ([0-9.]+) ([0-9.]+)\""));
    for (Picture prize : {Picture::imgCoins2, Picture::img50bill, Picture::img100Bill}) {
        const ControlDesign& design = designOf(controlName(prize));
        SCOPED_TRACE(design.name);
        EXPECT_EQ(design.kind, ControlKind::prize);
        QFile source(pictures::source(prize));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        const auto match = viewBox.match(QString::fromUtf8(source.readAll()));
        ASSERT_TRUE(match.hasMatch());
        const QSize box = pixelBox(design).size();
        const double drawn = match.captured(1).toDouble() / match.captured(2).toDouble();
        EXPECT_NEAR(drawn / (double(box.width()) / box.height()), 1.0, 0.05);
    }
}

// Qt's SVG renderer takes font-family as one name, not a list: a list is a
// family nobody has, and the text would come out in the desktop's default font.
TEST(PicturesTest, TextInAPictureNamesOneInstalledFamily)
{
    const QRegularExpression familyAttribute(QStringLiteral("font-family=\"([^\"]*)\""));
    for (QDirIterator source(QStringLiteral(":/art")); source.hasNext();) {
        QFile file(source.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        for (const auto& match : familyAttribute.globalMatch(QString::fromUtf8(file.readAll())))
            EXPECT_TRUE(QFontDatabase::hasFamily(match.captured(1)))
                << file.fileName().toStdString() << ": " << match.captured(1).toStdString();
    }
}

}  // namespace
}  // namespace spinzaro
