// Each editor's preview on screen against the card the renderer composes for the same
// record: the preview is what is printed.
#include "cardimagefixture.h"

#include "frmCard.h"
#include "frmCard2nd.h"
#include "frmCard3rd.h"
#include "frmCharacter2nd.h"
#include "frmLarge2nd.h"
#include "frmMaster.h"
#include "testrows.h"

#include "database/backpicture.h"

#include "frmCreate.h"

#include "modData.h"
#include "runtime/colour.h"

#include <QCoreApplication>
#include <QPixmap>
#include <stdexcept>

namespace {
enum class Kind { SmallCard, Character, PlayingPiece, LargeCard };

struct Case {
    const char* name;
    Kind kind;
    qint16 edition;
    FieldValues fields;
    FieldValues setFields = {};
    // A card shown first, from which the case's card is reached with ">".
    FieldValues before = {};
    // The set's font of the card's title or name, when the case prints it in kTitleColour.
    const char* titleFont = nullptr;
};

// Share of the pixels in which the preview may differ from the print.
constexpr double kMostDiffering = 0.0005;

const QString kFits = QStringLiteral("Roll one die.");
const QString kWraps = QStringLiteral("At the start of each turn, roll one die: on a 5 or 6 the card stays, "
                                      "otherwise discard it (and any follower it holds).");
// Runs far past the bottom of any information box.
const QString kOverflows = (kWraps + QStringLiteral(" ")).repeated(10);
const QString kBefore = QStringLiteral("EARLIER");
// Their accents stand above the top of the line in the set's bold title face.
const QString kAccented = QStringLiteral("ÉÅ").repeated(16);

const qint32 kDark = 0x302010;

QByteArray picture(int width, int height) {
    return bmpBytes(width, height, QColor(40, 120, 200));
}

// Every shade of red against every shade of green: more colours than a GIF palette holds.
QByteArray spectrum(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x + y) % 256));
    return bmpBytes(image);
}

// A patchwork of `count` colours from the `first` of 900, in squares of `side` pixels, each colour
// in squares all over it. None of the 900 is kTitleColour.
QByteArray patchwork(int width, int height, int side, int first, int count) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int colour = first + (x / side * 37 + y / side * 101) % count;
            image.setPixel(x, y,
                           qRgb(25 + colour % 10 * 20, 25 + colour / 10 % 10 * 20, 25 + colour / 100 * 20));
        }
    return bmpBytes(image);
}

const qint32 kTitleColour = RGB(128, 64, 0);

QString fileNamePrefix(const Case& c) {
    switch (c.kind) {
    case Kind::SmallCard:
        return QStringLiteral("C%1 ").arg(c.edition);
    case Kind::Character:
        return QStringLiteral("CH2 ");
    case Kind::PlayingPiece:
        return QStringLiteral("PP2 ");
    case Kind::LargeCard:
        return QStringLiteral("LC2 ");
    }
    return {};
}

