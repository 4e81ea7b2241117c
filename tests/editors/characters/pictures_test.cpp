// The character picture, the background and the playing piece chosen from files and
// removed; the three choosers share one remembered folder.
#include "characterfixture.h"

#include "modData.h"

#include <QDir>

#include <functional>

namespace {
struct Chooser {
    const char* title;
    const char* field;
    const char* topField; // nullptr: no offsets
    const char* leftField;
    CommandButton FrmCharacter2nd::*select;
    CommandButton FrmCharacter2nd::*remove;
    PictureBox FrmCharacter2nd::*preview;
};

const Chooser kChoosers[] = {
    {"Choose characterpicture", "Picture", "PicTop", "PicLeft", &FrmCharacter2nd::cmdGetCharPic,
     &FrmCharacter2nd::cmdDelCharPic, &FrmCharacter2nd::picImageCharacter},
    {"Choose background picture", "Background", nullptr, nullptr, &FrmCharacter2nd::cmdBackCharPic,
     &FrmCharacter2nd::cmdDelBackCharPic, &FrmCharacter2nd::picBackgroundChar},
    {"Choose playing piece picture", "PlayingPiece", "PPTop", "PPLeft",
     &FrmCharacter2nd::cmdGetPlayingPiecePic, &FrmCharacter2nd::cmdDelPlayingPiecePic,
     &FrmCharacter2nd::picPlayingPieceImage},
};

const FieldValues kPlaced = {
    {"PicTop", Variant(450)}, {"PicLeft", Variant(-900)}, {"PPTop", Variant(300)}, {"PPLeft", Variant(-150)}};

class PictureChoosers : public CharacterFixture {
protected:
    // A character of a new open set with all three pictures, placed off their corners.
    qint32 insertCharacterWithPictures() {
        addOpenSet(2);
        FieldValues fields = kPlaced;
        fields.insert(
            {{"Picture", Variant(old)}, {"Background", Variant(old)}, {"PlayingPiece", Variant(old)}});
        return insertCharacter(1, fields);
    }
    // The chooser's preview, showing the old picture off its corner.
    PictureBox& previewWithOld(const Chooser& c) {
        PictureBox& box = editor().*c.preview;
        box.setPicture(loadPictureFromBytes(old));
        box.setTop(-30);
        return box;
    }

    const QByteArray old = bmpBytes(10, 10, Qt::blue);
};
} // namespace

// Each chooser opens in the folder of the file chosen before, by whichever chooser.
TEST_F(PictureChoosers, AChosenFileIsStoredWholeAndResetsItsOffsets) {
    addOpenSet(2);
    const qint32 id = insertCharacter(1, kPlaced);
    FrmCharacter2nd& form = editor();
    QString previousFolder;
    int width = 200; // over 32768 bytes
    for (const Chooser& c : kChoosers) {
        SCOPED_TRACE(c.field);
        PictureBox& box = form.*c.preview;
        box.setTop(-30);
        box.setLeft(-60);
        const QString folderName = QString::fromLatin1(c.field);
        ASSERT_TRUE(QDir(folder.path()).mkpath(folderName));
        const QByteArray bytes = bmpBytes(width, 100);
        ASSERT_GT(bytes.size(), 32768);
        folder.dialogs().answerOpenFile(writeFile(folderName + "/chosen.bmp", bytes));
        click(form.*c.select);

        const DialogRequest& request = folder.dialogs().requests().back();
        EXPECT_EQ(request.file.title, c.title);
        EXPECT_EQ(request.file.filterIndex, 2);
        EXPECT_EQ(request.file.defaultExtension, "bmp");
        EXPECT_TRUE(request.file.mustExist);
        EXPECT_EQ(request.file.initialFolder, previousFolder);
        EXPECT_EQ(characterField(id, c.field).toBytes(), bytes);
        EXPECT_EQ(box.Picture().width(), width);
        if (c.topField) {
            EXPECT_EQ(characterField(id, c.topField).toDouble(), 0);
            EXPECT_EQ(characterField(id, c.leftField).toDouble(), 0);
            EXPECT_EQ(box.Top(), 0);
            EXPECT_EQ(box.Left(), 0);
        } else {
            EXPECT_EQ(box.Top(), -30); // the background stays where the card has it
        }
        previousFolder = folder.file(folderName) + "/";
        ++width;
    }
    EXPECT_EQ(messageCount(), 0);
    // The other pictures' offsets were the chooser's own to reset.
    EXPECT_EQ(characterField(id, "PicTop").toDouble(), 0);
    EXPECT_EQ(characterField(id, "PPTop").toDouble(), 0);
}

