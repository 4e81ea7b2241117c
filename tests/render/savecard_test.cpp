#include "cardimagefixture.h"

#include "frmCard.h"
#include "frmCard2nd.h"
#include "frmCard3rd.h"
#include "modData.h"
#include "runtime/app.h"

#include <QDir>
#include <QFile>

namespace {
const QColor kFace = Qt::red;
const QColor kBack = Qt::blue;

void expectOutline(const QImage& image, const QRect& outline) {
    for (int x = outline.left(); x <= outline.right(); ++x) {
        EXPECT_EQ(image.pixelColor(x, outline.top()), QColor(Qt::black)) << x;
        EXPECT_EQ(image.pixelColor(x, outline.bottom()), QColor(Qt::black)) << x;
    }
    for (int y = outline.top(); y <= outline.bottom(); ++y) {
        EXPECT_EQ(image.pixelColor(outline.left(), y), QColor(Qt::black)) << y;
        EXPECT_EQ(image.pixelColor(outline.right(), y), QColor(Qt::black)) << y;
    }
}

// The four corners of the interior hold the colour.
void expectInterior(const QImage& image, const QRect& interior, const QColor& colour) {
    for (const QPoint& p :
         {interior.topLeft(), interior.topRight(), interior.bottomLeft(), interior.bottomRight()})
        EXPECT_EQ(image.pixelColor(p), colour) << p.x() << "," << p.y();
}
} // namespace

class SaveCardTest : public CardImageFixture {
protected:
    SaveCardTest() { openNewSet(2); }

    // One card, shown by the 2nd-edition editor, composed in red with a blue back.
    qint32 prepareCard(const std::map<QString, Variant>& fields = {}) {
        const qint32 cardID = insertCard(1, fields);
        frmCard2nd.get();
        openCards();
        fillCanvas(frmCard->picACard, 152, 256, kFace);
        frmCard2nd->picBack.setPicture(plainPicture(150, 254, kBack));
        return cardID;
    }

    void setFileName(const QString& name, int nr) {
        rsCard->field("FileName") = name;
        rsCard->field("Nr") = nr;
        rsCard->update();
    }

    const std::vector<ShownMessage>& messages() const { return folder.dialogs().messages(); }
};

