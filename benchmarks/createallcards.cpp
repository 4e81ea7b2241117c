// Times "Create all cards" on a set of 500 small cards with pictures, backgrounds and long
// texts: a set's first batch, which stores every card's file name, against a later one, and
// then each picture format with the bare encoders on the same composed images.
// Usage: zqj_benchmark [cards [output folder]]   (QT_QPA_PLATFORM=offscreen where there is no display)
// The card images go to a temporary folder unless an output folder is given.

#include "benchmarksupport.h"
#include "cDIBSection.h"
#include "cardtables.h"
#include "frmCard.h"
#include "frmCard2nd.h"
#include "frmClip.h"
#include "frmCreate.h"
#include "frmMaster.h"
#include "mIntelJPEGLibrary.h"
#include "modData.h"

#include "gifconv/bmptogif.h"
#include "jpeglib/jpegencoder.h"
#include "runtime/picture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

namespace {
constexpr int kSampleImages = 50;
// Each sample is encoded this many times: the encoder is timed over a span near the batch's,
// so that a passing slowdown of the machine weighs on both alike.
constexpr int kEncoderRounds = 10;
// First and later batches run in turns, so that a passing slowdown of the machine weighs on both.
constexpr int kBatchPairs = 7;

void makeSet(int cards) {
    CardWriter writer(addSet(QStringLiteral("Benchmark")));
    Transaction transaction(*cnData);
    for (int n = 1; n <= cards; ++n)
        writer.add(n, encoded(gradient(139, 105, n), "JPG"), encoded(gradient(150, 254, n + 7), "BMP"));
    transaction.commit();
}

void setFormat(int picFormatID) {
    rsSet->field(QStringLiteral("PicFormatID")) = picFormatID;
    rsSet->update();
}

struct Batch {
    double ms = 0;
    double writtenMB = 0; // handed to the file system: the card files, the database and its journal
};

Batch timeBatch() {
    const double writtenBefore = writtenMegabytes();
    QElapsedTimer timer;
    timer.start();
    frmCreate->CreateAllCards(true, false, false, false, false, false);
    return {double(timer.nsecsElapsed()) / 1e6, writtenMegabytes() - writtenBefore};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A set's first batch stores every card's file name; a later one finds them stored.
void timeFirstAndLaterBatches(int cards) {
    setFormat(1);
    std::vector<double> first, later, extra;
    double firstMB = 0, laterMB = 0;
    for (int pair = 0; pair < kBatchPairs; ++pair) {
        cnData->execute(QStringLiteral("UPDATE %1 SET FileName = ''")
                            .arg(tableWithoutLargeValues(QStringLiteral("tblCard"))));
        const Batch a = timeBatch();
        const Batch b = timeBatch();
        first.push_back(a.ms / cards);
        later.push_back(b.ms / cards);
        extra.push_back((a.ms - b.ms) / cards);
        firstMB = a.writtenMB;
        laterMB = b.writtenMB;
    }
    const auto slower = std::count_if(extra.begin(), extra.end(), [](double d) { return d > 0; });
    std::printf("BMP, median of %d pairs: first batch %.3f ms per card (%.0f MB written), later batch "
                "%.3f ms per card (%.0f MB written); the first costs %.3f ms more per card, slower in %d "
                "of %d pairs\n",
                kBatchPairs, median(first), firstMB, median(later), laterMB, median(extra), int(slower),
                kBatchPairs);
}

struct Phases {
    double database = 0, layout = 0, composition = 0, saving = 0;
};

// The batch's own steps, timed one by one; keeps a sample of the composed images.
Phases timePhases(std::vector<Picture>& samples) {
    Phases phases;
    QElapsedTimer timer;
    const int count = rsCard->recordCount();
    Transaction writes(*cnData); // as the batch writes
    // As the batch checks its files.
    const FrmCard::BatchTargets targets(frmCard.get());
    rsCard->moveFirst();
    for (int n = 1; n <= count; ++n) {
        timer.start();
        if (rsCard->field(QStringLiteral("Nr")).value().toLong() != n) { // as the batch writes
            rsCard->field(QStringLiteral("Nr")) = n;
            rsCard->update();
        }
        phases.database += double(timer.nsecsElapsed());
        timer.start();
        frmCard2nd->DrawCard();
        phases.layout += double(timer.nsecsElapsed());
        timer.start();
        frmCard->CreateCard2nd();
        phases.composition += double(timer.nsecsElapsed());
        timer.start();
        frmCard->SaveTheCard2nd();
        phases.saving += double(timer.nsecsElapsed());
        if (int(samples.size()) < kSampleImages) samples.push_back(frmClip->picDone.Image());
        timer.start();
        rsCard->moveNext();
        phases.database += double(timer.nsecsElapsed());
        if (n == 100 || n == count)
            std::printf("    after %3d cards: %.1f MB in use\n", n, currentMegabytes());
    }
    writes.commit();
    return phases;
}

// Milliseconds per image of the bare encoder.
double timeEncoder(int picFormatID, const std::vector<Picture>& samples, const QString& folder) {
    QElapsedTimer timer;
    timer.start();
    const QString bmp = folder + QStringLiteral("/bare.bmp");
    for (int round = 0; round < kEncoderRounds; ++round) {
        for (const Picture& picture : samples) {
            switch (picFormatID) {
            case 1:
                SavePicture(picture, bmp);
                break;
            case 2: {
                cDIBSection dib;
                dib.CreateFromPicture(picture);
                SaveJPG(dib, folder + QStringLiteral("/bare.jpg"), 90);
                break;
            }
            default: {
                SavePicture(picture, bmp);
                BmpToGif converter;
                converter.convert(bmp, folder + QStringLiteral("/bare.gif"));
                break;
            }
            }
        }
    }
    return double(timer.nsecsElapsed()) / 1e6 / double(kEncoderRounds * samples.size());
}

// Milliseconds per image of the JPEG encoding alone, as the JPEG writer calls it but into
// memory: no JPG batch can be faster than this.
double timeFloor(const std::vector<Picture>& samples) {
    std::vector<cDIBSection> dibs(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        dibs[i].CreateFromPicture(samples[i]);
    jpeglib::JpegProperties properties;
    if (jpeglib::jpegInit(properties) != jpeglib::JpegOk) return 0;
    properties.quality = 90;
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < kEncoderRounds; ++round) {
        for (const cDIBSection& dib : dibs) {
            properties.pixels = dib.DIBSectionBitsPtr();
            properties.width = dib.Width();
            properties.height = -dib.Height();
            properties.padBytes = dib.BytesPerScanLine() - dib.Width() * 3;
            jpeglib::JpegBytes bytes;
            if (jpeglib::jpegEncode(properties, bytes) != jpeglib::JpegOk) return 0;
        }
    }
    return double(timer.nsecsElapsed()) / 1e6 / double(kEncoderRounds * dibs.size());
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int cards = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 500;
    const BenchmarkFolder dir;

    std::printf("Making a set of %d small cards...\n", cards);
    makeSet(cards);
    frmMaster->InitialiseSet();
    const QString output = argc > 2 ? QString::fromLocal8Bit(argv[2]) : dir.filePath(QStringLiteral("out"));
    QDir().mkpath(output);
    rsSet->field(QStringLiteral("SaveTo")) = output + QLatin1Char('/');
    rsSet->update();

    timeFirstAndLaterBatches(cards);
    const char* names[] = {"", "BMP", "JPG", "GIF"};
    for (int format = 1; format <= 3; ++format) {
        setFormat(format);
        QElapsedTimer timer;
        timer.start();
        frmCreate->CreateAllCards(true, false, false, false, false, false);
        const double batchMs = double(timer.nsecsElapsed()) / 1e6;
        std::printf("%s: whole batch %.0f ms, %.1f cards/s, %.2f ms per card, peak %.1f MB\n", names[format],
                    batchMs, cards * 1000.0 / batchMs, batchMs / cards, peakMegabytes());

        std::vector<Picture> samples;
        const Phases phases = timePhases(samples);
        const double perCard = 1e6 * cards;
        std::printf("    per card: database %.2f ms, layout %.2f ms, composition %.2f ms, "
                    "saving with encoding %.2f ms\n",
                    phases.database / perCard, phases.layout / perCard, phases.composition / perCard,
                    phases.saving / perCard);
        const double bare = timeEncoder(format, samples, dir.path());
        std::printf("    bare encoder: %.2f ms per image; batch per card / bare encoding = %.1f\n", bare,
                    batchMs / cards / bare);
        if (format == 2) {
            const double floor = timeFloor(samples);
            std::printf("    floor (the same encoding into memory): %.2f ms per image; "
                        "batch per card / floor = %.1f\n",
                        floor, batchMs / cards / floor);
        }
    }
    frmCreate.unload();
    frmMaster.unload();
    return 0;
}
