// The character records: the empty set, adding with its defaults and its refusals,
// navigation, and the shown character that every write and redisplay goes back to.
#include "characterfixture.h"

#include "modData.h"

namespace {
using CharacterRecords = CharacterFixture;
} // namespace

TEST_F(CharacterRecords, ASetWithoutCharactersOffersOnlyAddingAndItsFirstCharacterIsNumberOne) {
    addOpenSet(2);
    FrmCharacter2nd& form = editor();
    EXPECT_FALSE(form.picCharacterRest.Visible());
    EXPECT_FALSE(form.pic2ndCharacter.Visible());
    for (const Control* control : {static_cast<const Control*>(&form.cmdCharacterDelete),
                                   static_cast<const Control*>(&form.cmdSortCharacter),
                                   static_cast<const Control*>(&form.lblCurrentCardCharacter)})
        EXPECT_FALSE(control->Enabled()) << control->Name().toStdString();
    for (const CommandButton& button : form.cmdCharNav)
        EXPECT_FALSE(button.Enabled());
    EXPECT_TRUE(form.cmdCharacterAdd.Enabled());
    EXPECT_EQ(form.lblCurrentCardCharacter.Caption(), "0 (0)");
    EXPECT_EQ(form.lblCurrentCardCharacter.Tag(), "0");

    click(form.cmdCharacterAdd);
    EXPECT_EQ(characters(), (std::vector<std::pair<int, QString>>{{1, "CHARACTER 1"}}));
    EXPECT_EQ(form.lblCurrentCardCharacter.Caption(), "1 (1)");
    EXPECT_TRUE(form.picCharacterRest.Visible());
    EXPECT_TRUE(form.cmdCharNav[0].Enabled());
}

TEST_F(CharacterRecords, ANewCharacterTakesTheDefaultsAndIsShownWithItsNameSelected) {
    addOpenSet(2);
    for (int nr = 1; nr <= 4; ++nr)
        insertCharacter(nr);
    FrmCharacter2nd& form = editor();
    click(form.cmdCharacterAdd);

    const qint32 id = form.shownCharacterID();
    ASSERT_EQ(characters().size(), 5u);
    for (const auto& [field, value] : newCharacterValues(5))
        EXPECT_EQ(characterField(id, field).concatText(), value.concatText()) << field.toStdString();
    EXPECT_FALSE(characterField(id, "IncludeBoard").toBool());
    for (const char* picture : {"Picture", "Background", "PlayingPiece"})
        EXPECT_TRUE(characterField(id, picture).isNull()) << picture;

    EXPECT_EQ(form.lblCurrentCardCharacter.Caption(), "5 (5)");
    EXPECT_EQ(form.lblCurrentCardCharacter.Tag(), "5");
    EXPECT_EQ(form.txtCharName.Text(), "CHARACTER 5");
    EXPECT_EQ(form.txtCharName.SelLength(), 11); // typing replaces the default name
    EXPECT_EQ(form.cboStartArea.Text(), "Highland : Lookout");
    EXPECT_EQ(form.cboCharacterCardback.Text(), "Slate Zigzag");
    EXPECT_EQ(form.cboCharAttr[3].Text(), "4");
    EXPECT_EQ(form.chkShowPictureCharacter.Value(), vbChecked);
    EXPECT_EQ(form.lblPicDimChar.Caption(), "(121W*218H)"); // framed
    EXPECT_EQ(form.lblPicDimPlay.Caption(), "(132W*222H)");
}

// The lists and the defaults are the 2nd edition's, in the set's language, whatever the
// set's edition; a language without alignment 2 gives its first alignment.
TEST_F(CharacterRecords, ListsAndDefaultsAreTheSecondEditionsOfTheSetsLanguage) {
    struct Case {
        qint16 edition;
        qint32 language;
        qint32 area, alignment, back;
        const char* firstArea;
    };
    for (const Case& c :
         {Case{2, 1, 5, 2, 1, "Highland : Lookout"}, Case{3, 1, 5, 2, 1, "Highland : Lookout"},
          Case{2, 2, 13, 4, 4, "Hochland : Ausguck"}}) {
        SCOPED_TRACE(testing::Message() << "edition " << c.edition << ", language " << c.language);
        addOpenSet(c.edition, c.language);
        FrmCharacter2nd& form = editor();
        form.Initialise();
        EXPECT_EQ(form.cboStartArea.ListCount(), 5);
        EXPECT_EQ(form.cboStartArea.Text(), c.firstArea);
        EXPECT_EQ(form.cboAlignment.ListCount(), 3);
        EXPECT_EQ(form.cboCharacterCardback.ListCount(), 2);
        ASSERT_EQ(form.cboCharAttr[0].ListCount(), 20);
        EXPECT_EQ(form.cboCharAttr[0].Text(), "3");
        click(form.cmdCharacterAdd);
        const qint32 id = form.shownCharacterID();
        EXPECT_EQ(characterField(id, "StartingAreaID").toLong(), c.area);
        EXPECT_EQ(characterField(id, "AlignmentID").toLong(), c.alignment);
        EXPECT_EQ(characterField(id, "CharacterBackID").toLong(), c.back);
    }
}

