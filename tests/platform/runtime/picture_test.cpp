#include "expectvberror.h"
#include "picturebytes.h"
#include "runtime/colour.h"
#include "runtime/files.h"
#include "runtime/picture.h"

#include <QBuffer>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>

namespace {
constexpr QRgb white = 0xFFFFFFFF;
constexpr QRgb red = 0xFFC81E28;
constexpr QRgb blue = 0xFF1020E0;

// Four quadrants of distinct colours, with an odd width so BMP rows need padding.
QImage quadrants() {
    QImage image(41, 30, QImage::Format_RGB32);
    image.fill(white);
    QPainter painter(&image);
    painter.fillRect(0, 0, 20, 15, QColor(red));
    painter.fillRect(20, 15, 21, 15, QColor(blue));
    return image;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 100);
    return bytes;
}

bool near(QRgb a, QRgb b) {
    const auto close = [](int x, int y) { return qAbs(x - y) <= 8; };
    return close(qRed(a), qRed(b)) && close(qGreen(a), qGreen(b)) && close(qBlue(a), qBlue(b));
}

class Pictures : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_folder.filePath(name); }

private:
    QTemporaryDir m_folder;
};
} // namespace

TEST_F(Pictures, EmptyPathGivesAnEmptyPicture) {
    const Picture picture = LoadPicture();
    EXPECT_TRUE(picture.isNull());
    EXPECT_EQ(picture.width(), 0);
}

