// A character laid out on the preview: the text column beside the picture frame, the
// texts, pictures and back of the row, and what the layout does with bad rows.
#include "characterfixture.h"

#include "modData.h"

namespace {
class CharacterLayout : public CharacterFixture {
protected:
    // The editor showing the open set's one character, made with `fields`.
    FrmCharacter2nd& shown(const FieldValues& fields, const FieldValues& setFields = {}) {
        addOpenSet(2, 1, setFields);
        insertCharacter(7, fields);
        return editor();
    }
};
} // namespace

TEST_F(CharacterLayout, TheTextColumnFollowsTheFrame) {
    struct Case {
        bool usePicture, useFrame;
        int picWidth;
        double frameHeight;
        int border;
        double handle, column, alignment, alignmentWidth, start, startWidth, specialWidth;
    };
    for (const Case& c : {Case{true, true, 121, 218, vbFixedSingle, 122, 128, 193, 79, 169, 103, 144},
                          Case{true, false, 153, 220, vbBSNone, 154, 160, 225, 47, 201, 71, 112},
                          Case{false, true, 121, 218, vbFixedSingle, 0, 6, 71, 201, 47, 225, 266}}) {
        SCOPED_TRACE(c.picWidth + c.usePicture);
        FrmCharacter2nd& form = shown({{"UsePicture", Variant(c.usePicture)},
                                       {"UseFrame", Variant(c.useFrame)},
                                       {"PicWidth", Variant(c.picWidth)}});
        EXPECT_EQ(form.picFrameCharacter.Visible(), c.usePicture);
        EXPECT_EQ(form.lblPicSizeCharacter.Visible(), c.usePicture);
        EXPECT_EQ(form.picFrameCharacter.Width(), c.picWidth);
        EXPECT_EQ(form.picFrameCharacter.Height(), c.frameHeight);
        EXPECT_EQ(form.picFrameCharacter.BorderStyle(), c.border);
        EXPECT_EQ(form.lblPicSizeCharacter.Left(), c.handle);
        for (const Label* label :
             {&form.lblAlignmentTitle, &form.lblStartTitle, &form.lblSpecialTitle, &form.lblSpecial})
            EXPECT_EQ(label->Left(), c.column) << label->Name().toStdString();
        EXPECT_EQ(form.lblAlignment.Left(), c.alignment);
        EXPECT_EQ(form.lblAlignment.Width(), c.alignmentWidth);
        EXPECT_EQ(form.lblStart.Left(), c.start);
        EXPECT_EQ(form.lblStart.Width(), c.startWidth);
        EXPECT_EQ(form.lblSpecialTitle.Width(), c.specialWidth);
        EXPECT_EQ(form.lblSpecial.Width(), c.specialWidth);
        EXPECT_EQ(form.lblAlignmentTitle.Width(), 65); // the titles keep their widths
        frmCharacter2nd.unload();
    }
}

TEST_F(CharacterLayout, TheRowsTextsAndTheSetsOptions) {
    struct Case {
        bool includeBoard, autonumber, useSymbol;
        const char* start;
    };
    for (const Case& c :
         {Case{true, true, true, "Lookout (Highland)"}, Case{false, false, false, "Lookout"}}) {
        SCOPED_TRACE(c.start);
        FrmCharacter2nd& form =
            shown({{"Name", Variant("HERO")},
                   {"IncludeBoard", Variant(c.includeBoard)},
                   {"Abilities", Variant("Flies\r\nSwims")}},
                  {{"Autonumber", Variant(c.autonumber)}, {"UseSymbol", Variant(c.useSymbol)}});
        EXPECT_EQ(form.lblCharacter.Caption(), "HERO");
        EXPECT_EQ(form.lblPlayingPieceName.Caption(), "HERO");
        EXPECT_EQ(form.lblAlignment.Caption(), "Twilight");
        EXPECT_EQ(form.lblStart.Caption(), c.start);
        EXPECT_EQ(form.lblSpecial.Caption(), "Flies\r\nSwims");
        EXPECT_EQ(form.lblAutonumberCharacter.Caption(), "7"); // also while hidden
        EXPECT_EQ(form.lblAutonumberCharacter.Visible(), c.autonumber);
        EXPECT_EQ(form.picSymbolCharacter.Visible(), c.useSymbol);
        if (c.useSymbol) {
            // Its bottom-right corner 29 pixels in from the card box's.
            EXPECT_EQ(form.picSymbolCharacter.Left() + form.picSymbolCharacter.Width(), 304 - 29);
            EXPECT_EQ(form.picSymbolCharacter.Top() + form.picSymbolCharacter.Height(), 256 - 29);
        }
        EXPECT_EQ(form.picCharacter.Picture().image().size(), QSize(302, 254)); // the template
        frmCharacter2nd.unload();
    }
}

// The picture is loaded and placed also when the frame is hidden; empty fields empty their boxes.
TEST_F(CharacterLayout, PicturesAndTheBackOfTheRow) {
    FrmCharacter2nd& form = shown({{"UsePicture", Variant(false)},
                                   {"Picture", Variant(bmpBytes(40, 30))},
                                   {"PicTop", Variant(-150)},
                                   {"PicLeft", Variant(300)},
                                   {"PlayingPiece", Variant(bmpBytes(20, 10))},
                                   {"PPTop", Variant(45)},
                                   {"PPLeft", Variant(-30)},
                                   {"CharacterBackID", Variant(2)}});
    EXPECT_FALSE(form.picFrameCharacter.Visible());
    EXPECT_EQ(form.picImageCharacter.Picture().image().size(), QSize(40, 30));
    EXPECT_EQ(form.picImageCharacter.Top(), -150);
    EXPECT_EQ(form.picImageCharacter.Left(), 300);
    EXPECT_EQ(form.picPlayingPieceImage.Picture().image().size(), QSize(20, 10));
    EXPECT_EQ(form.picPlayingPieceImage.Top(), 45);
    EXPECT_EQ(form.picPlayingPieceImage.Left(), -30);
    EXPECT_TRUE(form.picBackgroundChar.Picture().isNull());
    EXPECT_EQ(form.picCharacterBack.Picture().image().size(), QSize(302, 254));
    EXPECT_EQ(messageCount(), 0);
}

// A back of another edition or a damaged stored picture: the layout goes on, the back box
// empty without a word, and the damaged fields named in one message for the character shown.
TEST_F(CharacterLayout, BadRowsAreLaidOutAsFarAsTheyGo) {
    const QByteArray damaged("not a picture");
    FrmCharacter2nd& form = shown({{"Name", Variant("HERO")},
                                   {"CharacterBackID", Variant(3)},
                                   {"Picture", Variant(damaged)},
                                   {"Background", Variant(damaged)}});
    EXPECT_TRUE(form.picCharacterBack.Picture().isNull());
    EXPECT_EQ(form.lblPlayingPieceName.Caption(), "HERO");
    ASSERT_EQ(messageCount(), 1);
    const ShownMessage& message = folder.dialogs().messages()[0];
    EXPECT_EQ(message.title, "Stored value");
    EXPECT_TRUE(
        message.prompt.contains("Picture of character 7 of the set \"Test set\": no picture is shown"))
        << message.prompt.toStdString();
    EXPECT_TRUE(message.prompt.contains("Background of character 7 of the set \"Test set\""))
        << message.prompt.toStdString();
}
