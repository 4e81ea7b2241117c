#include "readonlyfolder.h"

#include <QFile>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
constexpr quint32 kOverride = 1u << CAP_DAC_OVERRIDE;

// The thread's own rights: capset changes the calling thread only.
bool setOverride(bool on, bool* wasOn = nullptr) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0) return false;
    if (wasOn) *wasOn = (data[0].effective & kOverride) != 0;
    data[0].effective = on ? data[0].effective | kOverride : data[0].effective & ~kOverride;
    return ::syscall(SYS_capset, &header, data) == 0;
}
} // namespace

ReadOnlyFolder::ReadOnlyFolder(QString folder) : m_folder(std::move(folder)) {
    ::chmod(QFile::encodeName(m_folder).constData(), 0555);
    bool wasOn = false;
    m_rightDropped = setOverride(false, &wasOn) && wasOn;
}

ReadOnlyFolder::~ReadOnlyFolder() {
    if (m_rightDropped) setOverride(true);
    ::chmod(QFile::encodeName(m_folder).constData(), 0700);
}
