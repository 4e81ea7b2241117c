#include "programfiles.h"

#include "runtime/app.h"
#include "runtime/files.h"
#include "runtime/vberror.h"

#include <QFileInfo>
#include <QStringList>

namespace {
// As the system gives up on a loop of links.
constexpr int kMaxLinks = 40;

QStringList programFileNames() {
    QStringList names{QStringLiteral("zqj.pic"), QStringLiteral("zqjtemp.bmp")};
    for (const char* database : {"zqj.mdb", "zqj1.mdb", "zqjbup.mdb"}) {
        for (const char* suffix : {"", "-journal", "-wal", "-shm"})
            names << QLatin1String(database) + QLatin1String(suffix);
    }
    return names;
}

// The path with its links followed and its folder as the file system resolves it ("..", linked
// folders); a name that does not exist yet (a journal) keeps its own.
QString resolved(QString path) {
    for (int links = 0; links < kMaxLinks && QFileInfo(path).isSymLink(); ++links)
        path = QFileInfo(path).symLinkTarget();
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? QStringLiteral(".") : path.left(qMax(slash, qsizetype(1)));
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty()) return path;
    return canonical + QLatin1Char('/') + path.mid(slash + 1);
}
} // namespace

void refuseProgramFile(const QString& path) {
    const QString target = resolved(path);
    const QString canonicalFolder = QFileInfo(App::Path()).canonicalFilePath();
    const QString folder = canonicalFolder.isEmpty() ? App::Path() : canonicalFolder;
    for (const QString& name : programFileNames()) {
        const QString own = folder + QLatin1Char('/') + name;
        if (target == own || isSameFile(path, own))
            throw VbError(
                VbError::PathFileAccessError,
                QStringLiteral("%1 is a file of the program itself: choose another name.").arg(name));
    }
}
