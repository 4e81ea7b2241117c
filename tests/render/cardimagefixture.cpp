#include "cardimagefixture.h"

#include "frmCard.h"
#include "frmCard2nd.h"
#include "frmCard3rd.h"
#include "frmCharacter2nd.h"
#include "frmLarge2nd.h"
#include "modData.h"
#include "testrows.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString openQuery(const QString& table) {
    return QStringLiteral("SELECT * FROM %1 WHERE SetID = %2 ORDER BY Nr").arg(table).arg(iSetID);
}
} // namespace

CardImageFixture::CardImageFixture() {
    folder.openDatabase();
    outputFolder = folder.file(QStringLiteral("out"));
    QDir().mkpath(outputFolder);
}

CardImageFixture::~CardImageFixture() {
    frmCard2nd.unload();
    frmCard3rd.unload();
    frmCharacter2nd.unload();
    frmLarge2nd.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

qint32 CardImageFixture::openNewSet(qint16 edition) {
    return addOpenSet(edition, 1, {{"SaveTo", Variant(outputFolder)}});
}

void CardImageFixture::setSetField(const QString& field, const Variant& value) {
    rsSet->field(field) = value;
    rsSet->update();
}

Variant CardImageFixture::setField(const QString& field) const {
    return rowField(QStringLiteral("tblSet"), QStringLiteral("SetID"), iSetID, field);
}

qint32 CardImageFixture::insertCard(int nr, const std::map<QString, Variant>& fields) {
    FieldValues values = newSmallCardValues(nr);
    values["UsePicture"] = false;
    return insertRow(QStringLiteral("tblCard"), QStringLiteral("CardID"), values, fields);
}

qint32 CardImageFixture::insertCharacter(int nr, const std::map<QString, Variant>& fields) {
    return insertRow(QStringLiteral("tblCharacter"), QStringLiteral("CharacterID"), newCharacterValues(nr),
                     fields);
}

qint32 CardImageFixture::insertLargeCard(int nr, const std::map<QString, Variant>& fields) {
    return insertRow(QStringLiteral("tblLargeCard"), QStringLiteral("LargeCardID"), newLargeCardValues(nr),
                     fields);
}

void CardImageFixture::openCards() {
    OpenRecordset(openQuery(QStringLiteral("tblCard")), rsCard);
}

void CardImageFixture::openCharacters() {
    OpenRecordset(openQuery(QStringLiteral("tblCharacter")), rsCharacter);
}

void CardImageFixture::openLargeCards() {
    OpenRecordset(openQuery(QStringLiteral("tblLargeCard")), rsLargeCard);
}

Variant CardImageFixture::rowField(const QString& table, const QString& keyField, qint32 key,
                                   const QString& field) const {
    const RecordsetPtr rs = cnData->openSnapshot(
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 = %4").arg(field, table, keyField).arg(key));
    return rs->field(field).value();
}

void CardImageFixture::fillCanvas(PictureBox& canvas, int width, int height, QColor colour) {
    canvas.setPicture(Picture());
    canvas.setWidth(width);
    canvas.setHeight(height);
    canvas.PaintPicture(plainPicture(width - 2, height - 2, colour), 0, 0);
}

Picture CardImageFixture::plainPicture(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return Picture(image);
}

QStringList CardImageFixture::outputFiles() const {
    return QDir(outputFolder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QImage CardImageFixture::outputImage(const QString& fileName) const {
    return QImage(QDir(outputFolder).filePath(fileName));
}
