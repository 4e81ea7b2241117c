// The reference rows of a new database: what the editors take their defaults from.

#include "madedatabase.h"

#include <QImage>
#include <QSet>
#include <QSize>
#include <QtEndian>

namespace {

class Seed : public MadeDatabase {
protected:
    static int count(const QString& sql) { return db().value(sql).toInt(); }

    static QList<qint64> languages() {
        QList<qint64> keys;
        for (const QVariantList& row : db().rows("SELECT LanguageID FROM tblLanguage ORDER BY LanguageID"))
            keys.append(row.first().toLongLong());
        return keys;
    }
};

TEST_F(Seed, PictureFormatsHaveTheirFixedKeys) {
    const QList<QVariantList> want{{qint64(1), "BMP"}, {qint64(2), "JPG"}, {qint64(3), "GIF"}};
    EXPECT_EQ(db().rows("SELECT PicFormatID, PicFormat FROM tblPicFormat ORDER BY PicFormatID"), want);
}

TEST_F(Seed, LanguagesAreEnglishThenGerman) {
    const QList<QVariantList> want{{qint64(1), "English"}, {qint64(2), "Deutsch"}};
    EXPECT_EQ(db().rows("SELECT LanguageID, Language FROM tblLanguage ORDER BY LanguageID"), want);
}

TEST_F(Seed, AlignmentTwoBelongsToTheFirstLanguage) {
    EXPECT_EQ(db().value("SELECT LanguageID FROM tblAlignment WHERE AlignmentID = 2").toLongLong(),
              languages().first());
}

TEST_F(Seed, EveryLanguageHasTheRowsNewSetsDependOn) {
    for (const qint64 language : languages()) {
        SCOPED_TRACE(language);
        const QString where = QStringLiteral(" WHERE LanguageID = %1").arg(language);
        EXPECT_GT(count("SELECT count(*) FROM tblAlignment" + where), 0);
        EXPECT_EQ(count("SELECT count(DISTINCT AlignmentNr) FROM tblAlignment" + where),
                  count("SELECT count(*) FROM tblAlignment" + where));
        EXPECT_GT(count("SELECT count(*) FROM tblArea" + where + " AND EditionID = 2"), 0);
        EXPECT_GT(count("SELECT count(*) FROM tblCharacterBack" + where +
                        " AND EditionID = 2 AND Original = -1 AND Picture IS NOT NULL"),
                  0);
        for (const int edition : {2, 3}) {
            SCOPED_TRACE(edition);
            const QString builtIn =
                where + QStringLiteral(" AND EditionID = %1 AND Original = -1").arg(edition);
            EXPECT_GT(count("SELECT count(*) FROM tblCardType" + builtIn +
                            " AND UsedInSet = 0 AND trim(UpperLeft) <> '' AND Number IS NOT NULL"),
                      0);
            EXPECT_GE(count("SELECT count(*) FROM tblCardBack" + builtIn + " AND Picture IS NOT NULL"), 2);
        }
    }
}

TEST_F(Seed, BuiltInCardTypesAreAllUsableAsDefaults) {
    EXPECT_EQ(count("SELECT count(*) FROM tblCardType WHERE Original <> -1 OR UsedInSet <> 0 OR "
                    "trim(UpperLeft) = ''"),
              0);
}

TEST_F(Seed, UserTablesAreEmpty) {
    for (const char* table : {"tblSet", "tblFont", "tblCard", "tblCharacter", "tblLargeCard"})
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table))), 0) << table;
}

// "ORDER BY ..., Original" puts the built-in rows first only if True is stored as -1.
TEST_F(Seed, BooleansAreStoredAsMinusOne) {
    for (const char* table : {"tblCardType", "tblCardBack", "tblCharacterBack"}) {
        const QList<QVariantList> values = db().rows(
            QStringLiteral("SELECT DISTINCT typeof(Original), Original FROM %1").arg(QLatin1String(table)));
        const QList<QVariantList> want{{"integer", qint64(-1)}};
        EXPECT_EQ(values, want) << table;
    }
}

TEST_F(Seed, NoTextIsNull) {
    for (const QString& table : db().tables()) {
        for (const QString& column : db().columns(table)) {
            if (!db().declaration(table, column).type.endsWith(QLatin1String("TEXT"))) continue;
            EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 IS NULL").arg(table, column)), 0)
                << table.toStdString() << "." << column.toStdString();
        }
    }
}

// Each back fills the interior of its half of a saved card image exactly.
TEST_F(Seed, BackPicturesAreDistinct24BitBmpsOfTheirHalfsSize) {
    const QList<QVariantList> pictures =
        db().rows("SELECT 'card', EditionID, Picture, BackText FROM tblCardBack "
                  "UNION ALL SELECT 'character', 0, Picture, BackText "
                  "FROM tblCharacterBack");
    ASSERT_FALSE(pictures.isEmpty());
    QSet<QByteArray> seen;
    for (const QVariantList& row : pictures) {
        SCOPED_TRACE(row[3].toString().toStdString());
        const QByteArray bytes = row[2].toByteArray();
        const QSize want = row[0] == "character" ? QSize(302, 254)
                           : row[1] == 2         ? QSize(150, 254)
                                                 : QSize(161, 245);
        ASSERT_GE(bytes.size(), 30);
        EXPECT_TRUE(bytes.startsWith("BM"));
        EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24); // bits per pixel
        EXPECT_EQ(QImage::fromData(bytes).size(), want);
        EXPECT_FALSE(seen.contains(bytes));
        seen.insert(bytes);
    }
}

} // namespace
