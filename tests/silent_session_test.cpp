// Without its wave files, or without any audio device, the game plays
// exactly as with them.
#include "window_fixture.h"

#include <QFile>
#include <QTemporaryDir>

namespace spinzaro {
namespace {

// A fixed session: stakes, a loss, a win with its pause, a top win. Returns
// the tallies after each evaluation and each pause.
std::vector<QStringList> playSession(const std::string& cueFolder)
{
    PlayedWindow game(cueFolder);
    std::vector<QStringList> seen;
    const auto note = [&](bool done) {
        seen.push_back({done ? "" : "stalled", game.caption("lbSpinBet"), game.caption("lbBet"), game.caption("lbWin"),
                        game.caption("lbAhead")});
    };
    for (Symbol symbol : {Symbol::emblem, Symbol::bell, Symbol::cherries, Symbol::emblem}) {
        game.click("lbCoinSlot");
        game.spinOnto(symbol);
        note(game.waitForEvaluation());
        note(game.waitForSpin());
    }
    EXPECT_EQ(game.controls->cues.size(), 4U * 2 + 2 * 2);
    return seen;
}

TEST(SilentSession, MissingWaveFilesChangeNothing)
{
    // Empty and broken files are the wave reader's own tests' business.
    const std::vector<QStringList> withSound = playSession({});
    ASSERT_EQ(withSound.back(), QStringList({"", "$5.00", "$14.00", "$490.00", "$476.00"}));
    const QTemporaryDir missing;
    EXPECT_EQ(playSession(QFile::encodeName(missing.path()).toStdString()), withSound);
}

}  // namespace
}  // namespace spinzaro
