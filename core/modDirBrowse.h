#pragma once
// The folder picker of the batch dialog.

#include <QString>

class QWidget;

// The chosen folder ending in one separator, or "" when the user cancels.
QString BrowseForFolder(QWidget* owner);
