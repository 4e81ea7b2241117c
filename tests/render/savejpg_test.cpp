#include "cDIBSection.h"
#include "mIntelJPEGLibrary.h"
#include "platform/runtime/expectvberror.h"
#include "runtime/files.h"
#include "runtime/picture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
constexpr QRgb red = 0xFFD02020;
constexpr QRgb blue = 0xFF2030D0;

// An odd width, so every row carries padding; red above, blue below.
Picture halves() {
    QImage image(37, 20, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 37, 10, QColor(red));
    painter.fillRect(0, 10, 37, 10, QColor(blue));
    return Picture(image);
}

cDIBSection sectionOf(const Picture& picture) {
    cDIBSection dib;
    dib.CreateFromPicture(picture);
    return dib;
}

bool near(QRgb a, QRgb b) {
    const auto close = [](int x, int y) { return qAbs(x - y) <= 24; };
    return close(qRed(a), qRed(b)) && close(qGreen(a), qGreen(b)) && close(qBlue(a), qBlue(b));
}

const QDateTime pastAccess =
    QDateTime::fromString(QStringLiteral("2019-03-04T05:06:07.250Z"), Qt::ISODateWithMs);
const QDateTime pastModification =
    QDateTime::fromString(QStringLiteral("2018-01-02T03:04:05.500Z"), Qt::ISODateWithMs);

class SaveJpg : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_folder.filePath(name); }
    QStringList folderEntries() const {
        return QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    // An earlier file of the target's name with its own bits and times.
    QString oldFile(QFileDevice::Permissions permissions) const {
        const QString target = path(QStringLiteral("card.jpg"));
        WriteFileBytes(target, "older");
        QFile file(target);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        EXPECT_TRUE(file.setFileTime(pastAccess, QFileDevice::FileAccessTime));
        EXPECT_TRUE(file.setFileTime(pastModification, QFileDevice::FileModificationTime));
        file.close();
        EXPECT_TRUE(QFile::setPermissions(target, permissions));
        return target;
    }

    QTemporaryDir m_folder;
};
} // namespace

TEST_F(SaveJpg, WritesTheSectionTheRightWayUp) {
    const QString target = path(QStringLiteral("card.jpg"));
    EXPECT_TRUE(SaveJPG(sectionOf(halves()), target, 90));
    const QImage decoded(target, "JPEG");
    ASSERT_EQ(decoded.size(), QSize(37, 20));
    EXPECT_TRUE(near(decoded.pixel(18, 4), red)) << std::hex << decoded.pixel(18, 4);
    EXPECT_TRUE(near(decoded.pixel(18, 15), blue)) << std::hex << decoded.pixel(18, 15);
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("card.jpg")});
}

TEST_F(SaveJpg, ANewFileGetsTheDefaultPermissions) {
    const QString target = path(QStringLiteral("card.jpg"));
    const QString plain = path(QStringLiteral("plain.txt"));
    WriteFileBytes(plain, "x");
    ASSERT_TRUE(SaveJPG(sectionOf(halves()), target, 90));
    EXPECT_EQ(QFile::permissions(target), QFile::permissions(plain));
}

TEST_F(SaveJpg, AReplacedFileKeepsItsPermissionsAndTimes) {
    const QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ReadUser | QFileDevice::WriteUser |
                                                 QFileDevice::ReadGroup;
    const QString target = oldFile(permissions);
    ASSERT_TRUE(SaveJPG(sectionOf(halves()), target, 90));

    const QFileInfo info(target);
    EXPECT_EQ(info.permissions(), permissions);
    EXPECT_EQ(info.lastModified().toUTC(), pastModification);
    EXPECT_EQ(info.lastRead().toUTC(), pastAccess);
    // Reading the new file last: it moves the access time.
    EXPECT_FALSE(QImage(target, "JPEG").isNull());
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("card.jpg")});
}

TEST_F(SaveJpg, AFailedWriteKeepsTheOldFile) {
    const QFileDevice::Permissions permissions =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser;
    const QString target = oldFile(permissions);
    const cDIBSection empty;
    for (const auto& [dib, quality] : {std::pair{&empty, 90}, {nullptr, 0}, {nullptr, 101}}) {
        const cDIBSection picture = sectionOf(halves());
        try {
            SaveJPG(dib ? *dib : picture, target, quality);
            ADD_FAILURE() << "no error for quality " << quality;
        } catch (const VbError& error) {
            EXPECT_EQ(error.number(), VbError::JpegWriter);
            EXPECT_TRUE(error.description().startsWith(QStringLiteral("Failed to save to JPG ")))
                << error.what();
            EXPECT_TRUE(error.source().endsWith(QStringLiteral(".mIntelJPEGLibrary")))
                << error.source().toStdString();
        }
        EXPECT_EQ(ReadFileBytes(target), "older");
        EXPECT_EQ(QFileInfo(target).lastModified().toUTC(), pastModification);
        EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("card.jpg")});
    }
}

TEST_F(SaveJpg, ATargetThatCannotBeReplacedRaisesTheFileError) {
    const QString target = oldFile(QFileDevice::ReadOwner | QFileDevice::ReadUser);
    EXPECT_VB_ERROR(SaveJPG(sectionOf(halves()), target, 90), VbError::PathFileAccessError);
    // The target's error comes before the encoder's, though the file is made while it encodes.
    EXPECT_VB_ERROR(SaveJPG(sectionOf(halves()), target, 0), VbError::PathFileAccessError);
    EXPECT_EQ(ReadFileBytes(target), "older");

    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("sub")));
    EXPECT_VB_ERROR(SaveJPG(sectionOf(halves()), path(QStringLiteral("sub")), 90),
                    VbError::PathFileAccessError);
    EXPECT_VB_ERROR(SaveJPG(sectionOf(halves()), path(QStringLiteral("missing/card.jpg")), 90),
                    VbError::PathNotFound);
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("card.jpg")});
}
