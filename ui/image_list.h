// The eight symbol pictures, and the other pictures of the window.
#pragma once

#include "pay_table.h"

#include <QCursor>
#include <QPixmap>
#include <QString>

#include <array>

namespace spinzaro {

// Entries are addressed by 1-based index. picture(k) hands out the same
// object every time: a reel window showing entry k is recognised by it.
class ImageList {
public:
    ImageList();
    static constexpr int count = symbolCount;
    const QPixmap& picture(int entry) const;

private:
    std::array<QPixmap, count> pictures_;
};

// Resource paths and loaders of the remaining pictures.
namespace pictures {
inline const QString payTable = QStringLiteral(":/pictures/paytable.png");
inline const QString spinFace = QStringLiteral(":/pictures/spin_face.png");
inline const QString coins = QStringLiteral(":/pictures/coins.svg");
inline const QString bill50 = QStringLiteral(":/pictures/bill50.png");
inline const QString bill100 = QStringLiteral(":/pictures/bill100.png");
inline const QString icon = QStringLiteral(":/pictures/icon.png");
inline const QString aboutLogo = QStringLiteral(":/pictures/about_logo.png");
inline const QString aboutIcon = QStringLiteral(":/pictures/about_icon.png");
QString symbolPath(int entry);

// The pointing hand's fingertip, and the coin's centre.
QCursor spinPointer();
QCursor coinSlotPointer();
}  // namespace pictures

}  // namespace spinzaro
