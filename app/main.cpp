// Entry point: the application, its identity, the main window.
#include "form1.h"
#include "identity.h"
#include "platform_start.h"

int main(int argc, char* argv[])
{
    const auto application = spinzaro::startApplication(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(spinzaro::identity::title));
    QApplication::setApplicationVersion(QString::fromUtf8(spinzaro::identity::version));

    spinzaro::Form1 window;
    QObject::connect(&window, &spinzaro::Form1::programEnded, application.get(), &QApplication::quit);
    window.show();
    return QApplication::exec();
}
