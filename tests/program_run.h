// Runs the game's executable, or a program built like it, as a player's
// shell would, and keeps what it said and returned.
#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace spinzaro {

struct GameRun {
    enum class Output { pipe, full, closed };  // standard output: read, /dev/full, or closed
    struct Result {
        bool ended = false;  // within the time given
        int exitCode = -1;
        std::string error;  // trimmed
        std::string output;
    };

    // An executable beside the tests: the game by default.
    static QString programPath(const QString& name = QStringLiteral("spinzaro"));
    static QString gamePath() { return programPath(); }

    QString program = gamePath();
    // NAME=value on top of PATH, a runtime folder of its own and no sound server.
    QStringList environment;
    QStringList arguments;
    Output standardOutput = Output::pipe;
    int closedDescriptor = -1;  // closed before the program starts
    int timeoutMs = 10'000;

    // Fails the test where the program crashed or did not end in time.
    Result run() const;
};

}  // namespace spinzaro
