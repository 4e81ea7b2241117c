#include "cardimagefixture.h"

#include "frmCard.h"
#include "frmCard2nd.h"
#include "frmCharacter2nd.h"
#include "frmCreate.h"
#include "frmLarge2nd.h"
#include "modData.h"
#include "programfiles.h"
#include "readonlyfolder.h"
#include "runtime/app.h"
#include "runtime/replacementfile.h"
#include "testrows.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <functional>
#include <future>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

class CreateCardsTest : public CardImageFixture {
protected:
    CreateCardsTest() { openNewSet(2); }
    ~CreateCardsTest() override {
        frmCreate.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    const std::vector<ShownMessage>& messages() const { return folder.dialogs().messages(); }
};

TEST_F(CreateCardsTest, RenumbersTheCardsAndWritesAFileForEach) {
    const qint32 first = insertCard(1, {{"Title", "Axe"}});
    const qint32 second = insertCard(3, {{"Title", "Bow"}});
    const qint32 third = insertCard(7, {{"Title", "Club"}});
    frmCard2nd.get();
    setSetField("FileCardNr", true);

    frmCreate->chk2ndCard.setValue(vbChecked);
    frmCreate->cmdCreate.Click();

    EXPECT_EQ(rowField("tblCard", "CardID", first, "Nr").toInt(), 1);
    EXPECT_EQ(rowField("tblCard", "CardID", second, "Nr").toInt(), 2);
    EXPECT_EQ(rowField("tblCard", "CardID", third, "Nr").toInt(), 3);
    EXPECT_EQ(outputFiles(), (QStringList{"C2 001 Axe.BMP", "C2 002 Bow.BMP", "C2 003 Club.BMP"}));
    EXPECT_EQ(frmCreate->lblNr2ndCards.Caption(), "3");
    EXPECT_EQ(frmCreate->lblNr2ndChar.Caption(), "");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].prompt, "Done creating cards.");
    EXPECT_EQ(messages()[0].style, 64);
}

// Each character gives its card beside its back, and its piece twice; the editor then shows
// the character it showed before.
TEST_F(CreateCardsTest, CharactersGiveACardAndAPieceFileEach) {
    const qint32 hero = insertCharacter(2, {{"Name", "Hero"}});
    insertCharacter(5, {{"Name", "Mage"}});
    FrmCharacter2nd& editor = frmCharacter2nd.get();

    frmCreate->chk2ndChar.setValue(vbChecked);
    frmCreate->cmdCreate.Click();

    EXPECT_EQ(outputFiles(), (QStringList{"CH2 Hero.BMP", "CH2 Mage.BMP", "PP2 Hero.BMP", "PP2 Mage.BMP"}));
    EXPECT_EQ(rowField("tblCharacter", "CharacterID", hero, "Nr").toInt(), 1);
    EXPECT_EQ(frmCreate->lblNr2ndChar.Caption(), "2");
    EXPECT_EQ(editor.txtCharName.Text(), "Hero");
    EXPECT_EQ(editor.lblCharacter.Caption(), "Hero");
    EXPECT_EQ(editor.lblCurrentCardCharacter.Caption(), "1 (2)");

    const QImage card = outputImage("CH2 Hero.BMP");
    ASSERT_EQ(card.size(), QSize(608, 256));
    const QImage back = editor.picCharacterBack.Picture().image();
    ASSERT_EQ(back.size(), QSize(302, 254));
    EXPECT_EQ(card.copy(305, 1, 302, 254), back.convertToFormat(card.format()));
    const QImage piece = outputImage("PP2 Hero.BMP");
    ASSERT_EQ(piece.size(), QSize(304, 256));
    EXPECT_EQ(piece.copy(1, 1, 150, 254), piece.copy(153, 1, 150, 254));
    EXPECT_EQ(QColor(piece.pixel(9, 9)), QColor(Qt::black)); // the piece's outline, inside the file's
}

