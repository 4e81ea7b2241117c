#pragma once
// Runs a helper program of our own as a child process: the input on its stdin, its stdout
// collected, with a wall-clock time limit after which the child is killed. Safe to call from any
// thread and from several at once; needs no event loop.

#include <QByteArray>
#include <QString>
#include <chrono>
#include <optional>

// The child's output when it exited with status 0 within the time limit and wrote at most
// maxOutput bytes; nothing when it could not start, crashed, failed, wrote more or ran too long.
std::optional<QByteArray> runChildProcess(const QString& program, const QByteArray& input,
                                          std::chrono::milliseconds timeLimit, qsizetype maxOutput);
