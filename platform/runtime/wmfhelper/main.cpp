// zqj_wmf: plays the metafile on stdin and writes its pixels to stdout as a pixel message.
// libwmf is not safe on damaged input; the program runs this in a child process and kills it
// past its time limit, and the limits below hold it even if the program is gone.
#include "runtime/pixelmessage.h"
#include "wmfplayer.h"

#include <cerrno>
#include <sys/resource.h>
#include <unistd.h>

namespace {
constexpr rlim_t kAddressSpace = rlim_t(512) << 20; // about 70 MB of it is Qt and libwmf mapped
constexpr rlim_t kCpuSeconds = 10;

void limit(int resource, rlim_t soft, rlim_t hard) {
    const rlimit value{soft, hard};
    setrlimit(resource, &value);
}

QByteArray readAll(int fd) {
    QByteArray bytes;
    char block[65536];
    for (;;) {
        const ssize_t got = read(fd, block, sizeof block);
        if (got > 0)
            bytes.append(block, got);
        else if (got == 0 || errno != EINTR)
            return bytes;
    }
}

bool writeAll(int fd, const QByteArray& bytes) {
    for (qsizetype at = 0; at < bytes.size();) {
        const ssize_t put = write(fd, bytes.constData() + at, size_t(bytes.size() - at));
        if (put > 0)
            at += put;
        else if (put < 0 && errno != EINTR)
            return false;
    }
    return true;
}
} // namespace

int main() {
    limit(RLIMIT_AS, kAddressSpace, kAddressSpace);
    limit(RLIMIT_CPU, kCpuSeconds, kCpuSeconds + 1);
    limit(RLIMIT_CORE, 0, 0); // a crash is an answer, not a core file
    const QByteArray message = PixelMessage::write(playWmf(readAll(STDIN_FILENO)));
    return !message.isEmpty() && writeAll(STDOUT_FILENO, message) ? 0 : 1;
}
