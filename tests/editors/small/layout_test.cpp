// The card laid out on the preview controls: where each element stands and what it shows,
// in both editions, and how layout errors are reported.
#include "smallcardfixture.h"

#include "frmMaster.h"
#include "modData.h"
#include "runtime/app.h"
#include "runtime/colour.h"

namespace {
struct Geometry {
    double left, top, width, height;
    bool operator==(const Geometry&) const = default;
};

Geometry geometry(const Control& control) {
    return {control.Left(), control.Top(), control.Width(), control.Height()};
}

std::ostream& operator<<(std::ostream& out, const Geometry& g) {
    return out << "(" << g.left << ", " << g.top << ", " << g.width << ", " << g.height << ")";
}

class Layout : public SmallCardFixture {
protected:
    template <class Form> Form& show(FormInstance<Form>& instance, const std::map<QString, Variant>& fields) {
        insertCard(1, fields);
        return instance.get(); // loading shows the first card
    }
    const std::vector<ShownMessage>& messages() const { return folder.dialogs().messages(); }
};
} // namespace

TEST_F(Layout, SecondEditionTextsAndCornersOfAPictureCard) {
    openNewSet(2);
    FrmCard2nd& form = show(frmCard2nd, {{"CardTypeID", 4},
                                         {"Number", "X"},
                                         {"Title", "Sword"},
                                         {"BoldText", "Strong"},
                                         {"Information", "Line one\r\nLine two"}});
    EXPECT_EQ(form.lblTitle.Caption(), "Sword");
    EXPECT_EQ(form.lblType[0].Caption(), "Treasure");
    EXPECT_EQ(form.lblType[1].Caption(), "");
    EXPECT_EQ(form.lblType[2].Caption(), "Relic");
    EXPECT_EQ(form.lblType[3].Caption(), "Rare");
    EXPECT_EQ(form.lblNumber.Caption(), "X"); // the card's own number, not the type's
    EXPECT_EQ(form.lblInformation.Caption(), "Line one\r\nLine two");
    EXPECT_TRUE(form.picFrame.Visible());
    EXPECT_EQ(form.picFrame.BorderStyle(), vbFixedSingle);
    EXPECT_EQ(geometry(form.picFrame), (Geometry{5, 40, 139, 105}));
    EXPECT_EQ(form.lblPicSize.Top(), 145);
    EXPECT_EQ(geometry(form.lblBold), (Geometry{5, 148, 139, 12}));
    EXPECT_EQ(geometry(form.lblInformation), (Geometry{5, 160, 139, 81}));
    EXPECT_EQ(geometry(form.lblTitle), (Geometry{5, 28, 139, 13}));
    EXPECT_EQ(geometry(form.lblType[3]), (Geometry{88, 15, 57, 12}));
    EXPECT_EQ(form.lblType[1].Alignment(), vbRightJustify);
    EXPECT_EQ(geometry(form.lblNumber), (Geometry{66, 8, 17, 17}));
    EXPECT_EQ(geometry(form.picCard), (Geometry{0, 0, 152, 256}));
    EXPECT_EQ(geometry(form.picBack), (Geometry{152, 0, 152, 256}));
    EXPECT_FALSE(form.picArtistDest.Visible());
    EXPECT_TRUE(messages().empty());
}

TEST_F(Layout, SecondEditionTextPlacesWithoutBoldTextOrPicture) {
    openNewSet(2);
    FrmCard2nd& form = show(frmCard2nd, {});
    EXPECT_EQ(geometry(form.lblBold), (Geometry{5, 148, 139, 1}));
    EXPECT_EQ(geometry(form.lblInformation), (Geometry{5, 149, 139, 92}));

    insertCard(2, {{"UsePicture", false}, {"BoldText", "B"}});
    form.InitCard2nd();
    click(form.cmdCardNav[3]);
    EXPECT_FALSE(form.picFrame.Visible());
    EXPECT_EQ(form.lblBold.Top(), 44); // under the title
    EXPECT_EQ(geometry(form.lblInformation), (Geometry{5, 56, 139, 185}));
}

TEST_F(Layout, TheLargestFrameLeavesEighteenRowsOfInformation) {
    openNewSet(2);
    FrmCard2nd& card2nd = show(frmCard2nd, {{"PicHeight", 168}, {"BoldText", "B"}});
    EXPECT_EQ(card2nd.lblInformation.Height(), 18);

    openNewSet(3);
    insertCard(1, {{"PicHeight", 146}, {"BoldText", "B"}});
    FrmCard3rd& card3rd = frmCard3rd.get();
    EXPECT_EQ(card3rd.lblInformation.Height(), 18);
}

