#include "qtdialogs.h"
#include "dialogowner.h"
#include "linebreaks.h"
#include "runtime/colour.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons buttonsOf(int style) {
    switch (messageBoxButtons(style)) {
    case vbOKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case vbYesNo:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

int resultOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return vbYes;
    case QMessageBox::No:
        return vbNo;
    case QMessageBox::Cancel:
        return vbCancel;
    default:
        return vbOK;
    }
}

std::optional<QString> chosenFile(QFileDialog& dialog) {
    if (execCentred(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<FileChoice> runFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(dialogOwner(), request.title, request.initialFolder);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = request.nameFilters();
    dialog.setNameFilters(filters);
    if (const QString selected = request.selectedNameFilter(); !selected.isEmpty())
        dialog.selectNameFilter(selected);
    // A name typed without an ending gets the ending of the filter in use, as the old dialogs gave it.
    const auto filterIndex = [&] { return int(filters.indexOf(dialog.selectedNameFilter())) + 1; };
    dialog.setDefaultSuffix(request.extensionUnder(filterIndex()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&] { dialog.setDefaultSuffix(request.extensionUnder(filterIndex())); });
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    const std::optional<QString> path = chosenFile(dialog);
    if (!path) return std::nullopt;
    return FileChoice{*path, filterIndex()};
}
} // namespace

int QtDialogs::messageBox(const QString& prompt, int style, const QString& title) {
    QMessageBox box(iconOf(style), title, toDisplayLines(prompt), buttonsOf(style), dialogOwner());
    return resultOf(execCentred(box));
}

std::optional<QString> QtDialogs::openFile(const FileDialogRequest& request) {
    const std::optional<FileChoice> choice = runFileDialog(request, QFileDialog::AcceptOpen);
    if (!choice) return std::nullopt;
    return choice->path;
}

std::optional<FileChoice> QtDialogs::saveFile(const FileDialogRequest& request) {
    return runFileDialog(request, QFileDialog::AcceptSave);
}

std::optional<qint32> QtDialogs::chooseColour(qint32 bgr, const QString& title) {
    QColorDialog dialog(toQColor(bgr), dialogOwner());
    dialog.setWindowTitle(title);
    if (execCentred(dialog) != QDialog::Accepted) return std::nullopt;
    return fromQColor(dialog.selectedColor());
}

QString QtDialogs::browseForFolder(QWidget* owner, const QString& title) {
    QFileDialog dialog(owner ? owner : dialogOwner(), title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return chosenFile(dialog).value_or(QString());
}

std::optional<QString> QtDialogs::inputBox(const QString& prompt, const QString& title,
                                           const QString& defaultText) {
    QInputDialog dialog(dialogOwner());
    dialog.setWindowTitle(title);
    dialog.setLabelText(toDisplayLines(prompt));
    dialog.setTextValue(defaultText);
    if (execCentred(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}
