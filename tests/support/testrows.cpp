#include "testrows.h"

#include "modData.h"
#include "modSetFonts.h"

#include <QBuffer>
#include <QImage>

qint32 addOpenSet(qint16 edition, qint32 languageID, const FieldValues& fields) {
    OpenRecordset(QStringLiteral("SELECT * FROM tblSet ORDER BY SetName"), rsSet);
    rsSet->addNew();
    FieldValues values{{"SetName", Variant("Test set")},    {"EditionID", Variant(int(edition))},
                       {"LanguageID", Variant(languageID)}, {"DefaultCardTypeID", Variant(0)},
                       {"DefaultCardBackID", Variant(0)},   {"ArtistColour", Variant(0x7F7F7F)},
                       {"PicFormatID", Variant(1)}};
    for (const auto& [name, value] : fields)
        values[name] = value;
    for (const auto& [name, value] : values)
        rsSet->field(name) = value;
    CreateSetFonts(*rsSet);
    rsSet->update();
    rsSet->moveLast();
    iSetID = rsSet->field("SetID").toLong();
    iSetEditionID = edition;
    iSetLanguageID = qint16(languageID);
    LoadLookups(edition, qint16(languageID));
    return iSetID;
}

FieldValues newSmallCardValues(int nr) {
    return {{"SetID", Variant(qint64(iSetID))},
            {"Nr", Variant(nr)},
            {"Title", Variant(QStringLiteral("CARD %1").arg(nr))},
            {"Copies", Variant(1)},
            {"CardTypeID", Variant(1)},
            {"Number", Variant("1")},
            {"OneLine", Variant(false)},
            {"UsePicture", Variant(true)},
            {"PicTop", Variant(0)},
            {"PicLeft", Variant(0)},
            {"PicHeight", Variant(105)},
            {"Resize", Variant(false)},
            {"UseFrame", Variant(true)},
            {"Artist", Variant("")},
            {"BoldText", Variant("")},
            {"Information", Variant("")},
            {"CardBackID", Variant(1)},
            {"BGColour", Variant(0xFFFFFF)},
            {"FileName", Variant("")}};
}

FieldValues newCharacterValues(int nr) {
    return {{"SetID", Variant(qint64(iSetID))},
            {"Nr", Variant(nr)},
            {"Name", Variant(QStringLiteral("CHARACTER %1").arg(nr))},
            {"StartingAreaID", Variant(5)},
            {"AlignmentID", Variant(2)},
            {"Strength", Variant("3")},
            {"Craft", Variant("3")},
            {"Gold", Variant("1")},
            {"Lives", Variant("4")},
            {"Abilities", Variant("")},
            {"UsePicture", Variant(true)},
            {"UseFrame", Variant(true)},
            {"PicTop", Variant(0)},
            {"PicLeft", Variant(0)},
            {"PicWidth", Variant(121)},
            {"PicHeight", Variant(0)},
            {"CharacterBackID", Variant(1)},
            {"PPTop", Variant(0)},
            {"PPLeft", Variant(0)}};
}

FieldValues newLargeCardValues(int nr) {
    return {{"SetID", Variant(qint64(iSetID))},
            {"Nr", Variant(nr)},
            {"Title", Variant(QStringLiteral("LARGE CARD %1").arg(nr))},
            {"Information", Variant("")},
            {"UsePicture", Variant(true)},
            {"PicTop", Variant(0)},
            {"PicLeft", Variant(0)},
            {"PicWidth", Variant(121)},
            {"UseFrame", Variant(true)},
            {"Resize", Variant(false)},
            {"BGColour", Variant(0xFFFFFF)},
            {"Copies", Variant(1)}};
}

QStringList numberedRows(const QString& table, const QString& nameField, const QString& keyField) {
    const RecordsetPtr rs =
        cnData->openSnapshot(QStringLiteral("SELECT Nr, %1 AS Name FROM %2 WHERE SetID = %3 ORDER BY Nr, %4")
                                 .arg(nameField, table)
                                 .arg(iSetID)
                                 .arg(keyField));
    QStringList rows;
    for (; !rs->eof(); rs->moveNext())
        rows << rs->field("Nr").concatText() + " " + rs->field("Name").toText();
    return rows;
}

qint32 insertRow(const QString& table, const QString& keyField, FieldValues values,
                 const FieldValues& fields) {
    const RecordsetPtr rs =
        cnData->openLive(QStringLiteral("SELECT * FROM %1 WHERE %2 = 0").arg(table, keyField));
    rs->addNew();
    for (const auto& [name, value] : fields)
        values[name] = value;
    for (const auto& [name, value] : values)
        rs->field(name) = value;
    rs->update();
    return rs->field(keyField).toLong();
}

namespace {
QByteArray bmpBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}
} // namespace

QByteArray bmpBytes(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return bmpBytes(image);
}

QColor shadedAt(int x, int y) {
    return QColor(20 + x % 200, 20 + y % 200, 60 + 40 * (x / 200) + 80 * (y / 200));
}

QByteArray shadedBmpBytes(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixelColor(x, y, shadedAt(x, y));
    return bmpBytes(image);
}
