#include "qtdialogs.h"
#include "dialogowner.h"
#include "linebreaks.h"
#include "runtime/colour.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <functional>
#include <limits>

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

// A line cut to `length` characters in its middle, so that its start and its end stay.
QString cutInMiddle(const QString& line, qsizetype length) {
    if (line.size() <= length) return line;
    qsizetype head = length / 2;
    qsizetype tail = length - 1 - head;
    // Never half a character of two code units.
    if (head > 0 && line.at(head - 1).isHighSurrogate()) --head;
    if (tail > 0 && line.at(line.size() - tail).isLowSurrogate()) --tail;
    return line.left(head) + QChar(0x2026) + line.right(tail);
}

// A text that would make the box taller than the screen, which puts its buttons off it, is cut
// with an ellipsis: its long lines in their middle, as little as will do, and when even short
// lines are too many, the last of them.
QString fittedText(const QString& text, const std::function<bool(const QString&)>& fits) {
    if (fits(text)) return text;
    constexpr qsizetype kShortest = 40;
    const QStringList lines = text.split(QLatin1Char('\n'));
    const auto cut = [&](qsizetype length) {
        QStringList cutLines;
        for (const QString& line : lines)
            cutLines << cutInMiddle(line, length);
        return cutLines;
    };
    qsizetype longest = 0;
    for (const QString& line : lines)
        longest = std::max(longest, line.size());
    if (longest > kShortest && fits(cut(kShortest).join(QLatin1Char('\n')))) {
        qsizetype low = kShortest; // fits
        qsizetype high = longest;  // does not
        while (high - low > 1) {
            const qsizetype middle = low + (high - low) / 2;
            (fits(cut(middle).join(QLatin1Char('\n'))) ? low : high) = middle;
        }
        return cut(low).join(QLatin1Char('\n'));
    }
    const QStringList shortLines = cut(kShortest);
    const auto firstLines = [&](qsizetype count) {
        return QStringList(shortLines.mid(0, count) << QString(QChar(0x2026))).join(QLatin1Char('\n'));
    };
    qsizetype low = 0;                  // taken as fitting: the ellipsis alone
    qsizetype high = shortLines.size(); // does not fit
    while (high - low > 1) {
        const qsizetype middle = low + (high - low) / 2;
        (fits(firstLines(middle)) ? low : high) = middle;
    }
    return firstLines(low);
}

// Whether the box's text stands on the screen with the rest of the box. Measured at a width no
// box is narrower than, both wrapped at words and anywhere (a word wider than the box is broken
// anywhere), so the box is never taller than measured.
std::function<bool(const QString&)> fitsOnScreen(const QMessageBox& box, const QWidget* owner) {
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return [](const QString&) { return true; };
    const QRect room = screen->availableGeometry();
    const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    const QFontMetrics metrics = label ? label->fontMetrics() : box.fontMetrics();
    // A box is at least half the screen wide, up to 500 pixels; the icon and margins take the rest.
    const int width = std::max(100, std::min(room.width() / 2, 500) - 100);
    // The title bar, the buttons and the margins.
    const int height = room.height() - 160;
    return [metrics, width, height](const QString& text) {
        const QRect area(0, 0, width, std::numeric_limits<int>::max() / 2);
        return std::max(metrics.boundingRect(area, Qt::TextWordWrap, text).height(),
                        metrics.boundingRect(area, Qt::TextWrapAnywhere, text).height()) <= height;
    };
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
    QWidget* owner = dialogOwner();
    QMessageBox box(iconOf(style), title, QString(), buttonsOf(style), owner);
    // A stored title in a message is shown as it stands, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(fittedText(toDisplayLines(prompt), fitsOnScreen(box, owner)));
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