// A title on two lines names its file on one; a card without its own back has the default.
TEST_F(CreateCardsTest, LargeCardsGiveAFileEachWithTheirBack) {
    insertLargeCard(1, {{"Title", "TWO\r\nLINES"}});
    insertLargeCard(2, {{"Title", "OWN BACK"}, {"LargeCardBack", bmpBytes(302, 254, Qt::blue)}});
    FrmLarge2nd& editor = frmLarge2nd.get();

    frmCreate->chk2ndLarge.setValue(vbChecked);
    frmCreate->cmdCreate.Click();

    EXPECT_EQ(outputFiles(), (QStringList{"LC2 OWN BACK.BMP", "LC2 TWO LINES.BMP"}));
    EXPECT_EQ(editor.lblCurrentCard.Caption(), "1 (2)");
    const QImage own = outputImage("LC2 OWN BACK.BMP");
    ASSERT_EQ(own.size(), QSize(608, 256));
    EXPECT_EQ(QColor(own.pixel(400, 100)), QColor(Qt::blue));
    const QImage standard = outputImage("LC2 TWO LINES.BMP");
    EXPECT_EQ(standard.copy(305, 1, 302, 254),
              frmCard->imgChB.Picture().image().copy(0, 0, 302, 254).convertToFormat(standard.format()));
}

TEST_F(CreateCardsTest, OptionsAreStoredInTheSetRowAtOnce) {
    frmCreate->txtSaveTo.setText("/tmp/cards");
    EXPECT_EQ(setField("SaveTo").toText(), "/tmp/cards");
    frmCreate->txtFilenamePrefix.setText("Set");
    EXPECT_EQ(setField("FilenamePrefix").toText(), "Set");
    frmCreate->chkNoBack.setValue(vbChecked);
    EXPECT_TRUE(setField("NoBack").toBool());
    frmCreate->chkReplaceSpace.setValue(vbChecked);
    EXPECT_TRUE(setField("ReplaceSpace").toBool());
    frmCreate->chkFileNr.setValue(vbChecked);
    EXPECT_TRUE(setField("FileCardNr").toBool());
    frmCreate->cboSaveFormat.setListIndex(2);
    EXPECT_EQ(setField("PicFormatID").toLong(), frmCreate->cboSaveFormat.ItemData(2));
}

// A refused option shows the stored one again, which the batch uses, and says so once.
TEST_F(CreateCardsTest, ARefusedOptionShowsTheStoredOneAndSaysSoOnce) {
    FrmCreate& dialog = frmCreate.get();
    const std::pair<std::function<void()>, std::function<QString()>> cases[] = {
        {[&] { dialog.txtSaveTo.setText("/"); }, [&] { return dialog.txtSaveTo.Text(); }},
        {[&] { dialog.chkNoBack.setValue(vbChecked); },
         [&] { return QString::number(dialog.chkNoBack.Value()); }},
        {[&] { dialog.cboSaveFormat.setListIndex(2); }, [&] { return dialog.cboSaveFormat.Text(); }},
    };
    for (const auto& [change, shown] : cases) {
        const QString stored = shown();
        const size_t shownBefore = messages().size();
        {
            const ReadOnlyFolder readOnly(folder.path());
            change();
        }
        EXPECT_EQ(shown(), stored);
        ASSERT_EQ(messages().size(), shownBefore + 1);
        EXPECT_TRUE(messages().back().prompt.contains("The change was not saved: the folder " +
                                                      folder.path() + " of the database cannot be written."));
    }
}

// Opening writes nothing, not even flags another program stored in its own way, so it opens
// under another program's read; a 3rd-edition set's batch writes only its small cards.
TEST_F(CreateCardsTest, OpeningWritesNothingAndOffersTheKindsTheEditionWrites) {
    for (const qint16 edition : {qint16(2), qint16(3)}) {
        openNewSet(edition);
        cnData->execute(
            QStringLiteral("UPDATE tblSet SET FileCardNr = 2147483648, NoBack = 1e400 WHERE SetID = %1")
                .arg(iSetID));
        insertCharacter(1);
        insertLargeCard(1);
        openCharacters();
        openLargeCards();
        const std::shared_ptr<Connection> other = Connection::open(folder.databasePath());
        other->execute("BEGIN");
        other->openSnapshot("SELECT * FROM tblSet");
        EXPECT_EQ(frmCreate->chkFileNr.Value() + frmCreate->chkNoBack.Value(), 2);
        EXPECT_EQ(frmCreate->chk2ndChar.Enabled() && frmCreate->chk2ndLarge.Enabled(), edition == 2);
        EXPECT_TRUE(messages().empty());
        frmCreate.unload();
    }
}

