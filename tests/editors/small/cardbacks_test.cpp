// The card-back dialog: listing one edition's backs, adding, renaming, deleting, the set's
// default, saving a back's picture, and the dialog's size following the picture.
#include "frmCardBacks.h"
#include "modData.h"
#include "smallcardfixture.h"

#include "forms/screen.h"
#include "gifconv/bmptogif.h"
#include "runtime/files.h"
#include "runtime/picture.h"
#include "runtime/pictureformat.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace {
class CardBacks : public SmallCardFixture {
protected:
    // The dialog as the editor opens it for the open set.
    FrmCardBacks& openDialog(qint16 edition) {
        FrmCardBacks& dialog = frmCardBacks.get();
        dialog.InitBacks(edition);
        return dialog;
    }

    static QStringList listed(FrmCardBacks& dialog) {
        QStringList rows;
        for (int i = 1; i <= dialog.lvCardBack.ListItemCount(); ++i) {
            const ListItem& item = dialog.lvCardBack.ListItemAt(i);
            rows << item.Text() + "|" + item.SubItems(1);
        }
        return rows;
    }

    static void clickBack(FrmCardBacks& dialog, const QString& name) {
        for (int i = 1; i <= dialog.lvCardBack.ListItemCount(); ++i) {
            ListItem& item = dialog.lvCardBack.ListItemAt(i);
            if (item.Text() != name) continue;
            dialog.lvCardBack.setSelectedItem(&item);
            dialog.lvCardBack.ItemClick(item);
            return;
        }
        FAIL() << "no back " << name.toStdString();
    }

    static qint32 backID(const QString& name) {
        const RecordsetPtr rs =
            GetRecordset("SELECT CardBackID FROM tblCardBack WHERE BackText = '" + name + "'");
        return rs->eof() ? 0 : rs->field("CardBackID").toLong();
    }

    static Variant backField(qint32 id, const QString& field) {
        const RecordsetPtr rs =
            GetRecordset(QStringLiteral("SELECT * FROM tblCardBack WHERE CardBackID = %1").arg(id));
        return rs->eof() ? Variant() : rs->field(field).value();
    }

    // OK, Set as default, Save picture, Rename, Delete.
    static std::vector<bool> enabled(FrmCardBacks& dialog) {
        return {dialog.cmdOK.Enabled(), dialog.cmdDefault.Enabled(), dialog.cmdSavePicture.Enabled(),
                dialog.cmdUpdate.Enabled(), dialog.cmdDelete.Enabled()};
    }

    // Adds a user back through the dialog.
    void addBack(FrmCardBacks& dialog, const QString& name, const QByteArray& bytes) {
        folder.dialogs().answerOpenFile(writeFile(name + ".bmp", bytes));
        click(dialog.cmdLoadPic);
        dialog.txtBackText.setText(name);
        click(dialog.cmdNew);
    }
};
} // namespace

TEST_F(CardBacks, EachEditionListsAndAddsItsOwnBacksOnly) {
    const struct {
        qint16 edition;
        QStringList builtIn;
        int addedAt; // in name order
    } cases[] = {{2, {"Amber Checks|No", "Indigo Stripes|No"}, 1},
                 {3, {"Moss Diamonds|No", "Rust Rings|No"}, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edition);
        openNewSet(c.edition);
        FrmCardBacks& dialog = openDialog(c.edition);
        ASSERT_EQ(dialog.lvCardBack.ColumnHeaderCount(), 2);
        EXPECT_EQ(listed(dialog), c.builtIn);
        EXPECT_EQ(dialog.lvCardBack.ListItemAt(1).Key(),
                  "CB" + QString::number(backID(c.builtIn[0].section('|', 0, 0))));

        const QByteArray bytes = bmpBytes(30, 40);
        addBack(dialog, QStringLiteral("Blue %1").arg(c.edition), bytes);
        const qint32 id = backID(QStringLiteral("Blue %1").arg(c.edition));
        ASSERT_NE(id, 0);
        EXPECT_EQ(backField(id, "EditionID").toLong(), c.edition);
        EXPECT_EQ(backField(id, "LanguageID").toLong(), 1);
        EXPECT_FALSE(backField(id, "Original").toBool());
        EXPECT_EQ(backField(id, "Picture").toBytes(), bytes);
        // Sorted by name, the new back among the built-in ones.
        ASSERT_EQ(listed(dialog).size(), 3);
        EXPECT_EQ(listed(dialog)[c.addedAt], QStringLiteral("Blue %1|Yes").arg(c.edition));
        // Adding again takes the same file: the name and the pending picture stay.
        click(dialog.cmdNew);
        EXPECT_EQ(listed(dialog).size(), 4);
        frmCardBacks.unload();
    }
}