TEST_F(SaveCardTest, FileNameFollowsTheSetsOptions) {
    prepareCard();
    struct Case {
        Variant prefix;
        bool number, replaceSpace;
        int nr;
        QString name;
        int format;
        QString expected;
    };
    const std::vector<Case> cases{
        {Variant(), false, false, 7, "Sword", 1, "C2 Sword.BMP"},
        {Variant(""), false, false, 7, "Sword", 1, "C2 Sword.BMP"},
        {Variant("Set"), true, false, 7, "Sword", 2, "Set C2 007 Sword.JPG"},
        {Variant("Set"), true, true, 7, "Sword", 2, "Set_C2_007_Sword.JPG"},
        {Variant("My set"), true, true, 42, "Big sword", 3, "My_set_C2_042_Big_sword.GIF"},
        {Variant(), true, false, 1234, "Sword", 1, "C2 234 Sword.BMP"},
    };
    for (const Case& c : cases) {
        QDir(outputFolder).removeRecursively();
        QDir().mkpath(outputFolder);
        setSetField("FilenamePrefix", c.prefix);
        setSetField("FileCardNr", c.number);
        setSetField("ReplaceSpace", c.replaceSpace);
        setSetField("PicFormatID", c.format);
        setFileName(c.name, c.nr);
        frmCard->SaveTheCard2nd();
        EXPECT_EQ(outputFiles(), QStringList{c.expected});
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(SaveCardTest, NamesWindowsCannotHoldFailTheSaveAndWriteNothing) {
    prepareCard();
    for (const char* name : {"A\\B", "A/B", "A:B", "A*B", "A?B", "A\"B", "A<B", "A>B", "A|B", "A\tB"}) {
        setFileName(name, 1);
        frmCard->SaveTheCard2nd();
    }
    setFileName("Sword", 1);
    setSetField("FilenamePrefix", "../up");
    frmCard->SaveTheCard2nd();

    EXPECT_TRUE(
        QDir(outputFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    EXPECT_FALSE(QFile::exists(folder.file("up C2 Sword.BMP")));
    ASSERT_EQ(messages().size(), 11u);
    EXPECT_EQ(messages()[0].prompt, "Something went wrong.\r\n\r\n52, Bad file name or number: C2 A\\B.BMP");
    for (const ShownMessage& shown : messages()) {
        EXPECT_TRUE(shown.prompt.startsWith("Something went wrong.\r\n\r\n52, "))
            << shown.prompt.toStdString();
        EXPECT_EQ(shown.style, 16);
        EXPECT_EQ(shown.title, "Saving the card 2nd.");
    }
}

TEST_F(SaveCardTest, PictureFormatWithoutWriterFailsTheSave) {
    prepareCard({{"FileName", "Sword"}});
    setSetField("PicFormatID", 9);
    frmCard->SaveTheCard2nd();
    EXPECT_TRUE(outputFiles().isEmpty());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].prompt,
              "Something went wrong.\r\n\r\n380, There is no writer for picture format 9.");
}

TEST_F(SaveCardTest, FirstSaveKeepsTheTitleAsFileName) {
    const qint32 cardID = prepareCard({{"Title", "Sword"}});
    frmCard->SaveTheCard2nd();
    EXPECT_EQ(rowField("tblCard", "CardID", cardID, "FileName").toText(), "Sword");

    rsCard->field("Title") = "Axe";
    rsCard->update();
    QFile::remove(QDir(outputFolder).filePath("C2 Sword.BMP"));
    frmCard->SaveTheCard2nd();
    EXPECT_EQ(outputFiles(), QStringList{"C2 Sword.BMP"});
}

// Another tool's Null is no name yet, as an empty one.
TEST_F(SaveCardTest, NullFileNameTakesTheTitle) {
    const qint32 cardID = prepareCard({{"Title", "Sword"}, {"FileName", Variant()}});
    frmCard->SaveTheCard2nd();
    EXPECT_EQ(rowField("tblCard", "CardID", cardID, "FileName").toText(), "Sword");
    EXPECT_EQ(outputFiles(), QStringList{"C2 Sword.BMP"});
    EXPECT_TRUE(messages().empty());
}

TEST_F(SaveCardTest, OutputFolderTakesOneSeparator) {
    prepareCard({{"FileName", "Sword"}});
    for (const QString& saveTo : {outputFolder, outputFolder + "/", outputFolder + "\\", outputFolder + "//",
                                  QString(outputFolder).replace("/out", "//out")}) {
        QDir(outputFolder).removeRecursively();
        QDir().mkpath(outputFolder);
        setSetField("SaveTo", saveTo);
        frmCard->SaveTheCard2nd();
        EXPECT_EQ(outputFiles(), QStringList{"C2 Sword.BMP"}) << saveTo.toStdString();
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(SaveCardTest, SmallCard2ndHalvesAndOutlines) {
    prepareCard({{"FileName", "Sword"}});
    frmCard->SaveTheCard2nd();
    const QImage image = outputImage("C2 Sword.BMP");
    ASSERT_EQ(image.size(), QSize(304, 256));
    expectOutline(image, QRect(QPoint(0, 0), QPoint(151, 255)));
    expectOutline(image, QRect(QPoint(152, 0), QPoint(303, 255)));
    expectInterior(image, QRect(1, 1, 150, 254), kFace);
    expectInterior(image, QRect(153, 1, 150, 254), kBack);

    setSetField("NoBack", true);
    frmCard->SaveTheCard2nd();
    const QImage face = outputImage("C2 Sword.BMP");
    ASSERT_EQ(face.size(), QSize(152, 256));
    expectOutline(face, QRect(QPoint(0, 0), QPoint(151, 255)));
    expectInterior(face, QRect(1, 1, 150, 254), kFace);
}

TEST_F(SaveCardTest, BackPictureIsCutOrLeavesWhite) {
    prepareCard({{"FileName", "Sword"}});
    frmCard2nd->picBack.setPicture(plainPicture(200, 300, Qt::green));
    frmCard->SaveTheCard2nd();
    QImage image = outputImage("C2 Sword.BMP");
    ASSERT_EQ(image.size(), QSize(304, 256));
    expectOutline(image, QRect(QPoint(152, 0), QPoint(303, 255)));
    expectInterior(image, QRect(153, 1, 150, 254), Qt::green);

    frmCard2nd->picBack.setPicture(plainPicture(100, 100, Qt::green));
    frmCard->SaveTheCard2nd();
    image = outputImage("C2 Sword.BMP");
    EXPECT_EQ(image.pixelColor(252, 100), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(253, 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(153, 101), QColor(Qt::white));
}

TEST_F(SaveCardTest, SmallCard3rdHalvesAndOutlines) {
    insertCard(1, {{"FileName", "Sword"}});
    frmCard3rd.get();
    openCards();
    fillCanvas(frmCard->picACard, 163, 247, kFace);
    frmCard3rd->picBack.setPicture(plainPicture(161, 245, kBack));
    frmCard->SaveTheCard3rd();

    const QImage image = outputImage("C3 Sword.BMP");
    ASSERT_EQ(image.size(), QSize(326, 247));
    expectOutline(image, QRect(QPoint(0, 0), QPoint(162, 246)));
    expectOutline(image, QRect(QPoint(163, 0), QPoint(325, 246)));
    expectInterior(image, QRect(1, 1, 161, 245), kFace);
    expectInterior(image, QRect(164, 1, 161, 245), kBack);
}

TEST_F(SaveCardTest, PlayingPieceShowsThePieceTwiceEvenWithoutBacks) {
    insertCharacter(3, {{"Name", "Hero"}});
    openCharacters();
    setSetField("NoBack", true);
    fillCanvas(frmCard->picACardPP, 152, 256, Qt::yellow);
    frmCard->SaveThePlayingPiece2nd();

    const QImage image = outputImage("PP2 Hero.BMP");
    ASSERT_EQ(image.size(), QSize(304, 256));
    expectOutline(image, QRect(QPoint(0, 0), QPoint(151, 255)));
    expectOutline(image, QRect(QPoint(152, 0), QPoint(303, 255)));
    expectInterior(image, QRect(1, 1, 150, 254), Qt::yellow);
    expectInterior(image, QRect(153, 1, 150, 254), Qt::yellow);
}

TEST_F(SaveCardTest, CharacterAndLargeCardHalves) {
    insertCharacter(1, {{"Name", "Hero"}});
    insertLargeCard(1, {{"Title", "Castle"}});
    openCharacters();
    openLargeCards();
    fillCanvas(frmCard->picACard, 304, 256, kFace);
    frmCard->SaveTheCharacter2nd();
    frmCard->SaveTheLargeCard();

    for (const char* file : {"CH2 Hero.BMP", "LC2 Castle.BMP"}) {
        const QImage image = outputImage(file);
        ASSERT_EQ(image.size(), QSize(608, 256)) << file;
        expectOutline(image, QRect(QPoint(0, 0), QPoint(303, 255)));
        expectOutline(image, QRect(QPoint(304, 0), QPoint(607, 255)));
        expectInterior(image, QRect(1, 1, 302, 254), kFace);
    }

    setSetField("NoBack", true);
    frmCard->SaveTheLargeCard();
    const QImage face = outputImage("LC2 Castle.BMP");
    ASSERT_EQ(face.size(), QSize(304, 256));
    expectOutline(face, QRect(QPoint(0, 0), QPoint(303, 255)));
}

// Every member's message tells which file failed and why; a GIF's names the target, not the
// temporary it is written under.
TEST_F(SaveCardTest, FailureMessageNamesTheFileAndTheCause) {
    insertLargeCard(1, {{"Title", "A:B"}});
    openLargeCards();
    fillCanvas(frmCard->picACard, 304, 256, kFace);
    frmCard->SaveTheLargeCard();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].prompt, "Something went wrong.\r\n\r\n52, Bad file name or number: LC2 A:B.BMP");
    EXPECT_EQ(messages()[0].title, "Saving the large card");

    // The file system takes no name this long: its temporary is made, the rename fails.
    const QString longName(300, QLatin1Char('x'));
    prepareCard({{"FileName", longName}});
    const QString tooLong =
        QStringLiteral("Path/File access error (File name too long): ") + outputFolder + "/C2 " + longName;
    const struct {
        int format;
        QString prompt;
        QString title;
    } cases[] = {
        {1, "Something went wrong.\r\n\r\n75, " + tooLong + ".BMP", "Saving the card 2nd."},
        {2, "Something went wrong.\r\n\r\n75, " + tooLong + ".JPG", "Saving the card 2nd."},
        {3, "Something went wrong.\r\n\r\nThe GIF file could not be written: " + tooLong + ".GIF.",
         "Saving the card"},
    };
    for (const auto& c : cases) {
        setSetField("PicFormatID", c.format);
        frmCard->SaveTheCard2nd();
        ASSERT_FALSE(messages().empty());
        EXPECT_EQ(messages().back().prompt, c.prompt);
        EXPECT_EQ(messages().back().title, c.title);
        EXPECT_EQ(messages().back().style, vbCritical);
    }
    EXPECT_EQ(messages().size(), 4u);
    EXPECT_TRUE(outputFiles().isEmpty()) << outputFiles().join(", ").toStdString();
}

TEST_F(SaveCardTest, JpgAndGifFilesOpenAtTheirSize) {
    prepareCard({{"FileName", "Sword"}});
    setSetField("PicFormatID", 2);
    frmCard->SaveTheCard2nd();
    setSetField("PicFormatID", 3);
    frmCard->SaveTheCard2nd();

    EXPECT_EQ(outputFiles(), (QStringList{"C2 Sword.GIF", "C2 Sword.JPG"}));
    for (const char* file : {"C2 Sword.GIF", "C2 Sword.JPG"}) {
        const QImage image = outputImage(file);
        ASSERT_EQ(image.size(), QSize(304, 256)) << file;
        EXPECT_LT(qAbs(image.pixelColor(60, 100).red() - 255), 8);
        EXPECT_LT(qAbs(image.pixelColor(220, 100).blue() - 255), 8);
    }
    EXPECT_TRUE(QFile::exists(App::Path() + "/zqjtemp.bmp"));
    EXPECT_TRUE(messages().empty());
}

TEST_F(SaveCardTest, FailedSaveKeepsTheExistingFile) {
    prepareCard({{"FileName", "Sword"}});
    setSetField("PicFormatID", 3);
    const QString target = QDir(outputFolder).filePath("C2 Sword.GIF");
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    // The GIF's work file cannot be written.
    QDir().mkpath(App::Path() + "/zqjtemp.bmp");
    frmCard->SaveTheCard2nd();

    QFile kept(target);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old");
    EXPECT_EQ(outputFiles(), QStringList{"C2 Sword.GIF"});
    EXPECT_EQ(messages().size(), 1u);
}
