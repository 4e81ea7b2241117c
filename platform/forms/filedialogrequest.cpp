#include "filedialogrequest.h"

#include <QRegularExpression>

namespace {
// "*.*" meant every file; on this platform that is "*".
QString qtPatterns(const QString& patterns) {
    QStringList list;
    for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        list << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
    }
    return list.join(QLatin1Char(' '));
}

// The description often repeats its patterns in brackets; Qt reads the last brackets as
// the patterns, so they are written once, from the pattern part.
QString withoutBracketedPatterns(const QString& description) {
    static const QRegularExpression trailing(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QString text = description;
    return text.remove(trailing).trimmed();
}
} // namespace

QStringList FileDialogRequest::nameFilters() const {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // An empty pattern still takes its place, so that filterIndex keeps counting right.
        const QString patterns = qtPatterns(parts[i + 1]);
        result << QStringLiteral("%1 (%2)")
                      .arg(withoutBracketedPatterns(parts[i]),
                           patterns.isEmpty() ? QStringLiteral("*") : patterns)
                      .trimmed();
    }
    return result;
}

QString FileDialogRequest::selectedNameFilter() const {
    const QStringList filters = nameFilters();
    return filterIndex >= 1 && filterIndex <= filters.size() ? filters[filterIndex - 1] : QString();
}

QString FileDialogRequest::extensionUnder(int index) const {
    static const QRegularExpression plainEnding(QStringLiteral("^\\*\\.(\\w+)$"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    const qsizetype patterns = 2 * qsizetype(index) - 1;
    if (index >= 1 && patterns < parts.size()) {
        const QString first = parts[patterns].split(QLatin1Char(';')).constFirst().trimmed();
        if (const QRegularExpressionMatch ending = plainEnding.match(first); ending.hasMatch())
            return ending.captured(1);
    }
    QString extension = defaultExtension;
    return extension.startsWith(QLatin1Char('.')) ? extension.mid(1) : extension;
}