// Another program's read, write or exclusive lock holds the batch up: the user is asked within a
// few seconds, and either waits until it lets go or stops with the numbers as they were, told how
// many files were written.
TEST_F(CreateCardsTest, ABatchHeldUpByAnotherProgramAsksToWaitOrStop) {
    const qint32 cardID = insertCard(5, {{"Title", "Axe"}});
    frmCard2nd.get();
    frmCreate->chk2ndCard.setValue(vbChecked);
    const QString stopped = "Creating the cards stopped: you chose not to wait for the other program that is "
                            "using the database.\r\n\r\n";
    for (const auto& [lock, answer, nr, ending] :
         {std::tuple{"BEGIN", vbYes, 1, QString("Done creating cards.")},
          std::tuple{"BEGIN", vbNo, 5, stopped + "1 file was written."},
          std::tuple{"BEGIN IMMEDIATE", vbYes, 1, QString("Done creating cards.")},
          std::tuple{"BEGIN EXCLUSIVE", vbNo, 5, stopped + "0 files were written."}}) {
        SCOPED_TRACE(lock);
        cnData->execute("UPDATE tblCard SET Nr = 5");
        openCards();
        std::promise<void> holding;
        std::thread other([&, lock = lock] {
            const std::shared_ptr<Connection> connection = Connection::open(folder.databasePath());
            connection->execute(lock);
            connection->openSnapshot("SELECT * FROM tblCard");
            holding.set_value();
            std::this_thread::sleep_for(std::chrono::seconds(3));
        });
        holding.get_future().wait();
        const size_t shownBefore = messages().size();
        folder.dialogs().answerMessageBox(answer);
        frmCreate->cmdCreate.Click();
        other.join();
        ASSERT_EQ(messages().size(), shownBefore + 2);
        EXPECT_TRUE(messages()[shownBefore].prompt.startsWith("Another program is using the database"));
        EXPECT_EQ(messages().back().prompt, ending);
        EXPECT_EQ(rowField("tblCard", "CardID", cardID, "Nr").toInt(), nr);
    }
}

TEST_F(CreateCardsTest, EmptyFolderIsRefused) {
    const qint32 cardID = insertCard(4);
    setSetField("SaveTo", "");
    frmCreate->chk2ndCard.setValue(vbChecked);
    frmCreate->cmdCreate.Click();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].prompt, "You must firstselect a folder to save your cards in.");
    EXPECT_EQ(rowField("tblCard", "CardID", cardID, "Nr").toInt(), 4);
}

TEST_F(CreateCardsTest, AFailedWriteInTheBackgroundIsReportedOnceAndTheOtherFilesAreWritten) {
    insertCard(1, {{"Title", "Axe"}});
    insertCard(2, {{"Title", "Bow"}});
    insertCard(3, {{"Title", "Club"}});
    frmCard2nd.get();
    setSetField("FileCardNr", true);
    // A folder where the second card's file goes: its write fails on the worker thread.
    ASSERT_TRUE(QDir(outputFolder).mkdir("C2 002 Bow.BMP"));

    frmCreate->chk2ndCard.setValue(vbChecked);
    frmCreate->cmdCreate.Click();

    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0].prompt,
              "Something went wrong.\r\n\r\n75, Path/File access error: " + outputFolder + "/C2 002 Bow.BMP");
    EXPECT_EQ(messages()[0].style, vbCritical);
    EXPECT_EQ(messages()[0].title, "Saving the card 2nd.");
    EXPECT_EQ(messages()[1].prompt, "1 of the 3 card files was not written: the message before says why.");
    EXPECT_EQ(messages()[1].style, vbExclamation);
    EXPECT_EQ(outputFiles(), (QStringList{"C2 001 Axe.BMP", "C2 003 Club.BMP"}));
}