TEST_F(PictureChoosers, CancelOrAFileThatIsNoPictureChangesNothing) {
    const qint32 id = insertCharacterWithPictures();
    FrmCharacter2nd& form = editor();
    const QString text = writeFile("notes.bmp", "no picture at all");
    const QString empty = writeFile("empty.bmp", {});

    for (const Chooser& c : kChoosers) {
        SCOPED_TRACE(c.field);
        PictureBox& box = previewWithOld(c);
        for (const std::optional<QString>& answer :
             {std::optional<QString>(), std::optional(text), std::optional(empty)}) {
            const int before = messageCount();
            folder.dialogs().answerOpenFile(answer);
            click(form.*c.select);
            if (!answer) {
                EXPECT_EQ(messageCount(), before); // cancel is silent
                continue;
            }
            ASSERT_EQ(messageCount(), before + 1);
            const ShownMessage& message = folder.dialogs().messages().back();
            EXPECT_TRUE(message.prompt.contains(QFileInfo(*answer).fileName()))
                << message.prompt.toStdString();
            EXPECT_EQ(message.style, vbExclamation);
            EXPECT_EQ(message.title, c.title);
        }
        EXPECT_EQ(characterField(id, c.field).toBytes(), old);
        EXPECT_EQ(box.Picture().width(), 10);
        EXPECT_EQ(box.Top(), -30);
    }
    for (const auto& [field, value] : kPlaced)
        EXPECT_EQ(characterField(id, field).toDouble(), value.toDouble());

    // Only a stored file is remembered.
    folder.dialogs().answerOpenFile(std::nullopt);
    click(form.cmdGetCharPic);
    EXPECT_EQ(folder.dialogs().requests().back().file.initialFolder, "");
}

TEST_F(PictureChoosers, RemoveEmptiesTheFieldAndThePreview) {
    const qint32 id = insertCharacterWithPictures();
    FrmCharacter2nd& form = editor();

    for (const Chooser& c : kChoosers) {
        SCOPED_TRACE(c.field);
        PictureBox& box = previewWithOld(c);
        click(form.*c.remove);
        EXPECT_TRUE(characterField(id, c.field).isNull());
        EXPECT_TRUE(box.Picture().isNull());
    }
    // The character picture goes back to its frame's corner; every stored offset stays.
    EXPECT_EQ(form.picImageCharacter.Top(), 0);
    EXPECT_EQ(form.picPlayingPieceImage.Top(), -30);
    for (const auto& [field, value] : kPlaced)
        EXPECT_EQ(characterField(id, field).toDouble(), value.toDouble());
    EXPECT_EQ(messageCount(), 0);
}

// A refused write is reported; the field and the preview keep the picture.
TEST_F(PictureChoosers, ARefusedRemoveKeepsThePicture) {
    const qint32 id = insertCharacterWithPictures();
    FrmCharacter2nd& form = editor();
    previewWithOld(kChoosers[1]);
    cnData->execute("CREATE TRIGGER refuse BEFORE UPDATE OF Background ON tblCharacterPictures "
                    "BEGIN SELECT RAISE(ABORT, 'refused'); END");

    click(form.cmdDelBackCharPic);

    ASSERT_EQ(messageCount(), 1);
    EXPECT_TRUE(folder.dialogs().messages()[0].prompt.contains("refused"));
    EXPECT_EQ(characterField(id, "Background").toBytes(), old);
    EXPECT_EQ(form.picBackgroundChar.Picture().width(), 10);
}
