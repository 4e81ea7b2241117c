#pragma once
// The program's dialogs on Qt: QMessageBox, QFileDialog, QColorDialog, QInputDialog,
// each parented to the window that opened it (see dialogowner.h), over which Qt centres it.

#include "dialogs.h"

class QtDialogs : public Dialogs {
public:
    int messageBox(const QString& prompt, int style, const QString& title) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<FileChoice> saveFile(const FileDialogRequest& request) override;
    std::optional<qint32> chooseColour(qint32 bgr, const QString& title) override;
    QString browseForFolder(QWidget* owner, const QString& title) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
};
