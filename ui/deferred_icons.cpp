// A stock icon that asks the style for its pictures when first painted.
#include "deferred_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>

#include <optional>

namespace spinzaro {
namespace {

class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    // An engine is asked in device pixels; a QIcon in logical ones.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap((QSizeF(size) / scale).toSize(), scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(style_, which_); }
    QString key() const override { return QStringLiteral("spinzaro-deferred"); }

private:
    const QIcon& icon()
    {
        if (!icon_)
            icon_ = style_ ? style_->standardIcon(which_) : QIcon();
        return *icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    std::optional<QIcon> icon_;
};

}  // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const
{
    // What an option or a widget says holds only for this call.
    if (option != nullptr)
        return QProxyStyle::standardIcon(which, option, widget);
    return QIcon(new DeferredIconEngine(baseStyle(), which));
}

}  // namespace spinzaro
