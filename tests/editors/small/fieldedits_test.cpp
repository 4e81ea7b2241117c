// The field edits of the small-card editors: each control writes its field of the card
// shown and refreshes what the field drives; showing a card writes nothing.
#include "smallcardfixture.h"

#include "modData.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
class FieldEdits : public SmallCardFixture {
protected:
    // Types a character into a widget as the keyboard would.
    static void type(QWidget* widget, const QString& text) {
        QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &event);
    }
    QString typeNumber(qint64 cardTypeID) const {
        const RecordsetPtr rs = cnData->openSnapshot(
            QStringLiteral("SELECT Number FROM tblCardType WHERE CardTypeID = %1").arg(cardTypeID));
        return rs->field("Number").concatText();
    }
};
} // namespace

TEST_F(FieldEdits, EachControlWritesItsFieldOfTheCardShown) {
    openNewSet(2);
    const qint32 first = insertCard(1);
    const qint32 second = insertCard(2);
    FrmCard2nd& form = frmCard2nd.get();
    click(form.cmdCardNav[2]);
    ASSERT_EQ(form.shownCardID(), second);

    form.txtTitle.setText("Dragon");
    EXPECT_EQ(cardField(second, "Title").toText(), "Dragon");
    form.txtTitle.setText("DRAGON"); // texts compare without case; a change of case is still one
    EXPECT_EQ(cardField(second, "Title").toText(), "DRAGON");
    EXPECT_EQ(form.lblTitle.Caption(), "DRAGON");
    form.cboNumber.setText("x7");
    EXPECT_EQ(cardField(second, "Number").toText(), "x7");
    EXPECT_EQ(form.lblNumber.Caption(), "x7");
    form.udCopy.setValue(4);
    EXPECT_EQ(cardField(second, "Copies").toLong(), 4);
    form.chkOneLine.setValue(1);
    EXPECT_TRUE(cardField(second, "OneLine").toBool());
    EXPECT_EQ(form.lblType[0].Width(), 139); // laid out again
    form.chkFrame.setValue(0);
    EXPECT_FALSE(cardField(second, "UseFrame").toBool());
    EXPECT_EQ(form.picFrame.BorderStyle(), vbBSNone);
    form.cboCardBack.setListIndex(1);
    EXPECT_EQ(cardField(second, "CardBackID").toLong(), form.cboCardBack.ItemData(1));

    // A type brings its own number, over the one typed by hand.
    const qint64 typeID = form.cboType.ItemData(2);
    form.cboType.setListIndex(2);
    EXPECT_EQ(cardField(second, "CardTypeID").toLong(), typeID);
    EXPECT_EQ(cardField(second, "Number").toText(), typeNumber(typeID));
    EXPECT_EQ(form.cboNumber.Text(), typeNumber(typeID));

    form.txtArtist.setText("A. Painter");
    EXPECT_EQ(cardField(second, "Artist").toText(), "A. Painter");
    EXPECT_TRUE(form.picArtistDest.Visible());

    EXPECT_EQ(cardField(first, "Title").toText(), "CARD 1"); // the other card untouched
    EXPECT_TRUE(folder.dialogs().messages().empty());
}

TEST_F(FieldEdits, ShowingCardsThatDifferInEveryFieldWritesNothing) {
    openNewSet(2);
    insertCard(1);
    insertCard(2, {{"Title", Variant("Other")},
                   {"Copies", Variant(3)},
                   {"CardTypeID", Variant(2)},
                   {"Number", Variant("9")},
                   {"OneLine", Variant(true)},
                   {"UsePicture", Variant(false)},
                   {"UseFrame", Variant(false)},
                   {"Resize", Variant(true)},
                   {"Artist", Variant("Someone")},
                   {"BoldText", Variant("S")},
                   {"Information", Variant("a\r\nb")},
                   {"CardBackID", Variant(2)},
                   {"BGColour", Variant(0x00FF00)}});
    int writes = 0;
    cnData->setWriteObserver(
        [&](Connection::WriteKind, const QString&, qint64, const QStringList&) { ++writes; });
    FrmCard2nd& form = frmCard2nd.get();
    for (int index : {2, 0, 1, 3})
        click(form.cmdCardNav[size_t(index)]);
    EXPECT_EQ(form.txtBold.Text(), "S"); // a stored lone S is shown, not completed
    EXPECT_EQ(writes, 0);
}

