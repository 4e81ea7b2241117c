#include "vberror.h"

#include <cerrno>
#include <cstring>

VbError::VbError(int number, QString description, QString source)
    : m_number(number),
      m_description(description.isEmpty() ? standardDescription(number) : std::move(description)),
      m_source(std::move(source)) {
    m_what = QStringLiteral("Error %1: %2").arg(m_number).arg(m_description).toStdString();
}

VbError VbError::withWords(int number, const QString& words, QString source) {
    VbError error(number, words, std::move(source));
    error.setWords(words);
    return error;
}

QString VbError::shownText() const {
    return m_words.isEmpty() ? QStringLiteral("Error %1: %2").arg(m_number).arg(m_description) : m_words;
}

QString VbError::numberedText() const {
    return m_words.isEmpty() ? QStringLiteral("%1, %2").arg(m_number).arg(m_description) : m_words;
}

QString VbError::standardDescription(int number) {
    switch (number) {
    case Overflow:
        return QStringLiteral("Overflow");
    case TypeMismatch:
        return QStringLiteral("Type mismatch");
    case FileNotFound:
        return QStringLiteral("File not found");
    case FileAlreadyExists:
        return QStringLiteral("File already exists");
    case DiskFull:
        return QStringLiteral("Disk full");
    case PermissionDenied:
        return QStringLiteral("Permission denied");
    case PathFileAccessError:
        return QStringLiteral("Path/File access error");
    case PathNotFound:
        return QStringLiteral("Path not found");
    case InvalidUseOfNull:
        return QStringLiteral("Invalid use of Null");
    case InvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    case InvalidPropertyArrayIndex:
        return QStringLiteral("Invalid property array index");
    case InvalidPicture:
        return QStringLiteral("Invalid picture");
    case NoCurrentRecord:
        return QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. "
                              "Requested operation requires a current record.");
    case ReadOnlyRecordset:
        return QStringLiteral("Current Recordset does not support updating.");
    case ItemNotFound:
        return QStringLiteral("Item cannot be found in the collection corresponding to the "
                              "requested name or ordinal.");
    case JpegWriter:
        return QStringLiteral("The JPEG file could not be written.");
    case Cancel:
        return QStringLiteral("Cancel was selected.");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

VbError VbError::forFile(int number, const QString& path, const QString& cause) {
    QString description = standardDescription(number);
    if (!cause.isEmpty()) description += QStringLiteral(" (%1)").arg(cause);
    if (!path.isEmpty()) description += QStringLiteral(": ") + path;
    return VbError(number, description);
}

VbError VbError::fromSystemError(int systemError, const QString& path) {
    struct Mapping {
        int systemError;
        int number;
        bool keepsCause;
    };
    static constexpr Mapping mappings[] = {
        {ENOSPC, DiskFull, false},       {EDQUOT, DiskFull, true},        {EACCES, PermissionDenied, false},
        {EPERM, PermissionDenied, true}, {EROFS, PermissionDenied, true}, {ENOENT, PathNotFound, false},
        {ENOTDIR, PathNotFound, true},
    };
    int number = PathFileAccessError;
    bool keepsCause = true;
    for (const Mapping& mapping : mappings) {
        if (mapping.systemError == systemError) {
            number = mapping.number;
            keepsCause = mapping.keepsCause;
        }
    }
    char buffer[256];
    const QString cause =
        keepsCause ? QString::fromLocal8Bit(strerror_r(systemError, buffer, sizeof buffer)) : QString();
    return forFile(number, path, cause);
}
