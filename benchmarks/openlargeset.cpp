// Times the start and a set change to a set of 10,000 small cards, each with a JPEG picture of
// about 9 KB and a BMP background of about 115 KB, against a set of one such card in the same
// database, moving to the next card as the editor's button does, the card list of the set, and
// deleting the first card of the set against the first of ten, and the same for as many
// characters (each with the card's picture), and the bytes written by a keystroke beside a
// picture of 13 MB.
// Usage: zqj_largeset_benchmark [cards]   (QT_QPA_PLATFORM=offscreen where there is no display)

#include "benchmarksupport.h"
#include "cardtables.h"
#include "frmCard2nd.h"
#include "frmCardList.h"
#include "frmCharacter2nd.h"
#include "frmMaster.h"
#include "modData.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>

namespace {
constexpr int kMoves = 200;
constexpr int kSetChanges = 11;
constexpr int kKeystrokes = 20;

// A picture of the card's frame size, noisy enough to take about 9 KB as a JPEG.
QByteArray cardPicture() {
    QImage image = gradient(139, 105, 1);
    QRandomGenerator noise(7);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int shift = int(noise.bounded(-24, 24));
            const QColor c = image.pixelColor(x, y);
            image.setPixelColor(x, y,
                                QColor(std::clamp(c.red() + shift, 0, 255),
                                       std::clamp(c.green() + shift, 0, 255),
                                       std::clamp(c.blue() + shift, 0, 255)));
        }
    return encoded(image, "JPG");
}

// Every card's bytes differ, so the recent-pictures cache of the picture loader never spares a
// decoding: the JPEG gets a comment segment with the card's number after its start marker, and
// the BMP carries the number in its first pixels.
QByteArray distinctJpeg(const QByteArray& jpeg, int card) {
    const QByteArray text = QByteArray::number(card);
    const int length = int(text.size()) + 2;
    QByteArray segment("\xFF\xFE", 2);
    segment.append(char(length >> 8)).append(char(length & 0xFF)).append(text);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

QByteArray distinctBmp(QByteArray bmp, int card) {
    quint32 pixels = 0;
    std::memcpy(&pixels, bmp.constData() + 10, sizeof pixels);
    std::memcpy(bmp.data() + pixels, &card, sizeof card);
    return bmp;
}

qint32 makeSet(const QString& name, int cards, const QByteArray& picture, const QByteArray& background) {
    const qint32 setID = addSet(name);
    CardWriter writer(setID);
    Transaction transaction(*cnData);
    for (int n = 1; n <= cards; ++n)
        writer.add(n, distinctJpeg(picture, n), distinctBmp(background, n));
    transaction.commit();
    return setID;
}

// One card whose picture is a 24-bit BMP of 2100 x 2100 pixels, about 13 MB.
qint32 makeBigPictureSet(const QByteArray& background) {
    const qint32 setID = addSet(QStringLiteral("Big picture"));
    CardWriter writer(setID);
    Transaction transaction(*cnData);
    writer.add(1, encoded(gradient(2100, 2100, 3), "BMP"), background);
    transaction.commit();
    return setID;
}

// Characters written in one statement, each with the picture and the first start area and
// character back of the set's language.
qint32 makeCharacterSet(const QString& name, int characters, const QByteArray& picture) {
    const qint32 setID = addSet(name);
    cnData->execute(
        QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
            "INSERT INTO tblCharacter (SetID, Nr, Name, AlignmentID, StartingAreaID, Strength, Craft, Gold, "
            "Lives, Abilities, UsePicture, UseFrame, Picture, PicTop, PicLeft, PicWidth, PicHeight, "
            "CharacterBackID, PPTop, PPLeft) "
            "SELECT %2, i, 'CHARACTER ' || i, 2, "
            "(SELECT MIN(AreaID) FROM tblArea WHERE EditionID = 2 AND LanguageID = 1), '3', '3', '1', '4', "
            "'', -1, -1, X'%3', 0, 0, 121, 0, "
            "(SELECT MIN(CharacterBackID) FROM tblCharacterBack WHERE EditionID = 2 AND LanguageID = 1), "
            "0, 0 FROM n")
            .arg(characters)
            .arg(setID)
            .arg(QString::fromLatin1(picture.toHex())));
    return setID;
}

double millisecondsOf(const std::function<void()>& step) {
    QElapsedTimer timer;
    timer.start();
    step();
    return double(timer.nsecsElapsed()) / 1e6;
}

// The set chosen in the main window's list, as the user chooses it: the editor shows its first card.
double changeSet(qint32 setID) {
    ComboBox& sets = frmMaster->cboSet;
    for (int i = 0; i < sets.ListCount(); ++i)
        if (sets.ItemData(i) == setID) return millisecondsOf([&] { sets.setListIndex(i); });
    qFatal("the set is not in the list");
}

struct Spread {
    double median, worst;
};

