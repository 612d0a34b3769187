// The desktop's own style, with its stock icons read only when one is shown.
#pragma once

#include <QProxyStyle>

namespace spinzaro {

// Qt reads a stock icon as a picture file, and the first such read loads
// every image-format plugin. The menu bar asks for one at construction for
// an overflow button that a window of fixed size never shows.
class DeferredIconStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override;
};

}  // namespace spinzaro
