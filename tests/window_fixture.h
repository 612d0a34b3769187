// The real main window on a scripted random source, and helpers to play it.
#pragma once

#include "fake_window.h"
#include "form1.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace spinzaro {

using testing::ScriptedRandom;

// The real window, with its cues noted before they are played.
class RecordingForm1 : public Form1 {
public:
    explicit RecordingForm1(ScriptedRandom*& random) : Form1(makeRandom(random)) {}
    void playWave(const std::string& path) override
    {
        if (const auto cue = testing::cueAt(applicationFolder(), path))
            cues.push_back(*cue);
        Form1::playWave(path);
    }
    std::string applicationFolder() const override
    {
        return cueFolder.empty() ? Form1::applicationFolder() : cueFolder;
    }
    std::vector<Cue> cues;
    std::string cueFolder;  // where the cues are looked for, if not beside the executable

private:
    static std::unique_ptr<RandomSource> makeRandom(ScriptedRandom*& random)
    {
        auto owned = std::make_unique<ScriptedRandom>();
        random = owned.get();
        return owned;
    }
};

// The real window, shown, with scripted reels, and a player's hands on it.
struct PlayedWindow {
    explicit PlayedWindow(const std::string& cueFolder = {}) : window(random)
    {
        window.cueFolder = cueFolder;
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <typename T = QWidget>
    T* control(const char* name) const
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QString caption(const char* name) const { return control<QLabel>(name)->text(); }
    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }

    // Every reel draw lands on the symbol, whatever order the ticks come in.
    void spinOnto(Symbol symbol)
    {
        random->script({testing::drawFor(symbol)});
        click("cmdSpin");
    }

    bool evaluated() const { return !window.machine().reelsTurning(); }

    ScriptedRandom* random = nullptr;
    RecordingForm1 window;
};

class Form1Test : public ::testing::Test, public PlayedWindow {};

}  // namespace spinzaro