Spread spreadOf(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

// One more character typed at the end of the box each time, as its change handler writes it.
double megabytesPerKeystroke(TextBox& box) {
    std::vector<double> written;
    for (int key = 0; key < kKeystrokes; ++key) {
        const QString text = box.Text() + QLatin1Char('x');
        const double before = writtenMegabytes();
        box.setText(text);
        written.push_back(writtenMegabytes() - before);
    }
    return spreadOf(written).median;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int cards = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    const BenchmarkFolder folder;

    const QByteArray picture = cardPicture();
    const QByteArray background = encoded(gradient(150, 254, 8), "BMP");
    QElapsedTimer building;
    building.start();
    // The large set comes first in the list, so the start opens it.
    const qint32 large = makeSet(QStringLiteral("A large set"), cards, picture, background);
    const qint32 single = makeSet(QStringLiteral("One card"), 1, picture, background);
    const qint32 ten = makeSet(QStringLiteral("Ten cards"), 10, picture, background);
    const qint32 characters = makeCharacterSet(QStringLiteral("Characters"), cards, picture);
    const qint32 tenCharacters = makeCharacterSet(QStringLiteral("Ten characters"), 10, picture);
    std::printf("Made a set of %d cards (picture %lld bytes, background %lld bytes) and a set of one card "
                "in %.1f s; the database holds %.0f MB\n",
                cards, qlonglong(picture.size()), qlonglong(background.size()),
                double(building.elapsed()) / 1e3,
                double(QFileInfo(folder.filePath(QStringLiteral("zqj.mdb"))).size()) / 1e6);
    cnData.reset(); // the start opens the database itself

    const double before = currentMegabytes();
    const double start = millisecondsOf([] { Main(); });
    const double afterStart = currentMegabytes();
    std::printf("Start until the first card of the large set is shown: %.1f ms\n", start);

    std::vector<double> largeOpenings, singleOpenings;
    for (int round = 0; round < kSetChanges; ++round) {
        singleOpenings.push_back(changeSet(single));
        largeOpenings.push_back(changeSet(large));
    }
    const Spread largeOpening = spreadOf(largeOpenings), singleOpening = spreadOf(singleOpenings);
    std::printf("Set change to the set of %d cards: median %.1f ms, worst %.1f ms\n", cards,
                largeOpening.median, largeOpening.worst);
    std::printf("Set change to the set of one card: median %.1f ms, worst %.1f ms (large / one: %.2f)\n",
                singleOpening.median, singleOpening.worst, largeOpening.median / singleOpening.median);

    std::vector<double> moves;
    FrmCard2nd& editor = frmCard2nd.get();
    for (int move = 0; move < std::min(kMoves, cards - 1); ++move)
        moves.push_back(millisecondsOf([&] { editor.cmdCardNav_Click(2); }));
    if (!moves.empty()) {
        const Spread next = spreadOf(moves);
        std::printf("Next card, %zu moves: median %.2f ms, worst %.2f ms (now on card %s)\n", moves.size(),
                    next.median, next.worst, qPrintable(editor.txtTitle.Text()));
    }
    if (cards > 1) {
        FrmCardList& list = frmCardList.get();
        const double listed = millisecondsOf([&] { list.FillList(); });
        // Every card one number up, so that the list writes them all.
        cnData->execute(QStringLiteral("UPDATE %1 SET Nr = Nr + 1 WHERE SetID = %2")
                            .arg(tableWithoutLargeValues(QStringLiteral("tblCard")))
                            .arg(large));
        const double renumbered = millisecondsOf([&] { list.FillList(); });
        ListItem& middle = list.lvCard.ListItemAt(list.lvCard.ListItemCount() / 2);
        list.lvCard.setSelectedItem(&middle);
        list.lvCard.ItemClick(middle);
        const double down = millisecondsOf([&] { list.cmdDown.Click(); });
        std::printf("Card list of %d cards: opening %.1f ms, opening when every card is renumbered %.1f ms, "
                    "Down %.1f ms\n",
                    cards, listed, renumbered, down);
        frmCardList.unload();
    }
    std::printf(
        "Memory in use: %.1f MB before the start, %.1f MB after it, %.1f MB after the set changes and "
        "moves; peak %.1f MB\n",
        before, afterStart, currentMegabytes(), peakMegabytes());

    // Deleting the first record moves every follower down by one.
    changeSet(ten);
    const double tenDeleted = millisecondsOf([&] { editor.cmdCardDelete.Click(); });
    changeSet(large);
    const double largeDeleted = millisecondsOf([&] { editor.cmdCardDelete.Click(); });
    std::printf("Deleting the first card: of 10 cards %.1f ms, of %d cards %.1f ms (large / ten: %.1f); "
                "now on card %s\n",
                tenDeleted, cards, largeDeleted, largeDeleted / tenDeleted,
                qPrintable(editor.txtTitle.Text()));
    // Made only now, so that its picture weighs in no figure of memory above.
    const qint32 bigPicture = makeBigPictureSet(background);
    frmMaster->InitialiseSet();
    changeSet(bigPicture);
    const double title = megabytesPerKeystroke(editor.txtTitle);
    const double information = megabytesPerKeystroke(editor.txtInfo);
    const double artist = megabytesPerKeystroke(editor.txtArtist);
    std::printf("Bytes written per keystroke beside a 13 MB picture: Title %.2f MB, Information %.2f MB, "
                "Artist %.2f MB\n",
                title, information, artist);
    FrmCharacter2nd& characterEditor = frmCharacter2nd.get();
    changeSet(tenCharacters);
    const double tenCharactersDeleted = millisecondsOf([&] { characterEditor.cmdCharacterDelete.Click(); });
    changeSet(characters);
    const double charactersDeleted = millisecondsOf([&] { characterEditor.cmdCharacterDelete.Click(); });
    std::printf("Deleting the first character: of 10 %.1f ms, of %d %.1f ms (large / ten: %.1f); now on %s\n",
                tenCharactersDeleted, cards, charactersDeleted, charactersDeleted / tenCharactersDeleted,
                qPrintable(characterEditor.lblCurrentCardCharacter.Caption()));
    frmCharacter2nd.unload();
    frmCard2nd.unload();
    frmMaster.unload();
    return 0;
}
