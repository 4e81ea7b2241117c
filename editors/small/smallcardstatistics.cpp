#include "smallcardstatistics.h"

#include "modData.h"
#include "storedvalues.h"

#include <cmath>

namespace {
const QString kLineBreak = QStringLiteral("\r\n");

struct Group {
    qint32 count;
    QString name;
};

// The groups of one query in its order, and the cards they hold together.
std::vector<Group> groups(const QString& countColumn, const std::function<QString(Recordset&)>& name,
                          qint32& cards) {
    const RecordsetPtr rs = GetRecordset(strSQL);
    std::vector<Group> result;
    cards = 0;
    while (!rs->eof()) {
        const qint32 count = rs->field(countColumn).toLong();
        cards += count;
        result.push_back({count, name(*rs)});
        rs->moveNext();
    }
    return result;
}

QString groupLines(const std::vector<Group>& groups, qint32 cards) {
    QString text;
    for (const Group& group : groups)
        text += kLineBreak + QString::number(group.count) + QStringLiteral(" - ") + group.name +
                QStringLiteral(" (") + percentText(group.count, cards) + QStringLiteral("%)");
    return text;
}
} // namespace

QString percentText(qint32 part, qint32 whole) {
    return QString::number(std::round(double(part) / double(whole) * 100.0), 'f', 0);
}

QString cardStatistics(qint32 setID, const QString& typeCorner) {
    // Named in one message before the statistics show. Each query also reads the key of one
    // row of each group, so that a text that cannot be used is named with its row.
    stored::CollectedReports reports;
    const QString corner = QStringLiteral("tblCardType.") + typeCorner;
    strSQL = QStringLiteral("SELECT Count(tblCardType.CardTypeID) AS NrSort, tblCardType.UpperLeft, ") +
             corner + QStringLiteral(", tblCardType.CardTypeID") +
             QStringLiteral(" FROM tblCardType INNER JOIN tblCard ON tblCardType.CardTypeID = "
                            "tblCard.CardTypeID") +
             QStringLiteral(" WHERE tblCard.SetID =  ") + QString::number(setID) +
             QStringLiteral(" GROUP BY tblCardType.UpperLeft, ") + corner +
             QStringLiteral(" ORDER BY Count(tblCardType.CardTypeID) DESC , tblCardType.UpperLeft, ") +
             corner;
    qint32 cards = 0;
    const std::vector<Group> types = groups(
        QStringLiteral("NrSort"),
        [&](Recordset& rs) {
            return stored::text(rs, QStringLiteral("UpperLeft")) + QStringLiteral(" ") +
                   stored::text(rs, typeCorner);
        },
        cards);
    QString text = QString::number(cards) + QStringLiteral(" number of cards in set.") + kLineBreak +
                   kLineBreak + kLineBreak + QString::number(types.size()) +
                   QStringLiteral(" number of types used.") + kLineBreak + groupLines(types, cards) +
                   kLineBreak + kLineBreak + kLineBreak;

    strSQL = QStringLiteral("SELECT Count(tblCardBack.CardBackID) AS NrBack, tblCardBack.BackText, "
                            "tblCardBack.CardBackID") +
             QStringLiteral(" FROM tblCardBack INNER JOIN tblCard ON tblCardBack.CardBackID = "
                            "tblCard.CardBackID") +
             QStringLiteral(" WHERE tblCard.SetID =  ") + QString::number(setID) +
             QStringLiteral(" GROUP BY tblCardBack.BackText") +
             QStringLiteral(" ORDER BY Count(tblCardBack.CardBackID) DESC , tblCardBack.BackText");
    const std::vector<Group> backs = groups(
        QStringLiteral("NrBack"), [](Recordset& rs) { return stored::text(rs, QStringLiteral("BackText")); },
        cards);
    text += QString::number(backs.size()) + QStringLiteral(" number of sets used.") + kLineBreak +
            groupLines(backs, cards);
    return text;
}
