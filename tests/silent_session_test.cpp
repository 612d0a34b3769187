// Without its wave files, or without any audio device, the game plays
// exactly as with them.
#include "window_fixture.h"

#include <QFile>
#include <QTemporaryDir>

namespace spinzaro {
namespace {

// A fixed session: stakes, a loss, a win with its pause, a top win. Returns
// what the tallies showed after each evaluation and each pause.
std::vector<std::string> playSession(const std::string& cueFolder)
{
    PlayedWindow game(cueFolder);
    std::vector<std::string> seen;
    const auto note = [&] {
        seen.push_back((game.caption("lbSpinBet") + " " + game.caption("lbBet") + " " + game.caption("lbWin") + " " +
                        game.caption("lbAhead"))
                           .toStdString());
    };
    for (Symbol symbol : {Symbol::emblem, Symbol::bell, Symbol::cherries, Symbol::emblem}) {
        game.click("lbCoinSlot");
        game.spinOnto(symbol);
        EXPECT_TRUE(game.waitForEvaluation());
        note();
        EXPECT_TRUE(game.waitForSpin());
        note();
    }
    EXPECT_EQ(game.controls->cues.size(), 4U * 2 + 2 * 2);
    return seen;
}

TEST(SilentSession, MissingWaveFilesChangeNothing)
{
    // Empty and broken files are the wave reader's own tests' business.
    const std::vector<std::string> withSound = playSession({});
    ASSERT_EQ(withSound.back(), "$5.00 $14.00 $490.00 $476.00");
    const QTemporaryDir missing;
    EXPECT_EQ(playSession(QFile::encodeName(missing.path()).toStdString()), withSound);
}

}  // namespace
}  // namespace spinzaro
