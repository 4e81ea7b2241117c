// frmCard's card image files: the file name from the record and the set's output options,
// the face and back laid out side by side on frmClip.picDone, and the writer of the set's
// picture format. Every file is written under a temporary name and renamed over the old one.
#include "cardimagewriter.h"
#include "cardtables.h"
#include "characterattributes.h"
#include "frmCard.h"
#include "frmCard2nd.h"
#include "frmCard3rd.h"
#include "frmCharacter2nd.h"
#include "frmClip.h"
#include "frmLarge2nd.h"
#include "modData.h"
#include "modSetFonts.h"
#include "picturefilewriter.h"
#include "programfiles.h"
#include "storedvalues.h"

#include "db/dberrors.h"
#include "db/keyedupdate.h"
#include "forms/dialogs.h"
#include "forms/systemcolours.h"
#include "runtime/colour.h"
#include "runtime/vberror.h"

#include <QRegularExpression>
#include <algorithm>

struct FrmCard::CardKind {
    QString code;
    QString noun; // what the user calls a card of the kind
    // The face half's outline; the back half's has the same size beside it.
    int outlineWidth;
    int outlineHeight;
    QString failureTitle;

    CardImageWriter::Failure failure(const VbError& error) const;
};

namespace {
constexpr int kBadFileName = 52;
constexpr qint32 kBlack = 0x0;

const QString kFailure = QStringLiteral("Something went wrong.");
const QString kTwoLineBreaks = QStringLiteral("\r\n\r\n");

bool setOption(const QString& field) {
    return stored::flag(*rsSet, field);
}

// A name that Windows file names cannot hold would, on this platform, write into another
// folder or make a file the old platform's users cannot copy.
bool holdsUnsafeCharacter(const QString& name) {
    static const QString refused = QStringLiteral("\\/:*?\"<>|");
    return std::any_of(name.begin(), name.end(),
                       [](QChar c) { return c.unicode() < 0x20 || refused.contains(c); });
}

void refuseUnsafeName(const QString& fileName) {
    if (holdsUnsafeCharacter(fileName))
        throw VbError(kBadFileName, QStringLiteral("Bad file name or number: %1").arg(fileName));
}

std::shared_ptr<KeyedUpdate> prepareFileNames() {
    return std::make_shared<KeyedUpdate>(cnData->prepareUpdate(
        tableWithoutLargeValues(QStringLiteral("tblCard")), {QStringLiteral("FileName")}));
}

struct SmallCardName {
    QString base;
    QString title;
    std::function<void()> storeOnceWritten; // none when the card has its name
};

// A small card keeps the file name of its first save, so renaming the card later does not
// rename its files. Its title becomes that name only once a file was written under it; the
// batch has moved on to the next card by then, so the row is written by its key, without
// reading it again. `fileNames` is the batch's, or none outside a batch.
SmallCardName smallCardName(std::shared_ptr<KeyedUpdate> fileNames) {
    const QString fileName = stored::text(*rsCard, QStringLiteral("FileName"));
    const QString title = stored::text(*rsCard, QStringLiteral("Title"));
    if (!fileName.isEmpty()) return {fileName, title, {}};
    const qint32 cardID = stored::number(*rsCard, QStringLiteral("CardID"));
    if (!fileNames) fileNames = prepareFileNames();
    return {title, title, [fileNames, cardID, title] { fileNames->run(cardID, {title}); }};
}

// A title on several lines names its file, and is named, on one.
QString oneLine(QString text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return text.replace(lineBreak, QStringLiteral(" "));
}

// The back half, or none when the set leaves the backs out.
std::function<Picture()> backUnlessNoBack(std::function<Picture()> back) {
    if (setOption(QStringLiteral("NoBack"))) return {};
    return back;
}

// The texts the editor shows, which the card was drawn from; none when it is not loaded, so that
// no editor loads here and composes over the canvas.
template <typename Editor, typename Window>
std::vector<CardText> shownTexts(FormInstance<Editor>& editor, std::vector<CardText> (*texts)(Window&)) {
    if (!editor.isLoaded()) return {};
    return texts(editor.get());
}

// The character's attribute boxes print their names in colours of their own.
std::vector<qint32> attributeColours() {
    std::vector<qint32> colours;
    for (const CharacterAttribute& attribute : kCharacterAttributes)
        colours.push_back(attribute.colour);
    return colours;
}

void drawOutline(PictureBox& surface, int left, int width, int height) {
    surface.Line(left, 0, left + width - 1, height - 1, kBlack, LineShape::Box);
}
} // namespace

