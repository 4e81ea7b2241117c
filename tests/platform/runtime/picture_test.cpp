#include "expectvberror.h"
#include "picturebytes.h"
#include "runtime/colour.h"
#include "runtime/files.h"
#include "runtime/jpegreader.h"
#include "runtime/picture.h"
#include "runtime/picturelimits.h"
#include "runtime/plainbmp.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdio> // jpeglib.h needs FILE
#include <jpeglib.h>
#include <memory>
#include <turbojpeg.h>

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

// 5 x 3 pixels, every one a colour of its own; rows of 15 bytes are padded to 16.
QImage distinctPixels() {
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(40 * x + 10, 70 * y + 20, 13 * (x + 5 * y) + 1));
    return image;
}

// Qt writes a palette of 16 colours or fewer in 4 bits a pixel: a full table makes it 8.
QImage quadrantsInPalette(bool full) {
    QImage image = quadrants().convertToFormat(QImage::Format_Indexed8);
    if (full) image.setColorCount(256);
    return image;
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

// A failure is remembered for its own bytes only, not for others of its size.
TEST_F(Pictures, AFailedPictureLeavesOthersOfItsSizeAlone) {
    QImage unique = distinctPixels(); // bytes no other test loads, so none is remembered
    unique.setPixel(0, 0, qRgb(1, 2, 3));
    const QByteArray good = encoded(unique, "BMP");
    QByteArray bad = good;
    bad[0] = 'X';
    EXPECT_VB_ERROR(loadPictureFromBytes(bad), VbError::InvalidPicture);
    EXPECT_VB_ERROR(loadPictureFromBytes(bad), VbError::InvalidPicture);
    EXPECT_EQ(loadPictureFromBytes(good).image().pixel(0, 0), qRgb(1, 2, 3));
}

TEST_F(Pictures, PlainBmpReadsTheSamePixelsAsQt) {
    struct Case {
        const char* name;
        QImage image;
        QByteArray bytes;
    };
    QList<Case> cases = {
        {"odd width as Qt writes it", distinctPixels(), encoded(distinctPixels(), "BMP")},
        {"top-down", distinctPixels(), bmpBytes(distinctPixels(), 40, true)},
        {"108-byte header", distinctPixels(), bmpBytes(distinctPixels(), 108)},
        {"124-byte header, top-down", quadrants(), bmpBytes(quadrants(), 124, true)},
    };
    for (int width = 1; width <= 4; ++width) { // every amount of row padding
        const QImage narrow = distinctPixels().copy(0, 0, width, 3);
        cases.append({"narrow", narrow, encoded(narrow, "BMP")});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << ", " << c.image.width() << " wide");
        ASSERT_EQ(qFromLittleEndian<quint16>(c.bytes.constData() + 28), 24);
        const QImage plain = decodePlainBmp(c.bytes);
        EXPECT_EQ(plain.format(), QImage::Format_RGB32);
        EXPECT_EQ(plain, QImage::fromData(c.bytes, "BMP").convertToFormat(QImage::Format_RGB32));
        EXPECT_EQ(plain, c.image);
    }
}

TEST_F(Pictures, PlainBmpLeavesOtherKindsToQt) {
    const QByteArray plain = encoded(distinctPixels(), "BMP");
    ASSERT_FALSE(decodePlainBmp(plain).isNull());
    const quint32 pixelsAt = qFromLittleEndian<quint32>(plain.constData() + 10);
    const auto with = [](QByteArray bytes, qsizetype at, quint32 value) {
        qToLittleEndian<quint32>(value, bytes.data() + at);
        return bytes;
    };
    const QByteArray fourBits = encoded(quadrantsInPalette(false), "BMP");
    const QByteArray eightBits = encoded(quadrantsInPalette(true), "BMP");
    ASSERT_EQ(qFromLittleEndian<quint16>(fourBits.constData() + 28), 4);
    ASSERT_EQ(qFromLittleEndian<quint16>(eightBits.constData() + 28), 8);
    const QList<std::pair<const char*, QByteArray>> others = {
        {"4-bit palette", fourBits},
        {"8-bit palette", eightBits},
        {"32-bit", bmpBytes(distinctPixels(), 40, false, 32)},
        {"run-length coded", with(plain, 30, 1)},
        {"colour masks", with(plain, 30, 3)},
        {"two planes", with(plain, 26, 2 | 24 << 16)}, // still 24 bits a pixel
        {"12-byte header", with(plain, 14, 12)},
        {"pixel data one byte short", plain.left(plain.size() - 1)},
        {"pixel data starting one byte late", with(plain, 10, pixelsAt + 1)},
        {"pixel data starting inside the header", with(plain, 10, pixelsAt - 4)},
        {"no rows", with(plain, 22, 0)},
        {"negative width", with(plain, 18, quint32(-5))},
        {"a size whose pixel count overflows", with(with(plain, 18, 0x7FFFFFFF), 22, 0x7FFFFFFF)},
    };
    for (const auto& [name, bytes] : others) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(decodePlainBmp(bytes).isNull());
    }
}