TEST_F(CharacterRecords, AddIsRefusedWithAMessageNamingWhatTheLanguageLacks) {
    struct Case {
        const char* remove;
        const char* named;
    };
    for (const Case& c : {Case{"DELETE FROM tblArea WHERE LanguageID = 1 AND EditionID = 2",
                               "has no start area for characters"},
                          Case{"DELETE FROM tblCharacterBack WHERE LanguageID = 1 AND EditionID = 2",
                               "has no start area and no character back"}}) {
        SCOPED_TRACE(c.remove);
        addOpenSet(2);
        cnData->execute(QString::fromLatin1(c.remove));
        FrmCharacter2nd& form = editor();
        form.Initialise();
        const int before = messageCount();
        click(form.cmdCharacterAdd);
        EXPECT_TRUE(characters().empty());
        ASSERT_EQ(messageCount(), before + 1);
        EXPECT_TRUE(folder.dialogs().messages().back().prompt.contains(QLatin1String(c.named)))
            << folder.dialogs().messages().back().prompt.toStdString();
        EXPECT_EQ(form.lblCurrentCardCharacter.Caption(), "0 (0)");
    }
}

TEST_F(CharacterRecords, AddWithoutAnOpenSetDoesNothing) {
    addOpenSet(2);
    FrmCharacter2nd& form = editor();
    iSetID = 0;
    click(form.cmdCharacterAdd);
    EXPECT_EQ(cnData->openSnapshot(QStringLiteral("SELECT * FROM tblCharacter"))->recordCount(), 0);
    EXPECT_EQ(messageCount(), 0);
}

TEST_F(CharacterRecords, NavigationMovesFromTheShownCharacterAndStaysOnTheEnds) {
    addOpenSet(2);
    qint32 ids[3];
    for (int nr = 1; nr <= 3; ++nr)
        ids[nr - 1] = insertCharacter(nr);
    FrmCharacter2nd& form = editor();
    ASSERT_EQ(form.shownCharacterID(), ids[0]);
    struct Step {
        int index;
        int shown; // 0-based
    };
    for (const Step& step : {Step{1, 0}, Step{2, 1}, Step{3, 2}, Step{2, 2}, Step{1, 1}, Step{0, 0}}) {
        form.cmdCharNav_Click(step.index);
        EXPECT_EQ(form.shownCharacterID(), ids[step.shown]) << "button " << step.index;
        EXPECT_EQ(form.lblCurrentCardCharacter.Caption(), QStringLiteral("%1 (3)").arg(step.shown + 1));
        EXPECT_EQ(form.txtCharName.Text(), QStringLiteral("CHARACTER %1").arg(step.shown + 1));
    }
}

// The batch moves the shared recordset: writes and redisplays go back to the character shown.
TEST_F(CharacterRecords, WritesAndRedisplayFollowTheShownCharacterWhereverTheRecordsetWent) {
    addOpenSet(2);
    const qint32 first = insertCharacter(1);
    const qint32 second = insertCharacter(2);
    insertCharacter(3);
    FrmCharacter2nd& form = editor();
    click(form.cmdCharNav[2]);
    ASSERT_EQ(form.shownCharacterID(), second);

    rsCharacter->moveLast();
    form.editShownCharacter([](Recordset& row) { row.field(QStringLiteral("Gold")) = QStringLiteral("7"); });
    EXPECT_EQ(characterField(second, "Gold").toText(), "7");

    rsCharacter->moveFirst();
    form.UpdateDisplay();
    EXPECT_EQ(form.shownCharacterID(), second);
    EXPECT_EQ(form.cboCharAttr[2].Text(), "7");
    EXPECT_EQ(characterField(first, "Gold").toText(), "1");
}

TEST_F(CharacterRecords, ShowingACharacterWritesNothingAndUnknownKeysLeaveTheListsWithoutAChoice) {
    addOpenSet(2);
    const FieldValues unknown{{"StartingAreaID", Variant(999)},  {"AlignmentID", Variant(999)},
                              {"CharacterBackID", Variant(999)}, {"Strength", Variant("+9")},
                              {"IncludeBoard", Variant(true)},   {"Abilities", Variant("Flies\r\nSwims")}};
    const qint32 id = insertCharacter(1, unknown);
    FrmCharacter2nd& form = editor();
    ASSERT_EQ(form.shownCharacterID(), id);
    EXPECT_EQ(form.cboStartArea.ListIndex(), -1);
    EXPECT_EQ(form.cboAlignment.ListIndex(), -1);
    EXPECT_EQ(form.cboCharacterCardback.ListIndex(), -1);
    EXPECT_EQ(form.cboCharAttr[0].Text(), "+9");
    EXPECT_EQ(form.chkIncludeBoard.Value(), vbChecked);
    EXPECT_EQ(form.txtSpecialAbilities.Text(), "Flies\r\nSwims");
    for (const auto& [field, value] : unknown)
        EXPECT_EQ(characterField(id, field).concatText(), value.concatText()) << field.toStdString();
}
