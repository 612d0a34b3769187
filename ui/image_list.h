// The eight symbol pictures, and the other pictures of the window.
#pragma once

#include "artwork.h"
#include "pay_table.h"

#include <QCursor>
#include <QPixmap>
#include <QString>

#include <array>

namespace spinzaro {

// Entries are addressed by 1-based index. picture(k) hands out the same
// object every time: a reel window showing entry k is recognised by it. Each
// picture is drawn from its source when first asked for, at the list's
// device pixel ratio.
class ImageList {
public:
    static constexpr int count = symbolCount;
    const QPixmap& picture(int entry) const;
    // Whether shown is entry k's own object; asks nothing to be drawn.
    bool holds(const QPixmap* shown, int entry) const { return shown == &pictures_.at(std::size_t(entry - 1)); }

    // Draws the pictures again, into the same objects, for a screen of
    // another density; the window does so between rounds only.
    void setDevicePixelRatio(qreal ratio);
    qreal devicePixelRatio() const { return ratio_; }

private:
    mutable std::array<QPixmap, count> pictures_;
    qreal ratio_ = 1.0;
};

// The sources of the remaining pictures.
namespace pictures {
inline const QString spinFace = artwork::source(QStringLiteral("spin_face"));
inline const QString icon = artwork::source(QStringLiteral("icon"));
inline const QString aboutLogo = artwork::source(QStringLiteral("about_logo"));
inline const QString aboutIcon = artwork::source(QStringLiteral("about_icon"));
QString symbolSource(int entry);
// What each image control of the game shows.
QString source(Picture picture);

// The pointing hand's fingertip, and the coin's centre.
QCursor spinPointer(qreal devicePixelRatio);
QCursor coinSlotPointer(qreal devicePixelRatio);
}  // namespace pictures

}  // namespace spinzaro