// Only a written file names its card: a card whose file failed, by its name or in the
// background, is written under its new title once renamed; a card written once keeps its name.
TEST_F(CreateCardsTest, OnlyAWrittenFileGivesItsCardItsFileName) {
    const qint32 axe = insertCard(1, {{"Title", "Axe"}});
    const qint32 bow = insertCard(2, {{"Title", "Bow"}});
    const qint32 shield = insertCard(3, {{"Title", "Sword/Shield"}});
    frmCard2nd.get();
    ASSERT_TRUE(QDir(outputFolder).mkdir("C2 Bow.BMP"));
    std::vector<std::pair<qint64, bool>> named; // the card, and whether the batch's transaction was open
    cnData->setWriteObserver(
        [&](Connection::WriteKind, const QString& table, qint64 key, const QStringList& columns) {
            if (table == "tblCardData" && columns.contains("FileName"))
                named.emplace_back(key, cnData->inTransaction());
        });

    frmCreate->chk2ndCard.setValue(vbChecked);
    frmCreate->cmdCreate.Click();

    ASSERT_EQ(messages().size(), 3u);
    EXPECT_EQ(messages()[0].prompt,
              "Something went wrong.\r\n\r\n75, Path/File access error: " + outputFolder + "/C2 Bow.BMP");
    EXPECT_EQ(messages()[1].prompt,
              "Something went wrong.\r\n\r\n52, Bad file name or number: C2 Sword/Shield.BMP");
    EXPECT_EQ(rowField("tblCard", "CardID", axe, "FileName").toText(), "Axe");
    EXPECT_EQ(rowField("tblCard", "CardID", bow, "FileName").toText(), "");
    EXPECT_EQ(rowField("tblCard", "CardID", shield, "FileName").toText(), "");

    ASSERT_TRUE(QDir(outputFolder).rmdir("C2 Bow.BMP"));
    cnData->execute("UPDATE tblCard SET Title = 'Great Axe' WHERE Title = 'Axe';"
                    "UPDATE tblCard SET Title = 'Longbow' WHERE Title = 'Bow';"
                    "UPDATE tblCard SET Title = 'Sword and Shield' WHERE Title = 'Sword/Shield'");
    frmCreate->cmdCreate.Click();
    cnData->setWriteObserver({});

    EXPECT_EQ(outputFiles(), (QStringList{"C2 Axe.BMP", "C2 Longbow.BMP", "C2 Sword and Shield.BMP"}));
    EXPECT_EQ(rowField("tblCard", "CardID", axe, "FileName").toText(), "Axe");
    EXPECT_EQ(rowField("tblCard", "CardID", bow, "FileName").toText(), "Longbow");
    EXPECT_EQ(rowField("tblCard", "CardID", shield, "FileName").toText(), "Sword and Shield");
    // The last card's name too is committed with the batch's other writes.
    EXPECT_EQ(named, (std::vector<std::pair<qint64, bool>>{{axe, true}, {bow, true}, {shield, true}}));
}

// Cards whose files share a name leave one file, the last written: the closing message names the
// file, its cards and the one it holds. Names apart only in case are two files here.
TEST_F(CreateCardsTest, CardsThatShareAFileNameAreNamedAtTheEnd) {
    const QString shared = "\r\n\r\nCards that share a file name were written over each other: each of these "
                           "files holds only the last card written to it.\r\n\"C2 Sword.BMP\": %1\r\n\r\n"
                           "Tick \"Add card number to created cards filename\" to keep a file for each card.";
    struct Case {
        QString firstTitle, firstFileName, secondTitle, cards;
    } cases[] = {
        {"Sword", "", "Sword", R"(card 1 "Sword", card 2 "Sword" (in the file))"},
        // A renamed card keeps its first file name, which a new card with its old title takes.
        {"Great\r\nSword", "Sword", "Sword", R"(card 1 "Great Sword", card 2 "Sword" (in the file))"},
        {"Sword", "", "sword", ""},
    };
    for (const Case& c : cases) {
        frmCreate.unload();
        frmCard2nd.unload();
        cnData->execute("DELETE FROM tblCard");
        for (const QString& file : outputFiles())
            QFile::remove(QDir(outputFolder).filePath(file));
        insertCard(1, {{"Title", c.firstTitle}, {"FileName", c.firstFileName}});
        insertCard(2, {{"Title", c.secondTitle}});
        frmCard2nd.get();

        frmCreate->chk2ndCard.setValue(vbChecked);
        frmCreate->cmdCreate.Click();

        EXPECT_EQ(messages().back().prompt,
                  "Done creating cards." + (c.cards.isEmpty() ? QString() : shared.arg(c.cards)))
            << c.secondTitle.toStdString();
    }
}

