// Runs the window tests headless, on Qt's offscreen platform.
#include "identity.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(spinzaro::identity::title));
    QApplication::setApplicationVersion(QString::fromUtf8(spinzaro::identity::version));
    return RUN_ALL_TESTS();
}