TEST_F(CardBacks, AddNewAsksForTheNameFirstAndThenForThePicture) {
    openNewSet(2);
    FrmCardBacks& dialog = openDialog(2);
    click(dialog.cmdNew);
    dialog.txtBackText.setText("Red");
    click(dialog.cmdNew);
    const auto& messages = folder.dialogs().messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].prompt, "You must enter a name for the new Card back.");
    EXPECT_EQ(messages[1].prompt, "You must select a new picture for the Card back.");
    for (const ShownMessage& message : messages) {
        EXPECT_EQ(message.style, vbExclamation);
        EXPECT_EQ(message.title, "Card back");
    }
    EXPECT_EQ(listed(dialog).size(), 2);

    // A name of spaces is a name.
    addBack(dialog, "   ", bmpBytes(5, 5));
    EXPECT_NE(backID("   "), 0);
    EXPECT_EQ(messages.size(), 2u);
}

TEST_F(CardBacks, APictureFileThatCannotBeUsedStoresNothing) {
    openNewSet(2);
    FrmCardBacks& dialog = openDialog(2);
    const QByteArray good = bmpBytes(20, 30);
    const QString goodPath = writeFile("good.bmp", good);
    folder.dialogs().answerOpenFile(goodPath);
    click(dialog.cmdLoadPic);
    const DialogRequest& request = folder.dialogs().requests().back();
    EXPECT_EQ(request.file.title, "Choose picture for Card back");
    EXPECT_EQ(request.file.filterIndex, 2);
    EXPECT_EQ(request.file.defaultExtension, "bmp");
    EXPECT_TRUE(request.file.mustExist);
    EXPECT_EQ(dialog.picNewBack.Tag(), goodPath);
    EXPECT_TRUE(dialog.picBack.Visible());

    // A damaged file is refused and the pending picture stays.
    folder.dialogs().answerOpenFile(writeFile("damaged.bmp", good.left(20)));
    click(dialog.cmdLoadPic);
    ASSERT_EQ(folder.dialogs().messages().size(), 1u);
    EXPECT_TRUE(folder.dialogs().messages()[0].prompt.contains("damaged.bmp"));
    EXPECT_EQ(folder.dialogs().messages()[0].title, "Choose picture for Card back");
    EXPECT_EQ(dialog.picNewBack.Tag(), goodPath);
    EXPECT_EQ(dialog.picBack.Picture().width(), 20);
    folder.dialogs().answerOpenFile(std::nullopt);
    click(dialog.cmdLoadPic); // cancel is silent
    EXPECT_EQ(folder.dialogs().messages().size(), 1u);

    // The file spoilt after it was loaded: no row, the dialog as it was.
    writeFile("good.bmp", "no picture now");
    dialog.txtBackText.setText("Spoilt");
    click(dialog.cmdNew);
    ASSERT_EQ(folder.dialogs().messages().size(), 2u);
    EXPECT_TRUE(folder.dialogs().messages()[1].prompt.contains("good.bmp"));
    EXPECT_EQ(backID("Spoilt"), 0);
    EXPECT_EQ(listed(dialog).size(), 2);
    EXPECT_EQ(dialog.txtBackText.Text(), "Spoilt");

    // The recordset holds no half-made row: the next back is added whole.
    writeFile("good.bmp", good);
    click(dialog.cmdNew);
    EXPECT_EQ(backField(backID("Spoilt"), "Picture").toBytes(), good);
    EXPECT_EQ(GetRecordset("SELECT * FROM tblCardBack WHERE BackText = 'Spoilt'")->recordCount(), 1);
}

