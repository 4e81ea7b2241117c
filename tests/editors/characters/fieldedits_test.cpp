// The character editor's field edits: each control writes its field of the character
// shown and refreshes what it drives; showing a character writes nothing but the two frame
// options; the attribute boxes; a refused write.
#include "characterattributes.h"
#include "characterfixture.h"

#include "frmCard.h"
#include "modData.h"

#include <QTransform>

#include <functional>

namespace {
using CharacterFields = CharacterFixture;

// The box around every pixel that differs from the background.
QRect inkBox(const QImage& image, QRgb background) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF)) ink |= QRect(x, y, 1, 1);
    return ink;
}

bool holdsColour(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) return true;
    return false;
}

// Antialiased text on black: every pixel is the colour at some strength, and the strongest
// comes near the full colour.
void expectInkOfColour(const QImage& image, QRgb colour) {
    double strongest = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const double a = double(std::max({qRed(p), qGreen(p), qBlue(p)})) /
                             double(std::max({qRed(colour), qGreen(colour), qBlue(colour)}));
            strongest = std::max(strongest, a);
            EXPECT_NEAR(qRed(p), a * qRed(colour), 3) << x << "," << y;
            EXPECT_NEAR(qGreen(p), a * qGreen(colour), 3) << x << "," << y;
            EXPECT_NEAR(qBlue(p), a * qBlue(colour), 3) << x << "," << y;
        }
    }
    EXPECT_GT(strongest, 0.6);
}

QRgb rgbOf(qint32 bgr) {
    return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}
} // namespace