void FrmCard::SaveTheCard2nd() {
    static const CardKind kind{QStringLiteral("C2"), QStringLiteral("card"), 152, 256,
                               QStringLiteral("Saving the card 2nd.")};
    saveReportingFailure(kind, [this] {
        const SmallCardName name = smallCardName(m_fileNames);
        saveComposedCard(kind, name.base, name.title, qint16(stored::number(*rsCard, QStringLiteral("Nr"))),
                         picACard, drawnColours(picACard, shownTexts(frmCard2nd, smallCardTexts)),
                         backUnlessNoBack([] { return frmCard2nd->picBack.Picture(); }),
                         name.storeOnceWritten);
    });
}

void FrmCard::SaveTheCard3rd() {
    static const CardKind kind{QStringLiteral("C3"), QStringLiteral("card"), 163, 247,
                               QStringLiteral("Saving the card 3rd.")};
    saveReportingFailure(kind, [this] {
        const SmallCardName name = smallCardName(m_fileNames);
        saveComposedCard(kind, name.base, name.title, qint16(stored::number(*rsCard, QStringLiteral("Nr"))),
                         picACard, drawnColours(picACard, shownTexts(frmCard3rd, smallCardTexts)),
                         backUnlessNoBack([] { return frmCard3rd->picBack.Picture(); }),
                         name.storeOnceWritten);
    });
}

void FrmCard::SaveTheCharacter2nd() {
    static const CardKind kind{QStringLiteral("CH2"), QStringLiteral("character"), 304, 256,
                               QStringLiteral("Saving the character 2nd")};
    saveReportingFailure(kind, [this] {
        const QString name = stored::text(*rsCharacter, QStringLiteral("Name"));
        saveComposedCard(
            kind, name, name, qint16(stored::number(*rsCharacter, QStringLiteral("Nr"))), picACard,
            drawnColours(picACard, shownTexts(frmCharacter2nd, characterCardTexts), attributeColours()),
            backUnlessNoBack([] { return frmCharacter2nd->picCharacterBack.Picture(); }));
    });
}

// The piece file always shows the piece twice, whatever NoBack says.
void FrmCard::SaveThePlayingPiece2nd() {
    static const CardKind kind{QStringLiteral("PP2"), QStringLiteral("playing piece"), 152, 256,
                               QStringLiteral("Saving the playing piece 2nd.")};
    saveReportingFailure(kind, [this] {
        const QString name = stored::text(*rsCharacter, QStringLiteral("Name"));
        saveComposedCard(kind, name, name, qint16(stored::number(*rsCharacter, QStringLiteral("Nr"))),
                         picACardPP, drawnColours(picACardPP, shownTexts(frmCharacter2nd, playingPieceTexts)),
                         [this] { return picACardPP.Picture(); });
    });
}

void FrmCard::SaveTheLargeCard() {
    static const CardKind kind{QStringLiteral("LC2"), QStringLiteral("large card"), 304, 256,
                               QStringLiteral("Saving the large card")};
    saveReportingFailure(kind, [this] {
        const QString title = stored::text(*rsLargeCard, QStringLiteral("Title"));
        saveComposedCard(kind, title, title, qint16(stored::number(*rsLargeCard, QStringLiteral("Nr"))),
                         picACard, drawnColours(picACard, shownTexts(frmLarge2nd, largeCardTexts)),
                         backUnlessNoBack([] { return frmLarge2nd->picBackLarge.Picture(); }));
    });
}

