-- Reference rows of a new zqj.mdb. Booleans are written as -1 (True) and 0 (False).
-- PICTURE('pattern', width, height, '#ground', '#ink') stands for the bytes of a generated
-- 24-bit BMP; the build replaces it with a blob literal. Patterns: stripes, checks, diamonds,
-- rings, dots, zigzag. Sizes fill the back half of a saved card image exactly:
-- 150 x 254 for 2nd-edition card backs, 161 x 245 for 3rd-edition ones, 302 x 254 for characters.

-- The first language is preselected for every new set, so it must have every kind of row.
INSERT INTO tblLanguage (LanguageID, Language) VALUES
    (1, 'English'),
    (2, 'Deutsch');

-- The batch chooses the writer by these keys.
INSERT INTO tblPicFormat (PicFormatID, PicFormat) VALUES
    (1, 'BMP'),
    (2, 'JPG'),
    (3, 'GIF');

-- Key 2 is every new character's alignment, so it belongs to the first language.
INSERT INTO tblAlignment (AlignmentID, Alignment, LanguageID, AlignmentNr) VALUES
    (1, 'Dawn', 1, 1),
    (2, 'Twilight', 1, 2),
    (3, 'Dusk', 1, 3),
    (4, 'Morgengrauen', 2, 1),
    (5, 'Zwielicht', 2, 2),
    (6, 'Abenddämmerung', 2, 3);

INSERT INTO tblArea (Board, Area, LanguageID, EditionID) VALUES
    ('Lowland', 'Mill', 1, 2),
    ('Lowland', 'Ford', 1, 2),
    ('Lowland', 'Orchard', 1, 2),
    ('Highland', 'Quarry', 1, 2),
    ('Highland', 'Lookout', 1, 2),
    ('Coast', 'Harbour', 1, 3),
    ('Coast', 'Lighthouse', 1, 3),
    ('Marsh', 'Reed Bank', 1, 3),
    ('Tiefland', 'Mühle', 2, 2),
    ('Tiefland', 'Furt', 2, 2),
    ('Tiefland', 'Obstgarten', 2, 2),
    ('Hochland', 'Steinbruch', 2, 2),
    ('Hochland', 'Ausguck', 2, 2),
    ('Küste', 'Hafen', 2, 3),
    ('Küste', 'Leuchtturm', 2, 3),
    ('Sumpf', 'Schilfufer', 2, 3);

-- 2nd-edition types show UpperLeft, LowerLeft and LowerRight; 3rd-edition ones UpperLeft and
-- UpperRight. Number is copied into every new card of the type.
INSERT INTO tblCardType
    (UpperLeft, LowerLeft, UpperRight, LowerRight, Number, LanguageID, EditionID, Original, UsedInSet) VALUES
    ('Encounter', '', '', '', '1', 1, 2, -1, 0),
    ('Encounter', 'Beast', '', '', '2', 1, 2, -1, 0),
    ('Treasure', '', '', '', '3', 1, 2, -1, 0),
    ('Treasure', 'Relic', '', 'Rare', '4', 1, 2, -1, 0),
    ('Companion', '', '', '', '5', 1, 2, -1, 0),
    ('Omen', '', '', '', '6', 1, 2, -1, 0),
    ('Encounter', '', 'Beast', '', '1', 1, 3, -1, 0),
    ('Encounter', '', 'Wanderer', '', '2', 1, 3, -1, 0),
    ('Treasure', '', 'Relic', '', '3', 1, 3, -1, 0),
    ('Companion', '', '', '', '4', 1, 3, -1, 0),
    ('Omen', '', '', '', '5', 1, 3, -1, 0),
    ('Begegnung', '', '', '', '1', 2, 2, -1, 0),
    ('Begegnung', 'Bestie', '', '', '2', 2, 2, -1, 0),
    ('Schatz', '', '', '', '3', 2, 2, -1, 0),
    ('Schatz', 'Reliquie', '', 'Selten', '4', 2, 2, -1, 0),
    ('Gefährte', '', '', '', '5', 2, 2, -1, 0),
    ('Omen', '', '', '', '6', 2, 2, -1, 0),
    ('Begegnung', '', 'Bestie', '', '1', 2, 3, -1, 0),
    ('Begegnung', '', 'Wanderer', '', '2', 2, 3, -1, 0),
    ('Schatz', '', 'Reliquie', '', '3', 2, 3, -1, 0),
    ('Gefährte', '', '', '', '4', 2, 3, -1, 0),
    ('Omen', '', '', '', '5', 2, 3, -1, 0);

INSERT INTO tblCardBack (BackText, Picture, LanguageID, EditionID, Original) VALUES
    ('Amber Checks', PICTURE('checks', 150, 254, '#e0a030', '#6b3f10'), 1, 2, -1),
    ('Indigo Stripes', PICTURE('stripes', 150, 254, '#2b2f7a', '#b8bde8'), 1, 2, -1),
    ('Moss Diamonds', PICTURE('diamonds', 161, 245, '#4f6b2a', '#d6e0a8'), 1, 3, -1),
    ('Rust Rings', PICTURE('rings', 161, 245, '#9c3b1b', '#f0c8a0'), 1, 3, -1),
    ('Türkise Punkte', PICTURE('dots', 150, 254, '#1f8f8a', '#e8fbf8'), 2, 2, -1),
    ('Purpurne Zacken', PICTURE('zigzag', 150, 254, '#6a1f6e', '#e6b8e8'), 2, 2, -1),
    ('Graue Karos', PICTURE('checks', 161, 245, '#5c5c5c', '#d0d0d0'), 2, 3, -1),
    ('Rote Streifen', PICTURE('stripes', 161, 245, '#b01e2a', '#f7d7d0'), 2, 3, -1);

INSERT INTO tblCharacterBack (BackText, Picture, LanguageID, EditionID, Original) VALUES
    ('Slate Zigzag', PICTURE('zigzag', 302, 254, '#3c4a57', '#aebfcf'), 1, 2, -1),
    ('Wheat Dots', PICTURE('dots', 302, 254, '#d8c27a', '#7a5c1e'), 1, 2, -1),
    ('Plum Diamonds', PICTURE('diamonds', 302, 254, '#5a2340', '#e0a8c8'), 1, 3, -1),
    ('Blaue Ringe', PICTURE('rings', 302, 254, '#1d4f91', '#c0d8f4'), 2, 2, -1),
    ('Grüne Karos', PICTURE('checks', 302, 254, '#2f7a3a', '#c8ecc0'), 2, 2, -1),
    ('Gelbe Rauten', PICTURE('diamonds', 302, 254, '#c9a800', '#fff4b0'), 2, 3, -1);
