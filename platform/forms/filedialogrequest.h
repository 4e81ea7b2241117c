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
    // The ending, without its point, that a name typed without one gets under the filter at that
    // 1-based index: its first pattern's when that names one ("*.jpg"), else defaultExtension.
    QString extensionUnder(int index) const;
};

// What the user chose in a save dialog: the path and the 1-based index of the filter in use.
struct FileChoice {
    QString path;
    int filterIndex = 1;
};
