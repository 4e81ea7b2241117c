#include "seedpictures.h"

#include "backpicture.h"

#include <QRegularExpression>

QString expandPictures(const QString& sql) {
    static const QRegularExpression call(
        QStringLiteral(R"(PICTURE\(\s*'(\w+)'\s*,\s*(\d+)\s*,\s*(\d+)\s*,)"
                       R"(\s*'(#[0-9A-Fa-f]{6})'\s*,\s*'(#[0-9A-Fa-f]{6})'\s*\))"));
    QString expanded;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : call.globalMatch(sql)) {
        const BackDesign design{match.captured(1),
                                QSize(match.captured(2).toInt(), match.captured(3).toInt()),
                                QColor(match.captured(4)), QColor(match.captured(5))};
        expanded += QStringView(sql).sliced(done, match.capturedStart() - done);
        expanded += QStringLiteral("X'%1'").arg(QString::fromLatin1(bmpBytes(paintBack(design)).toHex()));
        done = match.capturedEnd();
    }
    expanded += QStringView(sql).sliced(done);
    return expanded;
}