class PreviewAgainstPrint : public CardImageFixture {
protected:
    ~PreviewAgainstPrint() override {
        frmCreate.unload();
        frmCard2nd.unload();
        frmCard3rd.unload();
        frmCharacter2nd.unload();
        frmLarge2nd.unload();
        frmCard.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Opens the case's editor on its card, reached with ">" from the card before it when
    // there is one, and gives the box that shows it.
    PictureBox& show(const Case& c) {
        openNewSet(c.edition);
        // Shown only where a case's set uses its symbol.
        frmMaster->picSetSymbol.setPicture(Picture(QImage::fromData(bmpBytes(14, 14, QColor(250, 230, 0)))));
        for (const auto& [field, value] : c.setFields)
            setSetField(field, value);
        if (c.titleFont)
            cnData->execute(QStringLiteral("UPDATE tblFont SET Colour = %1 WHERE FontID = %2")
                                .arg(kTitleColour)
                                .arg(setField(QString::fromLatin1(c.titleFont)).toLong()));
        const bool reached = !c.before.empty();
        const auto rows = [&](const auto& insert, const QString& nameField) {
            if (reached) {
                FieldValues before = c.before;
                before[nameField] = Variant(kBefore);
                insert(1, before);
            }
            insert(reached ? 2 : 1, c.fields);
        };
        switch (c.kind) {
        case Kind::SmallCard: {
            rows([&](int nr, const FieldValues& fields) { insertCard(nr, fields); }, QStringLiteral("Title"));
            SmallCardWindow& editor = c.edition == 2 ? static_cast<SmallCardWindow&>(frmCard2nd.get())
                                                     : static_cast<SmallCardWindow&>(frmCard3rd.get());
            if (reached) editor.cmdCardNav[2].Click();
            editor.Show();
            return editor.picCard;
        }
        case Kind::Character:
        case Kind::PlayingPiece: {
            rows([&](int nr, const FieldValues& fields) { insertCharacter(nr, fields); },
                 QStringLiteral("Name"));
            FrmCharacter2nd& editor = frmCharacter2nd.get();
            if (reached) editor.cmdCharNav[2].Click();
            editor.Show();
            return c.kind == Kind::Character ? editor.picCharacter : editor.picPlayingPiece;
        }
        case Kind::LargeCard: {
            rows([&](int nr, const FieldValues& fields) { insertLargeCard(nr, fields); },
                 QStringLiteral("Title"));
            FrmLarge2nd& editor = frmLarge2nd.get();
            if (reached) editor.cmdCardNav[2].Click();
            editor.Show();
            return editor.picCardLarge;
        }
        }
        throw std::logic_error("no such kind");
    }

    static QImage shown(PictureBox& cardBox) {
        return cardBox.clientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The face of the case's card in the file that "Create all cards" writes for it.
    QImage printed(const Case& c, QSize face) {
        return printedFile(c).copy(QRect(QPoint(1, 1), face)).convertToFormat(QImage::Format_RGB32);
    }

    // The file that "Create all cards" writes for the case's card.
    QImage printedFile(const Case& c) {
        frmCreate->txtSaveTo.setText(outputFolder);
        frmCreate->chk2ndCard.setValue(c.kind == Kind::SmallCard ? vbChecked : vbUnchecked);
        frmCreate->chk2ndChar.setValue(
            c.kind == Kind::Character || c.kind == Kind::PlayingPiece ? vbChecked : vbUnchecked);
        frmCreate->chk2ndLarge.setValue(c.kind == Kind::LargeCard ? vbChecked : vbUnchecked);
        frmCreate->cmdCreate.Click();
        const QString prefix = fileNamePrefix(c);
        for (const QString& file : outputFiles())
            if (file.startsWith(prefix) && !file.contains(kBefore)) return outputImage(file);
        ADD_FAILURE() << "no file for the card among " << outputFiles().join(", ").toStdString();
        return {};
    }
};

class PreviewIsPrint : public PreviewAgainstPrint, public ::testing::WithParamInterface<Case> {};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

// How far a lossy file is from the preview: the mean difference per channel, in levels of 255, the
// share of the white pixels that are no longer white, and the pixels of kTitleColour and how many
// of them lost it.
struct Difference {
    double mean = 0;
    double whiteLost = 0;
    int title = 0;
    int titleLost = 0;
};

Difference difference(const QImage& preview, const QImage& print) {
    const QRgb title = toQColor(kTitleColour).rgb();
    Difference found;
    double levels = 0;
    int white = 0, whiteLost = 0;
    for (int y = 0; y < preview.height(); ++y)
        for (int x = 0; x < preview.width(); ++x) {
            const QRgb a = preview.pixel(x, y), b = print.pixel(x, y);
            levels += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
            if (a == qRgb(255, 255, 255)) {
                ++white;
                if (b != a) ++whiteLost;
            }
            if (a == title) {
                ++found.title;
                if (b != a) ++found.titleLost;
            }
        }
    found.mean = levels / (3.0 * preview.width() * preview.height());
    found.whiteLost = white ? double(whiteLost) / white : 0;
    return found;
}

double differingShare(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++differing;
    return double(differing) / (a.width() * a.height());
}
} // namespace

TEST_P(PreviewIsPrint, ThePreviewShowsTheCardAsTheBatchWritesIt) {
    const Case& c = GetParam();
    const QImage preview = shown(show(c));
    const QImage print = printed(c, preview.size());
    ASSERT_EQ(preview.size(), print.size());
    EXPECT_LT(differingShare(preview, print), kMostDiffering) << "share of the pixels that differ";
}

// The comparison sees a short text one pixel off its place.
TEST_F(PreviewAgainstPrint, ATitleOnePixelOffIsADifference) {
    const Case c{"ShortTitle", Kind::SmallCard, 2, {{"Title", Variant(QStringLiteral("OLD TOWER"))}}};
    PictureBox& cardBox = show(c);
    const QImage print = printed(c, shown(cardBox).size());
    frmCard2nd->lblTitle.setLeft(frmCard2nd->lblTitle.Left() + 1);
    EXPECT_GT(differingShare(shown(cardBox), print), kMostDiffering);
}

// Clearing "Use picture" lays the text column out as the print has it.
TEST_F(PreviewAgainstPrint, ALargeCardWhosePictureIsTurnedOffShowsItsPrint) {
    const Case c{"PictureTurnedOff", Kind::LargeCard, 2, {{"Information", Variant(kWraps)}}};
    PictureBox& cardBox = show(c);
    frmLarge2nd->chkShowPictureLarge.setValue(vbUnchecked);
    const QImage preview = shown(cardBox);
    EXPECT_LT(differingShare(preview, printed(c, preview.size())), kMostDiffering);
}

namespace {
class BackPreviewIsPrint : public PreviewAgainstPrint, public ::testing::WithParamInterface<Case> {};
} // namespace

// A back smaller than the back half leaves the file white around it, and so the preview.
TEST_P(BackPreviewIsPrint, TheBackPreviewShowsTheBackAsTheBatchWritesIt) {
    Case c = GetParam();
    const Variant small(picture(60, 40));
    const bool smallCard = c.kind == Kind::SmallCard;
    if (c.kind == Kind::LargeCard) {
        c.fields["LargeCardBack"] = small;
    } else {
        const QString key = smallCard ? "CardBackID" : "CharacterBackID";
        c.fields[key] = Variant(insertRow(smallCard ? "tblCardBack" : "tblCharacterBack", key,
                                          {{"BackText", Variant("Small")},
                                           {"Picture", small},
                                           {"LanguageID", Variant(1)},
                                           {"EditionID", Variant(int(c.edition))},
                                           {"Original", Variant(false)}},
                                          {}));
    }
    show(c);
    PictureBox& back = smallCard ? (c.edition == 2 ? frmCard2nd->picBack : frmCard3rd->picBack)
                       : c.kind == Kind::Character ? frmCharacter2nd->picCharacterBack
                                                   : frmLarge2nd->picBackLarge;
    const QImage preview = shown(back);
    const QImage file = printedFile(c);
    EXPECT_EQ(preview.size(), QSize(file.width() / 2 - 2, file.height() - 2));
    const QImage print = file.copy(QRect(QPoint(file.width() / 2 + 1, 1), preview.size()));
    EXPECT_EQ(differingShare(preview, print.convertToFormat(QImage::Format_RGB32)), 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    EveryBack, BackPreviewIsPrint,
    ::testing::Values(Case{"SmallSecond", Kind::SmallCard, 2, {}}, Case{"SmallThird", Kind::SmallCard, 3, {}},
                      Case{"Character", Kind::Character, 2, {}}, Case{"LargeCard", Kind::LargeCard, 2, {}}),
    [](const ::testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });

// A GIF or JPG file is the preview within its format's bound: a GIF keeps the card's white and its
// text colours exact, whatever colours its pictures hold, and approximates only the pictures; a JPG
// stays within its loss.
struct FormatCase {
    Case card;
    qint32 picFormatID;
    double mostMeanDifference;
    double mostWhiteLost;
};

class PrintInEachFormat : public PreviewAgainstPrint, public ::testing::WithParamInterface<FormatCase> {};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.card.name << (c.picFormatID == 2 ? " JPG" : " GIF");
}

TEST_P(PrintInEachFormat, TheFileIsThePreviewWithinItsFormatsBound) {
    const FormatCase& c = GetParam();
    const QImage preview = shown(show(c.card));
    setSetField("PicFormatID", c.picFormatID);
    const QImage print = printed(c.card, preview.size());
    ASSERT_EQ(preview.size(), print.size());
    const Difference found = difference(preview, print);
    EXPECT_LE(found.mean, c.mostMeanDifference) << "mean difference per channel";
    EXPECT_LE(found.whiteLost, c.mostWhiteLost) << "share of the white pixels lost";
    if (!c.card.titleFont) return;
    EXPECT_GT(found.title, 0) << "pixels of the title's colour";
    EXPECT_EQ(found.titleLost, 0) << "title pixels no longer of its colour";
}

const Case kSpectrumCard{"SpectrumCard",
                         Kind::SmallCard,
                         2,
                         {{"Title", Variant(QStringLiteral("OLD TOWER"))},
                          {"Information", Variant(kWraps)},
                          {"UsePicture", Variant(true)},
                          {"Picture", Variant(spectrum(139, 105))}}};
const Case kSpectrumCharacter{"SpectrumCharacter",
                              Kind::Character,
                              2,
                              {{"Name", Variant(QStringLiteral("WANDERER"))},
                               {"Abilities", Variant(kWraps)},
                               {"Picture", Variant(spectrum(140, 100))}}};
const Case kDarkLargeCard{"DarkLargeCard",
                          Kind::LargeCard,
                          2,
                          {{"BGColour", Variant(kDark)},
                           {"Information", Variant(kWraps)},
                           {"Picture", Variant(shadedBmpBytes(150, 200))}}};
const Case kTextCard{"TextCard", Kind::SmallCard, 2, {{"Information", Variant(kOverflows)}}};
// Over a background of 200 flat colours in large patches, a picture of 700 more in small ones: the
// palette has no room for every flat colour, and the background's have more pixels than the title's.
Case patchworkCase(const char* name, Kind kind, const char* titleFont, const QString& background, QSize size,
                   QSize picture, FieldValues fields) {
    fields[background] = Variant(patchwork(size.width(), size.height(), 8, 0, 200));
    fields["Picture"] = Variant(patchwork(picture.width(), picture.height(), 3, 200, 700));
    return {name, kind, 2, fields, {}, {}, titleFont};
}
const Case kPatchworkCard =
    patchworkCase("PatchworkCard", Kind::SmallCard, "CardTitleFontID", "Background", {150, 254}, {139, 105},
                  {{"Title", Variant(QStringLiteral("OLD TOWER"))}, {"UsePicture", Variant(true)}});
const Case kPatchworkCharacter =
    patchworkCase("PatchworkCharacter", Kind::Character, "CharacterNameFontID", "Background", {276, 228},
                  {140, 100}, {{"Name", Variant(QStringLiteral("ELF"))}});
const Case kPatchworkLargeCard = patchworkCase("PatchworkLargeCard", Kind::LargeCard, "CardLargeTitleFontID",
                                               "BGPicture", {302, 254}, {150, 200}, {});

INSTANTIATE_TEST_SUITE_P(
    GifAndJpg, PrintInEachFormat,
    ::testing::Values(FormatCase{kSpectrumCard, 3, 3, 0}, FormatCase{kSpectrumCharacter, 3, 3, 0},
                      FormatCase{kDarkLargeCard, 3, 3, 0}, FormatCase{kTextCard, 3, 0, 0},
                      FormatCase{kPatchworkCard, 3, 5, 0}, FormatCase{kPatchworkCharacter, 3, 5, 0},
                      FormatCase{kPatchworkLargeCard, 3, 5, 0}, FormatCase{kSpectrumCard, 2, 3, 1},
                      FormatCase{kDarkLargeCard, 2, 3, 1}, FormatCase{kTextCard, 2, 3, 1}),
    [](const ::testing::TestParamInfo<FormatCase>& param) {
        return std::string(param.param.card.name) + (param.param.picFormatID == 2 ? "Jpg" : "Gif");
    });

INSTANTIATE_TEST_SUITE_P(
    EveryKind, PreviewIsPrint,
    ::testing::Values(
        Case{"SmallSecondFits",
             Kind::SmallCard,
             2,
             {{"Title", Variant(QStringLiteral("OLD TOWER"))},
              {"BoldText", Variant(QStringLiteral("STRENGTH+1"))},
              {"Information", Variant(kFits)},
              {"Artist", Variant(QStringLiteral("Ann Artist"))},
              {"UsePicture", Variant(true)},
              {"Picture", Variant(picture(100, 80))}},
             {{"Autonumber", Variant(true)}}},
        Case{"SmallSecondWrapsInAnEmptyFrame",
             Kind::SmallCard,
             2,
             {{"Information", Variant(kWraps)}, {"OneLine", Variant(true)}, {"UsePicture", Variant(true)}}},
        Case{"SmallSecondTitleWiderThanItsLabel",
             Kind::SmallCard,
             2,
             {{"Title", Variant(QStringLiteral("THE OLD TOWER ON THE WINDSWEPT HILL"))}}},
        Case{"SmallThirdInTheSetsFace",
             Kind::SmallCard,
             3,
             {{"Title", Variant(QStringLiteral("Old Tower"))},
              {"BoldText", Variant(QStringLiteral("CRAFT 2"))},
              {"Information", Variant(kWraps)},
              {"UsePicture", Variant(true)},
              {"Picture", Variant(picture(200, 60))}}},
        Case{"CharacterWithoutBackground",
             Kind::Character,
             2,
             {{"Name", Variant(QStringLiteral("WANDERER"))},
              {"Abilities", Variant(kWraps)},
              {"Picture", Variant(picture(60, 90))}},
             {{"Autonumber", Variant(true)}}},
        Case{"CharacterOnItsBackground",
             Kind::Character,
             2,
             {{"Abilities", Variant(kFits)},
              {"Background", Variant(bmpBytes(276, 228, QColor(250, 240, 200)))}}},
        Case{"PlayingPiece",
             Kind::PlayingPiece,
             2,
             {{"Name", Variant(QStringLiteral("WANDERER"))}, {"PlayingPiece", Variant(picture(80, 120))}}},
        Case{"LargeCardWraps",
             Kind::LargeCard,
             2,
             {{"Title", Variant(QStringLiteral("THE GREAT GATE OF THE NORTHERN PASS\r\nSECOND LINE"))},
              {"Information", Variant(kWraps)},
              {"Picture", Variant(picture(90, 200))}},
             {{"Autonumber", Variant(true)}}},
        Case{"LargeCardEmptyFrame", Kind::LargeCard, 2, {{"Information", Variant(kFits)}}},
        // Frames on a dark card: the picture covers what the preview shows it covering, and
        // where it does not reach the frame stays white in both.
        Case{"SmallSecondResizeMovedLeft",
             Kind::SmallCard,
             2,
             {{"BGColour", Variant(kDark)},
              {"UsePicture", Variant(true)},
              {"Picture", Variant(shadedBmpBytes(100, 80))},
              {"Resize", Variant(true)},
              {"PicLeft", Variant(-150)}}},
        Case{"SmallThirdResizeMovedLeftAndUpBorderless",
             Kind::SmallCard,
             3,
             {{"BGColour", Variant(kDark)},
              {"UsePicture", Variant(true)},
              {"Picture", Variant(shadedBmpBytes(120, 150))},
              {"Resize", Variant(true)},
              {"UseFrame", Variant(false)},
              {"PicLeft", Variant(-225)},
              {"PicTop", Variant(-150)}}},
        Case{"SmallSecondResizeBorderlessMovedRightAndDown",
             Kind::SmallCard,
             2,
             {{"BGColour", Variant(kDark)},
              {"UsePicture", Variant(true)},
              {"Picture", Variant(shadedBmpBytes(90, 60))},
              {"Resize", Variant(true)},
              {"UseFrame", Variant(false)},
              {"PicLeft", Variant(300)},
              {"PicTop", Variant(150)}}},
        Case{"SmallSecondBorderlessMovedLeftAndUp",
             Kind::SmallCard,
             2,
             {{"BGColour", Variant(kDark)},
              {"UsePicture", Variant(true)},
              {"Picture", Variant(shadedBmpBytes(200, 150))},
              {"UseFrame", Variant(false)},
              {"PicLeft", Variant(-150)},
              {"PicTop", Variant(-150)}}},
        Case{"SmallThirdSmallPictureMovedRightAndDown",
             Kind::SmallCard,
             3,
             {{"BGColour", Variant(kDark)},
              {"UsePicture", Variant(true)},
              {"Picture", Variant(shadedBmpBytes(60, 40))},
              {"PicLeft", Variant(300)},
              {"PicTop", Variant(150)}}},
        Case{"CharacterBorderlessMovedLeftAndUp",
             Kind::Character,
             2,
             {{"Picture", Variant(shadedBmpBytes(200, 300))},
              {"UseFrame", Variant(false)},
              {"PicLeft", Variant(-150)},
              {"PicTop", Variant(-150)}}},
        Case{"PlayingPieceMovedLeftAndUp",
             Kind::PlayingPiece,
             2,
             {{"PlayingPiece", Variant(shadedBmpBytes(200, 300))},
              {"PPLeft", Variant(-150)},
              {"PPTop", Variant(-150)}}},
        Case{"LargeCardResizeMovedUp",
             Kind::LargeCard,
             2,
             {{"BGColour", Variant(kDark)},
              {"Picture", Variant(shadedBmpBytes(90, 200))},
              {"Resize", Variant(true)},
              {"PicTop", Variant(-150)}}},
        Case{"LargeCardResizeMovedUpAndLeftBorderless",
             Kind::LargeCard,
             2,
             {{"BGColour", Variant(kDark)},
              {"Picture", Variant(shadedBmpBytes(150, 120))},
              {"Resize", Variant(true)},
              {"UseFrame", Variant(false)},
              {"PicLeft", Variant(-150)},
              {"PicTop", Variant(-225)}}},
        Case{"LargeCardBorderlessMovedLeft",
             Kind::LargeCard,
             2,
             {{"BGColour", Variant(kDark)},
              {"Picture", Variant(shadedBmpBytes(200, 300))},
              {"UseFrame", Variant(false)},
              {"PicLeft", Variant(-300)}}},
        Case{"LargeCardWithoutPictureAfterOneWith",
             Kind::LargeCard,
             2,
             {{"UsePicture", Variant(false)}, {"Information", Variant(kWraps)}},
             {},
             {{"Picture", Variant(picture(90, 200))}}},
        Case{"SmallThirdInformationOverTheTypeRow",
             Kind::SmallCard,
             3,
             {{"Number", Variant(QStringLiteral("12"))}, {"Information", Variant(kOverflows)}}},
        Case{"SmallSecondInformationOverTheWatermark",
             Kind::SmallCard,
             2,
             {{"Information", Variant(kOverflows)}},
             {{"Autonumber", Variant(true)}}},
        Case{"SmallSecondInformationOverTheSymbol",
             Kind::SmallCard,
             2,
             {{"Information", Variant(kOverflows)}},
             {{"UseSymbol", Variant(true)}}},
        // Half pixels stored by another tool: the frame is rounded as the editor shows it.
        Case{"SmallSecondFrameAtHalfPixels",
             Kind::SmallCard,
             2,
             {{"UsePicture", Variant(true)},
              {"Picture", Variant(picture(100, 80))},
              {"Resize", Variant(true)},
              {"PicLeft", Variant(307.5)},
              {"PicTop", Variant(-37.5)},
              {"PicHeight", Variant(105.5)}}},
        Case{"LargeCardInformationOverflows",
             Kind::LargeCard,
             2,
             {{"Information", Variant(kOverflows)}},
             {{"Autonumber", Variant(true)}}},
        Case{"CharacterAbilitiesOverTheBar", Kind::Character, 2, {{"Abilities", Variant(kOverflows)}}},
        Case{"SmallSecondAccentedTitle", Kind::SmallCard, 2, {{"Title", Variant(kAccented)}}},
        Case{"LargeCardAccentedTitle", Kind::LargeCard, 2, {{"Title", Variant(kAccented)}}}),
    [](const ::testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });
