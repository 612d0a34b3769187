// Runs the game's executable, or a program built like it, with a clean
// environment as a player's shell would, and keeps what it said and returned.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

#include <unistd.h>

namespace spinzaro {

struct GameRun {
    struct Result {
        int exitCode = -1;
        std::string error;  // trimmed
        std::string output;
    };

    // An executable beside the tests: the game by default.
    static QString programPath(const QString& name = QStringLiteral("spinzaro"))
    {
        return QDir(QCoreApplication::applicationDirPath()).filePath(name);
    }

    QString program = programPath();
    // NAME=value on top of PATH, a runtime folder of its own and no sound server.
    QStringList environment{};
    QStringList arguments{};
    bool outputToFull = false;  // standard output on /dev/full rather than read
    int closedDescriptor = -1;  // closed before the program starts

    // Fails the test where the program crashed or did not end within 10 s.
    Result run() const
    {
        const QTemporaryDir runtime;
        QProcessEnvironment variables;
        variables.insert("PATH", qEnvironmentVariable("PATH"));
        variables.insert("XDG_RUNTIME_DIR", runtime.path());
        variables.insert("PULSE_SERVER", "unix:/nonexistent");
        for (const QString& assignment : environment)
            variables.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
        QProcess game;
        game.setProcessEnvironment(variables);
        if (outputToFull)
            game.setStandardOutputFile(QStringLiteral("/dev/full"));
        if (const int closed = closedDescriptor; closed >= 0)
            game.setChildProcessModifier([closed] { ::close(closed); });
        game.start(program, arguments);
        if (!game.waitForFinished(10'000)) {
            ADD_FAILURE() << "still running after 10 s";
            game.kill();
            game.waitForFinished();
        }
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
        return {game.exitCode(), QString::fromUtf8(game.readAllStandardError()).trimmed().toStdString(),
                game.readAllStandardOutput().toStdString()};
    }
};

}  // namespace spinzaro
