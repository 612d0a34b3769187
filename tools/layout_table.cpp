// Prints the main window's design in pixels, for scripts that click the game:
// "client 0 0 WIDTH HEIGHT" first, then "NAME X Y WIDTH HEIGHT" a control a
// line, in client-area coordinates.
#include "design.h"

#include <cstdio>

int main()
{
    using namespace spinzaro;
    std::printf("client 0 0 %d %d\n", toPixels(clientWidthTwips), toPixels(clientHeightTwips));
    for (const ControlDesign& design : mainWindowDesign()) {
        const QRect box = pixelBox(design);
        std::printf("%s %d %d %d %d\n", design.name, box.x(), box.y(), box.width(), box.height());
    }
    return 0;
}
