#include "modDirBrowse.h"

#include "forms/dialogs.h"

QString BrowseForFolder(QWidget* owner) {
    QString folder = dialogs().browseForFolder(owner, QStringLiteral("Choose a directory from the list."));
    if (folder.isEmpty()) return QString();
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}