TEST_F(CardBacks, AClickShowsTheBackAndEnablesWhatItAllows) {
    openNewSet(2);
    FrmCardBacks& dialog = openDialog(2);
    EXPECT_EQ(enabled(dialog), (std::vector<bool>{false, false, true, false, false}));
    addBack(dialog, "Mine", bmpBytes(25, 35));
    // A back whose stored bytes are no picture.
    const qint32 broken = backID("Mine");
    cnData->execute(
        QStringLiteral("UPDATE tblCardBack SET Picture = X'0102' WHERE CardBackID = %1").arg(broken));
    addBack(dialog, "Good", bmpBytes(30, 40));

    clickBack(dialog, "Amber Checks");
    EXPECT_EQ(dialog.CardBackID, backID("Amber Checks"));
    EXPECT_EQ(enabled(dialog), (std::vector<bool>{true, true, true, false, false}));
    EXPECT_EQ(dialog.lblDimension.Caption(), "150W x 254H");

    clickBack(dialog, "Good");
    EXPECT_EQ(dialog.CardBackID, backID("Good"));
    EXPECT_EQ(enabled(dialog), (std::vector<bool>(5, true)));

    clickBack(dialog, "Mine");
    EXPECT_EQ(dialog.CardBackID, backID("Good"));
    EXPECT_EQ(enabled(dialog), (std::vector<bool>(5, false)));
    EXPECT_TRUE(dialog.picBack.Picture().isNull());
    EXPECT_TRUE(folder.dialogs().messages().empty());

    // The built-in back cannot be renamed: nothing is asked.
    clickBack(dialog, "Amber Checks");
    click(dialog.cmdUpdate);
    for (const DialogRequest& request : folder.dialogs().requests())
        EXPECT_NE(request.kind, DialogRequest::Kind::Input);
    EXPECT_EQ(backField(backID("Amber Checks"), "BackText").toText(), "Amber Checks");

    click(dialog.cmdDefault);
    EXPECT_EQ(setField("DefaultCardBackID").toLong(), backID("Amber Checks"));
    click(dialog.cmdOK);
    EXPECT_TRUE(dialog.bOK);
    click(dialog.cmdCancel);
    EXPECT_FALSE(dialog.bOK);
    EXPECT_EQ(dialog.CardBackID, backID("Amber Checks"));
}

TEST_F(CardBacks, RenameTakesOnlyANameGiven) {
    const struct {
        std::optional<QString> answer;
        QString name;
    } cases[] = {{std::nullopt, "Mine"}, {QString(""), "Mine"}, {QString("Alpha"), "Alpha"}};
    openNewSet(2);
    FrmCardBacks& dialog = openDialog(2);
    addBack(dialog, "Mine", bmpBytes(5, 5));
    const qint32 id = backID("Mine");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        clickBack(dialog, backField(id, "BackText").toText());
        folder.dialogs().answerInput(c.answer);
        click(dialog.cmdUpdate);
        const DialogRequest& request = folder.dialogs().requests().back();
        EXPECT_EQ(request.prompt, "New name:");
        EXPECT_EQ(request.title, "Rename Card back");
        EXPECT_EQ(request.defaultText, "Mine");
        EXPECT_EQ(backField(id, "BackText").toText(), c.name);
    }
    // Listed under its new name, in name order.
    EXPECT_EQ(listed(dialog), (QStringList{"Alpha|Yes", "Amber Checks|No", "Indigo Stripes|No"}));
}

// A back that is only some sets' default is deleted, and those sets have no default again.
TEST_F(CardBacks, OnlyABackNoCardUsesIsDeleted) {
    const struct {
        const char* name;
        bool usedByCardOfOtherSet;
        bool deleted;
    } cases[] = {{"Used", true, false}, {"Default", false, true}};
    openNewSet(2);
    {
        FrmCardBacks& dialog = openDialog(2);
        for (const auto& c : cases)
            addBack(dialog, c.name, bmpBytes(5, 5));
        frmCardBacks.unload();
    }
    insertCard(1, {{"CardBackID", Variant(backID("Used"))}});
    // The default of a set that is not open goes too.
    setSetField("DefaultCardBackID", Variant(backID("Default")));
    openNewSet(2);
    setSetField("DefaultCardBackID", Variant(backID("Default")));
    FrmCardBacks& dialog = openDialog(2);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const qint32 id = backID(c.name);
        clickBack(dialog, c.name);
        const size_t before = folder.dialogs().messages().size();
        click(dialog.cmdDelete);
        EXPECT_EQ(backID(c.name) == 0, c.deleted);
        EXPECT_EQ(dialog.lvCardBack.FindListItem("CB" + QString::number(id)) == nullptr, c.deleted);
        if (c.deleted) {
            EXPECT_TRUE(
                GetRecordset(QStringLiteral("SELECT SetID FROM tblSet WHERE DefaultCardBackID = %1").arg(id))
                    ->eof());
            EXPECT_EQ(setField("DefaultCardBackID").toLong(), 0);
            EXPECT_EQ(dialog.CardBackID, 0);
            EXPECT_EQ(enabled(dialog), (std::vector<bool>(5, false)));
            EXPECT_EQ(folder.dialogs().messages().size(), before);
        } else {
            EXPECT_EQ(dialog.CardBackID, id);
            ASSERT_EQ(folder.dialogs().messages().size(), before + 1);
            const ShownMessage& message = folder.dialogs().messages().back();
            EXPECT_EQ(message.prompt, "This Card back can not be deleted. There are cards using is.");
            EXPECT_EQ(message.style, vbExclamation);
            EXPECT_EQ(message.title, "ZQJ2");
        }
    }
}

