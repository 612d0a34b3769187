// The windows' design vocabulary (boxes in twips, fonts, colours) and the
// main window's design: every control with its kind and twips rectangle.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>

#include <span>
#include <string_view>

class QWidget;

namespace spinzaro {

// The design is laid out at 12 twips per pixel.
constexpr int twipsPerPixel = 12;
constexpr int toPixels(int twips)
{
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

// A rectangle of a window's design, in twips from its client area's top left.
struct DesignBox {
    int left, top, width, height;
    QRect pixels() const;
};

// Font sizes in tenths of a point, rendered at the design's 120 pixels per
// inch so text fits its boxes whatever the screen's own resolution.
constexpr int fontPixels(int tenthsOfPoint)
{
    return (tenthsOfPoint * 120 + 360) / 720;
}
// The design's font, or the metric-compatible Liberation Sans where it is missing.
QFont designFont(const char* family, int tenthsOfPoint, QFont::Weight weight = QFont::Normal);

// Gives one role of a widget's palette a colour, in every state or in one.
void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour,
               QPalette::ColorGroup group = QPalette::All);

enum class ControlKind {
    heading,     // magenta caption, sized to its text
    displayBox,  // green on black, bordered, fixed size
    amount,      // green pay-row prize at the opening stake, grows to the right with its text
    coinSlot,
    line,         // left/top is one end, width/height the offset to the other
    outline,      // rectangle outline
    filledFrame,  // rectangle outline over a black fill
    reelWindow,
    picture,  // shown at its own size
    prize,    // stretched to its box
    spinButton,
    quitButton,
};

struct ControlDesign {
    const char* name;
    ControlKind kind;
    DesignBox box;
    const char* caption = "";
    QRgb colour = 0;    // outline or line colour
    int lineWidth = 1;  // pixels
};

// The control's widget rectangle in pixels. A line's reaches lineMargin
// pixels above and below its stroke, which is lineWidth pixels high.
constexpr int lineMargin = 1;
QRect pixelBox(const ControlDesign& design);

// In stacking order, bottom first: the black ground, the frame outlines, the
// reels above them, then the rest.
std::span<const ControlDesign> mainWindowDesign();
// The design of the main window's control of that name.
const ControlDesign& designOf(std::string_view name);

// Client area and colours of the main window.
constexpr int clientWidthTwips = 5436;
constexpr int clientHeightTwips = 5508;
inline const QColor backgroundColour{0, 0, 192};
inline const QColor headingColour{255, 0, 255};
inline const QColor amountColour{0, 255, 0};
inline const QColor coinSlotColour{64, 64, 64};
inline const QColor quitFaceColour{192, 0, 192};
inline const QColor quitEdgeColour{224, 112, 224};  // lighter and darker for the bevel
inline const QColor quitDisabledTextColour{128, 64, 128};
inline const QColor boxGroundColour{Qt::black};  // of display boxes and the reels' frame

}  // namespace spinzaro
