#include "jpeglib/jpegencoder.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <vector>

using namespace jpeglib;

namespace {
constexpr QRgb red = 0xFFD02020;
constexpr QRgb green = 0xFF20B040;
constexpr QRgb blue = 0xFF2030D0;
constexpr QRgb white = 0xFFFFFFFF;
constexpr unsigned char paddingGarbage = 0xA5;

// Four quadrants of distinct colours: a picture turned over or skewed shows it at once.
QImage quadrants(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    const int half = width / 2, middle = height / 2;
    painter.fillRect(0, 0, half, middle, QColor(red));
    painter.fillRect(half, 0, width - half, middle, QColor(green));
    painter.fillRect(0, middle, half, height - middle, QColor(blue));
    painter.fillRect(half, middle, width - half, height - middle, QColor(white));
    return image;
}

// The picture as blue, green, red rows of the given order, each row followed by garbage padding.
std::vector<unsigned char> bgrRows(const QImage& image, int padBytes, bool bottomUp) {
    const int pitch = image.width() * 3 + padBytes;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(pitch) * image.height(), paddingGarbage);
    for (int y = 0; y < image.height(); ++y) {
        const int row = bottomUp ? image.height() - 1 - y : y;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            unsigned char* bgr = bytes.data() + static_cast<std::size_t>(row) * pitch + x * 3;
            bgr[0] = static_cast<unsigned char>(qBlue(pixel));
            bgr[1] = static_cast<unsigned char>(qGreen(pixel));
            bgr[2] = static_cast<unsigned char>(qRed(pixel));
        }
    }
    return bytes;
}

bool near(QRgb a, QRgb b) {
    const auto close = [](int x, int y) { return qAbs(x - y) <= 24; };
    return close(qRed(a), qRed(b)) && close(qGreen(a), qGreen(b)) && close(qBlue(a), qBlue(b));
}

// The colours well inside each quadrant, away from the blur at the joints.
void expectQuadrants(const QImage& decoded) {
    const int w = decoded.width(), h = decoded.height();
    EXPECT_TRUE(near(decoded.pixel(w / 4, h / 4), red)) << std::hex << decoded.pixel(w / 4, h / 4);
    EXPECT_TRUE(near(decoded.pixel(3 * w / 4, h / 4), green)) << std::hex << decoded.pixel(3 * w / 4, h / 4);
    EXPECT_TRUE(near(decoded.pixel(w / 4, 3 * h / 4), blue)) << std::hex << decoded.pixel(w / 4, 3 * h / 4);
    EXPECT_TRUE(near(decoded.pixel(3 * w / 4, 3 * h / 4), white))
        << std::hex << decoded.pixel(3 * w / 4, 3 * h / 4);
}

class JpegEncoder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(jpegInit(m_properties), JpegOk); }

    // A valid record for the picture's bytes, which must outlive the write.
    JpegProperties& describe(const std::vector<unsigned char>& bytes, const QImage& image, int padBytes,
                             bool bottomUp) {
        m_properties.pixels = bytes.data();
        m_properties.width = image.width();
        m_properties.height = bottomUp ? -image.height() : image.height();
        m_properties.padBytes = padBytes;
        m_properties.fileName = QFile::encodeName(path()).toStdString();
        m_properties.quality = 90;
        return m_properties;
    }

    QString path() const { return m_folder.filePath(QStringLiteral("card.jpg")); }

    QTemporaryDir m_folder;
    JpegProperties m_properties;
};
} // namespace

TEST_F(JpegEncoder, BottomUpRowsWithPaddingComeOutTheRightWayUp) {
    // 33 pixels make 99 bytes: one byte of padding brings a row to 100.
    const QImage image = quadrants(33, 24);
    const auto bytes = bgrRows(image, 1, true);
    ASSERT_EQ(jpegWriteWholeImage(describe(bytes, image, 1, true)), JpegOk);

    const QImage decoded(path(), "JPEG");
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.size(), image.size());
    expectQuadrants(decoded);
}

TEST_F(JpegEncoder, PaddingOfEveryRowWidthIsSkipped) {
    for (const int width : {1, 2, 3, 4, 5}) {
        SCOPED_TRACE(width);
        const int padBytes = (4 - width * 3 % 4) % 4;
        const QImage image = quadrants(width, 8);
        const auto bytes = bgrRows(image, padBytes, true);
        ASSERT_EQ(jpegWriteWholeImage(describe(bytes, image, padBytes, true)), JpegOk);
        const QImage decoded(path(), "JPEG");
        ASSERT_EQ(decoded.size(), image.size());
        // The bottom right is white and the top right green or red: garbage padding would tint them.
        EXPECT_TRUE(near(decoded.pixel(width - 1, 7), white)) << std::hex << decoded.pixel(width - 1, 7);
    }
}