TEST_F(CardBacks, TheDialogFitsThePictureWithinTheScreen) {
    openNewSet(2);
    FrmCardBacks& dialog = openDialog(2);
    const double right = dialog.picBack.Left() + 16;
    const double below = dialog.picBack.Top() + 16;
    addBack(dialog, "Large", bmpBytes(400, 500));
    addBack(dialog, "Small", bmpBytes(100, 60));

    clickBack(dialog, "Large");
    EXPECT_EQ(dialog.lblDimension.Caption(), "400W x 500H");
    EXPECT_EQ(dialog.Width(), (right + 400) * 15);
    EXPECT_EQ(dialog.Height(), (below + 500) * 15);
    clickBack(dialog, "Small");
    EXPECT_EQ(dialog.lblDimension.Caption(), "100W x 60H");
    EXPECT_EQ(dialog.Width(), (right + 100) * 15);
    EXPECT_EQ(dialog.Height(), 7245);

    // A picture far larger than the screen is cut; the buttons stay inside the window.
    folder.dialogs().answerOpenFile(writeFile("huge.bmp", bmpBytes(3000, 4000)));
    click(dialog.cmdLoadPic);
    EXPECT_EQ(dialog.lblDimension.Caption(), "3000W x 4000H");
    const QRect room = Screen::availableArea(dialog);
    EXPECT_LE(dialog.Width(), room.width() * 15);
    EXPECT_LE(dialog.Height(), room.height() * 15);
    EXPECT_LE((dialog.cmdOK.Top() + dialog.cmdOK.Height()) * 15, dialog.Height());
}

// The file holds the type the name's ending gives, else the type of the filter chosen, and a
// name without a known ending gets that type's. A back already of that type keeps its bytes.
TEST_F(CardBacks, SavePictureWritesTheTypeChosen) {
    openNewSet(2);
    FrmCardBacks& dialog = openDialog(2);
    const QSize size(20, 12);
    const QByteArray bmp = bmpBytes(size.width(), size.height(), Qt::blue);
    QByteArray jpg;
    QBuffer buffer(&jpg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(QImage::fromData(bmp).save(&buffer, "JPEG"));
    BmpToGif converter;
    converter.convert(writeFile("gif.bmp", bmp), folder.file("back.gif"));
    ASSERT_FALSE(converter.failed());
    const std::map<PictureFormat, QByteArray> stored{
        {PictureFormat::Bmp, bmp},
        {PictureFormat::Jpeg, jpg},
        {PictureFormat::Gif, ReadFileBytes(folder.file("back.gif"))}};
    const std::map<PictureFormat, QString> backName{
        {PictureFormat::Bmp, "Bmp"}, {PictureFormat::Jpeg, "Jpg"}, {PictureFormat::Gif, "Gif"}};
    for (const auto& [format, bytes] : stored)
        addBack(dialog, backName.at(format), bytes);

    enum Filter { kBmp = 1, kJpg, kGif };
    const struct {
        PictureFormat back;
        Filter filter;
        QString typed;
        QString written;
        PictureFormat format;
    } cases[] = {
        {PictureFormat::Bmp, kJpg, "Back", "Back.jpg", PictureFormat::Jpeg},
        {PictureFormat::Bmp, kBmp, "Back.jpg", "Back.jpg", PictureFormat::Jpeg},
        {PictureFormat::Bmp, kJpg, "Back.bmp", "Back.bmp", PictureFormat::Bmp},
        {PictureFormat::Bmp, kBmp, "Back", "Back.bmp", PictureFormat::Bmp},
        {PictureFormat::Bmp, kGif, "Back", "Back.gif", PictureFormat::Gif},
        {PictureFormat::Jpeg, kBmp, "Back", "Back.bmp", PictureFormat::Bmp},
        {PictureFormat::Jpeg, kBmp, "Back.GIF", "Back.GIF", PictureFormat::Gif},
        {PictureFormat::Jpeg, kGif, "Back.jfif", "Back.jfif", PictureFormat::Jpeg},
        {PictureFormat::Gif, kGif, "Back.jpeg", "Back.jpeg", PictureFormat::Jpeg},
        {PictureFormat::Gif, kJpg, "Back.jpe", "Back.jpe", PictureFormat::Jpeg},
        {PictureFormat::Gif, kBmp, "Back.v2", "Back.v2.bmp", PictureFormat::Bmp},
        {PictureFormat::Gif, kJpg, "Back.gif", "Back.gif", PictureFormat::Gif},
    };
    int row = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE((c.typed + " under filter " + QString::number(c.filter)).toStdString());
        const QDir out(folder.file(QStringLiteral("out%1").arg(++row)));
        ASSERT_TRUE(out.mkpath("."));
        clickBack(dialog, backName.at(c.back));
        folder.dialogs().answerSaveFile(out.filePath(c.typed), c.filter);
        click(dialog.cmdSavePicture);
        EXPECT_EQ(out.entryList(QDir::Files), QStringList{c.written});
        const QByteArray written = ReadFileBytes(out.filePath(c.written));
        EXPECT_EQ(pictureFormatOf(written), c.format);
        EXPECT_EQ(loadPictureFromBytes(written).image().size(), size);
        if (c.format == c.back) {
            EXPECT_EQ(written, stored.at(c.back));
        }
    }
    EXPECT_TRUE(folder.dialogs().messages().empty());
}