TEST_F(Pictures, BmpLoadsPixelForPixelAt96Dpi) {
    WriteFileBytes(path("card.bmp"), encoded(quadrants(), "BMP"));
    const Picture picture = LoadPicture(path("card.bmp"));
    EXPECT_EQ(picture.image(), quadrants());
    EXPECT_EQ(picture.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(picture.image().dotsPerMeterX(), 3780);
    EXPECT_EQ(picture.image().dotsPerMeterY(), 3780);
}

// Recently decoded pictures are known by their bytes, not by the array that held them.
TEST_F(Pictures, EqualBytesGiveEqualPicturesAndOtherBytesOthers) {
    QByteArray bytes = encoded(quadrants(), "BMP");
    const Picture first = loadPictureFromBytes(bytes);
    QImage other = quadrants();
    other.setPixel(0, 0, blue);
    const Picture second = loadPictureFromBytes(encoded(other, "BMP"));
    EXPECT_EQ(loadPictureFromBytes(QByteArray(bytes.constData(), bytes.size())).image(), quadrants());
    EXPECT_EQ(second.image().pixel(0, 0), blue);
    EXPECT_EQ(first.image().pixel(0, 0), red);
    bytes[bytes.size() - 3] = char(0x00); // a byte of the top row's last pixel, changed in place
    EXPECT_NE(loadPictureFromBytes(bytes).image(), quadrants());
}

TEST_F(Pictures, JpegLoads) {
    WriteFileBytes(path("card.jpg"), encoded(quadrants(), "JPEG"));
    const Picture picture = LoadPicture(path("card.jpg"));
    ASSERT_EQ(picture.image().size(), QSize(41, 30));
    EXPECT_EQ(picture.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(picture.image().dotsPerMeterX(), 3780);
    EXPECT_TRUE(near(picture.image().pixel(8, 6), red));
    EXPECT_TRUE(near(picture.image().pixel(32, 22), blue));
    EXPECT_TRUE(near(picture.image().pixel(32, 6), white));
}

TEST_F(Pictures, GifLoads) {
    WriteFileBytes(path("card.gif"), gifBytes(quadrants()));
    const Picture picture = LoadPicture(path("card.gif"));
    ASSERT_EQ(picture.image().size(), QSize(41, 30));
    EXPECT_EQ(picture.image(), quadrants());
}

TEST_F(Pictures, GifTransparencyShowsWhite) {
    const Picture picture = loadPictureFromBytes(gifBytes(quadrants(), red));
    EXPECT_EQ(picture.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(picture.image().pixel(8, 6), white);
    EXPECT_EQ(picture.image().pixel(32, 22), blue);
}

TEST_F(Pictures, PlaceableMetafileRendersAtItsSizeOnWhite) {
    // 1500 twips at 1440 per inch are 100 pixels at 96 DPI.
    const QList<WmfFill> fills = {{QRect(0, 0, 300, 300), RGB(200, 30, 40)},
                                  {QRect(1200, 1200, 300, 300), RGB(224, 32, 16)}};
    WriteFileBytes(path("art.wmf"), wmfBytes(QSize(1500, 1500), fills));
    const Picture picture = LoadPicture(path("art.wmf"));
    ASSERT_EQ(picture.image().size(), QSize(100, 100));
    EXPECT_EQ(picture.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(picture.image().pixel(5, 5), red);
    EXPECT_EQ(picture.image().pixel(95, 95), 0xFFE02010);
    EXPECT_EQ(picture.image().pixel(50, 50), white); // never painted
}

TEST_F(Pictures, StandardMetafileLoads) {
    const QByteArray bytes =
        wmfBytes(QSize(1500, 1500), {{QRect(0, 0, 1500, 1500), RGB(200, 30, 40)}}, false);
    const Picture picture = loadPictureFromBytes(bytes);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.image().pixel(picture.width() / 2, picture.height() / 2), red);
}

TEST_F(Pictures, AnythingElseIsAnInvalidPicture) {
    EXPECT_VB_ERROR(loadPictureFromBytes(encoded(quadrants(), "PNG")), VbError::InvalidPicture);
    EXPECT_VB_ERROR(loadPictureFromBytes("This is no picture at all."), VbError::InvalidPicture);
    EXPECT_VB_ERROR(loadPictureFromBytes(QByteArray()), VbError::InvalidPicture);
    EXPECT_VB_ERROR(loadPictureFromBytes("BM"), VbError::InvalidPicture);
    EXPECT_VB_ERROR(loadPictureFromBytes("GIF89a"), VbError::InvalidPicture);
}

TEST_F(Pictures, TruncatedPicturesAreInvalid) {
    const QList<QByteArray> whole = {encoded(quadrants(), "BMP"), encoded(quadrants(), "JPEG"),
                                     gifBytes(quadrants()),
                                     wmfBytes(QSize(1500, 1500), {{QRect(0, 0, 9, 9), 0}})};
    for (const QByteArray& bytes : whole) {
        ASSERT_FALSE(loadPictureFromBytes(bytes).isNull());
        EXPECT_VB_ERROR(loadPictureFromBytes(bytes.left(bytes.size() * 9 / 10)), VbError::InvalidPicture);
        EXPECT_VB_ERROR(loadPictureFromBytes(bytes.left(30)), VbError::InvalidPicture);
    }
}

TEST_F(Pictures, CorruptBitmapHeaderIsInvalid) {
    QByteArray bytes = encoded(quadrants(), "BMP");
    qToLittleEndian<qint32>(100000, bytes.data() + 22); // far more rows than the file holds
    EXPECT_VB_ERROR(loadPictureFromBytes(bytes), VbError::InvalidPicture);
}

TEST_F(Pictures, MissingFileRaises53AndMissingFolder76) {
    EXPECT_VB_ERROR(LoadPicture(path("missing.bmp")), VbError::FileNotFound);
    EXPECT_VB_ERROR(LoadPicture(path("missing/card.bmp")), VbError::PathNotFound);
}

TEST_F(Pictures, SavePictureWritesA24BitBmpThatLoadsBack) {
    const Picture original(quadrants());
    SavePicture(original, path("zqjtemp.bmp"));
    const QByteArray bytes = ReadFileBytes(path("zqjtemp.bmp"));
    ASSERT_GT(bytes.size(), 30);
    EXPECT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24);
    EXPECT_EQ(LoadPicture(path("zqjtemp.bmp")).image(), quadrants());
}

TEST_F(Pictures, SavePictureFailures) {
    EXPECT_VB_ERROR(SavePicture(Picture(quadrants()), path("missing/zqjtemp.bmp")), VbError::PathNotFound);
    EXPECT_VB_ERROR(SavePicture(Picture(), path("empty.bmp")), VbError::InvalidPicture);

    WriteFileBytes(path("locked.bmp"), "old");
    SetAttr(path("locked.bmp"), vbReadOnly);
    EXPECT_VB_ERROR(SavePicture(Picture(quadrants()), path("locked.bmp")), VbError::PathFileAccessError);
    EXPECT_EQ(ReadFileBytes(path("locked.bmp")), QByteArray("old"));
}