// The program's files and the output folder are looked up once per batch, each card's file by
// itself: a hard link to the database made before the batch is still refused.
TEST_F(CreateCardsTest, TheBatchLooksUpTheProgramsFilesOnceAndStillRefusesALinkToThem) {
    int nr = 0;
    for (const char* title : {"Axe", "Bow", "Club", "Dagger"})
        insertCard(++nr, {{"Title", title}});
    frmCard2nd.get();
    const QString link = QDir(outputFolder).filePath("C2 Bow.BMP");
    ASSERT_EQ(
        ::link(QFile::encodeName(folder.databasePath()).constData(), QFile::encodeName(link).constData()), 0);
    std::map<QString, int> lookups;
    ProgramFileCheck::setLookupObserver([&](const QString& path) { ++lookups[path]; });

    frmCreate->chk2ndCard.setValue(vbChecked);
    frmCreate->cmdCreate.Click();
    ProgramFileCheck::setLookupObserver({});

    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(
        messages()[0].prompt,
        "Something went wrong.\r\n\r\n75, zqj.mdb is a file of the program itself: choose another name.");
    EXPECT_EQ(outputFiles(), (QStringList{"C2 Axe.BMP", "C2 Bow.BMP", "C2 Club.BMP", "C2 Dagger.BMP"}));
    EXPECT_EQ(fileIdentity(link), fileIdentity(folder.databasePath()));
    const QString cards = QFileInfo(outputFolder).canonicalFilePath() + "/C2 ";
    for (const auto& [path, count] : lookups) {
        if (!path.startsWith(cards)) {
            EXPECT_EQ(count, 1) << path.toStdString();
        }
    }
}

TEST_F(CreateCardsTest, OnlyNumbersThatChangeAreWritten) {
    insertCard(1, {{"Title", "Axe"}, {"FileName", "Axe"}});
    insertCard(2, {{"Title", "Bow"}, {"FileName", "Bow"}});
    const qint32 third = insertCard(5, {{"Title", "Club"}, {"FileName", "Club"}});
    frmCard2nd.get();
    std::vector<std::pair<qint64, QStringList>> cardWrites;
    cnData->setWriteObserver(
        [&](Connection::WriteKind, const QString& table, qint64 key, const QStringList& columns) {
            if (table.startsWith("tblCard")) cardWrites.emplace_back(key, columns);
        });

    frmCreate->chk2ndCard.setValue(vbChecked);
    frmCreate->cmdCreate.Click();
    cnData->setWriteObserver({});

    EXPECT_EQ(cardWrites, (std::vector<std::pair<qint64, QStringList>>{{third, {"Nr"}}}));
    EXPECT_EQ(rowField("tblCard", "CardID", third, "Nr").toInt(), 3);
}