// Smooth shades with fine detail at a size that fills no whole block: decoders that differ in
// their transform or upsampling would differ here.
QImage shadedDetail() {
    QImage image(139, 105, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(2 * x % 256, (3 * y + x) % 256, (x * y) % 256));
    return image;
}

// TurboJPEG's own encodings, for kinds Qt does not write; CMYK takes four bytes a pixel.
QByteArray turboJpeg(const QImage& image, int subsampling, int flags = 0, bool cmyk = false) {
    const std::unique_ptr<void, int (*)(tjhandle)> compressor(tjInitCompress(), tjDestroy);
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    const bool written =
        tjCompress2(compressor.get(), image.constBits(), image.width(), int(image.bytesPerLine()),
                    image.height(), cmyk ? TJPF_CMYK : TJPF_BGRX, &jpeg, &size, subsampling, 90, flags) == 0;
    const QByteArray bytes =
        written ? QByteArray(reinterpret_cast<const char*>(jpeg), qsizetype(size)) : QByteArray();
    tjFree(jpeg);
    return bytes;
}

QByteArray progressiveByQt(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    return bytes;
}

// An Exif segment telling to turn the picture a quarter, right after the start-of-image marker:
// Qt's reader does not turn it, so neither may the loader.
QByteArray withExifOrientation(QByteArray jpeg) {
    static const char exif[] = "\xFF\xE1\x00\x22"
                               "Exif\0\0"
                               "II*\0\x08\0\0\0"
                               "\x01\0"
                               "\x12\x01\x03\0\x01\0\0\0\x06\0\0\0"
                               "\0\0\0\0";
    return jpeg.insert(2, QByteArray(exif, sizeof exif - 1));
}

// Scan data cut short by a marker: libjpeg warns and fills in the rest, as Qt's reader shows it.
QByteArray corruptScan(QByteArray jpeg) {
    jpeg[jpeg.size() - 200] = char(0xFF);
    jpeg[jpeg.size() - 199] = char(0xD0 + 7);
    return jpeg;
}

TEST_F(Pictures, JpegsLoadWithQtsPixels) {
    const QImage detail = shadedDetail();
    const QList<std::pair<const char*, QByteArray>> cases = {
        {"baseline 4:2:0 as Qt writes it", encoded(detail, "JPEG")},
        {"progressive as Qt writes it", progressiveByQt(detail)},
        {"4:4:4", turboJpeg(detail, TJSAMP_444)},
        {"4:2:2", turboJpeg(detail, TJSAMP_422)},
        {"4:4:0", turboJpeg(detail, TJSAMP_440)},
        {"progressive 4:2:0", turboJpeg(detail, TJSAMP_420, TJFLAG_PROGRESSIVE)},
        {"greyscale", turboJpeg(detail, TJSAMP_GRAY)},
        {"greyscale as Qt writes it", encoded(detail.convertToFormat(QImage::Format_Grayscale8), "JPEG")},
        {"CMYK", turboJpeg(detail, TJSAMP_444, 0, true)},
        {"with corrupt scan data", corruptScan(encoded(detail, "JPEG"))},
        {"with an Exif orientation", withExifOrientation(encoded(detail, "JPEG"))},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(bytes.isEmpty());
        const QImage qt = QImage::fromData(bytes, "JPEG").convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(qt.isNull());
        EXPECT_EQ(decodeJpeg(bytes).image, qt);
        EXPECT_EQ(loadPictureFromBytes(bytes).image(), qt);
    }
}