// The ending added to a name makes a name the dialog never checked: a file of that name is
// replaced only when the user agrees, and a program's file never.
TEST_F(CardBacks, SavePictureChecksTheNameWithTheEndingItAdds) {
    openNewSet(2);
    FrmCardBacks& dialog = openDialog(2);
    addBack(dialog, "Green", bmpBytes(7, 9, Qt::green));
    clickBack(dialog, "Green");
    const QString existing = writeFile("Old.gif", "old");
    for (const int answer : {vbNo, vbYes}) {
        folder.dialogs().answerSaveFile(folder.file("Old"), 3);
        folder.dialogs().answerMessageBox(answer);
        click(dialog.cmdSavePicture);
        ASSERT_FALSE(folder.dialogs().messages().empty());
        EXPECT_EQ(folder.dialogs().messages().back().prompt,
                  existing + " already exists.\r\nDo you want to replace it?");
        EXPECT_EQ(pictureFormatOf(ReadFileBytes(existing)) == PictureFormat::Gif, answer == vbYes);
    }
    EXPECT_EQ(folder.dialogs().unusedAnswers(), 0);
    EXPECT_FALSE(QFileInfo::exists(folder.file("Old")));

    const QString workFile = writeFile("zqjtemp.bmp", "work");
    folder.dialogs().answerSaveFile(folder.file("zqjtemp"), 1);
    click(dialog.cmdSavePicture);
    EXPECT_TRUE(folder.dialogs().messages().back().prompt.contains(workFile));
    EXPECT_EQ(ReadFileBytes(workFile), "work");
}

TEST_F(CardBacks, SavePictureWritesTheStoredBytesOrSaysWhyNot) {
    openNewSet(2);
    FrmCardBacks& dialog = openDialog(2);
    click(dialog.cmdSavePicture); // nothing selected: nothing asked
    EXPECT_TRUE(folder.dialogs().requests().empty());

    const QByteArray bytes = bmpBytes(7, 9, Qt::green);
    addBack(dialog, "Green", bytes);
    clickBack(dialog, "Green");
    const QString target = folder.file("out.bmp");
    folder.dialogs().answerSaveFile(target);
    click(dialog.cmdSavePicture);
    const DialogRequest& request = folder.dialogs().requests().back();
    EXPECT_EQ(request.file.title, "Save Card back as picture");
    EXPECT_EQ(request.file.fileName, "Green");
    EXPECT_EQ(request.file.filterIndex, 1);
    EXPECT_EQ(request.file.defaultExtension, "bmp");
    QFile written(target);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), bytes);
    EXPECT_TRUE(folder.dialogs().messages().empty());

    // A target that cannot be replaced keeps what it held.
    const QString locked = writeFile("locked.bmp", "old");
    QFile::setPermissions(locked, QFile::ReadOwner);
    for (const QString& path : {locked, folder.file("missing/out.bmp")}) {
        SCOPED_TRACE(path.toStdString());
        const size_t before = folder.dialogs().messages().size();
        folder.dialogs().answerSaveFile(path);
        click(dialog.cmdSavePicture);
        ASSERT_EQ(folder.dialogs().messages().size(), before + 1);
        EXPECT_TRUE(folder.dialogs().messages().back().prompt.contains(path));
        EXPECT_EQ(folder.dialogs().messages().back().style, vbExclamation);
    }
    QFile kept(locked);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old");
}
