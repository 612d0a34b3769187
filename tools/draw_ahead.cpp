// Draws a picture of the first frame at the usual screen scales when the
// game is built, so that the game's first frame need not read its SVG.
//   draw_ahead OUTPUT_FOLDER NAME PERCENT...
// writes the copies that artwork::draw() looks for, one per scale.
#include "artwork.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

using namespace spinzaro;

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");  // for the fonts of a picture's text
    const QGuiApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: draw_ahead OUTPUT_FOLDER NAME PERCENT...\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString source = artwork::source(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(folder))
        return 1;
    for (int at = 3; at < argc; ++at) {
        const qreal ratio = QByteArray(argv[at]).toDouble() / 100;
        const QImage image = artwork::render(source, ratio);
        QFile out(folder + QLatin1Char('/') + QFileInfo(artwork::drawnAheadPath(source, ratio)).fileName());
        if (image.isNull() || !out.open(QIODevice::WriteOnly) || out.write(artwork::packed(image)) < 0) {
            std::fprintf(stderr, "draw_ahead: cannot draw %s at %s %%\n", argv[2], argv[at]);
            return 1;
        }
    }
    return 0;
}
