// Each editor's preview on screen against the card the renderer composes for the same
// record: the preview is what is printed.
#include "cardimagefixture.h"

#include "frmCard.h"
#include "frmCard2nd.h"
#include "frmCard3rd.h"
#include "frmCharacter2nd.h"
#include "frmLarge2nd.h"
#include "testrows.h"

#include <QPixmap>
#include <functional>

namespace {
enum class Kind { SmallCard, Character, PlayingPiece, LargeCard };

struct Case {
    const char* name;
    Kind kind;
    qint16 edition;
    FieldValues fields;
    FieldValues setFields = {};
};

const QString kFits = QStringLiteral("Roll one die.");
const QString kWraps = QStringLiteral("At the start of each turn, roll one die: on a 5 or 6 the card stays, "
                                      "otherwise discard it (and any follower it holds).");

QByteArray picture(int width, int height) {
    return bmpBytes(width, height, QColor(40, 120, 200));
}

class PreviewIsPrint : public CardImageFixture, public ::testing::WithParamInterface<Case> {
protected:
    ~PreviewIsPrint() override {
        frmCard2nd.unload();
        frmCard3rd.unload();
        frmCharacter2nd.unload();
        frmLarge2nd.unload();
        frmCard.unload();
    }

    // The preview's card box as the screen shows it, and the canvas composed for it.
    std::pair<QImage, QImage> previewAndPrint(const Case& c) {
        openNewSet(c.edition);
        for (const auto& [field, value] : c.setFields)
            setSetField(field, value);
        switch (c.kind) {
        case Kind::SmallCard: {
            insertCard(1, c.fields);
            SmallCardWindow& editor = c.edition == 2 ? static_cast<SmallCardWindow&>(frmCard2nd.get())
                                                     : static_cast<SmallCardWindow&>(frmCard3rd.get());
            return {shown(editor, editor.picCard), frmCard->picACard.Image().image()};
        }
        case Kind::Character:
        case Kind::PlayingPiece: {
            insertCharacter(1, c.fields);
            FrmCharacter2nd& editor = frmCharacter2nd.get();
            frmCard->CreateCharacter2nd();
            if (c.kind == Kind::Character)
                return {shown(editor, editor.picCharacter), frmCard->picACard.Image().image()};
            return {shown(editor, editor.picPlayingPiece), frmCard->picACardPP.Image().image()};
        }
        case Kind::LargeCard: {
            insertLargeCard(1, c.fields);
            FrmLarge2nd& editor = frmLarge2nd.get();
            return {shown(editor, editor.picCardLarge), frmCard->picACard.Image().image()};
        }
        }
        return {};
    }

    static QImage shown(Form& editor, PictureBox& cardBox) {
        editor.Show();
        return cardBox.clientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

double differingShare(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++differing;
    return double(differing) / (a.width() * a.height());
}
} // namespace

TEST_P(PreviewIsPrint, ThePreviewShowsTheComposedCard) {
    const Case& c = GetParam();
    const auto [preview, print] = previewAndPrint(c);
    ASSERT_EQ(preview.size(), print.size());
    const double share = differingShare(preview, print);
    EXPECT_LT(share, 0.0005) << "share of the pixels that differ";
}

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
        Case{"LargeCardEmptyFrame", Kind::LargeCard, 2, {{"Information", Variant(kFits)}}}),
    [](const ::testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });
