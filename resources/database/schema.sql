-- Tables of zqj.mdb. The declared types name each column's logical type, because the
-- database layer builds its column catalogue from them:
--   INTEGER PRIMARY KEY AUTOINCREMENT  key (a deleted key is never given again)
--   SMALLINT                           16-bit integer
--   INTEGER                            32-bit integer, colours (&HBBGGRR), keys of other tables
--   DOUBLE                             double
--   BOOLEAN NOT NULL DEFAULT 0         Boolean, stored as -1 (True) and 0 (False)
--   TEXT COLLATE NOCASE                one-line text
--   LONGTEXT COLLATE NOCASE            memo, may hold CR LF
--   BLOB                               the bytes of a picture file
-- No unique constraints: rows of a deleted set stay behind and numbers pass through
-- duplicates. The card tables are made here whole and then stored as two tables each behind a
-- view, with the triggers and the reference that this takes, and their indexes
-- (cardtables.cpp, cardindexes.cpp).

CREATE TABLE tblLanguage (
    LanguageID INTEGER PRIMARY KEY AUTOINCREMENT,
    Language TEXT COLLATE NOCASE
);

CREATE TABLE tblPicFormat (
    PicFormatID INTEGER PRIMARY KEY AUTOINCREMENT,
    PicFormat TEXT COLLATE NOCASE
);

CREATE TABLE tblFont (
    FontID INTEGER PRIMARY KEY AUTOINCREMENT,
    Font TEXT COLLATE NOCASE,
    Size SMALLINT,
    Bold BOOLEAN NOT NULL DEFAULT 0,
    Italic BOOLEAN NOT NULL DEFAULT 0,
    Colour INTEGER
);

CREATE TABLE tblSet (
    SetID INTEGER PRIMARY KEY AUTOINCREMENT,
    SetName TEXT COLLATE NOCASE,
    EditionID SMALLINT,
    LanguageID INTEGER,
    DefaultCardTypeID INTEGER,
    DefaultCardBackID INTEGER,
    ArtistColour INTEGER,
    PicFormatID INTEGER,
    Autonumber BOOLEAN NOT NULL DEFAULT 0,
    UseSymbol BOOLEAN NOT NULL DEFAULT 0,
    Symbol BLOB,
    SaveTo TEXT COLLATE NOCASE,
    FilenamePrefix TEXT COLLATE NOCASE,
    FileCardNr BOOLEAN NOT NULL DEFAULT 0,
    NoBack BOOLEAN NOT NULL DEFAULT 0,
    ReplaceSpace BOOLEAN NOT NULL DEFAULT 0,
    CardTypeFontID INTEGER,
    CardNumberFontID INTEGER,
    CardTitleFontID INTEGER,
    CardBoldFontID INTEGER,
    CardInformationFontID INTEGER,
    AutonumberFontID INTEGER,
    CardLargeTitleFontID INTEGER,
    CardLargeInfoFontID INTEGER,
    CharacterNameFontID INTEGER,
    CharacterSpecialTitleFontID INTEGER,
    CharacterSpecialFontID INTEGER,
    CharacterInfoFontID INTEGER,
    CharacterPieceFontID INTEGER
);

CREATE TABLE tblArea (
    AreaID INTEGER PRIMARY KEY AUTOINCREMENT,
    Board TEXT COLLATE NOCASE,
    Area TEXT COLLATE NOCASE,
    LanguageID INTEGER,
    EditionID SMALLINT
);

CREATE TABLE tblAlignment (
    AlignmentID INTEGER PRIMARY KEY AUTOINCREMENT,
    Alignment TEXT COLLATE NOCASE,
    LanguageID INTEGER,
    AlignmentNr SMALLINT
);

CREATE TABLE tblCharacterBack (
    CharacterBackID INTEGER PRIMARY KEY AUTOINCREMENT,
    BackText TEXT COLLATE NOCASE,
    Picture BLOB,
    LanguageID INTEGER,
    EditionID SMALLINT,
    Original BOOLEAN NOT NULL DEFAULT 0
);