TEST_F(CharacterFields, EachControlWritesItsFieldOfTheCharacterShown) {
    addOpenSet(2);
    const qint32 first = insertCharacter(1);
    const qint32 second = insertCharacter(2);
    FrmCharacter2nd& form = editor();
    click(form.cmdCharNav[2]);
    ASSERT_EQ(form.shownCharacterID(), second);

    struct Case {
        const char* what;
        std::function<void()> edit;
        const char* field;
        std::function<QString()> stored; // what the field must hold
        std::function<void()> preview;   // what it drives
    };
    const Case cases[] = {
        {"name", [&] { form.txtCharName.setText("Zara"); }, "Name", [] { return QStringLiteral("Zara"); },
         [&] {
             EXPECT_EQ(form.lblCharacter.Caption(), "Zara");
             EXPECT_EQ(form.lblPlayingPieceName.Caption(), "Zara");
         }},
        {"abilities", [&] { form.txtSpecialAbilities.setText("Flies\r\nSwims"); }, "Abilities",
         [] { return QStringLiteral("Flies\r\nSwims"); },
         [&] { EXPECT_EQ(form.lblSpecial.Caption(), "Flies\r\nSwims"); }},
        {"alignment", [&] { form.cboAlignment.setListIndex(2); }, "AlignmentID",
         [&] { return QString::number(form.cboAlignment.ItemData(2)); },
         [&] { EXPECT_EQ(form.lblAlignment.Caption(), "Dusk"); }},
        {"start area", [&] { form.cboStartArea.setListIndex(1); }, "StartingAreaID",
         [&] { return QString::number(form.cboStartArea.ItemData(1)); },
         [&] { EXPECT_EQ(form.lblStart.Caption(), "Quarry"); }},
        {"board shown", [&] { form.chkIncludeBoard.setValue(vbChecked); }, "IncludeBoard",
         [] { return QStringLiteral("True"); },
         [&] { EXPECT_EQ(form.lblStart.Caption(), "Quarry (Highland)"); }},
        {"board hidden", [&] { form.chkIncludeBoard.setValue(vbUnchecked); }, "IncludeBoard",
         [] { return QStringLiteral("False"); }, [&] { EXPECT_EQ(form.lblStart.Caption(), "Quarry"); }},
        {"card back", [&] { form.cboCharacterCardback.setListIndex(1); }, "CharacterBackID",
         [&] { return QString::number(form.cboCharacterCardback.ItemData(1)); },
         [&] { EXPECT_TRUE(holdsColour(form.picCharacterBack.Picture().image(), qRgb(0xd8, 0xc2, 0x7a))); }},
        {"strength typed", [&] { form.cboCharAttr[0].setText("+7"); }, "Strength",
         [] { return QStringLiteral("+7"); }, [] {}},
        {"craft picked", [&] { form.cboCharAttr[1].setListIndex(10); }, "Craft",
         [] { return QStringLiteral("---"); }, [] {}},
        {"gold", [&] { form.cboCharAttr[2].setText("9"); }, "Gold", [] { return QStringLiteral("9"); },
         [] {}},
        {"lives", [&] { form.cboCharAttr[3].setText("anything"); }, "Lives",
         [] { return QStringLiteral("anything"); }, [] {}},
        {"no frame", [&] { form.chkFrameCharacter.setValue(vbUnchecked); }, "UseFrame",
         [] { return QStringLiteral("False"); },
         [&] { EXPECT_EQ(form.picFrameCharacter.BorderStyle(), vbBSNone); }},
        {"frame", [&] { form.chkFrameCharacter.setValue(vbChecked); }, "UseFrame",
         [] { return QStringLiteral("True"); },
         [&] { EXPECT_EQ(form.picFrameCharacter.BorderStyle(), vbFixedSingle); }},
        {"no picture", [&] { form.chkShowPictureCharacter.setValue(vbUnchecked); }, "UsePicture",
         [] { return QStringLiteral("False"); },
         [&] {
             EXPECT_FALSE(form.picFrameCharacter.Visible());
             EXPECT_FALSE(form.lblPicSizeCharacter.Visible());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        rsCharacter->moveFirst(); // the batch may have moved the recordset
        c.edit();
        EXPECT_EQ(characterField(second, c.field).concatText(), c.stored());
        c.preview();
    }
    EXPECT_EQ(characterField(first, "Name").toText(), "CHARACTER 1"); // the other one untouched
    EXPECT_TRUE(characterField(first, "UsePicture").toBool());
    EXPECT_EQ(messageCount(), 0);
}

// A 3rd-edition set's lookups hold other areas and backs: the editor's own lists decide.
TEST_F(CharacterFields, AThirdEditionSetShowsTheSecondEditionsAreasAndBacks) {
    addOpenSet(3);
    const qint32 id = insertCharacter(1);
    FrmCharacter2nd& form = editor();
    form.chkIncludeBoard.setValue(vbChecked);
    form.cboStartArea.setListIndex(2);
    EXPECT_EQ(form.lblStart.Caption(), "Ford (Lowland)");
    form.cboCharacterCardback.setListIndex(1);
    EXPECT_EQ(characterField(id, "CharacterBackID").toLong(), form.cboCharacterCardback.ItemData(1));
    EXPECT_TRUE(holdsColour(form.picCharacterBack.Picture().image(), qRgb(0xd8, 0xc2, 0x7a)));
}

// Updates are counted by the database itself, so that rewriting a value unchanged shows.
TEST_F(CharacterFields, ShowingACharacterWritesNothingAndAppliesTheFrameOptions) {
    addOpenSet(2);
    insertCharacter(1);
    const qint32 second = insertCharacter(2, {{"Name", Variant("Other")},
                                              {"AlignmentID", Variant(3)},
                                              {"StartingAreaID", Variant(1)},
                                              {"IncludeBoard", Variant(true)},
                                              {"Strength", Variant("---")},
                                              {"Craft", Variant("+2")},
                                              {"Gold", Variant("9")},
                                              {"Lives", Variant("")},
                                              {"Abilities", Variant("Swims")},
                                              {"CharacterBackID", Variant(2)},
                                              {"UsePicture", Variant(false)},
                                              {"UseFrame", Variant(false)}});
    FrmCharacter2nd& form = editor();
    cnData->execute("CREATE TABLE written (name TEXT)");
    const char* columns[] = {"Name",      "AlignmentID",     "StartingAreaID", "IncludeBoard",
                             "Strength",  "Craft",           "Gold",           "Lives",
                             "Abilities", "CharacterBackID", "UsePicture",     "UseFrame"};
    for (const char* column : columns)
        cnData->execute(QStringLiteral("CREATE TRIGGER w%1 AFTER UPDATE OF %1 ON tblCharacterData "
                                       "BEGIN INSERT INTO written VALUES ('%1'); END")
                            .arg(QLatin1String(column)));

    click(form.cmdCharNav[2]);
    ASSERT_EQ(form.shownCharacterID(), second);
    click(form.cmdCharNav[0]);
    click(form.cmdCharNav[2]);

    std::vector<QString> written;
    const RecordsetPtr rows = cnData->openSnapshot("SELECT DISTINCT name FROM written ORDER BY name");
    for (; !rows->eof(); rows->moveNext())
        written.push_back(rows->field("name").toText());
    EXPECT_EQ(written, std::vector<QString>{});
    EXPECT_EQ(characterField(second, "Name").toText(), "Other");
    EXPECT_EQ(characterField(second, "Lives").toText(), "");
    EXPECT_FALSE(characterField(second, "UseFrame").toBool());
    EXPECT_EQ(form.picFrameCharacter.BorderStyle(), vbBSNone);
    EXPECT_FALSE(form.picFrameCharacter.Visible());
}

TEST_F(CharacterFields, AttributeTextsStandAloneBesideOrAfterABlank) {
    struct Case {
        int index;
        const char* value;
        const char* text;
    };
    for (const Case& c : {Case{0, "---", "STRENGTH"}, Case{0, "+0", "STRENGTH+0"}, Case{1, "3", "CRAFT 3"},
                          Case{2, "9", "GOLD 9"}, Case{3, "", "LIVES "}, Case{3, "-1", "LIVES -1"}})
        EXPECT_EQ(attributeText(c.index, QString::fromLatin1(c.value)), c.text) << c.value;
}

// Each box is the scratch box's centred line turned: Strength and Craft clockwise (reading
// down), Gold and Lives the other way, each in its own colour.
TEST_F(CharacterFields, AttributeBoxesShowTheirLineTurnedInTheirColour) {
    addOpenSet(2);
    const qint32 id = insertCharacter(1);
    FrmCharacter2nd& form = editor();
    const char* values[] = {"+9", "+2", "---", "5"}; // each differs from the stored one
    const qint32 colours[] = {0x101FFF, 0xF0BF00, 0x0FB0FF, 0x00B700};
    for (qint16 i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        form.cboCharAttr[size_t(i)].setText(QString::fromLatin1(values[i]));
        EXPECT_EQ(characterField(id, QString::fromLatin1(kCharacterAttributes[size_t(i)].field)).toText(),
                  values[i]);

        const QImage line = frmCard->picCharAttribute.Picture().image();
        ASSERT_EQ(line.size(), QSize(52, 12));
        const QRect ink = inkBox(line, qRgb(0, 0, 0));
        ASSERT_FALSE(ink.isEmpty());
        const QString text = attributeText(i, QString::fromLatin1(values[i]));
        const double width = frmCard->picCharAttribute.TextWidth(text) / twipsPerPixel;
        EXPECT_NEAR(ink.width(), width, 3.0);
        EXPECT_LE(std::abs(ink.left() - (51 - ink.right())), 2); // centred across
        EXPECT_LE(std::abs(ink.top() - (11 - ink.bottom())), 3); // and down
        expectInkOfColour(line, rgbOf(colours[i]));

        const QImage box = form.picCharAttrDisp[size_t(i)].Image().image();
        ASSERT_EQ(box.size(), QSize(12, 52));
        const bool clockwise = i < 2;
        EXPECT_EQ(box.convertToFormat(QImage::Format_RGB32),
                  line.transformed(QTransform().rotate(clockwise ? 90 : -90))
                      .convertToFormat(QImage::Format_RGB32));
        EXPECT_EQ(form.picCharAttrDisp[size_t(i)].Width(), 12);
        EXPECT_EQ(form.picCharAttrDisp[size_t(i)].Height(), 52);
    }
}

// A refused update is cancelled: the preview keeps the stored name and the next write does
// not carry the refused one along.
TEST_F(CharacterFields, ARefusedWriteIsReportedAndLeavesNothingPending) {
    addOpenSet(2);
    const qint32 id = insertCharacter(1);
    FrmCharacter2nd& form = editor();
    cnData->execute("CREATE TRIGGER refuse BEFORE UPDATE OF Name ON tblCharacterData "
                    "BEGIN SELECT RAISE(ABORT, 'refused'); END");

    form.txtCharName.setText("Zara");

    ASSERT_EQ(messageCount(), 1);
    EXPECT_TRUE(folder.dialogs().messages()[0].prompt.contains("refused"));
    EXPECT_EQ(characterField(id, "Name").toText(), "CHARACTER 1");
    EXPECT_NE(form.lblCharacter.Caption(), "Zara");

    cnData->execute("DROP TRIGGER refuse");
    form.txtSpecialAbilities.setText("Swims");
    EXPECT_EQ(characterField(id, "Abilities").toText(), "Swims");
    EXPECT_EQ(characterField(id, "Name").toText(), "CHARACTER 1");
    EXPECT_EQ(messageCount(), 1);
}
