// Renders the window icon's SVG source into the PNG sizes a desktop's icon
// theme looks for, at build time, so no picture tool is needed to build.
//   render_icons SOURCE.svg OUTPUT_FOLDER SIZE...
// writes OUTPUT_FOLDER/SIZExSIZE/spinzaro.png for each size.
#include "artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: render_icons SOURCE.svg OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    for (int at = 3; at < argc; ++at) {
        const int size = QByteArray(argv[at]).toInt();
        const QImage image = spinzaro::artwork::render(source, 1.0, QSize(size, size));
        const QString folder = QStringLiteral("%1/%2x%2").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (image.isNull() || !QDir().mkpath(folder) || !image.save(folder + QStringLiteral("/spinzaro.png")))
            return 1;
    }
    return 0;
}
