#include "gifconv/bmptogif.h"
#include "runtime/files.h"
#include "runtime/picture.h"
#include "runtime/vberror.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
constexpr QRgb black = 0xFF000000;
constexpr QRgb white = 0xFFFFFFFF;

// 64 x 48 pixels, every one of a different colour.
QImage gradient() {
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 5, 255 - x * 2 - y));
    return image;
}

QSet<QRgb> coloursOf(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

bool near(QRgb a, QRgb b) {
    const auto close = [](int x, int y) { return qAbs(x - y) <= 32; };
    return close(qRed(a), qRed(b)) && close(qGreen(a), qGreen(b)) && close(qBlue(a), qBlue(b));
}

class BmpToGifTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_folder.filePath(name); }
    QString writeBmp(const QImage& image) const {
        SavePicture(Picture(image), path(QStringLiteral("work.bmp")));
        return path(QStringLiteral("work.bmp"));
    }

    QTemporaryDir m_folder;
    BmpToGif m_converter;
};
} // namespace

TEST_F(BmpToGifTest, ManyColoursComeDownToAPaletteOfAtMost256) {
    const QImage source = gradient();
    ASSERT_GT(coloursOf(source).size(), 256);
    m_converter.convert(writeBmp(source), path(QStringLiteral("card.gif")));
    ASSERT_FALSE(m_converter.failed()) << m_converter.reason().toStdString();
    EXPECT_TRUE(m_converter.reason().isEmpty());

    const QImage gif(path(QStringLiteral("card.gif")), "GIF");
    ASSERT_EQ(gif.size(), source.size());
    EXPECT_LE(coloursOf(gif).size(), 256);
    for (const QPoint corner : {QPoint(0, 0), QPoint(63, 0), QPoint(0, 47), QPoint(63, 47), QPoint(32, 24)})
        EXPECT_TRUE(near(gif.pixel(corner), source.pixel(corner)))
            << corner.x() << "," << corner.y() << std::hex << " " << gif.pixel(corner);
}

TEST_F(BmpToGifTest, FewColoursStayExact) {
    // Card outlines are black on white: they must not turn grey.
    QImage source(30, 20, QImage::Format_RGB32);
    source.fill(white);
    for (int x = 0; x < 30; ++x)
        source.setPixel(x, 0, black);
    m_converter.convert(writeBmp(source), path(QStringLiteral("card.gif")));
    ASSERT_FALSE(m_converter.failed()) << m_converter.reason().toStdString();
    EXPECT_EQ(QImage(path(QStringLiteral("card.gif")), "GIF").convertToFormat(QImage::Format_RGB32), source);
}

TEST_F(BmpToGifTest, AnExistingTargetIsReplaced) {
    const QString target = path(QStringLiteral("card.gif"));
    WriteFileBytes(target, "older");
    m_converter.convert(writeBmp(gradient()), target);
    ASSERT_FALSE(m_converter.failed()) << m_converter.reason().toStdString();
    EXPECT_EQ(QImage(target, "GIF").size(), QSize(64, 48));
}

TEST_F(BmpToGifTest, AFailureGivesTheFlagAndAReasonAndKeepsTheTarget) {
    const QString target = path(QStringLiteral("card.gif"));
    WriteFileBytes(target, "older");
    WriteFileBytes(path(QStringLiteral("text.bmp")), "not a picture");

    for (const QString& source : {path(QStringLiteral("missing.bmp")), path(QStringLiteral("text.bmp"))}) {
        SCOPED_TRACE(source.toStdString());
        m_converter.convert(source, target);
        EXPECT_TRUE(m_converter.failed());
        EXPECT_TRUE(m_converter.reason().contains(source)) << m_converter.reason().toStdString();
        EXPECT_EQ(ReadFileBytes(target), "older");
    }
}

TEST_F(BmpToGifTest, AnUnwritableTargetFailsAndStaysAsItWas) {
    const QString bmp = writeBmp(gradient());
    const QString readOnly = path(QStringLiteral("locked.gif"));
    WriteFileBytes(readOnly, "older");
    SetAttr(readOnly, vbReadOnly);
    m_converter.convert(bmp, readOnly);
    EXPECT_TRUE(m_converter.failed());
    EXPECT_TRUE(m_converter.reason().contains(readOnly)) << m_converter.reason().toStdString();
    // The runtime's number goes with the reason: a caller tells a full disk from the rest by it.
    EXPECT_EQ(m_converter.errorNumber(), VbError::PathFileAccessError);
    EXPECT_EQ(ReadFileBytes(readOnly), "older");

    m_converter.convert(bmp, path(QStringLiteral("missing/card.gif")));
    EXPECT_TRUE(m_converter.failed());
    EXPECT_FALSE(m_converter.reason().isEmpty());
    EXPECT_EQ(m_converter.errorNumber(), VbError::PathNotFound);
    // Nothing is left behind beside the targets.
    EXPECT_EQ(QDir(path(QString())).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(BmpToGifTest, ASuccessClearsTheLastFailure) {
    m_converter.convert(path(QStringLiteral("missing.bmp")), path(QStringLiteral("card.gif")));
    ASSERT_TRUE(m_converter.failed());
    m_converter.convert(writeBmp(gradient()), path(QStringLiteral("card.gif")));
    EXPECT_FALSE(m_converter.failed());
    EXPECT_TRUE(m_converter.reason().isEmpty());
    EXPECT_EQ(m_converter.errorNumber(), 0);
}
