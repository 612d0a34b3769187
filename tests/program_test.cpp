// The game executable itself, started without any display to open.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

namespace spinzaro {
namespace {

struct Outcome {
    int exitCode;
    bool crashed;
    QStringList errorLines;
    QByteArray output;
};

Outcome startGame(const QStringList& unset, const QStringList& set)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : unset)
        environment.remove(name);
    for (const QString& assignment : set)
        environment.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
    QProcess game;
    game.setProcessEnvironment(environment);
    game.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("spinzaro")));
    EXPECT_TRUE(game.waitForFinished(10'000));
    const QString errors = QString::fromLocal8Bit(game.readAllStandardError()).trimmed();
    return {game.exitCode(), game.exitStatus() == QProcess::CrashExit,
            errors.isEmpty() ? QStringList() : errors.split('\n'), game.readAllStandardOutput()};
}

TEST(ProgramTest, WithoutADisplayItSaysWhyInOneLineAndExitsWithAFailure)
{
    const QStringList noDisplay = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
    const Outcome none = startGame(noDisplay, {});
    EXPECT_FALSE(none.crashed);
    EXPECT_EQ(none.exitCode, 1);
    ASSERT_EQ(none.errorLines.size(), 1) << none.errorLines.join('\n').toStdString();
    EXPECT_TRUE(none.errorLines.front().contains("neither DISPLAY nor WAYLAND_DISPLAY"));
    EXPECT_TRUE(none.output.isEmpty());

    // A display named but not there: no X server listens on this number.
    const Outcome absent = startGame(noDisplay, {"DISPLAY=:93"});
    EXPECT_FALSE(absent.crashed);
    EXPECT_EQ(absent.exitCode, 1);
    ASSERT_EQ(absent.errorLines.size(), 1) << absent.errorLines.join('\n').toStdString();
    EXPECT_TRUE(absent.errorLines.front().contains("\":93\""));
}

}  // namespace
}  // namespace spinzaro