// A folder that cannot take the files, or a picture format that none can be written in, stops
// the batch before its first card, with one message. /sys takes no new file from anybody, root
// included, whatever its permission bits say.
TEST_F(CreateCardsTest, ABatchThatCanWriteNoFileIsRefusedOnce) {
    const qint32 cardID = insertCard(4, {{"Title", "Axe"}});
    frmCard2nd.get();
    QFile plain(QDir(outputFolder).filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString notWritten = "No card was created: the set \"Test set\" is saved as picture format ";
    const QString nameUnusable = ", whose name in tblPicFormat, which ends each file name, cannot be used.";
    const struct {
        QString saveTo;
        int format;
        const char* formatName; // SQL
        QString prompt;
    } cases[] = {
        {outputFolder + "/missing", 1, "'BMP'",
         "The folder \"" + outputFolder + "/missing\" does not exist: no card can be created."},
        {outputFolder + "/plain/cards", 1, "'BMP'",
         "The folder \"" + outputFolder + "/plain/cards\" does not exist: no card can be created."},
        {"/sys", 1, "'BMP'",
         "The folder \"/sys\" cannot be written: no card can be created.\r\n\r\nError 70: Permission denied"},
        {outputFolder, 99, "'BMP'",
         notWritten + "99, which this program cannot write.\r\n\r\nChoose a save format in this window."},
        {outputFolder, 2, "x'4A5047'", notWritten + "2" + nameUnusable},
        {outputFolder, 3, "NULL", notWritten + "3" + nameUnusable},
        {outputFolder, 3, "'G/F'", notWritten + "3" + nameUnusable},
    };
    frmCreate->chk2ndCard.setValue(vbChecked);
    for (const auto& c : cases) {
        const size_t shownBefore = messages().size();
        frmCreate->txtSaveTo.setText(c.saveTo);
        setSetField("PicFormatID", c.format);
        cnData->execute(QStringLiteral("UPDATE tblPicFormat SET PicFormat = %1 WHERE PicFormatID = %2")
                            .arg(QString::fromLatin1(c.formatName))
                            .arg(c.format));
        frmCreate->cmdCreate.Click();
        ASSERT_EQ(messages().size(), shownBefore + 1) << c.saveTo.toStdString();
        const ShownMessage& shown = messages().back();
        EXPECT_TRUE(shown.prompt.startsWith(c.prompt)) << shown.prompt.toStdString();
        EXPECT_EQ(shown.style, vbExclamation);
        EXPECT_EQ(shown.title, "Create cards");
        EXPECT_EQ(rowField("tblCard", "CardID", cardID, "Nr").toInt(), 4);
    }
    EXPECT_EQ(outputFiles(), QStringList{"plain"});
}

TEST_F(CreateCardsTest, TemporariesAKilledBatchLeftAreRemovedAndLookAlikesStay) {
    insertCard(1, {{"Title", "Axe"}});
    frmCard2nd.get();
    const QStringList ours{".zqj-0123456789abcdef.tmp", ".zqj-fedcba9876543210.tmp"};
    const QStringList lookAlikes{".0123456789abcdef.tmp",    ".zqj-0123456789ABCDEF.tmp",
                                 ".zqj-0123456789abcde.tmp", ".zqj-0123456789abcdef.tmp.bak",
                                 "zqj-0123456789abcdef.tmp", ".zqj-0123456789abcdef0.tmp"};
    for (const QString& name : ours + lookAlikes) {
        QFile file(QDir(outputFolder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // One made as a write makes it, by a process killed before the write ended.
    const pid_t killed = fork();
    if (killed == 0) {
        const ReplacementFile interrupted(QDir(outputFolder).filePath("C2 Bow.BMP"));
        _exit(0);
    }
    ASSERT_EQ(waitpid(killed, nullptr, 0), killed);
    ASSERT_EQ(outputFiles().size(), ours.size() + lookAlikes.size() + 1);

    frmCreate->chk2ndCard.setValue(vbChecked);
    frmCreate->cmdCreate.Click();

    QStringList expected = lookAlikes + QStringList{"C2 Axe.BMP"};
    expected.sort();
    EXPECT_EQ(outputFiles(), expected);
}

// A full disk under the program's folder: SQLite undoes the batch's transaction by itself. The
// batch says so once and stops, and the database is as it was before the batch.
TEST_F(CreateCardsTest, AFullDatabaseStopsTheBatchWithItsReasonAndKeepsTheDatabaseWhole) {
    // Their file names, taken from the titles once their files are written, need more pages than
    // the file has.
    constexpr int kCards = 30;
    std::vector<qint32> cards;
    for (int n = 1; n <= kCards; ++n)
        cards.push_back(insertCard(n + 4, {{"Title", QString::number(n) + QString(240, QLatin1Char('W'))}}));
    frmCard2nd.get();
    cnData->execute("VACUUM");
    const qint64 pages =
        cnData->openSnapshot("SELECT page_count FROM pragma_page_count()")->field("page_count").toLong();
    cnData->execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pages));

    frmCreate->chk2ndCard.setValue(vbChecked);
    frmCreate->cmdCreate.Click();

    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].prompt, "Creating the cards stopped.\r\n\r\nThe disk that holds the folder " +
                                        folder.path() + " is full.");
    EXPECT_EQ(messages()[0].style, vbCritical);
    EXPECT_FALSE(cnData->inTransaction());
    EXPECT_LT(outputFiles().size(), kCards);
    for (int n = 1; n <= kCards; ++n) {
        EXPECT_EQ(rowField("tblCard", "CardID", cards[n - 1], "Nr").toInt(), n + 4);
        EXPECT_EQ(rowField("tblCard", "CardID", cards[n - 1], "FileName").toText(), "");
    }
    EXPECT_EQ(cnData->openSnapshot("PRAGMA integrity_check")->field("integrity_check").toText(), "ok");
}

// The GIF's work file in the program's folder cannot be written: every card would fail on it, so
// the batch stops at the first with one message naming it, the last card's failure included.
TEST_F(CreateCardsTest, AGifWorkFileThatCannotBeWrittenStopsTheBatchWithOneMessage) {
    frmCard2nd.get();
    setSetField("PicFormatID", 3);
    ASSERT_TRUE(QDir(App::Path()).mkdir("zqjtemp.bmp"));
    for (const int cards : {1, 3}) {
        SCOPED_TRACE(cards);
        cnData->execute("DELETE FROM tblCard");
        for (int nr = 1; nr <= cards; ++nr)
            insertCard(nr, {{"Title", QStringLiteral("Card %1").arg(nr)}});
        openCards();
        const size_t shownBefore = messages().size();

        frmCreate->chk2ndCard.setValue(vbChecked);
        frmCreate->cmdCreate.Click();
        frmCreate.unload();

        ASSERT_EQ(messages().size(), shownBefore + 1);
        EXPECT_EQ(messages().back().prompt,
                  "Creating the cards stopped.\r\n\r\nError 75: Path/File access error: " + App::Path() +
                      "/zqjtemp.bmp");
        EXPECT_EQ(messages().back().style, vbCritical);
        EXPECT_TRUE(outputFiles().isEmpty()) << outputFiles().join(", ").toStdString();
    }
}

