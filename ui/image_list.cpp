// Loading the pictures embedded as resources.
#include "image_list.h"

#include <stdexcept>

namespace spinzaro {

ImageList::ImageList()
{
    for (int entry = 1; entry <= count; ++entry)
        pictures_[static_cast<std::size_t>(entry - 1)] = QPixmap(pictures::symbolPath(entry));
}

const QPixmap& ImageList::picture(int entry) const
{
    if (entry < 1 || entry > count)
        throw std::out_of_range("no image-list entry " + std::to_string(entry));
    return pictures_[static_cast<std::size_t>(entry - 1)];
}

namespace pictures {

QString symbolPath(int entry)
{
    const std::string_view name = symbolName(static_cast<Symbol>(entry));
    return QStringLiteral(":/pictures/symbol_%1_%2.png")
        .arg(entry)
        .arg(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

QCursor spinPointer()
{
    return QCursor(QPixmap(QStringLiteral(":/pictures/pointer_hand.png")), 12, 1);
}
QCursor coinSlotPointer()
{
    return QCursor(QPixmap(QStringLiteral(":/pictures/pointer_coin.png")), 16, 16);
}

}  // namespace pictures

}  // namespace spinzaro
