// The card's picture and background chosen from files, removed and brought back.
#include "smallcardfixture.h"

#include <QFile>

namespace {
class Pictures : public SmallCardFixture {};
} // namespace

TEST_F(Pictures, AChosenPictureIsStoredWholeAtTheFramesCorner) {
    openNewSet(2);
    const qint32 id = insertCard(1, {{"PicLeft", Variant(-900)}, {"PicTop", Variant(450)}});
    FrmCard2nd& form = frmCard2nd.get();
    const QByteArray bytes = bmpBytes(40, 20);
    folder.dialogs().answerOpenFile(writeFile("dragon.bmp", bytes));
    click(form.cmdGetPic);

    const DialogRequest& request = folder.dialogs().requests().back();
    EXPECT_EQ(request.file.title, "Choose picture");
    EXPECT_EQ(request.file.filterIndex, 2);
    EXPECT_EQ(request.file.defaultExtension, "bmp");
    EXPECT_TRUE(request.file.mustExist);
    EXPECT_EQ(cardField(id, "Picture").toBytes(), bytes);
    EXPECT_EQ(cardField(id, "PicLeft").toDouble(), 0);
    EXPECT_EQ(cardField(id, "PicTop").toDouble(), 0);
    EXPECT_EQ(form.picImage.Left(), 0);
    EXPECT_EQ(form.picImage.Picture().width(), 40);

    // The next choice opens in the folder of this one.
    folder.dialogs().answerOpenFile(std::nullopt);
    click(form.cmdGetPic);
    EXPECT_EQ(folder.dialogs().requests().back().file.initialFolder, folder.path() + "/");

    click(form.cmdDelPic);
    EXPECT_TRUE(cardField(id, "Picture").isNull());
    EXPECT_TRUE(form.picImage.Picture().isNull());
}

TEST_F(Pictures, CancelOrAFileThatIsNoPictureChangesNothing) {
    openNewSet(2);
    const QByteArray old = bmpBytes(10, 10, Qt::blue);
    const qint32 id = insertCard(1, {{"Picture", Variant(old)},
                                     {"Background", Variant(old)},
                                     {"PicLeft", Variant(-900)},
                                     {"PicTop", Variant(450)}});
    FrmCard2nd& form = frmCard2nd.get();
    const QString text = writeFile("notes.bmp", "no picture at all");
    const QString empty = writeFile("empty.bmp", {});

    folder.dialogs().answerOpenFile(std::nullopt);
    click(form.cmdGetPic);
    folder.dialogs().answerOpenFile(std::nullopt);
    click(form.cmdBackPic);
    EXPECT_TRUE(folder.dialogs().messages().empty()); // cancel is silent

    folder.dialogs().answerOpenFile(text);
    click(form.cmdGetPic);
    folder.dialogs().answerOpenFile(empty);
    click(form.cmdGetPic);
    folder.dialogs().answerOpenFile(text);
    click(form.cmdBackPic);
    ASSERT_EQ(folder.dialogs().messages().size(), 3u);
    EXPECT_TRUE(folder.dialogs().messages()[0].prompt.contains("notes.bmp"));
    EXPECT_EQ(folder.dialogs().messages()[0].style, vbExclamation);

    EXPECT_EQ(cardField(id, "Picture").toBytes(), old);
    EXPECT_EQ(cardField(id, "Background").toBytes(), old);
    EXPECT_EQ(cardField(id, "PicLeft").toDouble(), -900);
    EXPECT_EQ(cardField(id, "PicTop").toDouble(), 450);
    EXPECT_EQ(form.picImage.Left(), -900);
    EXPECT_EQ(form.picImage.Picture().width(), 10);

    // The remembered folder is set only by a picture that was stored.
    folder.dialogs().answerOpenFile(std::nullopt);
    click(form.cmdBackPic);
    EXPECT_EQ(folder.dialogs().requests().back().file.initialFolder, "");
}

TEST_F(Pictures, LastUsedBackgroundGoesOnAnotherCard) {
    openNewSet(2);
    const qint32 first = insertCard(1);
    const qint32 second = insertCard(2);
    FrmCard2nd& form = frmCard2nd.get();

    click(form.cmdLastBackPic); // nothing chosen yet: nothing happens
    EXPECT_TRUE(folder.dialogs().requests().empty());

    const QByteArray bytes = bmpBytes(152, 256, Qt::green);
    const QString path = writeFile("back.bmp", bytes);
    folder.dialogs().answerOpenFile(path);
    click(form.cmdBackPic);
    EXPECT_EQ(cardField(first, "Background").toBytes(), bytes);
    EXPECT_EQ(form.picCard.Picture().width(), 152);
    click(form.cmdDelBackPic);
    EXPECT_TRUE(cardField(first, "Background").isNull());
    EXPECT_TRUE(form.picCard.Picture().isNull());

    click(form.cmdCardNav[2]);
    click(form.cmdLastBackPic); // still there after Remove
    EXPECT_EQ(cardField(second, "Background").toBytes(), bytes);
    EXPECT_EQ(form.picCard.Picture().width(), 152);

    // The last file gone: this card keeps what it has.
    click(form.cmdDelBackPic);
    QFile::remove(path);
    click(form.cmdLastBackPic);
    EXPECT_TRUE(cardField(second, "Background").isNull());
    ASSERT_EQ(folder.dialogs().messages().size(), 1u);
    EXPECT_TRUE(folder.dialogs().messages()[0].prompt.contains("cannot be found"));

    // The other editor keeps its own last background.
    click(frmCard3rd.get().cmdLastBackPic);
    EXPECT_EQ(folder.dialogs().messages().size(), 1u);
}
