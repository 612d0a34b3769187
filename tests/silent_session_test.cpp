// Without usable wave files, or without any audio device, the game plays
// exactly as with them, and says nothing.
#include "window_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

namespace spinzaro {
namespace {

const char* const cueFiles[] = {"Spin.wav", "CoinSlot.wav", "slotbell2.wav", "Police2.wav", "CoinsWin.wav"};

// Everything written to standard output and standard error meanwhile.
class CapturedOutput {
public:
    CapturedOutput() : file_(std::tmpfile())
    {
        std::fflush(stdout);
        std::fflush(stderr);
        savedOut_ = dup(1);
        savedErr_ = dup(2);
        dup2(fileno(file_), 1);
        dup2(fileno(file_), 2);
    }
    ~CapturedOutput()
    {
        restore();
        std::fclose(file_);
    }
    // Less the offscreen platform's own remark on showing a window.
    std::string text()
    {
        restore();
        std::string captured;
        std::rewind(file_);
        for (int c = std::fgetc(file_); c != EOF; c = std::fgetc(file_))
            captured += static_cast<char>(c);
        const std::string platformRemark = "This plugin does not support propagateSizeHints()\n";
        for (auto at = captured.find(platformRemark); at != std::string::npos; at = captured.find(platformRemark))
            captured.erase(at, platformRemark.size());
        return captured;
    }

private:
    void restore()
    {
        if (savedOut_ < 0)
            return;
        std::fflush(stdout);
        std::fflush(stderr);
        dup2(savedOut_, 1);
        dup2(savedErr_, 2);
        close(savedOut_);
        close(savedErr_);
        savedOut_ = savedErr_ = -1;
    }
    std::FILE* file_;
    int savedOut_ = -1;
    int savedErr_ = -1;
};

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
    for (int symbol : {Symbol::emblem, Symbol::bell, Symbol::cherries, Symbol::emblem}) {
        game.click("lbCoinSlot");
        game.spinOnto(symbol);
        EXPECT_TRUE(waitFor([&] { return game.evaluated(); }));
        note();
        EXPECT_TRUE(waitFor([&] { return game.control("cmdSpin")->isEnabled(); }));
        note();
    }
    EXPECT_EQ(game.window.cues.size(), 4U * 2 + 2 * 2);
    return seen;
}

std::string folderOf(const QTemporaryDir& folder)
{
    return QFile::encodeName(folder.path()).toStdString();
}

TEST(SilentSession, MissingEmptyOrGarbageWaveFilesChangeNothingAndPrintNothing)
{
    CapturedOutput soundOutput;
    const std::vector<std::string> withSound = playSession({});
    EXPECT_EQ(soundOutput.text(), "");
    ASSERT_EQ(withSound.back(), "$5.00 $14.00 $490.00 $476.00");

    QTemporaryDir missing, empty, garbage;
    for (const char* name : cueFiles) {
        QFile emptyFile(QDir(empty.path()).filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(emptyFile.open(QIODevice::WriteOnly));
        QFile garbageFile(QDir(garbage.path()).filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(garbageFile.open(QIODevice::WriteOnly));
        static const char garbageBytes[] = "RIFF\xff\xff\xff\x7fWAVEfmt garbage that is no wave at all";
        garbageFile.write(garbageBytes, sizeof garbageBytes - 1);
    }
    for (const QTemporaryDir* folder : {&missing, &empty, &garbage}) {
        CapturedOutput output;
        const std::vector<std::string> withoutSound = playSession(folderOf(*folder));
        EXPECT_EQ(output.text(), "") << folder->path().toStdString();
        EXPECT_EQ(withoutSound, withSound) << folder->path().toStdString();
    }
}

}  // namespace
}  // namespace spinzaro
