#pragma once
// What the program asks of an open or save dialog, in the old common dialog's terms: a
// filter string such as "Text (*.txt)|*.txt|All files (*.*)|*.*" and a 1-based index into it.

#include <QString>
#include <QStringList>

struct FileDialogRequest {
    QString filter;
    int filterIndex = 1;
    QString initialFolder;
    QString fileName; // the name the dialog suggests, as a save dialog offers one
    QString defaultExtension;
    QString title;
    bool mustExist = false;

    // Qt name filters, one per description and pattern pair: "Text (*.txt)", "All files (*)".
    QStringList nameFilters() const;
    // The filter that filterIndex picks, or "" when it points past the list.
    QString selectedNameFilter() const;
};
