// The large-card editor: its records (add, delete with renumbering, the title and text
// edits) and the layout of a card on the preview.
#include "editorfixture.h"
#include "frmCard.h"
#include "frmLarge2nd.h"
#include "frmMaster.h"

#include "modData.h"

#include <QCoreApplication>
#include <QDir>

namespace {
class LargeCards : public EditorFixture {
protected:
    ~LargeCards() override {
        frmLarge2nd.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    FrmLarge2nd& editor() { return frmLarge2nd.get(); }
    qint32 insertLargeCard(int nr, const FieldValues& fields = {}) {
        return insertRow(QStringLiteral("tblLargeCard"), QStringLiteral("LargeCardID"),
                         newLargeCardValues(nr), fields);
    }
    Variant cardField(qint32 id, const QString& field) const {
        return cnData
            ->openSnapshot(QStringLiteral("SELECT * FROM tblLargeCard WHERE LargeCardID = %1").arg(id))
            ->field(field)
            .value();
    }
};
} // namespace

TEST_F(LargeCards, TheFirstCardOfASetIsAddedWithItsDefaults) {
    addOpenSet(2);
    FrmLarge2nd& form = editor();
    EXPECT_EQ(form.lblCurrentCard.Tag(), "0");
    EXPECT_FALSE(form.picLargeCard.Visible());
    EXPECT_FALSE(form.cmdCardNav[2].Enabled());

    click(form.cmdCardAdd);
    const qint32 id = form.shownCardID();
    ASSERT_NE(id, 0);
    for (const auto& [field, value] : newLargeCardValues(1))
        EXPECT_EQ(cardField(id, field).concatText(), value.concatText()) << field.toStdString();
    EXPECT_EQ(form.lblCurrentCard.Caption(), "1 (1)");
    EXPECT_EQ(form.txtTitleLarge.SelLength(), 12); // typing replaces the default title
    EXPECT_TRUE(form.picLargeCard.Visible());
    EXPECT_EQ(form.picFrameLarge.Left(), 8);
    EXPECT_EQ(form.picFrameLarge.Width(), 121);
    EXPECT_EQ(form.picFrameLarge.Height(), 238);
    EXPECT_EQ(form.lblPicSizeLarge.Left(), 129);
    EXPECT_EQ(form.lblTitleLarge.Left(), 134);
    EXPECT_EQ(form.lblInformationLarge.Width(), 162);
    EXPECT_EQ(form.lblPicDimLarge.Caption(), "121W * 238H");
    EXPECT_EQ(form.picBackLarge.Picture().image().size(), QSize(304, 256)); // the default back
}

TEST_F(LargeCards, DeletingRenumbersTheFollowers) {
    struct Case {
        int deleted;
        const char* shown;
        QStringList left;
    };
    for (const Case& c : {Case{2, "2 (3)", {"1 A", "2 C", "3 D"}}, Case{4, "3 (3)", {"1 A", "2 B", "3 C"}},
                          Case{0, "0 (0)", {}}}) {
        SCOPED_TRACE(c.deleted);
        addOpenSet(2);
        const int cards = c.deleted == 0 ? 1 : 4;
        for (int nr = 1; nr <= cards; ++nr)
            insertLargeCard(nr, {{"Title", Variant(QString(QChar('A' + nr - 1)))}});
        FrmLarge2nd& form = editor();
        click(form.cmdCardNav[3]);
        for (int nr = cards; nr > std::max(c.deleted, 1); --nr)
            click(form.cmdCardNav[1]);
        click(form.cmdCardDelete);
        EXPECT_EQ(numberedRows("tblLargeCard", "Title", "LargeCardID"), c.left);
        EXPECT_EQ(form.lblCurrentCard.Caption(), c.shown);
        EXPECT_EQ(form.picLargeCard.Visible(), !c.left.isEmpty());
        frmLarge2nd.unload();
    }
}

// Typing writes at once; showing a card writes nothing; a stored title keeps its lines.
TEST_F(LargeCards, TitleAndTextEditsAreStoredAtOnce) {
    addOpenSet(2);
    const qint32 id = insertLargeCard(1, {{"Title", Variant("TWO\r\nLINES")}});
    FrmLarge2nd& form = editor();
    EXPECT_EQ(form.txtTitleLarge.Text(), "TWO\r\nLINES");
    EXPECT_EQ(messageCount(), 0);
    form.txtTitleLarge.setText("TWO\r\nLINES!");
    form.txtInfoLarge.setText("Roll twice.");
    EXPECT_EQ(cardField(id, "Title").toText(), "TWO\r\nLINES!");
    EXPECT_EQ(form.lblTitleLarge.Caption(), "TWO\r\nLINES!");
    EXPECT_EQ(cardField(id, "Information").toText(), "Roll twice.");
    EXPECT_EQ(form.lblInformationLarge.Caption(), "Roll twice.");
}

TEST_F(LargeCards, TheLayoutFollowsTheCardsOptions) {
    addOpenSet(2, 1, {{"UseSymbol", Variant(true)}, {"Autonumber", Variant(true)}});
    frmMaster->picSetSymbol.setPicture(loadPictureFromBytes(bmpBytes(20, 20)));
    insertLargeCard(1, {{"UsePicture", Variant(false)}});
    insertLargeCard(2, {{"Resize", Variant(true)},
                        {"PicTop", Variant(150)},
                        {"Picture", Variant(bmpBytes(50, 70))},
                        {"LargeCardBack", Variant(bmpBytes(30, 30, Qt::blue))}});
    FrmLarge2nd& form = editor();
    // Showing the card cleared "Use picture", whose handler starts the text where the layout
    // alone, as the batch runs it, starts it: the preview is what is printed.
    EXPECT_EQ(form.lblTitleLarge.Left(), 10);
    form.DrawLargeCard();
    EXPECT_FALSE(form.picFrameLarge.Visible());
    EXPECT_EQ(form.lblPicSizeLarge.Left(), 5);
    EXPECT_EQ(form.lblTitleLarge.Left(), 10);
    EXPECT_EQ(form.lblTitleLarge.Width(), 286);
    EXPECT_TRUE(form.lblAutonumberLarge.Visible());
    EXPECT_EQ(form.picSymbolLarge.Left(), 282);
    EXPECT_EQ(form.picSymbolLarge.Top(), 234);

    click(form.cmdCardNav[2]);
    EXPECT_EQ(form.picFrameLarge.Top(), 18); // moved by PicTop
    EXPECT_EQ(form.picFrameLarge.Height(), 70);
    EXPECT_EQ(form.picImageLarge.Top(), 0);
    EXPECT_EQ(form.picBackLarge.Picture().image().size(), QSize(30, 30));
}

// Without a picture Resize has no height to follow: the frame keeps the one it has without
// Resize, when the card is shown and when its picture is removed, and is printed so.
TEST_F(LargeCards, WithResizeButNoPictureTheFrameKeepsItsHeight) {
    addOpenSet(2);
    insertLargeCard(1, {{"Resize", Variant(true)}, {"PicTop", Variant(150)}});
    insertLargeCard(2, {{"Resize", Variant(true)}, {"Picture", Variant(bmpBytes(50, 70))}});
    FrmLarge2nd& form = editor();
    const auto expectWholeFrame = [&] {
        EXPECT_EQ(form.picFrameLarge.Top(), 8);
        EXPECT_EQ(form.picFrameLarge.Height(), 238);
        EXPECT_EQ(form.lblPicDimLarge.Caption(), "121W * 238H");
    };
    expectWholeFrame();
    const QImage card = frmCard->picACard.Image().image();
    for (const QPoint outline : {QPoint(8, 120), QPoint(128, 245)})
        EXPECT_EQ(QColor(card.pixel(outline)), QColor(Qt::black)) << outline.x() << "," << outline.y();

    click(form.cmdCardNav[2]);
    EXPECT_EQ(form.picFrameLarge.Height(), 70);
    click(form.cmdDelPicLarge);
    expectWholeFrame();
}

// Each chooser stores the file whole and opens next time in its own folder; the picture
// starts at the frame's corner. Removing empties the field and the preview.
TEST_F(LargeCards, PicturesAreChosenIntoTheirFieldsAndRemoved) {
    struct Chooser {
        const char* field;
        CommandButton FrmLarge2nd::*select;
        CommandButton FrmLarge2nd::*remove;
        PictureBox FrmLarge2nd::*preview;
        const char* folder;
    };
    addOpenSet(2);
    const qint32 id = insertLargeCard(1, {{"PicTop", Variant(300)}, {"PicLeft", Variant(-150)}});
    FrmLarge2nd& form = editor();
    for (const Chooser& c :
         {Chooser{"Picture", &FrmLarge2nd::cmdGetPicLarge, &FrmLarge2nd::cmdDelPicLarge,
                  &FrmLarge2nd::picImageLarge, "pictures"},
          Chooser{"BGPicture", &FrmLarge2nd::cmdBackPicLarge, &FrmLarge2nd::cmdDelBackPicLarge,
                  &FrmLarge2nd::picCardLarge, "backgrounds"},
          Chooser{"LargeCardBack", &FrmLarge2nd::cmdCardbackLarge, &FrmLarge2nd::cmdDelCardbackLarge,
                  &FrmLarge2nd::picBackLarge, "backs"}}) {
        SCOPED_TRACE(c.field);
        ASSERT_TRUE(QDir(folder.path()).mkpath(c.folder));
        const QByteArray bytes = bmpBytes(40, 30);
        folder.dialogs().answerOpenFile(writeFile(QString::fromLatin1(c.folder) + "/one.bmp", bytes));
        click(form.*c.select);
        EXPECT_EQ(cardField(id, c.field).toBytes(), bytes);
        EXPECT_EQ((form.*c.preview).Picture().image().size(), QSize(40, 30));

        // A file that is no picture stores nothing.
        folder.dialogs().answerOpenFile(writeFile("broken.bmp", "no picture"));
        click(form.*c.select);
        EXPECT_EQ(cardField(id, c.field).toBytes(), bytes);
        EXPECT_TRUE(folder.dialogs().requests().back().file.initialFolder.endsWith(
            QString::fromLatin1(c.folder) + "/"));

        click(form.*c.remove);
        EXPECT_TRUE(cardField(id, c.field).isNull());
        EXPECT_TRUE((form.*c.preview).Picture().isNull());
    }
    EXPECT_EQ(messageCount(), 3); // one for each broken file
    EXPECT_EQ(cardField(id, "PicTop").toInt(), 0);
    EXPECT_EQ(cardField(id, "PicLeft").toInt(), 0);
}

TEST_F(LargeCards, TheColourIsStoredUnlessTheDialogIsCancelled) {
    addOpenSet(2);
    const qint32 id = insertLargeCard(1);
    FrmLarge2nd& form = editor();
    folder.dialogs().answerColour(std::nullopt);
    click(form.cmdColourLarge);
    EXPECT_EQ(cardField(id, "BGColour").toLong(), 0xFFFFFF);
    folder.dialogs().answerColour(0x123456);
    click(form.cmdColourLarge);
    EXPECT_EQ(cardField(id, "BGColour").toLong(), 0x123456);
    EXPECT_EQ(form.picColourLarge.BackColor(), 0x123456);
    EXPECT_EQ(form.picCardLarge.BackColor(), 0x123456);
}

// Keys without modifier place the picture and store it; the handle sizes the frame within
// its bounds and stores the width at once.
TEST_F(LargeCards, ThePictureIsPlacedByKeysAndTheFrameSizedByItsHandle) {
    addOpenSet(2);
    const qint32 id = insertLargeCard(1, {{"Picture", Variant(bmpBytes(50, 80))}, {"PicTop", Variant(45)}});
    FrmLarge2nd& form = editor();
    QWidget* picture = form.picImageLarge.widget();
    pressKey(picture, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(cardField(id, "PicTop").toInt(), 45);
    pressKey(picture, Qt::Key_PageDown);
    EXPECT_EQ(cardField(id, "PicTop").toInt(), (238 - 3 - 80) * 15);
    EXPECT_EQ(form.picImageLarge.Top(), (238 - 3 - 80) * 15);

    QWidget* handle = form.lblPicSizeLarge.widget();
    for (const auto& [to, handleLeft] : {std::pair{-500.0, 30.0}, std::pair{500.0, 180.0}}) {
        drag(handle, {2, 10}, {to, 10});
        EXPECT_EQ(form.lblPicSizeLarge.Left(), handleLeft);
        EXPECT_EQ(cardField(id, "PicWidth").toDouble(), handleLeft - 8);
        EXPECT_EQ(form.lblTitleLarge.Left(), handleLeft + 5);
        EXPECT_EQ(form.lblPicDimLarge.Caption(), QStringLiteral("%1W * 238H").arg(handleLeft - 8));
    }
}