TEST_F(FieldEdits, BoldTextShortcutsCompleteALoneCapital) {
    openNewSet(3);
    const qint32 id = insertCard(1);
    FrmCard3rd& form = frmCard3rd.get();
    auto* edit = qobject_cast<QLineEdit*>(form.txtBold.widget());
    ASSERT_NE(edit, nullptr);

    type(edit, "S");
    EXPECT_EQ(form.txtBold.Text(), "STRENGTH ");
    EXPECT_EQ(form.txtBold.SelStart(), 1);
    EXPECT_EQ(form.txtBold.SelLength(), 8);
    EXPECT_EQ(cardField(id, "BoldText").toText(), "STRENGTH ");
    EXPECT_EQ(form.lblBold.Caption(), "STRENGTH ");
    EXPECT_EQ(form.lblBold.ForeColor(), 0x0B2EFA); // coloured as strength
    type(edit, "x");                               // replaces the selected completion
    EXPECT_EQ(cardField(id, "BoldText").toText(), "Sx");

    form.txtBold.setText("CR");
    form.txtBold.setText("C"); // back to a lone C
    EXPECT_EQ(form.txtBold.Text(), "CRAFT ");
    EXPECT_EQ(form.txtBold.SelStart(), 1);
    EXPECT_EQ(form.txtBold.SelLength(), 5);
    EXPECT_EQ(cardField(id, "BoldText").toText(), "CRAFT ");
    EXPECT_EQ(form.lblBold.ForeColor(), 0x752616);

    form.txtBold.setText("s"); // only capitals are completed
    EXPECT_EQ(cardField(id, "BoldText").toText(), "s");
}

TEST_F(FieldEdits, BoldTextHeightMovesTheInformation) {
    openNewSet(2);
    insertCard(1, {{"BoldText", Variant("Bold")}});
    FrmCard2nd& form = frmCard2nd.get();
    ASSERT_EQ(form.lblBold.Top(), 148);
    ASSERT_EQ(form.lblInformation.Top(), 160);

    form.txtBold.setText("");
    EXPECT_EQ(form.lblBold.Height(), 1);
    EXPECT_EQ(form.lblInformation.Top(), 149);
    EXPECT_EQ(form.lblInformation.Height(), 92);
    form.txtBold.setText("Again");
    EXPECT_EQ(form.lblBold.Height(), 12);
    EXPECT_EQ(form.lblInformation.Top(), 160);
    EXPECT_EQ(form.lblInformation.Height(), 81);
}

TEST_F(FieldEdits, InformationKeepsCrLfLineBreaks) {
    openNewSet(2);
    const qint32 id = insertCard(1);
    FrmCard2nd& form = frmCard2nd.get();
    auto* edit = qobject_cast<QPlainTextEdit*>(form.txtInfo.widget());
    ASSERT_NE(edit, nullptr);

    edit->setPlainText("First line\nSecond line"); // as the user leaves it
    EXPECT_EQ(cardField(id, "Information").toText(), "First line\r\nSecond line");
    EXPECT_EQ(form.lblInformation.Caption(), "First line\r\nSecond line");

    form.txtInfo.setText("One\r\nTwo\r\n");
    EXPECT_EQ(cardField(id, "Information").toText(), "One\r\nTwo\r\n");
    click(form.cmdCardNav[0]); // shown again as stored
    EXPECT_EQ(form.txtInfo.Text(), "One\r\nTwo\r\n");
}

