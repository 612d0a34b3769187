// The game for the screen reader test: the real window, in the desktop's
// language, with reels that stop on a script of one symbol per Spin press.
#include "fake_window.h"
#include "form1.h"
#include "identity.h"
#include "translations.h"

#include <QApplication>
#include <QPushButton>

namespace {

// The round's symbol on every reel, rounds counted by Spin presses.
class RoundScript : public spinzaro::RandomSource {
public:
    explicit RoundScript(std::vector<spinzaro::Symbol> rounds) : rounds_(std::move(rounds)) {}
    void seedFromClock() override {}
    float next() override { return spinzaro::testkit::drawFor(rounds_.at(round % rounds_.size())); }
    std::size_t round = 0;

private:
    std::vector<spinzaro::Symbol> rounds_;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(spinzaro::identity::title));
    QApplication::setApplicationVersion(QString::fromUtf8(spinzaro::identity::version));
    spinzaro::installTranslation();
    using spinzaro::Symbol;
    auto* script = new RoundScript({Symbol::emblem, Symbol::emblem, Symbol::bell});
    spinzaro::Form1 window{std::unique_ptr<spinzaro::RandomSource>(script)};
    // After the game's own handler, which only starts the reels.
    QObject::connect(window.findChild<QPushButton*>(QStringLiteral("cmdSpin")), &QPushButton::clicked,
                     [script] { ++script->round; });
    QObject::connect(&window, &spinzaro::Form1::programEnded, &application, &QApplication::quit);
    window.show();
    return QApplication::exec();
}
