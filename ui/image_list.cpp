// The symbol pictures, drawn from their sources when first needed.
#include "image_list.h"

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

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

namespace {

// The SVG file of each image control, by its name without ".svg".
constexpr auto imageControlSources = std::to_array<std::pair<Picture, const char*>>({
    {Picture::imgMenu, "paytable"},
    {Picture::imgCoins2, "coins"},
    {Picture::img50bill, "bill50"},
    {Picture::img100Bill, "bill100"},
});

}  // namespace

QString source(Picture picture)
{
    for (const auto& [control, file] : imageControlSources)
        if (control == picture)
            return artwork::source(QString::fromLatin1(file));
    throw std::out_of_range("no picture for image control " + std::string(controlName(picture)));
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