// The plain reader and Qt's reader both sit behind the loader; each kind must come out whole.
TEST_F(Pictures, EveryBmpKindLoadsThroughTheLoader) {
    const QList<std::pair<const char*, QByteArray>> kinds = {
        {"4-bit palette", encoded(quadrantsInPalette(false), "BMP")},
        {"8-bit palette", encoded(quadrantsInPalette(true), "BMP")},
        {"32-bit", bmpBytes(quadrants(), 40, false, 32)},
        {"24-bit top-down", bmpBytes(quadrants(), 40, true)},
        {"24-bit with a 124-byte header", bmpBytes(quadrants(), 124)},
        {"4-bit run-length coded", rleBmpBytes(quadrants(), 4)},
        {"8-bit run-length coded", rleBmpBytes(quadrants(), 8)},
    };
    for (const auto& [name, bytes] : kinds) {
        SCOPED_TRACE(name);
        const Picture picture = loadPictureFromBytes(bytes);
        EXPECT_EQ(picture.image().format(), QImage::Format_RGB32);
        EXPECT_EQ(picture.image(), quadrants());
    }
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

// A JPEG whose frame header, baseline or progressive, declares another size; its scan data stays
// that of the picture.
QByteArray withDeclaredSize(QByteArray jpeg, QSize size) {
    qsizetype frame = jpeg.indexOf(QByteArrayView("\xFF\xC0", 2));
    if (frame < 0) frame = jpeg.indexOf(QByteArrayView("\xFF\xC2", 2));
    qToBigEndian<quint16>(quint16(size.height()), jpeg.data() + frame + 5);
    qToBigEndian<quint16>(quint16(size.width()), jpeg.data() + frame + 7);
    return jpeg;
}

// The last scan of a progressive JPEG repeated before the end-of-image marker: libjpeg warns of
// each repeat and reads on.
QByteArray withRepeatedLastScan(QByteArray jpeg, int times) {
    const qsizetype scan = jpeg.lastIndexOf(QByteArrayView("\xFF\xDA", 2));
    const QByteArray last = jpeg.mid(scan, jpeg.size() - 2 - scan);
    for (int i = 0; i < times; ++i)
        jpeg.insert(jpeg.size() - 2, last);
    return jpeg;
}

QByteArray withGifScreen(QByteArray gif, QSize size) {
    qToLittleEndian<quint16>(quint16(size.width()), gif.data() + 6);
    qToLittleEndian<quint16>(quint16(size.height()), gif.data() + 8);
    return gif;
}

TEST_F(Pictures, PicturesPastALimitAreInvalidAtOnce) {
    using namespace std::chrono_literals;
    const QSize pastPixelLimit(6000, 6000);
    const QByteArray flatGrey = [] {
        QImage image(2048, 2048, QImage::Format_RGB32);
        image.fill(Qt::gray);
        return turboJpeg(image, TJSAMP_420);
    }();
    const QByteArray progressive = turboJpeg(shadedDetail(), TJSAMP_GRAY, TJFLAG_PROGRESSIVE);
    // The same tricks short of the limits decode, so it is the limits that refuse.
    ASSERT_FALSE(decodeJpeg(flatGrey).image.isNull());
    ASSERT_FALSE(decodeJpeg(withRepeatedLastScan(progressive, PictureLimits::kMaxScans - 20)).image.isNull());

    const struct Case {
        const char* limit;
        QByteArray bytes;
        std::chrono::milliseconds timeLimit;
    } cases[] = {
        {"pixels of a JPEG", withDeclaredSize(encoded(quadrants(), "JPEG"), pastPixelLimit), 1h},
        {"pixels of a GIF's screen", withGifScreen(gifBytes(quadrants()), pastPixelLimit), 1h},
        {"progressive scans", withRepeatedLastScan(progressive, PictureLimits::kMaxScans), 1h},
        {"pixels of 20,000 scans",
         withDeclaredSize(withRepeatedLastScan(progressive, 20000), QSize(8000, 8000)), 1h},
        {"time", flatGrey, 1ms},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.limit);
        // Time enough to decode all: only the limit itself refuses.
        PictureLimits::setTimeLimit(c.timeLimit);
        EXPECT_VB_ERROR(loadPictureFromBytes(c.bytes), VbError::InvalidPicture);
        PictureLimits::setTimeLimit(0ms);
    }
}

// A picture of one colour coded arithmetically, as libjpeg writes it: a few hundred bytes for
// millions of pixels.
QByteArray arithmeticJpeg(QSize size, QRgb colour) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long length = 0;
    jpeg_mem_dest(&info, &buffer, &length);
    info.image_width = JDIMENSION(size.width());
    info.image_height = JDIMENSION(size.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    info.arith_code = TRUE;
    jpeg_start_compress(&info, TRUE);
    QByteArray row;
    for (int x = 0; x < size.width(); ++x)
        row.append(char(qRed(colour))).append(char(qGreen(colour))).append(char(qBlue(colour)));
    JSAMPROW line = reinterpret_cast<JSAMPROW>(row.data());
    while (info.next_scanline < info.image_height)
        jpeg_write_scanlines(&info, &line, 1);
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(length));
    free(buffer);
    return bytes;
}

// Within the pixel limit, a picture may declare any number of pixels for each of its bytes.
TEST_F(Pictures, PicturesOfManyPixelsPerByteLoad) {
    const QSize size(4000, 3000);
    QImage onePixel(1, 1, QImage::Format_RGB32);
    onePixel.fill(red);
    const struct {
        const char* kind;
        QByteArray bytes;
        qsizetype largest;
        QRgb bottomLeft;
    } cases[] = {
        {"arithmetic-coded JPEG", arithmeticJpeg(size, blue), 1000, blue},
        // One pixel, the end of its row and the end of the bitmap.
        {"run-length coded BMP", rleBmpBytes(onePixel, 8, size), 100, red},
    };
    // However busy the machine, it is the pixels that count here, not the time.
    PictureLimits::setTimeLimit(std::chrono::hours(1));
    for (const auto& test : cases) {
        SCOPED_TRACE(test.kind);
        ASSERT_LT(test.bytes.size(), test.largest);
        const Picture picture = loadPictureFromBytes(test.bytes);
        EXPECT_EQ(picture.image().size(), size);
        EXPECT_TRUE(near(picture.image().pixel(0, size.height() - 1), test.bottomLeft));
    }
    PictureLimits::setTimeLimit(std::chrono::milliseconds(0));
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
