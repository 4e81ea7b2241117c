#include "cDIBSection.h"
#include "forms/scripteddialogs.h"
#include "platform/runtime/expectvberror.h"
#include "runtime/picture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <gtest/gtest.h>
#include <limits>

namespace {
constexpr QRgb topLeft = qRgb(200, 30, 40);
constexpr QRgb bottomRight = qRgb(10, 220, 90);

// 5 x 3 pixels, grey but for two corners: 15 bytes of pixels and 1 of padding in each row.
Picture cornersPicture() {
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(qRgb(128, 128, 128));
    image.setPixel(0, 0, topLeft);
    image.setPixel(4, 2, bottomRight);
    return Picture(image);
}

const uchar* pixelBytes(const cDIBSection& dib, int column, int memoryRow) {
    return dib.DIBSectionBitsPtr() + memoryRow * dib.BytesPerScanLine() + column * 3;
}

void expectBgr(const uchar* bytes, QRgb colour) {
    EXPECT_EQ(bytes[0], qBlue(colour));
    EXPECT_EQ(bytes[1], qGreen(colour));
    EXPECT_EQ(bytes[2], qRed(colour));
}

// Every padding byte of every row is still zero.
void expectPaddingUntouched(const cDIBSection& dib) {
    for (int row = 0; row < dib.Height(); ++row)
        for (int column = dib.Width() * 3; column < dib.BytesPerScanLine(); ++column)
            ASSERT_EQ(dib.DIBSectionBitsPtr()[row * dib.BytesPerScanLine() + column], 0)
                << row << "," << column;
}

} // namespace

TEST(DibSection, RowsArePaddedToFourBytes) {
    cDIBSection dib;
    for (const auto& [width, rowBytes] : {std::pair{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {33, 100}}) {
        ASSERT_TRUE(dib.CreateDIB(width, 2));
        EXPECT_EQ(dib.Width(), width);
        EXPECT_EQ(dib.Height(), 2);
        EXPECT_EQ(dib.BytesPerScanLine(), rowBytes) << width;
        ASSERT_NE(dib.DIBSectionBitsPtr(), nullptr);
        EXPECT_EQ(std::count(dib.DIBSectionBitsPtr(), dib.DIBSectionBitsPtr() + 2 * rowBytes, 0),
                  2 * rowBytes);
    }
}

TEST(DibSection, SizesThatCannotBeMadeLeaveNoPixels) {
    cDIBSection dib;
    ASSERT_TRUE(dib.CreateDIB(4, 4));
    EXPECT_FALSE(dib.CreateDIB(0, 5));
    EXPECT_EQ(dib.DIBSectionBitsPtr(), nullptr);
    EXPECT_FALSE(dib.CreateDIB(5, -1));
    EXPECT_EQ(dib.DIBSectionBitsPtr(), nullptr);

    // A row past 32 bits: no pixels, and the row length overflows as the header asks for it.
    const qint32 tooWide = std::numeric_limits<qint32>::max() / 3;
    EXPECT_FALSE(dib.CreateDIB(tooWide, 1));
    EXPECT_EQ(dib.Width(), tooWide);
    EXPECT_VB_ERROR(dib.BytesPerScanLine(), VbError::Overflow);
    // The whole image past 32 bits.
    EXPECT_FALSE(dib.CreateDIB(40000, 40000));
}

TEST(DibSection, APicturesPixelsLieBottomUpAsBlueGreenRed) {
    cDIBSection dib;
    dib.CreateFromPicture(cornersPicture());
    ASSERT_EQ(dib.Width(), 5);
    ASSERT_EQ(dib.Height(), 3);
    ASSERT_EQ(dib.BytesPerScanLine(), 16);
    // The top line is stored last, the bottom line first.
    expectBgr(pixelBytes(dib, 0, 2), topLeft);
    expectBgr(pixelBytes(dib, 4, 0), bottomRight);
    expectBgr(pixelBytes(dib, 0, 0), qRgb(128, 128, 128));
    expectPaddingUntouched(dib);
}

TEST(DibSection, PicturesOfOtherFormatsGiveTheSameBytes) {
    cDIBSection expected;
    expected.CreateFromPicture(cornersPicture());
    const auto size = std::size_t(expected.BytesPerScanLine()) * std::size_t(expected.Height());
    for (const QImage::Format format :
         {QImage::Format_RGB888, QImage::Format_BGR888, QImage::Format_ARGB32}) {
        cDIBSection dib;
        dib.CreateFromPicture(Picture(cornersPicture().image().convertToFormat(format)));
        ASSERT_NE(dib.DIBSectionBitsPtr(), nullptr) << format;
        EXPECT_TRUE(
            std::equal(dib.DIBSectionBitsPtr(), dib.DIBSectionBitsPtr() + size, expected.DIBSectionBitsPtr()))
            << format;
    }
}

TEST(DibSection, AnEmptyPictureGivesNoPixels) {
    cDIBSection dib;
    dib.CreateFromPicture(cornersPicture());
    dib.CreateFromPicture(Picture());
    EXPECT_EQ(dib.DIBSectionBitsPtr(), nullptr);
}

TEST(DibSection, ClearUpReleasesThePixelsButKeepsTheHeader) {
    cDIBSection dib;
    dib.CreateFromPicture(cornersPicture());
    dib.ClearUp();
    EXPECT_EQ(dib.DIBSectionBitsPtr(), nullptr);
    EXPECT_EQ(dib.Width(), 5);
    EXPECT_EQ(dib.Height(), 3);
}

TEST(DibSection, CopyToClipboardPutsThePictureTheRightWayUp) {
    cDIBSection dib;
    dib.CreateFromPicture(cornersPicture());
    ASSERT_TRUE(dib.CopyToClipboard(false));
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), cornersPicture().image());
}

TEST(DibSection, CopyToClipboardAsDibIsRefusedWithAMessage) {
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    ScriptedDialogsScope dialogs;
    cDIBSection dib;
    dib.CreateFromPicture(cornersPicture());
    EXPECT_FALSE(dib.CopyToClipboard(true));
    ASSERT_EQ(dialogs->messages().size(), 1U);
    EXPECT_EQ(dialogs->messages()[0].prompt,
              QStringLiteral("I don't know how to put a DIB on the clipboard! Copy as bitmap instead!!!"));
    EXPECT_EQ(dialogs->messages()[0].style, vbOKOnly);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}
