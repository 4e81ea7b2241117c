#include "smallcardfixture.h"

#include "frmCardBacks.h"
#include "frmCardList.h"
#include "frmCardType.h"
#include "modData.h"
#include "testrows.h"

#include <QCoreApplication>

SmallCardFixture::~SmallCardFixture() {
    frmCardList.unload();
    frmCardBacks.unload();
    frmCardType.unload();
    frmCard2nd.unload();
    frmCard3rd.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

qint32 SmallCardFixture::openNewSet(qint16 edition, qint32 languageID) {
    return addOpenSet(edition, languageID);
}

qint32 SmallCardFixture::insertCard(int nr, const std::map<QString, Variant>& fields) {
    return insertRow(QStringLiteral("tblCard"), QStringLiteral("CardID"), newSmallCardValues(nr), fields);
}

std::vector<std::pair<int, QString>> SmallCardFixture::cards() const {
    const RecordsetPtr rs = cnData->openSnapshot(
        QStringLiteral("SELECT Nr, Title FROM tblCard WHERE SetID = %1 ORDER BY Nr, CardID").arg(iSetID));
    std::vector<std::pair<int, QString>> result;
    for (; !rs->eof(); rs->moveNext())
        result.emplace_back(rs->field("Nr").toInt(), rs->field("Title").toText());
    return result;
}

Variant SmallCardFixture::cardField(qint32 cardID, const QString& field) const {
    const RecordsetPtr rs =
        cnData->openSnapshot(QStringLiteral("SELECT * FROM tblCard WHERE CardID = %1").arg(cardID));
    return rs->field(field).value();
}

Variant SmallCardFixture::setField(const QString& field) const {
    const RecordsetPtr rs =
        cnData->openSnapshot(QStringLiteral("SELECT * FROM tblSet WHERE SetID = %1").arg(iSetID));
    return rs->field(field).value();
}

void SmallCardFixture::setSetField(const QString& field, const Variant& value) {
    rsSet->field(field) = value;
    rsSet->update();
}