CREATE TABLE tblCardType (
    CardTypeID INTEGER PRIMARY KEY AUTOINCREMENT,
    UpperLeft TEXT COLLATE NOCASE,
    LowerLeft TEXT COLLATE NOCASE,
    UpperRight TEXT COLLATE NOCASE,
    LowerRight TEXT COLLATE NOCASE,
    Number TEXT COLLATE NOCASE,
    LanguageID INTEGER,
    EditionID SMALLINT,
    Original BOOLEAN NOT NULL DEFAULT 0,
    UsedInSet INTEGER
);

-- EditionID is 32-bit here, unlike the other tables: the back dialog writes it as such.
CREATE TABLE tblCardBack (
    CardBackID INTEGER PRIMARY KEY AUTOINCREMENT,
    BackText TEXT COLLATE NOCASE,
    Picture BLOB,
    LanguageID INTEGER,
    EditionID INTEGER,
    Original BOOLEAN NOT NULL DEFAULT 0
);

CREATE TABLE tblCard (
    CardID INTEGER PRIMARY KEY AUTOINCREMENT,
    Nr SMALLINT,
    SetID INTEGER,
    Title LONGTEXT COLLATE NOCASE,
    Copies INTEGER,
    CardTypeID INTEGER,
    Number TEXT COLLATE NOCASE,
    OneLine BOOLEAN NOT NULL DEFAULT 0,
    UsePicture BOOLEAN NOT NULL DEFAULT 0,
    PicTop DOUBLE,
    PicLeft DOUBLE,
    PicHeight DOUBLE,
    Resize BOOLEAN NOT NULL DEFAULT 0,
    UseFrame BOOLEAN NOT NULL DEFAULT 0,
    Artist TEXT COLLATE NOCASE,
    BoldText TEXT COLLATE NOCASE,
    Information LONGTEXT COLLATE NOCASE,
    CardBackID INTEGER,
    BGColour INTEGER,
    FileName TEXT COLLATE NOCASE,
    Picture BLOB,
    Background BLOB
);

CREATE TABLE tblCharacter (
    CharacterID INTEGER PRIMARY KEY AUTOINCREMENT,
    SetID INTEGER,
    Nr SMALLINT,
    Name TEXT COLLATE NOCASE,
    AlignmentID INTEGER,
    StartingAreaID INTEGER,
    IncludeBoard BOOLEAN NOT NULL DEFAULT 0,
    Strength TEXT COLLATE NOCASE,
    Craft TEXT COLLATE NOCASE,
    Gold TEXT COLLATE NOCASE,
    Lives TEXT COLLATE NOCASE,
    Abilities LONGTEXT COLLATE NOCASE,
    UsePicture BOOLEAN NOT NULL DEFAULT 0,
    UseFrame BOOLEAN NOT NULL DEFAULT 0,
    Picture BLOB,
    PicTop SMALLINT,
    PicLeft SMALLINT,
    PicWidth SMALLINT,
    PicHeight SMALLINT,
    Background BLOB,
    CharacterBackID INTEGER,
    PlayingPiece BLOB,
    PPTop SMALLINT,
    PPLeft SMALLINT
);

CREATE TABLE tblLargeCard (
    LargeCardID INTEGER PRIMARY KEY AUTOINCREMENT,
    SetID INTEGER,
    Nr SMALLINT,
    Title LONGTEXT COLLATE NOCASE,
    Information LONGTEXT COLLATE NOCASE,
    UsePicture BOOLEAN NOT NULL DEFAULT 0,
    Picture BLOB,
    PicTop SMALLINT,
    PicLeft SMALLINT,
    PicWidth SMALLINT,
    UseFrame BOOLEAN NOT NULL DEFAULT 0,
    Resize BOOLEAN NOT NULL DEFAULT 0,
    BGPicture BLOB,
    BGColour INTEGER,
    LargeCardBack BLOB,
    Copies SMALLINT
);
