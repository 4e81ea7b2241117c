#include "characterfixture.h"

#include "modData.h"

#include <QCoreApplication>

CharacterFixture::~CharacterFixture() {
    frmCharacter2nd.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

qint32 CharacterFixture::insertCharacter(int nr, const FieldValues& fields) {
    return insertRow(QStringLiteral("tblCharacter"), QStringLiteral("CharacterID"), newCharacterValues(nr),
                     fields);
}

Variant CharacterFixture::characterField(qint32 characterID, const QString& field) const {
    const RecordsetPtr rs = cnData->openSnapshot(
        QStringLiteral("SELECT * FROM tblCharacter WHERE CharacterID = %1").arg(characterID));
    return rs->field(field).value();
}

std::vector<std::pair<int, QString>> CharacterFixture::characters() const {
    const RecordsetPtr rs = cnData->openSnapshot(
        QStringLiteral("SELECT Nr, Name FROM tblCharacter WHERE SetID = %1 ORDER BY Nr").arg(iSetID));
    std::vector<std::pair<int, QString>> result;
    for (; !rs->eof(); rs->moveNext())
        result.emplace_back(rs->field("Nr").toInt(), rs->field("Name").toText());
    return result;
}