TEST_F(JpegEncoder, APositiveHeightTakesTheRowsTopDown) {
    const QImage image = quadrants(40, 30);
    const auto bytes = bgrRows(image, 0, false);
    ASSERT_EQ(jpegWriteWholeImage(describe(bytes, image, 0, false)), JpegOk);
    expectQuadrants(QImage(path(), "JPEG"));
}

TEST_F(JpegEncoder, QualityChangesTheFile) {
    const QImage image = quadrants(64, 64);
    const auto bytes = bgrRows(image, 0, true);
    describe(bytes, image, 0, true).quality = 100;
    ASSERT_EQ(jpegWriteWholeImage(m_properties), JpegOk);
    const qint64 best = QFile(path()).size();
    m_properties.quality = 1;
    ASSERT_EQ(jpegWriteWholeImage(m_properties), JpegOk);
    EXPECT_LT(QFile(path()).size(), best);
}

TEST_F(JpegEncoder, BadRecordsAreRefusedWithoutWritingAFile) {
    const QImage image = quadrants(8, 8);
    const auto bytes = bgrRows(image, 0, true);
    const auto refused = [&](auto change, int status) {
        describe(bytes, image, 0, true);
        change(m_properties);
        EXPECT_EQ(jpegWriteWholeImage(m_properties), status);
        EXPECT_FALSE(QFile::exists(path()));
    };
    refused([](JpegProperties& p) { p.pixels = nullptr; }, JpegBadPicture);
    refused([](JpegProperties& p) { p.width = 0; }, JpegBadPicture);
    refused([](JpegProperties& p) { p.height = 0; }, JpegBadPicture);
    refused([](JpegProperties& p) { p.padBytes = -1; }, JpegBadPicture);
    refused([](JpegProperties& p) { p.quality = 0; }, JpegBadQuality);
    refused([](JpegProperties& p) { p.quality = 101; }, JpegBadQuality);
    refused([](JpegProperties& p) { p.fileName.clear(); }, JpegNoFileName);
}

TEST_F(JpegEncoder, AFileThatCannotBeWrittenIsReportedWithTheSystemsReason) {
    const QImage image = quadrants(8, 8);
    const auto bytes = bgrRows(image, 0, true);
    // /dev/full takes the file and refuses its bytes, as a full disk does.
    const std::pair<std::string, int> cases[] = {
        {QFile::encodeName(m_folder.filePath(QStringLiteral("missing/card.jpg"))).toStdString(), ENOENT},
        {"/dev/full", ENOSPC},
    };
    for (const auto& [fileName, systemError] : cases) {
        describe(bytes, image, 0, true).fileName = fileName;
        EXPECT_EQ(jpegWriteWholeImage(m_properties), JpegFileWriteFailed) << fileName;
        EXPECT_EQ(m_properties.fileError, systemError) << fileName;
    }
}

TEST_F(JpegEncoder, NothingIsWrittenOutsideInitAndFree) {
    const QImage image = quadrants(8, 8);
    const auto bytes = bgrRows(image, 0, true);
    describe(bytes, image, 0, true);
    EXPECT_EQ(jpegFree(m_properties), JpegOk);
    EXPECT_EQ(jpegWriteWholeImage(m_properties), JpegNotInitialised);
    EXPECT_EQ(jpegFree(m_properties), JpegOk);
    EXPECT_FALSE(QFile::exists(path()));

    JpegProperties never;
    EXPECT_EQ(jpegWriteWholeImage(never), JpegNotInitialised);
}

TEST_F(JpegEncoder, EncodingInMemoryGivesTheBytesOfTheFile) {
    const QImage image = quadrants(33, 24);
    const auto bytes = bgrRows(image, 1, true);
    ASSERT_EQ(jpegWriteWholeImage(describe(bytes, image, 1, true)), JpegOk);
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();

    m_properties.fileName.clear(); // not needed in memory
    JpegBytes encoded;
    ASSERT_EQ(jpegEncode(m_properties, encoded), JpegOk);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(encoded.data.get()), qsizetype(encoded.size)),
              written);

    m_properties.quality = 0;
    EXPECT_EQ(jpegEncode(m_properties, encoded), JpegBadQuality);
}