TEST_F(Layout, OneLineTypeJoinsTheLeftTextsAndComesBack) {
    openNewSet(2);
    FrmCard2nd& form = show(frmCard2nd, {{"CardTypeID", 4}, {"OneLine", true}});
    EXPECT_EQ(form.lblType[0].Caption(), "Treasure Relic");
    EXPECT_EQ(form.lblType[0].Width(), 139);
    EXPECT_EQ(form.lblType[0].Alignment(), vbCenter);
    for (size_t i = 1; i < 4; ++i)
        EXPECT_FALSE(form.lblType[i].Visible()) << i;
    EXPECT_EQ(form.lblType[3].Caption(), "Rare"); // hidden, but kept
    EXPECT_EQ(form.lblNumber.Top(), 16);

    form.writeCardField("OneLine", false);
    form.DrawCard();
    EXPECT_EQ(form.lblType[0].Caption(), "Treasure");
    EXPECT_EQ(form.lblType[0].Width(), 57);
    EXPECT_EQ(form.lblType[0].Alignment(), vbLeftJustify);
    for (size_t i = 1; i < 4; ++i)
        EXPECT_TRUE(form.lblType[i].Visible()) << i;
    EXPECT_EQ(form.lblNumber.Top(), 8);
}

TEST_F(Layout, FramePlacementFixedOrFollowingThePicture) {
    openNewSet(2);
    const QByteArray picture = bmpBytes(100, 80);
    FrmCard2nd& form = show(frmCard2nd, {{"Picture", picture}, {"PicLeft", -45}, {"PicTop", 30}});
    EXPECT_EQ(geometry(form.picFrame), (Geometry{5, 40, 139, 105}));
    EXPECT_EQ(geometry(form.picImage), (Geometry{-45, 30, 1500, 1200})); // twips of the frame
    EXPECT_EQ(form.picImage.Picture().width(), 100);

    form.writeCardField("Resize", true);
    form.writeCardField("PicLeft", 21 * 15);
    form.DrawCard();
    EXPECT_EQ(geometry(form.picFrame), (Geometry{26, 40, 100, 105})); // centred on the card
    EXPECT_EQ(form.picImage.Left(), 0);
    EXPECT_EQ(form.picImage.Top(), 30);

    form.writeCardField("PicLeft", 307.5);
    form.DrawCard();
    EXPECT_EQ(form.picFrame.Left(), 25.5); // kept unrounded

    form.writeCardField("UseFrame", false);
    form.DrawCard();
    EXPECT_EQ(form.picFrame.BorderStyle(), vbBSNone);
}

TEST_F(Layout, BackgroundBackAndColourOfTheCard) {
    openNewSet(2);
    FrmCard2nd& form =
        show(frmCard2nd, {{"Background", bmpBytes(150, 254, Qt::blue)}, {"BGColour", 0x123456}});
    EXPECT_EQ(form.picCard.Picture().width(), 150);
    EXPECT_EQ(form.picCard.BackColor(), 0x123456);
    EXPECT_EQ(form.picBack.Picture().width(), 150); // "Amber Checks", a 2nd-edition back
    EXPECT_EQ(form.picBack.Picture().height(), 254);

    form.writeCardField("Background", Variant());
    form.writeCardField("CardBackID", 999); // a back the lookup lacks
    form.DrawCard();
    EXPECT_TRUE(form.picCard.Picture().isNull());
    EXPECT_TRUE(form.picBack.Picture().isNull());
    EXPECT_TRUE(messages().empty());
}

TEST_F(Layout, SetSymbolAndCardNumberFollowTheSetOptions) {
    openNewSet(2);
    FrmCard2nd& form = show(frmCard2nd, {});
    EXPECT_FALSE(form.picSymbol.Visible());
    EXPECT_FALSE(form.lblAutonumber.Visible());
    EXPECT_EQ(form.lblAutonumber.Caption(), "1");

    frmMaster->picSetSymbol.setPicture(Picture(QImage(7, 9, QImage::Format_RGB32)));
    setSetField("UseSymbol", true);
    setSetField("Autonumber", true);
    form.UpdateDisplay();
    EXPECT_TRUE(form.picSymbol.Visible());
    EXPECT_EQ(geometry(form.picSymbol), (Geometry{0, 245, 7, 9}));
    EXPECT_TRUE(form.lblAutonumber.Visible());
    EXPECT_EQ(geometry(form.lblAutonumber), (Geometry{134, 245, 13, 9}));

    setSetField("UseSymbol", false);
    form.UpdateDisplay();
    EXPECT_FALSE(form.picSymbol.Visible());
    EXPECT_EQ(form.picSymbol.Top(), 245); // hidden where it was
}

