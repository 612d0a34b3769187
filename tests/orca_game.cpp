// The game for the screen reader test: the real window, in the desktop's
// language, with reels that stop on a script of one symbol per Spin press.
#include "fake_window.h"
#include "form1.h"
#include "identity.h"
#include "translations.h"

#include <QApplication>
#include <QPushButton>

#include <vector>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(spinzaro::identity::title));
    QApplication::setApplicationVersion(QString::fromUtf8(spinzaro::identity::version));
    spinzaro::installTranslation();
    using spinzaro::Symbol;
    using spinzaro::testkit::drawFor;
    const std::vector rounds = {drawFor(Symbol::emblem), drawFor(Symbol::emblem), drawFor(Symbol::bell)};
    auto* random = new spinzaro::testkit::ScriptedRandom({rounds.front()});
    spinzaro::Form1 window{std::unique_ptr<spinzaro::RandomSource>(random)};
    // After the game's own handler, which only starts the reels: the symbol of the round it started.
    std::size_t round = 0;
    QObject::connect(window.findChild<QPushButton*>(QStringLiteral("cmdSpin")), &QPushButton::clicked,
                     [&] { random->script({rounds.at(++round % rounds.size())}); });
    QObject::connect(&window, &spinzaro::Form1::programEnded, &application, &QApplication::quit);
    window.show();
    return QApplication::exec();
}
