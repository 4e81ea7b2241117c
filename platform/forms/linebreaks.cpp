#include "linebreaks.h"

namespace {
const QString crlf = QStringLiteral("\r\n");
const QString lf = QStringLiteral("\n");
} // namespace

QString toDisplayLines(const QString& crlfText) {
    QString text = crlfText;
    return text.replace(crlf, lf);
}

QString toCrLfLines(const QString& lfText) {
    QString text = lfText;
    return text.replace(lf, crlf);
}

int crlfPosition(const QString& lfText, int lfPosition) {
    const int end = qBound(0, lfPosition, int(lfText.size()));
    return end + int(QStringView(lfText).left(end).count(QLatin1Char('\n')));
}

int lfPosition(const QString& lfText, int crlfPosition) {
    if (crlfPosition <= 0) return 0;
    int crlfIndex = 0;
    for (int i = 0; i < lfText.size(); ++i) {
        const int width = lfText.at(i) == QLatin1Char('\n') ? 2 : 1;
        if (crlfIndex + width > crlfPosition) return crlfIndex == crlfPosition ? i : i + 1;
        crlfIndex += width;
    }
    return int(lfText.size());
}