TEST_F(Layout, WatermarkOnBothCards) {
    openNewSet(2);
    const QString caption = QStringLiteral("ZQJ %1.%2").arg(App::Major()).arg(App::Minor());
    for (SmallCardEditor* form : {static_cast<SmallCardEditor*>(&frmCard2nd.get()),
                                  static_cast<SmallCardEditor*>(&frmCard3rd.get())}) {
        EXPECT_EQ(form->lblWatermark.Caption(), caption);
        EXPECT_EQ(form->lblWatermark.ForeColor(), 0xC0C0C0);
        EXPECT_EQ(form->lblWatermark.Font().Name, "Small Fonts");
        EXPECT_EQ(form->lblWatermark.Font().Size, 5.25);
        EXPECT_EQ(form->lblWatermark.Alignment(), vbCenter);
    }
    EXPECT_EQ(geometry(frmCard2nd->lblWatermark), (Geometry{55, 245, 40, 9}));
    EXPECT_EQ(geometry(frmCard3rd->lblWatermark), (Geometry{60, 237, 41, 9}));
}

TEST_F(Layout, ThirdEditionPlaces) {
    openNewSet(3);
    FrmCard3rd& form =
        show(frmCard3rd, {{"CardTypeID", 9}, {"CardBackID", 3}, {"OneLine", true}, {"BoldText", "B"}});
    EXPECT_EQ(geometry(form.picCard), (Geometry{0, 0, 163, 247}));
    EXPECT_EQ(geometry(form.picBack), (Geometry{163, 0, 163, 247}));
    EXPECT_EQ(form.lblType.size(), 2u);
    EXPECT_EQ(form.lblType[0].Caption(), "Treasure");
    EXPECT_EQ(form.lblType[1].Caption(), "Relic");
    // One line is a 2nd-edition layout: nothing moves.
    EXPECT_EQ(geometry(form.lblType[0]), (Geometry{14, 220, 57, 12}));
    EXPECT_EQ(form.lblType[0].Alignment(), vbLeftJustify);
    EXPECT_TRUE(form.lblType[1].Visible());
    EXPECT_EQ(geometry(form.lblNumber), (Geometry{72, 220, 17, 17}));
    EXPECT_EQ(geometry(form.picFrame), (Geometry{15, 32, 131, 105}));
    EXPECT_EQ(form.lblPicSize.Top(), 137);
    EXPECT_EQ(geometry(form.lblBold), (Geometry{12, 140, 137, 20}));
    EXPECT_EQ(geometry(form.lblInformation), (Geometry{14, 160, 133, 59}));
    EXPECT_EQ(form.lblTitle.Font().Name, "CasablancaAntique"); // the set's title face, as printed
    EXPECT_EQ(form.picBack.Picture().width(), 161);            // "Moss Diamonds"

    form.writeCardField("UsePicture", false);
    form.DrawCard();
    EXPECT_EQ(form.lblBold.Top(), 36);
}

TEST_F(Layout, ThirdEditionColoursTheBoldTextByItsAttribute) {
    openNewSet(3);
    FrmCard3rd& form = show(frmCard3rd, {});
    const auto colourOf = [&](const QString& bold) {
        form.writeCardField("BoldText", bold);
        form.DrawCard();
        return form.lblBold.ForeColor();
    };
    EXPECT_EQ(colourOf("+2 craft"), RGB(22, 38, 117));
    EXPECT_EQ(colourOf("STRENGTH +1"), RGB(250, 46, 11));
    EXPECT_EQ(colourOf("Strength and Craft"), RGB(22, 38, 117));
    EXPECT_EQ(colourOf("Gold"), vbBlack);
    EXPECT_EQ(colourOf(""), vbBlack);
    EXPECT_EQ(frmCard2nd->lblBold.ForeColor(), vbBlack); // the 2nd edition colours nothing
}

TEST_F(Layout, ABadPictureIsReportedOnceAndTheRestIsLaidOut) {
    openNewSet(2);
    FrmCard2nd& form = show(frmCard2nd, {{"Picture", QByteArray("no picture")},
                                         {"Background", QByteArray("nor this")},
                                         {"BGColour", 0x00FF00}});
    // One message for the card shown, naming both fields.
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, "Stored value");
    EXPECT_EQ(messages()[0].style, vbExclamation);
    EXPECT_TRUE(
        messages()[0].prompt.contains("Picture of card 1 of the set \"Test set\": no picture is shown"));
    EXPECT_TRUE(
        messages()[0].prompt.contains("Background of card 1 of the set \"Test set\": no picture is shown"));
    EXPECT_EQ(form.picCard.BackColor(), 0x00FF00);
    EXPECT_FALSE(form.picBack.Picture().isNull());
    EXPECT_EQ(form.txtTitle.Text(), "CARD 1");
}
