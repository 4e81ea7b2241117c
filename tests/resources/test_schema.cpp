// The tables of a new database against the logical types every column must carry.

#include "madedatabase.h"

#include <utility>
#include <vector>

namespace {

// Each column as "Name type", with the logical types of the schema page.
const std::vector<std::pair<QString, QString>> kTables = {
    {"tblLanguage", "LanguageID key, Language text"},
    {"tblPicFormat", "PicFormatID key, PicFormat text"},
    {"tblFont", "FontID key, Font text, Size int16, Bold bool, Italic bool, Colour int32"},
    {"tblSet",
     "SetID key, SetName text, EditionID int16, LanguageID int32, DefaultCardTypeID int32, "
     "DefaultCardBackID int32, ArtistColour int32, PicFormatID int32, Autonumber bool, UseSymbol bool, "
     "Symbol bytes, SaveTo text, FilenamePrefix text, FileCardNr bool, NoBack bool, ReplaceSpace bool, "
     "CardTypeFontID int32, CardNumberFontID int32, CardTitleFontID int32, CardBoldFontID int32, "
     "CardInformationFontID int32, AutonumberFontID int32, CardLargeTitleFontID int32, "
     "CardLargeInfoFontID int32, CharacterNameFontID int32, CharacterSpecialTitleFontID int32, "
     "CharacterSpecialFontID int32, CharacterInfoFontID int32, CharacterPieceFontID int32"},
    {"tblArea", "AreaID key, Board text, Area text, LanguageID int32, EditionID int16"},
    {"tblAlignment", "AlignmentID key, Alignment text, LanguageID int32, AlignmentNr int16"},
    {"tblCharacterBack",
     "CharacterBackID key, BackText text, Picture bytes, LanguageID int32, EditionID int16, Original bool"},
    {"tblCardType",
     "CardTypeID key, UpperLeft text, LowerLeft text, UpperRight text, LowerRight text, Number text, "
     "LanguageID int32, EditionID int16, Original bool, UsedInSet int32"},
    {"tblCardBack",
     "CardBackID key, BackText text, Picture bytes, LanguageID int32, EditionID int32, Original bool"},
    {"tblCard",
     "CardID key, Nr int16, SetID int32, Title memo, Copies int32, CardTypeID int32, Number text, "
     "OneLine bool, UsePicture bool, PicTop double, PicLeft double, PicHeight double, Resize bool, "
     "UseFrame bool, Artist text, BoldText text, Information memo, CardBackID int32, BGColour int32, "
     "FileName text, Picture bytes, Background bytes"},
    {"tblCharacter",
     "CharacterID key, SetID int32, Nr int16, Name text, AlignmentID int32, StartingAreaID int32, "
     "IncludeBoard bool, Strength text, Craft text, Gold text, Lives text, Abilities memo, "
     "UsePicture bool, UseFrame bool, Picture bytes, PicTop int16, PicLeft int16, PicWidth int16, "
     "PicHeight int16, Background bytes, CharacterBackID int32, PlayingPiece bytes, PPTop int16, "
     "PPLeft int16"},
    {"tblLargeCard",
     "LargeCardID key, SetID int32, Nr int16, Title memo, Information memo, UsePicture bool, "
     "Picture bytes, PicTop int16, PicLeft int16, PicWidth int16, UseFrame bool, Resize bool, "
     "BGPicture bytes, BGColour int32, LargeCardBack bytes, Copies int16"},
};

ColumnDeclaration expected(const QString& logical) {
    const QString binary = QStringLiteral("BINARY");
    const QString nocase = QStringLiteral("NOCASE");
    if (logical == "key") return {"INTEGER", binary, false, true, true, {}};
    if (logical == "int16") return {"SMALLINT", binary, false, false, false, {}};
    if (logical == "int32") return {"INTEGER", binary, false, false, false, {}};
    if (logical == "double") return {"DOUBLE", binary, false, false, false, {}};
    if (logical == "bool") return {"BOOLEAN", binary, true, false, false, QStringLiteral("0")};
    if (logical == "text") return {"TEXT", nocase, false, false, false, {}};
    if (logical == "memo") return {"LONGTEXT", nocase, false, false, false, {}};
    if (logical == "bytes") return {"BLOB", binary, false, false, false, {}};
    ADD_FAILURE() << "no logical type " << logical.toStdString();
    return {};
}

// A card table is a view of two: its pictures stored apart from its other columns.
bool isCardTable(const QString& table) {
    return table == "tblCard" || table == "tblCharacter" || table == "tblLargeCard";
}

QString storedIn(const QString& table, const QString& logical) {
    if (!isCardTable(table)) return table;
    return table + (logical == "bytes" ? "Pictures" : "Data");
}

class Schema : public MadeDatabase {};

TEST_F(Schema, HasExactlyTheTwelveTablesTheCardTablesAsViewsOfTwo) {
    QStringList want, views;
    for (const auto& table : kTables) {
        if (!isCardTable(table.first)) {
            want << table.first;
            continue;
        }
        want << table.first + "Data" << table.first + "Pictures";
        views << table.first;
    }
    QStringList have = db().tables();
    want.sort();
    have.sort();
    EXPECT_EQ(have, want);
    QStringList haveViews;
    for (const QVariantList& row :
         db().rows("SELECT name FROM sqlite_master WHERE type = 'view' ORDER BY name"))
        haveViews << row.first().toString();
    views.sort();
    EXPECT_EQ(haveViews, views);
}

TEST_F(Schema, EveryColumnCarriesItsLogicalType) {
    for (const auto& [table, columns] : kTables) {
        QStringList want;
        for (const QString& column : columns.split(QStringLiteral(", "))) {
            const QString name = column.section(QLatin1Char(' '), 0, 0);
            const QString logical = column.section(QLatin1Char(' '), 1);
            want.append(name);
            const ColumnDeclaration have = db().declaration(storedIn(table, logical), name);
            const ColumnDeclaration wanted = expected(logical);
            SCOPED_TRACE((table + QLatin1Char('.') + name).toStdString());
            EXPECT_EQ(have.type, wanted.type);
            EXPECT_EQ(have.collation, wanted.collation);
            EXPECT_EQ(have.notNull, wanted.notNull);
            EXPECT_EQ(have.primaryKey, wanted.primaryKey);
            EXPECT_EQ(have.autoIncrement, wanted.autoIncrement);
            EXPECT_EQ(have.defaultValue, wanted.defaultValue);
        }
        EXPECT_EQ(db().columns(table), want) << table.toStdString();
    }
}

// Constraints and triggers would delete or refuse rows the program leaves behind on purpose;
// an index other than the card tables' (not unique, on the set and number only) could make
// unordered reads leave key order. The card tables' triggers only write through their views.
TEST_F(Schema, HasOnlyTheCardTablesIndexesTriggersAndReferences) {
    QStringList triggers;
    for (const QVariantList& row :
         db().rows("SELECT tbl_name, name FROM sqlite_master WHERE type = 'trigger'"))
        triggers << row[0].toString() + ": " + row[1].toString();
    QStringList want;
    for (const QString table : {"tblCard", "tblCharacter", "tblLargeCard"})
        want << table + ": " + table + "Delete" << table + ": " + table + "Insert"
             << table + ": " + table + "Update" << table + "Data: " + table + "DataDelete"
             << table + "Data: " + table + "DataInsert" << table + "Data: " + table + "DataFreeKey"
             << table + "Data: " + table + "DataMoveKey";
    triggers.sort();
    want.sort();
    EXPECT_EQ(triggers, want);
    const QList<QVariantList> indexes =
        db().rows("SELECT m.tbl_name, group_concat(i.name, ', '), l.\"unique\" FROM sqlite_master m, "
                  "pragma_index_info(m.name) i, pragma_index_list(m.tbl_name) l WHERE m.type = 'index' "
                  "AND l.name = m.name GROUP BY m.name ORDER BY m.tbl_name");
    const QList<QVariantList> wantIndexes = {{"tblCardData", "SetID, Nr", 0},
                                             {"tblCharacterData", "SetID, Nr", 0},
                                             {"tblLargeCardData", "SetID, Nr", 0}};
    EXPECT_EQ(indexes, wantIndexes);
    const QList<QVariantList> references = db().rows("SELECT m.name, f.\"from\", f.\"table\", f.\"to\" FROM "
                                                     "sqlite_master m, pragma_foreign_key_list(m.name) f "
                                                     "WHERE m.type = 'table' ORDER BY m.name");
    const QList<QVariantList> wantReferences = {
        {"tblCardPictures", "CardID", "tblCardData", "CardID"},
        {"tblCharacterPictures", "CharacterID", "tblCharacterData", "CharacterID"},
        {"tblLargeCardPictures", "LargeCardID", "tblLargeCardData", "LargeCardID"}};
    EXPECT_EQ(references, wantReferences);
}

} // namespace