namespace {
// The two ways the user closes the dialog: Esc must do whatever Done does.
enum class Closing { Done, Esc };

// The user's key press or click, waiting for the program to take input.
void queueClosing(Closing how) {
    if (how == Closing::Esc) {
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
            QCoreApplication::postEvent(QApplication::focusWidget(),
                                        new QKeyEvent(type, Qt::Key_Escape, Qt::NoModifier));
        return;
    }
    QWidget* done = frmCreate->cmdDone.widget();
    const QPointF centre = QRectF(done->rect()).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(
            done, new QMouseEvent(type, centre, done->mapToGlobal(centre), Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                  Qt::NoModifier));
}

// Runs `act` the first time the watched control's colours change.
class OnColourChange : public QObject {
public:
    OnColourChange(QWidget* watched, std::function<void()> act) : m_act(std::move(act)) {
        watched->installEventFilter(this);
    }
    bool ran() const { return !m_act; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange && m_act) std::exchange(m_act, nullptr)();
        return false;
    }

private:
    std::function<void()> m_act;
};
} // namespace

// Esc, from a field of the dialog, ends its modal show as Done does; nothing is created.
TEST_F(CreateCardsTest, EscClosesTheDialogAsDoneDoes) {
    insertCard(1, {{"Title", "Axe"}});
    frmCard2nd.get();
    for (const Closing how : {Closing::Done, Closing::Esc}) {
        SCOPED_TRACE(how == Closing::Done ? "Done" : "Esc");
        frmCreate->chk2ndCard.setValue(vbChecked);
        bool stuck = false;
        QTimer::singleShot(0, [how] {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&frmCreate.get()));
            frmCreate->txtFilenamePrefix.SetFocus();
            queueClosing(how);
        });
        QTimer safety; // ends the modal show should the input not
        safety.setSingleShot(true);
        QObject::connect(&safety, &QTimer::timeout, [&stuck] {
            stuck = true;
            frmCreate->Hide();
        });
        safety.start(5000);
        frmCreate->Show(vbModal);
        EXPECT_FALSE(stuck);
        EXPECT_TRUE(messages().empty());
        EXPECT_TRUE(outputFiles().isEmpty());
        frmCreate.unload(); // as the toolbar does when the modal show returns
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The batch takes no input while it runs: an Esc pressed meanwhile, like a click on Done,
// waits until the whole batch is done and then closes the dialog.
TEST_F(CreateCardsTest, EscPressedDuringABatchDoesWhatDoneDoesThen) {
    insertCard(1, {{"Title", "Axe"}});
    insertCard(2, {{"Title", "Bow"}});
    frmCard2nd.get();
    for (const Closing how : {Closing::Done, Closing::Esc}) {
        SCOPED_TRACE(how == Closing::Done ? "Done" : "Esc");
        for (const QString& name : outputFiles())
            QFile::remove(QDir(outputFolder).filePath(name));
        const size_t shownBefore = messages().size();
        frmCreate->Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frmCreate.get()));
        frmCreate->chk2ndCard.setValue(vbChecked);
        {
            // The counters turn red as the batch begins.
            const OnColourChange pressed(frmCreate->lblNr2ndCards.widget(), [how] { queueClosing(how); });
            QTest::mouseClick(frmCreate->cmdCreate.widget(), Qt::LeftButton);
            ASSERT_TRUE(pressed.ran());
        }
        EXPECT_EQ(outputFiles(), (QStringList{"C2 Axe.BMP", "C2 Bow.BMP"}));
        ASSERT_EQ(messages().size(), shownBefore + 1);
        EXPECT_EQ(messages().back().prompt, "Done creating cards.");
        EXPECT_TRUE(frmCreate->Visible());
        QCoreApplication::processEvents();
        EXPECT_FALSE(frmCreate->Visible());
        frmCreate.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