// The error's number and description tell which file failed and why.
CardImageWriter::Failure FrmCard::CardKind::failure(const VbError& error) const {
    return {kFailure + kTwoLineBreaks + QString::number(error.number()) + QStringLiteral(", ") +
                error.description(),
            failureTitle, error.number(), error.description()};
}

QString FrmCard::outputFolder() {
    QString folder = stored::text(*rsSet, QStringLiteral("SaveTo"));
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    folder += QLatin1Char('/');
    return folder.replace(QStringLiteral("//"), QStringLiteral("/"));
}

void FrmCard::saveReportingFailure(const CardKind& kind, const std::function<void()>& steps) {
    // The previous card's failure, if its file is still being written, is shown first.
    m_writer.wait();
    m_writtenFiles.expect();
    try {
        steps();
    } catch (const VbError& error) {
        // The database failing is no failure of this card: every card after it would meet it
        // too, so it goes to the batch, which stops.
        if (error.number() == DbError::Engine) throw;
        const CardImageWriter::Failure failure = kind.failure(error);
        MsgBox(failure.text, vbCritical, failure.title);
    }
}

FrmCard::BatchTargets::BatchTargets(FrmCard& renderer) : m_renderer(renderer) {
    m_renderer.m_batchTargets.emplace(outputFolder());
    m_renderer.m_fileNames = prepareFileNames();
    m_renderer.m_writtenFiles.clear();
}

FrmCard::BatchTargets::~BatchTargets() {
    m_renderer.m_batchTargets.reset();
    m_renderer.m_fileNames.reset();
}

std::vector<qint32> FrmCard::drawnColours(const PictureBox& canvas, const std::vector<CardText>& texts,
                                          const std::vector<qint32>& more) {
    std::vector<qint32> colours{vbWhite, vbBlack, canvas.BackColor(),
                                stored::colour(*rsSet, QStringLiteral("ArtistColour"))};
    for (const QString& field : SetFontFields())
        colours.push_back(cardFont(stored::number(*rsSet, field)).colour);
    for (const CardText& text : texts)
        colours.push_back(text.label->ForeColor());
    colours.insert(colours.end(), more.begin(), more.end());
    // A canvas or label may keep a system colour.
    for (qint32& colour : colours)
        colour = fromQColor(displayColour(colour));
    return colours;
}

void FrmCard::saveComposedCard(const CardKind& kind, const QString& baseName, const QString& title, qint16 nr,
                               PictureBox& canvas, std::vector<qint32> drawn,
                               const std::function<Picture()>& back, std::function<void()> written) {
    const QString folder = outputFolder();
    const QString fileName = MakeFileName(baseName, nr, kind.code);
    refuseUnsafeName(fileName);
    // The output folder may be the program's own, or the file a link to one of its files.
    if (m_batchTargets)
        m_batchTargets->refuse(fileName);
    else
        refuseProgramFile(folder + fileName);

    PictureBox& surface = frmClip->picDone;
    surface.setPicture(Picture());
    canvas.setPicture(canvas.Image());
    // Taken before the back, whose editor may compose on the same canvas when it first loads.
    const Picture face = canvas.Picture();
    const double width = canvas.Width();
    surface.setHeight(canvas.Height());
    surface.setWidth(back ? 2 * width : width);
    if (back) surface.PaintPicture(back(), width + 1, 1);
    surface.PaintPicture(face, 1, 1);
    drawOutline(surface, 0, kind.outlineWidth, kind.outlineHeight);
    drawOutline(surface, kind.outlineWidth, kind.outlineWidth, kind.outlineHeight);
    surface.setPicture(surface.Image());

    const QString card = QStringLiteral("%1 %2 \"%3\"").arg(kind.noun).arg(nr).arg(oneLine(title));
    SaveCardImage(folder + fileName, kind, std::move(drawn),
                  [this, fileName, card, written = std::move(written)] {
                      m_writtenFiles.add(fileName, card);
                      if (written) written();
                  });
}

