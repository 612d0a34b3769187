// The symbol pictures, drawn from their sources when first needed.
#include "image_list.h"

#include <stdexcept>

namespace spinzaro {

const QPixmap& ImageList::picture(int entry) const
{
    if (entry < 1 || entry > count)
        throw std::out_of_range("no image-list entry " + std::to_string(entry));
    QPixmap& picture = pictures_[static_cast<std::size_t>(entry - 1)];
    // Nobody sees a symbol before the first Spin: start-up need not draw them.
    if (picture.isNull())
        picture = artwork::draw(pictures::symbolSource(entry), ratio_);
    return picture;
}

void ImageList::setDevicePixelRatio(qreal ratio)
{
    ratio_ = ratio;
    for (std::size_t index = 0; index < pictures_.size(); ++index)
        if (!pictures_[index].isNull())
            pictures_[index] = artwork::draw(pictures::symbolSource(static_cast<int>(index) + 1), ratio_);
}

namespace pictures {

QString symbolSource(int entry)
{
    const std::string_view name = symbolName(static_cast<Symbol>(entry));
    return artwork::source(QStringLiteral("symbol_%1_%2")
                               .arg(entry)
                               .arg(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))));
}

const QString& source(Picture picture)
{
    static const std::array sources = {payTable, coins, bill50, bill100};
    return sources.at(static_cast<std::size_t>(picture));
}

QCursor spinPointer(qreal devicePixelRatio)
{
    return artwork::pointer(artwork::source(QStringLiteral("pointer_hand")), QPoint(12, 1), devicePixelRatio);
}

QCursor coinSlotPointer(qreal devicePixelRatio)
{
    return artwork::pointer(artwork::source(QStringLiteral("pointer_coin")), QPoint(16, 16), devicePixelRatio);
}

}  // namespace pictures

}  // namespace spinzaro
