// Runs a program with a clean environment, as the player's shell would.
#include "program_run.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace spinzaro {

QString GameRun::programPath(const QString& name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

GameRun::Result GameRun::run() const
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
    if (standardOutput == Output::full)
        game.setStandardOutputFile(QStringLiteral("/dev/full"));
    const int closed = standardOutput == Output::closed ? STDOUT_FILENO : closedDescriptor;
    if (closed >= 0)
        game.setChildProcessModifier([closed] { ::close(closed); });
    game.start(program, arguments);
    Result result;
    result.ended = game.waitForFinished(timeoutMs);
    EXPECT_TRUE(result.ended) << "still running after " << timeoutMs << " ms";
    if (!result.ended) {
        game.kill();
        game.waitForFinished();
    }
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    result.exitCode = game.exitCode();
    result.error = QString::fromUtf8(game.readAllStandardError()).trimmed().toStdString();
    result.output = game.readAllStandardOutput().toStdString();
    return result;
}

}  // namespace spinzaro