TEST_F(FieldEdits, ShowPictureMovesTheTextBelowTheFrameOrTheTitle) {
    openNewSet(2);
    const qint32 id = insertCard(1, {{"BoldText", Variant("Bold")}});
    FrmCard2nd& form = frmCard2nd.get();

    form.chkShowPicture.setValue(0);
    EXPECT_FALSE(cardField(id, "UsePicture").toBool());
    EXPECT_FALSE(form.picFrame.Visible());
    EXPECT_FALSE(form.lblPicSize.Visible());
    EXPECT_EQ(form.lblBold.Top(), 44);
    EXPECT_EQ(form.lblInformation.Top(), 56);
    EXPECT_EQ(form.lblInformation.Height(), 185);

    form.chkShowPicture.setValue(1);
    EXPECT_EQ(form.lblBold.Top(), 148);
    EXPECT_EQ(form.lblInformation.Height(), 81);
}

TEST_F(FieldEdits, AFrameReachingTheBottomLeavesTheInformationNoRoom) {
    for (const int edition : {2, 3}) {
        openNewSet(qint16(edition));
        insertCard(1, {{"PicHeight", Variant(250)}, {"UsePicture", Variant(false)}});
        SmallCardEditor& form =
            edition == 2 ? static_cast<SmallCardEditor&>(frmCard2nd.get()) : frmCard3rd.get();
        form.chkShowPicture.setValue(1);
        EXPECT_EQ(form.lblInformation.Top(), edition == 2 ? 242 : 219) << edition;
        EXPECT_EQ(form.lblInformation.Height(), 0) << edition;
        frmCard2nd.unload();
        frmCard3rd.unload();
    }
}

TEST_F(FieldEdits, ResizeCentresTheFrameOnTheCard) {
    openNewSet(2);
    const qint32 id = insertCard(1, {{"Picture", Variant(bmpBytes(100, 40))}, {"PicLeft", Variant(-90)}});
    FrmCard2nd& form = frmCard2nd.get();

    form.chkResize.setValue(1);
    EXPECT_EQ(cardField(id, "PicLeft").toDouble(), 21 * 15);
    EXPECT_EQ(form.picFrame.Left(), 26);
    EXPECT_EQ(form.picFrame.Width(), 100);
    form.chkResize.setValue(0);
    EXPECT_FALSE(cardField(id, "Resize").toBool());
    EXPECT_EQ(cardField(id, "PicLeft").toDouble(), 21 * 15);
    EXPECT_EQ(form.picFrame.Left(), 5);
}

TEST_F(FieldEdits, ColourDialogSetsTheBackgroundColourAndCancelChangesNothing) {
    openNewSet(2);
    const qint32 id = insertCard(1, {{"BGColour", Variant(0x123456)}});
    FrmCard2nd& form = frmCard2nd.get();

    folder.dialogs().answerColour(std::nullopt);
    click(form.cmdColour);
    EXPECT_EQ(folder.dialogs().requests().back().colour, 0x123456); // opens on the card's colour
    EXPECT_EQ(folder.dialogs().requests().back().title, "Choose card background colour");
    EXPECT_EQ(cardField(id, "BGColour").toLong(), 0x123456);
    EXPECT_EQ(form.picColour.BackColor(), 0x123456);
    EXPECT_EQ(form.picCard.BackColor(), 0x123456);

    folder.dialogs().answerColour(0x0000FF);
    click(form.cmdColour);
    EXPECT_EQ(cardField(id, "BGColour").toLong(), 0x0000FF);
    EXPECT_EQ(form.picColour.BackColor(), 0x0000FF);
    EXPECT_EQ(form.picCard.BackColor(), 0x0000FF);
    EXPECT_TRUE(folder.dialogs().messages().empty());
}

TEST_F(FieldEdits, FocusSelectsTheWholeText) {
    openNewSet(2);
    insertCard(1);
    FrmCard2nd& form = frmCard2nd.get();
    for (TextBox* box : {&form.txtTitle, &form.txtArtist}) {
        box->setText("some text");
        box->setSelStart(2);
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(box->widget(), &focus);
        EXPECT_EQ(box->SelStart(), 0) << box->Name().toStdString();
        EXPECT_EQ(box->SelLength(), 9) << box->Name().toStdString();
    }
}
