#include "vberror.h"

VbError::VbError(int number, QString description, QString source)
    : m_number(number),
      m_description(description.isEmpty() ? standardDescription(number) : std::move(description)),
      m_source(std::move(source)) {
    m_what = QStringLiteral("Error %1: %2").arg(m_number).arg(m_description).toStdString();
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
