#include "expectvberror.h"
#include "picturebytes.h"
#include "runtime/colour.h"
#include "runtime/files.h"
#include "runtime/picture.h"
#include "runtime/picturelimits.h"
#include "runtime/pixelmessage.h"
#include "runtime/wmfrenderer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <future>

using namespace std::chrono_literals;

namespace {
constexpr auto kTestLimit = 400ms;
const QSize kSize(1500, 1500); // 100 pixels a side
const WmfRecord kRectangle{0x041B, {1000, 1000, 100, 100}};

// A bitmap of 24 bits a pixel, as metafile records carry it, with an information header that
// claims the given size.
QList<int> dibWords(int headerSize, int width, int height) {
    const int rowSize = (width * 3 + 3) / 4 * 4;
    QList<int> words = {headerSize, 0, width, 0, height, 0, 1, 24, 0, 0, rowSize * height, 0};
    words.resize(20); // resolution and colour counts
    words.append(QList<int>(rowSize * qMax(height, 1) / 2, 0x4080));
    return words;
}

// Metafiles that make libwmf crash, loop for minutes or ask for gigabytes.
struct Damaged {
    const char* fault;
    QByteArray bytes;
};

QList<Damaged> damagedMetafiles() {
    const QList<int> copy = {0x0020, 0x00CC}; // SRCCOPY
    return {
        {"pattern brush of height 0 divides by zero",
         wmfWithRecords(kSize, {{0x0142, QList<int>{5, 0} + dibWords(40, 8, 0)}, {0x012D, {0}}, kRectangle})},
        {"stretched bitmap with a short header loops",
         wmfWithRecords(kSize,
                        {{0x0F43, copy + QList<int>{0, 8, 8, 0, 0, 1000, 1000, 0, 0} + dibWords(16, 8, 8)}})},
        {"stretch-blitted bitmap with a short header loops",
         wmfWithRecords(kSize,
                        {{0x0B41, copy + QList<int>{8, 8, 0, 0, 1000, 1000, 0, 0} + dibWords(16, 8, 8)}})},
        // Only without a placeable header does the pen's width widen the picture it is drawn on.
        {"pen 0xE003 units wide takes minutes",
         wmfWithRecords(kSize, {{0x02FA, {0, 0xE003, 0, 0, 0}}, {0x012D, {0}}, kRectangle}, 0)},
        {"12 units per inch asks for a picture of 12000 pixels a side",
         wmfWithRecords(kSize, {kRectangle}, 12)},
    };
}

class Metafiles : public ::testing::Test {
protected:
    void TearDown() override {
        PictureLimits::setTimeLimit(0ms);
        WmfRenderer::setHelper({});
    }
    QString path(const QString& name) const { return m_folder.filePath(name); }

private:
    QTemporaryDir m_folder;
};

// The helper beside the tests, counting its runs in a file.
QString countingHelper(const QString& folder, const QString& runs) {
    const QString script = folder + QStringLiteral("/counting.sh");
    WriteFileBytes(script,
                   "#!/bin/sh\necho >> '" + runs.toUtf8() + "'\nexec '" + QByteArray(ZQJ_WMF_HELPER) + "'\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner);
    return script;
}

int runsIn(const QString& runs) {
    return QFile::exists(runs) ? int(ReadFileBytes(runs).count('\n')) : 0;
}
} // namespace

TEST_F(Metafiles, DamagedOnesAreInvalidAndTriedAtMostTwice) {
    PictureLimits::setTimeLimit(kTestLimit);
    const QString runs = path("runs");
    WmfRenderer::setHelper(countingHelper(path("."), runs));
    for (const Damaged& damaged : damagedMetafiles()) {
        SCOPED_TRACE(damaged.fault);
        QFile::remove(runs);
        WriteFileBytes(path("damaged.wmf"), damaged.bytes);
        // A time-out is tried once more: the first may have been a busy machine's.
        for (int load = 0; load < 3; ++load)
            EXPECT_VB_ERROR(LoadPicture(path("damaged.wmf")), VbError::InvalidPicture);
        // Remembered: the next layout of its card does not run the helper again.
        const int tried = runsIn(runs);
        EXPECT_TRUE(tried == 1 || tried == 2) << tried;
        EXPECT_VB_ERROR(LoadPicture(path("damaged.wmf")), VbError::InvalidPicture);
        EXPECT_EQ(runsIn(runs), tried);
    }
}

// Only a failure of the bytes, or a time-out that repeats, is remembered; a picture chosen in a
// dialog is tried again whatever failed before, and is no longer refused once it decodes.
TEST_F(Metafiles, APassingFailureIsTriedAgain) {
    // Ample for the helpers that answer, however busy the machine; the slow one never does.
    PictureLimits::setTimeLimit(3s);
    const QString runs = path("runs");
    QImage drawn(4, 3, QImage::Format_ARGB32);
    drawn.fill(0xFF102030);
    WriteFileBytes(path("message"), PixelMessage::write(drawn));
    const auto helper = [&](const QString& name, const QByteArray& then) {
        WriteFileBytes(path(name), "#!/bin/sh\necho >> '" + runs.toUtf8() + "'\n" + then + "\n");
        QFile::setPermissions(path(name), QFile::ReadOwner | QFile::ExeOwner);
        return path(name);
    };
    const QString missing = QStringLiteral("/nonexistent/zqj_wmf");
    const QString slow = helper("slow.sh", "exec sleep 10");
    const QString failing = helper("failing.sh", "exit 1");
    const QString working = helper("working.sh", "cat >/dev/null; cat '" + path("message").toUtf8() + "'");
    struct Attempt {
        QString helper;
        bool chosen;
        bool loads;
    };
    const struct {
        const char* failure;
        QList<Attempt> attempts;
        int runs;
    } cases[] = {
        {"helper not started", {{missing, false, false}, {working, false, true}}, 1},
        {"out of time once", {{slow, false, false}, {working, false, true}}, 2},
        {"out of time twice", {{slow, false, false}, {slow, false, false}, {working, false, false}}, 2},
        {"the bytes", {{failing, false, false}, {working, false, false}}, 1},
        {"the bytes, then chosen",
         {{failing, false, false}, {working, true, true}, {working, false, true}},
         3},
    };
    for (int i = 0; i < int(std::size(cases)); ++i) {
        SCOPED_TRACE(cases[i].failure);
        QFile::remove(runs);
        const QByteArray bytes = wmfBytes(kSize, {{QRect(0, 0, 300 + i, 30), RGB(4, 5, 6)}});
        for (const Attempt& attempt : cases[i].attempts) {
            WmfRenderer::setHelper(attempt.helper);
            // On a thread of its own, so that no recently decoded picture answers.
            const bool loaded =
                std::async(std::launch::async, [&] {
                    try {
                        return !(attempt.chosen ? loadChosenPicture(bytes) : loadPictureFromBytes(bytes))
                                    .isNull();
                    } catch (const VbError&) {
                        return false;
                    }
                }).get();
            EXPECT_EQ(loaded, attempt.loads);
        }
        EXPECT_EQ(QFile::exists(runs) ? ReadFileBytes(runs).count('\n') : 0, cases[i].runs);
    }
}

// Not at the next showing of its card, nor after many other failures, nor on another thread.
TEST_F(Metafiles, AFailedOneCostsItsHelperOncePerRun) {
    const QString runs = path("runs");
    const QString helper = path("helper.sh");
    WriteFileBytes(helper, "#!/bin/sh\necho >> '" + runs.toUtf8() + "'\nexit 1\n");
    QFile::setPermissions(helper, QFile::ReadOwner | QFile::ExeOwner);
    WmfRenderer::setHelper(helper);
    QList<QByteArray> metafiles;
    for (int i = 0; i < 40; ++i)
        metafiles << wmfBytes(kSize, {{QRect(0, 0, 200 + i, 30), RGB(1, 2, 3)}});
    const auto loadAll = [&] {
        for (const QByteArray& bytes : metafiles)
            EXPECT_VB_ERROR(loadPictureFromBytes(bytes), VbError::InvalidPicture);
    };
    loadAll();
    loadAll();
    std::async(std::launch::async, loadAll).get();
    EXPECT_EQ(ReadFileBytes(runs).count('\n'), metafiles.size());
}

TEST_F(Metafiles, AnyFailureOfTheHelperIsAnInvalidPicture) {
    const QList<QString> helpers = {QStringLiteral("/nonexistent/zqj_wmf"), // missing
                                    QStringLiteral("/bin/false"),           // fails
                                    QStringLiteral("/bin/true"),            // says nothing
                                    QStringLiteral("/bin/cat")};            // talks nonsense
    for (int i = 0; i < helpers.size(); ++i) {
        SCOPED_TRACE(helpers[i].toStdString());
        WmfRenderer::setHelper(helpers[i]);
        // Bytes of their own, so that no remembered picture or failure answers instead.
        EXPECT_VB_ERROR(loadPictureFromBytes(wmfBytes(kSize, {{QRect(0, 0, 10 + i, 10), 0}})),
                        VbError::InvalidPicture);
    }
}

TEST_F(Metafiles, RenderOnAWorkerThread) {
    const QByteArray bytes = wmfBytes(kSize, {{QRect(0, 0, 1500, 1500), RGB(200, 30, 40)}});
    const QImage image =
        std::async(std::launch::async, [&] { return WmfRenderer::render(bytes).image; }).get();
    ASSERT_EQ(image.size(), QSize(100, 100));
    EXPECT_EQ(image.pixel(50, 50), 0xFFC81E28);
}

TEST(PixelMessage, RoundTripsAndRefusesAnythingElse) {
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(qRgba(10, 20, 30, 255));
    image.setPixel(2, 1, qRgba(200, 100, 50, 128));
    const QByteArray message = PixelMessage::write(image);
    EXPECT_EQ(PixelMessage::read(message), image);

    const auto withSides = [&](quint32 width, quint32 height) {
        QByteArray changed = message;
        qToLittleEndian(width, changed.data());
        qToLittleEndian(height, changed.data() + 4);
        return changed;
    };
    const QList<QByteArray> refused = {
        QByteArray(),    message.left(7),        message.chopped(1),
        message + '\0',  withSides(2, 3) + '\0', withSides(0, 2),
        withSides(7, 1), withSides(16385, 1),    withSides(0x40000001, 4)}; // sizes that overflow 32 bits
    for (const QByteArray& bad : refused)
        EXPECT_TRUE(PixelMessage::read(bad).isNull()) << bad.toHex().left(32).toStdString();
    EXPECT_TRUE(PixelMessage::write(QImage()).isEmpty());
}
