// Picture files stored whole in fields, shown through the work file; the folder picker.
#include "forms/forms.h"
#include "modData.h"
#include "modDirBrowse.h"
#include "modPicture.h"
#include "picturechoice.h"
#include "programfolder.h"
#include "readonlyfolder.h"
#include "runtime/picturelimits.h"
#include "runtime/vberror.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// A BMP file of exactly `size` bytes: trailing bytes after the pixels are ignored by readers.
QByteArray bmpOfSize(qsizetype size) {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(qRgb(10, 200, 30));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    if (bytes.size() < size) bytes.append(QByteArray(size - bytes.size(), '\x5a'));
    return bytes;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class FieldPicture : public ::testing::Test {
protected:
    void SetUp() override {
        folder.openDatabase();
        OpenRecordset("SELECT * FROM tblSet", rs);
        rs->addNew();
        rs->field("SetName") = "Pictures";
        rs->update();
        rs->moveLast();
    }
    Field symbol() { return rs->field("Symbol"); }
    // The editors' edit of the record they show.
    RecordEdit edit() {
        return [this](const RecordAssign& assign) {
            try {
                editRow(*rs, [&] { assign(*rs); });
            } catch (const VbError& error) {
                throw changeNotSaved(error);
            }
        };
    }

    ProgramFolder folder;
    RecordsetPtr rs;
};

class PictureForm : public Form {
public:
    PictureForm() : Form("frmPicture") {}
    PictureBox picBox{*this, "picBox"};
};
} // namespace

TEST_F(FieldPicture, FilesOfEverySizeRoundTripExactly) {
    // One short chunk, exactly one block, and two blocks and a byte.
    for (const qsizetype size : {qsizetype(100), qsizetype(32768), qsizetype(2 * 32768 + 1)}) {
        const QByteArray bytes = bmpOfSize(size);
        ASSERT_EQ(bytes.size(), size);
        writeFile(folder.file("in.bmp"), bytes);
        EXPECT_EQ(StoreFileInField(folder.file("in.bmp"), symbol()), size);
        rs->update();
        EXPECT_EQ(symbol().toBytes(), bytes);
        ASSERT_TRUE(SaveFieldToFile(symbol(), folder.file("out.bmp")));
        EXPECT_EQ(readFile(folder.file("out.bmp")), bytes);
    }
}

TEST_F(FieldPicture, FailedStoresLeaveTheFieldAsItWas) {
    const QByteArray before = bmpOfSize(200);
    writeFile(folder.file("good.bmp"), before);
    StoreFileInField(folder.file("good.bmp"), symbol());
    rs->update();

    writeFile(folder.file("empty.bmp"), {});
    EXPECT_EQ(StoreFileInField(folder.file("empty.bmp"), symbol()), 0);
    EXPECT_EQ(StoreFileInField(folder.file("missing.bmp"), symbol()), -53);
    writeFile(folder.file("text.bmp"), "no picture at all");
    EXPECT_EQ(StoreFileInField(folder.file("text.bmp"), symbol()), -481);
    EXPECT_FALSE(rs->isEditing());
    EXPECT_EQ(symbol().toBytes(), before);
}

// Two time-outs on a busy machine leave the picture refused in layouts, but not when the user
// chooses its file again.
TEST_F(FieldPicture, AChosenFileIsTriedAgainAfterItFailed) {
    QImage image(2048, 2048, QImage::Format_RGB32);
    image.fill(qRgb(120, 60, 30));
    ASSERT_TRUE(image.save(folder.file("slow.jpg"), "JPEG"));
    const QByteArray bytes = readFile(folder.file("slow.jpg"));
    PictureLimits::setTimeLimit(std::chrono::milliseconds(1));
    for (int failures = 0; failures < 2; ++failures)
        EXPECT_THROW(loadPictureFromBytes(bytes), VbError);
    PictureLimits::setTimeLimit({});
    EXPECT_THROW(loadPictureFromBytes(bytes), VbError);
    EXPECT_EQ(StoreFileInField(folder.file("slow.jpg"), symbol()), bytes.size());
}

// Past the pixel limit a picture chosen in an editor is called too large, with its size and the
// limit, whatever its kind.
TEST_F(FieldPicture, APictureTooLargeSaysItsSizeAndTheLimit) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::gray);
    const auto saved = [&](const char* format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    };
    // Qt writes no GIF: the smallest one by hand, of 8 by 8 pixels.
    const QByteArray gif("GIF89a\x08\x00\x08\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff,\x00\x00\x00\x00\x08\x00"
                         "\x08\x00\x00\x02\x02\x4c\x01\x00;",
                         35);
    // Where each kind declares its width and height: 8192 by 4097 pixels.
    const struct {
        QByteArray picture;
        QByteArray marker;
        int offset;
        QByteArray size;
    } cases[] = {
        {saved("JPEG"), QByteArray("\xff\xc0"), 5, QByteArray("\x10\x01\x20\x00", 4)},
        {saved("BMP"), QByteArray("BM"), 18, QByteArray("\x00\x20\x00\x00\x01\x10\x00\x00", 8)},
        {gif, QByteArray("GIF"), 6, QByteArray("\x00\x20\x01\x10", 4)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.marker.toStdString());
        QByteArray bytes = c.picture;
        const qsizetype at = bytes.indexOf(c.marker);
        ASSERT_GE(at, 0);
        bytes.replace(at + c.offset, c.size.size(), c.size);
        writeFile(folder.file("large.pic"), bytes);
        const size_t shown = folder.dialogs().messages().size();
        EXPECT_FALSE(storePictureFile(edit(), folder.file("large.pic"), "Symbol", "Symbol"));
        ASSERT_EQ(folder.dialogs().messages().size(), shown + 1);
        const QString text = folder.dialogs().messages().back().prompt;
        EXPECT_TRUE(text.contains("too large: 8192 × 4097 pixels. A picture can have at most " +
                                  QLocale().toString(PictureLimits::kMaxPixels)))
            << text.toStdString();
    }
}

