// The windows' design vocabulary, and the main window's design table.
#include "design.h"

#include <QWidget>

#include <array>
#include <stdexcept>
#include <string>

namespace spinzaro {

QRect DesignBox::pixels() const
{
    const int x = toPixels(left);
    const int y = toPixels(top);
    return {x, y, toPixels(left + width) - x, toPixels(top + height) - y};
}

QFont designFont(const char* family, int tenthsOfPoint, QFont::Weight weight)
{
    QFont font;
    font.setFamilies({QString::fromLatin1(family), QStringLiteral("Liberation Sans")});
    font.setPixelSize(fontPixels(tenthsOfPoint));
    font.setWeight(weight);
    return font;
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour, QPalette::ColorGroup group)
{
    QPalette palette = widget->palette();
    palette.setColor(group, role, colour);
    widget->setPalette(palette);
}

QRect pixelBox(const ControlDesign& design)
{
    const QRect box = design.box.pixels();
    return design.kind == ControlKind::line
               ? QRect(box.left(), box.top() - lineMargin, box.width(), design.lineWidth + 2 * lineMargin)
               : box;
}

namespace {

using K = ControlKind;

const std::array designs = std::to_array<ControlDesign>({
    {"Shape5", K::filledFrame, {450, 900, 4425, 1005}, "", qRgb(128, 0, 128)},
    {"Shape1", K::outline, {390, 840, 4545, 1125}, "", qRgb(255, 0, 255)},
    {"Shape2", K::outline, {420, 870, 4485, 1065}, "", qRgb(192, 0, 192)},
    {"Shape3", K::outline, {480, 930, 4350, 945}, "", qRgb(64, 0, 64), 8},
    {"imgSpinPix_0", K::reelWindow, {690, 1020, 765, 765}},
    {"imgSpinPix_1", K::reelWindow, {2190, 1020, 765, 765}},
    {"imgSpinPix_2", K::reelWindow, {3780, 1020, 765, 765}},

    {"Label4", K::heading, {720, 30, 825, 225}, QT_TRANSLATE_NOOP("Form1", "Winnings")},
    {"lbWin", K::displayBox, {480, 240, 1275, 315}},
    {"Line1", K::line, {1800, 390, 195, 0}, "", qRgb(255, 0, 255)},
    {"Label5", K::heading, {2505, 30, 405, 225}, QT_TRANSLATE_NOOP("Form1", "Bets")},
    {"lbBet", K::displayBox, {2040, 240, 1275, 315}},
    {"Line2", K::line, {3390, 360, 195, 0}, "", qRgb(255, 0, 255)},
    {"Line3", K::line, {3390, 450, 195, 0}, "", qRgb(255, 0, 255)},
    {"Label6", K::heading, {3945, 30, 705, 225}, QT_TRANSLATE_NOOP("Form1", "Balance")},
    {"lbAhead", K::displayBox, {3660, 240, 1275, 315}},

    {"imgMenu", K::picture, {276, 2196, 600, 2400}},
    // The pay rows' prizes, top to bottom, captioned from the pay table; element 1 belongs to no row.
    {"lbAmount_0", K::amount, {900, 2124, 480, 240}},
    {"lbAmount_2", K::amount, {900, 2424, 480, 240}},
    {"lbAmount_3", K::amount, {900, 2760, 588, 240}},
    {"lbAmount_1", K::amount, {900, 3156, 372, 240}},
    {"lbAmount_4", K::amount, {900, 3216, 588, 240}},
    {"lbAmount_5", K::amount, {900, 3660, 588, 240}},
    {"lbAmount_6", K::amount, {900, 4020, 588, 240}},
    {"lbAmount_7", K::amount, {900, 4368, 696, 240}},
    {"imgCoins2", K::prize, {1740, 3600, 1305, 1485}},
    {"img50bill", K::prize, {816, 4272, 2496, 936}},
    {"img100Bill", K::prize, {480, 3072, 3252, 1272}},

    {"Label2", K::heading, {4380, 2070, 315, 225}, QT_TRANSLATE_NOOP("Form1", "Bet")},
    {"lbSpinBet", K::displayBox, {4260, 2280, 585, 285}},
    {"Label1", K::heading, {4170, 2820, 765, 225}, QT_TRANSLATE_NOOP("Form1", "Coin Slot")},
    {"lbCoinSlot", K::coinSlot, {4230, 3060, 645, 105}},
    {"cmdSpin", K::spinButton, {3864, 3552, 1356, 660}},
    {"cmdQuit", K::quitButton, {4050, 4950, 1065, 345}, QT_TRANSLATE_NOOP("Form1", "&Quit")},
});

}  // namespace

std::span<const ControlDesign> mainWindowDesign()
{
    return designs;
}

const ControlDesign& designOf(std::string_view name)
{
    for (const ControlDesign& design : designs)
        if (design.name == name)
            return design;
    throw std::out_of_range("the design has no control named " + std::string(name));
}

}  // namespace spinzaro
