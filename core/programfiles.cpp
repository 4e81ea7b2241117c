#include "programfiles.h"

#include "runtime/app.h"
#include "runtime/vberror.h"

#include <QFileInfo>
#include <QStringList>
#include <utility>

namespace {
// As the system gives up on a loop of links.
constexpr int kMaxLinks = 40;

std::function<void(const QString&)>& lookupObserver() {
    static std::function<void(const QString&)> observer;
    return observer;
}

// Every look at the file system goes through these two.
QFileInfo lookedUp(const QString& path) {
    if (lookupObserver()) lookupObserver()(path);
    return QFileInfo(path);
}

std::optional<FileIdentity> identityOf(const QString& path) {
    if (lookupObserver()) lookupObserver()(path);
    return fileIdentity(path);
}

const QStringList& programFileNames() {
    static const QStringList names = [] {
        QStringList all{QStringLiteral("zqj.pic"), QStringLiteral("zqjtemp.bmp")};
        for (const char* database : {"zqj.mdb", "zqj1.mdb", "zqjbup.mdb"}) {
            for (const char* suffix : {"", "-journal", "-wal", "-shm"})
                all << QLatin1String(database) + QLatin1String(suffix);
        }
        return all;
    }();
    return names;
}

// The folder as the file system resolves it ("..", linked folders), or as it stands when it
// does not exist.
QString resolvedFolder(const QString& folder) {
    const QString canonical = lookedUp(folder).canonicalFilePath();
    return canonical.isEmpty() ? folder : canonical;
}

std::pair<QString, QString> folderAndName(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return {slash < 0 ? QStringLiteral(".") : path.left(qMax(slash, qsizetype(1))), path.mid(slash + 1)};
}

// The path with its links followed; a link to a name that does not exist yet (a journal) ends there.
QString linksFollowed(QString path) {
    for (int links = 0; links < kMaxLinks; ++links) {
        const QFileInfo info = lookedUp(path);
        if (!info.isSymLink()) break;
        path = info.symLinkTarget();
    }
    return path;
}

[[noreturn]] void refuseAsProgramFile(const QString& name) {
    throw VbError(VbError::PathFileAccessError,
                  QStringLiteral("%1 is a file of the program itself: choose another name.").arg(name));
}
} // namespace

ProgramFileCheck::ProgramFileCheck(const QString& folder)
    : m_programFolder(resolvedFolder(App::Path())), m_folder(resolvedFolder(folder)) {
    for (const QString& name : programFileNames()) {
        if (const auto identity = identityOf(m_programFolder + QLatin1Char('/') + name))
            m_existing.push_back({name, *identity});
    }
}

void ProgramFileCheck::refuse(const QString& name) const {
    const auto refuseOwnPath = [this](const QString& folder, const QString& fileName) {
        if (folder == m_programFolder && programFileNames().contains(fileName)) refuseAsProgramFile(fileName);
    };
    const QString target = m_folder + QLatin1Char('/') + name;
    const QString linked = linksFollowed(target);
    if (linked == target) {
        refuseOwnPath(m_folder, name);
    } else {
        const auto [folder, linkedName] = folderAndName(linked);
        refuseOwnPath(resolvedFolder(folder), linkedName);
    }
    if (const auto identity = identityOf(target)) {
        for (const OwnFile& own : m_existing) {
            if (own.identity == *identity) refuseAsProgramFile(own.name);
        }
    }
}

void ProgramFileCheck::setLookupObserver(std::function<void(const QString&)> observer) {
    lookupObserver() = std::move(observer);
}

void refuseProgramFile(const QString& path) {
    const auto [folder, name] = folderAndName(path);
    ProgramFileCheck(folder).refuse(name);
}
