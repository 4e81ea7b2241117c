#pragma once
// Runs a helper program of our own as a child process: the input on its stdin, its stdout
// collected, with a wall-clock time limit after which the child is killed. Safe to call from any
// thread and from several at once; needs no event loop.

#include <QByteArray>
#include <QString>
#include <chrono>

struct ChildRun {
    enum class Outcome {
        Succeeded,  // exited with status 0 within the time limit, having written at most maxOutput
        NotStarted, // no process, or no way to talk to it
        OutOfTime,  // killed at the time limit
        Failed,     // crashed, exited with another status, or wrote more
    };
    Outcome outcome;
    QByteArray output; // when it succeeded
};

ChildRun runChildProcess(const QString& program, const QByteArray& input, std::chrono::milliseconds timeLimit,
                         qsizetype maxOutput);
