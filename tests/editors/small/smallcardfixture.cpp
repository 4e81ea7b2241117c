#include "smallcardfixture.h"

#include "modData.h"
#include "modSetFonts.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QKeyEvent>
#include <QPushButton>

SmallCardFixture::SmallCardFixture() {
    folder.openDatabase();
}

SmallCardFixture::~SmallCardFixture() {
    frmCard2nd.unload();
    frmCard3rd.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

qint32 SmallCardFixture::openNewSet(qint16 edition, qint32 languageID) {
    OpenRecordset(QStringLiteral("SELECT * FROM tblSet ORDER BY SetName"), rsSet);
    rsSet->addNew();
    rsSet->field("SetName") = QStringLiteral("Test set");
    rsSet->field("EditionID") = int(edition);
    rsSet->field("LanguageID") = languageID;
    rsSet->field("DefaultCardTypeID") = 0;
    rsSet->field("DefaultCardBackID") = 0;
    rsSet->field("ArtistColour") = 0x7F7F7F;
    rsSet->field("PicFormatID") = 1;
    CreateSetFonts(*rsSet);
    rsSet->update();
    rsSet->moveLast();
    iSetID = rsSet->field("SetID").toLong();
    iSetEditionID = edition;
    iSetLanguageID = qint16(languageID);
    LoadLookups(edition, qint16(languageID));
    return iSetID;
}

qint32 SmallCardFixture::insertCard(int nr, const std::map<QString, Variant>& fields) {
    const RecordsetPtr rs = cnData->openLive(QStringLiteral("SELECT * FROM tblCard WHERE CardID = 0"));
    rs->addNew();
    std::map<QString, Variant> values{{"SetID", Variant(qint64(iSetID))},
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
    for (const auto& [name, value] : fields)
        values[name] = value;
    for (const auto& [name, value] : values)
        rs->field(name) = value;
    rs->update();
    return rs->field("CardID").toLong();
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

void SmallCardFixture::click(CommandButton& button) {
    static_cast<QPushButton*>(button.widget())->click();
}

void SmallCardFixture::pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &event);
}

QByteArray SmallCardFixture::bmpBytes(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}
