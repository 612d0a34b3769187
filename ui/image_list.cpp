// The symbol pictures, drawn from their sources when first needed.
#include "image_list.h"

#include <QCoreApplication>

#include <array>
#include <stdexcept>
#include <string>

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

struct PictureFacts {
    Picture picture;
    const char* source;  // the SVG file's name without ".svg"
    const char* words;
};

constexpr auto imageControlPictures = std::to_array<PictureFacts>({
    {Picture::imgMenu, "paytable", QT_TRANSLATE_NOOP("Spoken", "pay table")},
    {Picture::imgCoins2, "coins", QT_TRANSLATE_NOOP("Spoken", "coins")},
    {Picture::img50bill, "bill50", QT_TRANSLATE_NOOP("Spoken", "fifty-dollar bill")},
    {Picture::img100Bill, "bill100", QT_TRANSLATE_NOOP("Spoken", "hundred-dollar bill")},
});

const PictureFacts& factsOf(Picture picture)
{
    for (const PictureFacts& facts : imageControlPictures)
        if (facts.picture == picture)
            return facts;
    throw std::out_of_range("no picture for image control " + std::string(controlName(picture)));
}

}  // namespace

QString source(Picture picture)
{
    return artwork::source(QString::fromLatin1(factsOf(picture).source));
}

QString words(Picture picture)
{
    return QCoreApplication::translate("Spoken", factsOf(picture).words);
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
