// The real main window on a scripted random source, and helpers to play it.
#pragma once

#include "fake_window.h"
#include "form1.h"

#include <QDir>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace spinzaro {

using testkit::ScriptedRandom;

// The languages the game carries, as the build embedded them ("de").
inline std::vector<std::string> shippedLanguages()
{
    std::vector<std::string> languages;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("spinzaro_*.qm")}))
        languages.push_back(file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0).toStdString());
    return languages;
}

// The real window, shown, with scripted reels, and a player's hands on it.
struct PlayedWindow {
    // The window owns the random source and the operations; the fixture keeps pointers to them.
    PlayedWindow()
        : window(std::unique_ptr<ScriptedRandom>(random = new ScriptedRandom),
                 std::unique_ptr<QtWindowOperations>(operations = new QtWindowOperations))
    {
        QObject::connect(operations, &QtWindowOperations::waveRequested,
                         [this](const std::string& path) { cues.push_back(path.substr(path.find_last_of('/') + 1)); });
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
    bool enabled(const char* name) const { return control(name)->isEnabled(); }
    bool visible(const char* name) const { return control(name)->isVisible(); }
    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }

    // Every reel draw lands on the symbol, whatever order the ticks come in.
    void spinOnto(Symbol symbol)
    {
        random->script({testkit::drawFor(symbol)});
        click("cmdSpin");
    }

    bool evaluated() const { return !window.machine().reelsTurning(); }
    // Waits, with the events running, until the round has been evaluated.
    bool waitForEvaluation() const
    {
        return QTest::qWaitFor([this] { return evaluated(); });
    }
    // Waits until Spin takes clicks again, as after the pause that follows a win.
    bool waitForSpin() const
    {
        return QTest::qWaitFor([this] { return enabled("cmdSpin"); });
    }

    ScriptedRandom* random = nullptr;
    QtWindowOperations* operations = nullptr;
    std::vector<std::string> cues;  // the wave files asked for, by name
    Form1 window;
};

class Form1Test : public ::testing::Test, public PlayedWindow {};

}  // namespace spinzaro