// A picture the database cannot take is no fault of the picture: the message names the folder.
TEST_F(FieldPicture, APictureTheDatabaseCannotTakeNamesTheFolder) {
    writeFile(folder.file("big.bmp"), bmpOfSize(200000));
    const qint64 pages = GetRecordset("PRAGMA page_count")->field("page_count").toLong();
    cnData->execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pages));
    EXPECT_FALSE(storePictureFile(edit(), folder.file("big.bmp"), "Symbol", "Symbol"));
    cnData->execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pages * 10));
    {
        const ReadOnlyFolder readOnly(folder.path());
        EXPECT_FALSE(storePictureFile(edit(), folder.file("big.bmp"), "Symbol", "Symbol"));
    }
    const std::vector<ShownMessage>& shown = folder.dialogs().messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].prompt,
              "The change was not saved: the disk that holds the folder " + folder.path() + " is full.");
    EXPECT_EQ(shown[1].prompt, "The change was not saved: the folder " + folder.path() +
                                   " of the database cannot be written.");
}

TEST_F(FieldPicture, WorkFileIsReplacedWholeNotOverwrittenInPlace) {
    writeFile(PicTempPath, QByteArray(5000, 'x'));
    writeFile(folder.file("small.bmp"), bmpOfSize(100));
    StoreFileInField(folder.file("small.bmp"), symbol());
    ASSERT_TRUE(SaveFieldToFile(symbol(), PicTempPath));
    EXPECT_EQ(readFile(PicTempPath), bmpOfSize(100));
}

TEST_F(FieldPicture, ShowingPicturesAndEmptyFields) {
    PictureForm form;
    writeFile(folder.file("in.bmp"), bmpOfSize(100));
    StoreFileInField(folder.file("in.bmp"), symbol());
    ShowFieldPicture(form.picBox, symbol());
    ASSERT_FALSE(form.picBox.Picture().isNull());
    EXPECT_EQ(form.picBox.Picture().width(), 4);
    EXPECT_EQ(form.picBox.Picture().image().pixel(0, 0), qRgb(10, 200, 30));

    // Bytes that are no picture: the error goes to the caller and the last picture goes.
    rs->field("Symbol") = QByteArray("no picture at all");
    EXPECT_THROW(ShowFieldPicture(form.picBox, symbol()), VbError);
    EXPECT_TRUE(form.picBox.Picture().isNull());

    rs->cancelUpdate();
    rs->field("Symbol") = Variant::null();
    const QByteArray workFile = readFile(PicTempPath);
    ShowFieldPicture(form.picBox, symbol());
    EXPECT_TRUE(form.picBox.Picture().isNull());
    EXPECT_EQ(readFile(PicTempPath), workFile);
    EXPECT_FALSE(SaveFieldToFile(symbol(), folder.file("none.bmp")));
    EXPECT_FALSE(QFile::exists(folder.file("none.bmp")));
}

// A JPEG file is listed under every name ending it goes by; the caption stays as it was.
TEST(PictureFileRequest, ListsEveryPictureFileAndNothingElse) {
    const QTemporaryDir folder;
    const QStringList pictures{"a.bmp", "b.gif", "c.jpe", "d.jfif", "e.jpg", "f.wmf", "rose_photo.jpeg"};
    for (const QString& name : pictures + QStringList{"notes.txt", "zqj.mdb"})
        writeFile(folder.filePath(name), "x");

    const FileDialogRequest request = pictureFileRequest(QStringLiteral("Choose picture"), folder.path());
    EXPECT_TRUE(request.filter.contains("|Picture files (*.bmp;*.jpg;*.gif;*.wmf)|"));
    const QString shown = request.selectedNameFilter();
    ASSERT_TRUE(shown.startsWith("Picture files (") && shown.endsWith(')')) << shown.toStdString();
    const QStringList patterns = shown.section(QLatin1Char('('), 1).chopped(1).split(QLatin1Char(' '));
    EXPECT_EQ(QDir(folder.path()).entryList(patterns, QDir::Files, QDir::Name), pictures);
}

TEST(FolderPicker, EndsInOneSeparatorOrIsEmpty) {
    ProgramFolder folder(ProgramFolder::Database::None);
    folder.dialogs().answerFolder("/");
    folder.dialogs().answerFolder("/home/user/cards");
    folder.dialogs().answerFolder("");
    EXPECT_EQ(BrowseForFolder(nullptr), "/");
    EXPECT_EQ(BrowseForFolder(nullptr), "/home/user/cards/");
    EXPECT_EQ(BrowseForFolder(nullptr), "");
    ASSERT_EQ(folder.dialogs().requests().size(), 3u);
    EXPECT_EQ(folder.dialogs().requests().front().title, "Choose a directory from the list.");
}
