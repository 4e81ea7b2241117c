#pragma once
// Message boxes, the common dialogs (open, save, colour), the folder browser and input
// boxes, behind one replaceable interface: the program uses Qt's dialogs, tests install
// a scripted double and read what was shown.

#include "filedialogrequest.h"

#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>

class QWidget;

// Message box styles: buttons plus icon, added together (36 = vbYesNo + vbQuestion).
constexpr int vbOKOnly = 0;
constexpr int vbOKCancel = 1;
constexpr int vbYesNo = 4;
constexpr int vbCritical = 16;
constexpr int vbQuestion = 32;
constexpr int vbExclamation = 48;
constexpr int vbInformation = 64;

// Message box results.
constexpr int vbOK = 1;
constexpr int vbCancel = 2;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The prompt may hold CR LF line breaks; the result is one of vbOK, vbCancel, vbYes, vbNo.
    virtual int messageBox(const QString& prompt, int style, const QString& title) = 0;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    // The chosen path and the filter it was chosen under, or nothing when the user cancels.
    virtual std::optional<FileChoice> saveFile(const FileDialogRequest& request) = 0;
    // Colours in &HBBGGRR; nothing when the user cancels.
    virtual std::optional<qint32> chooseColour(qint32 bgr, const QString& title) = 0;
    // The chosen folder, or "" when the user cancels.
    virtual QString browseForFolder(QWidget* owner, const QString& title) = 0;
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText) = 0;
};

// The dialogs in use: Qt's unless replaced.
Dialogs& dialogs();
// Installs new dialogs and returns the previous ones; nullptr goes back to Qt's.
std::unique_ptr<Dialogs> setDialogs(std::unique_ptr<Dialogs> replacement);

int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QStringLiteral("ZQJ2"));

// Which of the styles' button sets a style asks for (style & 7).
inline int messageBoxButtons(int style) {
    return style & 7;
}
