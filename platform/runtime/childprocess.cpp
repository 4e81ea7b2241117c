#include "childprocess.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {
using Clock = std::chrono::steady_clock;

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { reset(); }
    int get() const { return m_fd; }
    void reset() {
        if (m_fd >= 0) close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
};

// The child, killed and reaped unless it was reaped already.
class Child {
public:
    explicit Child(pid_t pid) : m_pid(pid) {}
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() {
        if (m_pid <= 0) return;
        kill(m_pid, SIGKILL);
        int status = 0;
        while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    // How the child ended, waiting for it until the deadline.
    ChildRun::Outcome end(Clock::time_point deadline) {
        for (;;) {
            int status = 0;
            const pid_t done = waitpid(m_pid, &status, WNOHANG);
            if (done == m_pid) {
                m_pid = 0;
                return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ChildRun::Outcome::Succeeded
                                                                     : ChildRun::Outcome::Failed;
            }
            if (done < 0 && errno != EINTR) return ChildRun::Outcome::NotStarted;
            if (Clock::now() >= deadline) return ChildRun::Outcome::OutOfTime;
            // It has closed its output; exiting takes it a moment.
            poll(nullptr, 0, 1);
        }
    }

private:
    pid_t m_pid;
};

// Starts the program with one end of a socket pair as its stdin and stdout and stderr
// discarded. A socket rather than pipes: writing to a child that died must not raise SIGPIPE.
pid_t spawn(const QString& program, int childEnd) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, childEnd, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, childEnd, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    // The calling thread may block or ignore signals; the child starts with the defaults.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    const QByteArray path = program.toLocal8Bit();
    char* argv[] = {const_cast<char*>(path.constData()), nullptr};
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, path.constData(), &actions, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return failed ? 0 : pid;
}

int millisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return int(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}
} // namespace

ChildRun runChildProcess(const QString& program, const QByteArray& input, std::chrono::milliseconds timeLimit,
                         qsizetype maxOutput) {
    using Outcome = ChildRun::Outcome;
    const Clock::time_point deadline = Clock::now() + timeLimit;
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0)
        return {Outcome::NotStarted, {}};
    Descriptor ours(ends[0]);
    Descriptor theirs(ends[1]);
    // The child's end is blocking: the helper reads and writes it as plain files.
    fcntl(theirs.get(), F_SETFL, fcntl(theirs.get(), F_GETFL) & ~O_NONBLOCK);
    const pid_t pid = spawn(program, theirs.get());
    if (pid <= 0) return {Outcome::NotStarted, {}};
    Child child(pid);
    theirs.reset();

    QByteArray output;
    qsizetype sent = 0;
    bool sending = true;
    char block[65536];
    for (;;) {
        if (sending && sent == input.size()) {
            shutdown(ours.get(), SHUT_WR); // the end of the input
            sending = false;
        }
        pollfd watched{ours.get(), short(POLLIN | (sending ? POLLOUT : 0)), 0};
        const int ready = poll(&watched, 1, millisecondsUntil(deadline));
        if (ready < 0 && errno != EINTR) return {Outcome::NotStarted, {}};
        if (ready == 0) return {Outcome::OutOfTime, {}};
        if (sending && (watched.revents & (POLLOUT | POLLERR | POLLHUP))) {
            const ssize_t put = send(ours.get(), input.constData() + sent, size_t(input.size() - sent),
                                     MSG_NOSIGNAL | MSG_DONTWAIT);
            if (put > 0)
                sent += put;
            else if (put < 0 && errno != EAGAIN && errno != EINTR)
                sending = false; // it stopped reading
        }
        if (watched.revents & (POLLIN | POLLERR | POLLHUP)) {
            const ssize_t got = recv(ours.get(), block, sizeof block, MSG_DONTWAIT);
            if (got == 0) break; // it closed its output
            if (got > 0) {
                if (output.size() + got > maxOutput) return {Outcome::Failed, {}};
                output.append(block, got);
            } else if (errno != EAGAIN && errno != EINTR) {
                return {Outcome::Failed, {}};
            }
        }
    }
    const Outcome outcome = child.end(deadline);
    if (outcome != Outcome::Succeeded) return {outcome, {}};
    return {outcome, output};
}