QString FrmCard::MakeFileName(QString name, qint16 nr, QString code) {
    name = oneLine(name);
    if (setOption(QStringLiteral("FileCardNr")))
        name = (QStringLiteral("000") + QString::number(nr)).right(3) + QLatin1Char(' ') + name;
    if (!code.isEmpty()) name = code + QLatin1Char(' ') + name;
    const QString prefix = stored::text(*rsSet, QStringLiteral("FilenamePrefix"));
    if (!prefix.isEmpty()) name = prefix + QLatin1Char(' ') + name;
    if (setOption(QStringLiteral("ReplaceSpace"))) name.replace(QLatin1Char(' '), QLatin1Char('_'));
    return name + QLatin1Char('.') +
           GetPicFormat(stored::number(*rsSet, QStringLiteral("PicFormatID"), kBmp));
}

void FrmCard::SaveCardImage(QString path, const CardKind& kind, std::vector<qint32> exactColours,
                            std::function<void()> written) {
    // The write gets its own copy of the surface: the next card is drawn while it runs.
    const Picture picture = frmClip->picDone.Picture();
    const qint32 format = stored::number(*rsSet, QStringLiteral("PicFormatID"), kBmp);
    BmpToGif& converter = frmClip->BMP2GIF1;
    using Failure = std::optional<CardImageWriter::Failure>;
    m_writer.write(
        [picture, path, format, &converter, kind, exactColours = std::move(exactColours)]() -> Failure {
            try {
                writePictureFile(picture, path, format, converter, exactColours);
                return Failure();
            } catch (const GifWorkFileError& error) {
                // Every card after this one would meet the same work file.
                CardImageWriter::Failure failure = kind.failure(error);
                failure.failsEveryFile = true;
                return failure;
            } catch (const GifConversionError& error) {
                return Failure({kFailure + kTwoLineBreaks + error.description(),
                                QStringLiteral("Saving the card"), error.number(), error.description()});
            } catch (const VbError& error) {
                return kind.failure(error);
            }
        },
        std::move(written));
}

QString FrmCard::pictureFormatFault() {
    const qint32 format = stored::number(*rsSet, QStringLiteral("PicFormatID"), kBmp);
    const QString set = stored::rowName(*rsSet, QStringLiteral("tblSet"));
    if (!hasPictureWriter(format))
        return QStringLiteral("%1 is saved as picture format %2, which this program cannot write.\r\n\r\n"
                              "Choose a save format in this window.")
            .arg(set, QString::number(format));
    if (!pictureFormatEnding(format))
        return QStringLiteral("%1 is saved as picture format %2, whose name in tblPicFormat, which ends each "
                              "file name, cannot be used.\r\n\r\nChoose another save format, or correct "
                              "the name of that format.")
            .arg(set, QString::number(format));
    return {};
}

QString FrmCard::GetPicFormat(qint32 picFormatId) {
    if (const std::optional<QString> ending = pictureFormatEnding(picFormatId)) return *ending;
    throw VbError(VbError::InvalidPropertyValue,
                  QStringLiteral("The name of picture format %1 cannot end a file name.").arg(picFormatId));
}

std::optional<QString> FrmCard::pictureFormatEnding(qint32 picFormatId) {
    strSQL = QStringLiteral("SELECT * FROM tblPicFormat WHERE PicFormatID = ") + QString::number(picFormatId);
    if (m_picFormatDatabase.lock() != cnData) {
        m_picFormats.clear();
        m_picFormatDatabase = cnData;
    }
    if (const auto known = m_picFormats.find(picFormatId); known != m_picFormats.end()) return known->second;
    const RecordsetPtr rs = GetRecordset(strSQL);
    const std::optional<QString> ending =
        rs->eof() ? QStringLiteral("BMP") : stored::name(*rs, QStringLiteral("PicFormat"));
    // A name that cannot be used is read again next time: the user may correct it meanwhile.
    if (!ending || holdsUnsafeCharacter(*ending)) return std::nullopt;
    return m_picFormats.emplace(picFormatId, *ending).first->second;
}
