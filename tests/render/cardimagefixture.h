#pragma once
// A program folder with one open set whose card images go to an output folder of the test's
// own, and canvases filled with plain colours, for the card image and batch tests.

#include "programfolder.h"

#include "forms/picturebox.h"
#include "runtime/variant.h"

#include <QImage>
#include <gtest/gtest.h>
#include <map>

class CardImageFixture : public ::testing::Test {
protected:
    CardImageFixture();
    ~CardImageFixture() override;

    // Adds a set with PicFormatID 1 (BMP) and opens it as the main window does.
    qint32 openNewSet(qint16 edition);
    void setSetField(const QString& field, const Variant& value);
    Variant setField(const QString& field) const;

    // Rows of the open set, each with the values of a new row changed by `fields`.
    qint32 insertCard(int nr, const std::map<QString, Variant>& fields = {});
    qint32 insertCharacter(int nr, const std::map<QString, Variant>& fields = {});
    qint32 insertLargeCard(int nr, const std::map<QString, Variant>& fields = {});
    // Opens the shared recordsets of the open set, in Nr order.
    void openCards();
    void openCharacters();
    void openLargeCards();
    Variant rowField(const QString& table, const QString& keyField, qint32 key, const QString& field) const;

    // Makes the canvas W x H outside (a 1-pixel border) and fills its inside with one colour.
    static void fillCanvas(PictureBox& canvas, int width, int height, QColor colour);
    static Picture plainPicture(int width, int height, QColor colour);

    // The output folder's file names, sorted.
    QStringList outputFiles() const;
    QImage outputImage(const QString& fileName) const;

    ProgramFolder folder;
    QString outputFolder;
};
