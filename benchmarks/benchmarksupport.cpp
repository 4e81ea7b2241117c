#include "benchmarksupport.h"

#include "createdatabase.h"
#include "modData.h"
#include "modSetFonts.h"

#include "runtime/app.h"
#include "runtime/settings.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <sys/resource.h>
#include <unistd.h>

BenchmarkFolder::BenchmarkFolder() {
    App::setPath(m_dir.path());
    setSettingsFolder(m_dir.filePath(QStringLiteral("settings")));
    createDatabase(m_dir.filePath(QStringLiteral("zqj.mdb")));
    OpenDatabase();
    if (!DatabaseFound) qFatal("the benchmark's database did not open");
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

double currentMegabytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

double writtenMegabytes() {
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("wchar:")) return line.mid(6).trimmed().toDouble() / (1024.0 * 1024.0);
    }
    return 0;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 90);
    return bytes;
}

QImage gradient(int width, int height, int seed) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient fill(0, 0, width, height);
    fill.setColorAt(0, QColor::fromHsv((seed * 37) % 360, 200, 230));
    fill.setColorAt(1, QColor::fromHsv((seed * 37 + 120) % 360, 160, 90));
    painter.fillRect(image.rect(), fill);
    painter.setPen(Qt::white);
    painter.drawEllipse(QRect(10, 10, width - 20, height - 20));
    return image;
}

QString longInformation(int card) {
    QString text;
    for (int paragraph = 0; paragraph < 3; ++paragraph) {
        if (paragraph > 0) text += QStringLiteral("\r\n");
        text += QStringLiteral("Card %1 paragraph %2: the bearer may move one extra space, then draw a card "
                               "and keep it if the roll is even; otherwise it is discarded face down.")
                    .arg(card)
                    .arg(paragraph + 1);
    }
    return text;
}

qint32 addSet(const QString& name) {
    RecordsetPtr set;
    OpenRecordset(QStringLiteral("SELECT * FROM tblSet"), set);
    set->addNew();
    set->field(QStringLiteral("SetName")) = name;
    set->field(QStringLiteral("EditionID")) = 2;
    set->field(QStringLiteral("LanguageID")) = 1;
    set->field(QStringLiteral("DefaultCardTypeID")) = 0;
    set->field(QStringLiteral("DefaultCardBackID")) = 0;
    set->field(QStringLiteral("ArtistColour")) = 0x7F7F7F;
    set->field(QStringLiteral("PicFormatID")) = 1;
    set->field(QStringLiteral("Autonumber")) = true;
    CreateSetFonts(*set);
    set->update();
    set->moveLast();
    return set->field(QStringLiteral("SetID")).toLong();
}

CardWriter::CardWriter(qint32 setID)
    : m_setID(setID), m_types(GetRecordset(QStringLiteral("SELECT * FROM tblCardType WHERE EditionID = 2"))),
      m_backs(GetRecordset(QStringLiteral("SELECT * FROM tblCardBack WHERE EditionID = 2"))) {
    OpenRecordset(QStringLiteral("SELECT * FROM tblCard WHERE SetID = ") + QString::number(setID), m_cards);
}

void CardWriter::add(int nr, const QByteArray& picture, const QByteArray& background) {
    Recordset& card = *m_cards;
    card.addNew();
    card.field(QStringLiteral("SetID")) = m_setID;
    card.field(QStringLiteral("Nr")) = nr;
    card.field(QStringLiteral("Title")) = QStringLiteral("CARD %1").arg(nr);
    card.field(QStringLiteral("Copies")) = 1;
    card.field(QStringLiteral("CardTypeID")) = m_types->field(QStringLiteral("CardTypeID")).toLong();
    card.field(QStringLiteral("Number")) = m_types->field(QStringLiteral("Number")).toText();
    card.field(QStringLiteral("UsePicture")) = true;
    card.field(QStringLiteral("UseFrame")) = true;
    card.field(QStringLiteral("PicTop")) = 0;
    card.field(QStringLiteral("PicLeft")) = 0;
    card.field(QStringLiteral("PicHeight")) = 105;
    card.field(QStringLiteral("Artist")) = QStringLiteral("Artist %1").arg(nr);
    card.field(QStringLiteral("BoldText")) = QStringLiteral("STRENGTH +1");
    card.field(QStringLiteral("Information")) = longInformation(nr);
    card.field(QStringLiteral("CardBackID")) = m_backs->field(QStringLiteral("CardBackID")).toLong();
    card.field(QStringLiteral("BGColour")) = 0xFFFFFF;
    card.field(QStringLiteral("FileName")) = QString();
    card.field(QStringLiteral("Picture")) = picture;
    card.field(QStringLiteral("Background")) = background;
    card.update();
}
