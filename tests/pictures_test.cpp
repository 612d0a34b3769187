// The pictures and wave files the game ships, as the window will use them.
#include "image_list.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace spinzaro {
namespace {

int opaquePixelsInRows(const QImage& image, int firstRow, int lastRow)
{
    int opaque = 0;
    for (int y = firstRow; y <= lastRow; ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
    return opaque;
}

bool fullyTransparentRows(const QImage& image, int firstRow, int lastRow)
{
    for (int y = firstRow; y <= lastRow; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

TEST(ImageListTest, HoldsEightPicturesThatKeepTheirIdentityAndSize)
{
    const ImageList list;
    for (int entry = 1; entry <= ImageList::count; ++entry) {
        SCOPED_TRACE(entry);
        const QPixmap& picture = list.picture(entry);
        EXPECT_EQ(&picture, &list.picture(entry));
        EXPECT_EQ(picture.size(), QSize(entry == 7 ? 47 : 48, 48));
        for (int other = 1; other < entry; ++other)
            EXPECT_NE(picture.toImage(), list.picture(other).toImage()) << "same as entry " << other;
    }
    EXPECT_THROW(list.picture(0), std::out_of_range);
    EXPECT_THROW(list.picture(9), std::out_of_range);
}

TEST(ImageListTest, OnlyTheSingleBarIsTransparentAboveAndBelowItsPlate)
{
    const ImageList list;
    const QImage singleBar = list.picture(1).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_TRUE(fullyTransparentRows(singleBar, 0, 5));
    EXPECT_TRUE(fullyTransparentRows(singleBar, 42, 47));
    EXPECT_GT(opaquePixelsInRows(singleBar, 20, 27), 8 * 40);
    for (int entry = 2; entry <= ImageList::count; ++entry) {
        const QImage image = list.picture(entry).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(opaquePixelsInRows(image, 0, image.height() - 1), image.width() * image.height()) << entry;
    }
}

TEST(PicturesTest, ThePayTableHoldsEachSymbolInsideItsBandOnATransparentGround)
{
    const QImage table = QImage(pictures::payTable).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(table.size(), QSize(50, 200));
    const std::vector<std::pair<int, int>> bands = {{0, 13},    {19, 33},   {41, 69},  {78, 114},
                                                    {121, 140}, {145, 170}, {171, 197}};
    int previousEnd = -1;
    for (const auto& [first, last] : bands) {
        EXPECT_GT(opaquePixelsInRows(table, first, last), 5 * (last - first + 1)) << "band " << first;
        if (first > previousEnd + 1) {
            EXPECT_TRUE(fullyTransparentRows(table, previousEnd + 1, first - 1)) << "gap before " << first;
        }
        previousEnd = last;
    }
    EXPECT_TRUE(fullyTransparentRows(table, 198, 199));
}

TEST(PicturesTest, TheOtherPicturesHaveTheirSizesAndThePointersTheirHotSpots)
{
    EXPECT_EQ(QImage(pictures::spinFace).size(), QSize(105, 50));
    EXPECT_EQ(QImage(pictures::bill50).size(), QSize(132, 58));
    EXPECT_EQ(QImage(pictures::bill100).size(), QSize(600, 243));
    EXPECT_EQ(QImage(pictures::icon).size(), QSize(32, 32));
    EXPECT_EQ(QImage(pictures::aboutLogo).size(), QSize(157, 120));
    EXPECT_EQ(QImage(pictures::aboutIcon).size(), QSize(32, 32));

    QSvgRenderer coins(pictures::coins);
    ASSERT_TRUE(coins.isValid());
    const double ratio = coins.viewBoxF().width() / coins.viewBoxF().height();
    EXPECT_NEAR(ratio, 1.25, 0.1);

    const QCursor hand = pictures::spinPointer();
    EXPECT_EQ(hand.hotSpot(), QPoint(12, 1));
    const QImage handImage = hand.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(handImage.size(), QSize(32, 32));
    // The hot spot is the fingertip: drawn there, nothing above it.
    EXPECT_GT(qAlpha(handImage.pixel(12, 1)), 0);
    EXPECT_EQ(qAlpha(handImage.pixel(12, 0)), 0);

    const QCursor coin = pictures::coinSlotPointer();
    EXPECT_EQ(coin.hotSpot(), QPoint(16, 16));
    const QImage coinImage = coin.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(coinImage.size(), QSize(32, 32));
    EXPECT_GT(qAlpha(coinImage.pixel(16, 16)), 0);
    EXPECT_EQ(qAlpha(coinImage.pixel(0, 0)), 0);
}

}  // namespace
}  // namespace spinzaro
