// A character card and its playing piece composed from the character editor's preview.
#include "cardimagefixture.h"

#include "cardresources.h"
#include "frmCard.h"
#include "frmCharacter2nd.h"
#include "testrows.h"

#include <QColor>

namespace {
const QColor kPicture(Qt::red);
const QColor kBackground(Qt::blue);
const QColor kPiece(Qt::green);

class ComposeCharacter : public CardImageFixture {
protected:
    ~ComposeCharacter() override { frmCard.unload(); }

    // The one character of a new set, shown in the editor and composed.
    FrmCharacter2nd& composed(const FieldValues& fields, const FieldValues& setFields = {}) {
        frmCharacter2nd.unload();
        openNewSet(2);
        for (const auto& [field, value] : setFields)
            setSetField(field, value);
        insertCharacter(1, fields);
        FrmCharacter2nd& editor = frmCharacter2nd.get();
        frmCard->CreateCharacter2nd();
        return editor;
    }
    static QImage card() { return frmCard->picACard.Image().image(); }
    static QImage piece() { return frmCard->picACardPP.Image().image(); }
    static QColor at(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

    // The rows of an area where the image differs from `base`, as runs of rows.
    static std::vector<std::pair<int, int>> inkRuns(const QImage& image, const QImage& base,
                                                    const QRect& area) {
        std::vector<std::pair<int, int>> runs;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            bool ink = false;
            for (int x = area.left(); x <= area.right() && !ink; ++x)
                ink = image.pixel(x, y) != base.pixel(x, y);
            if (!ink) continue;
            if (!runs.empty() && runs.back().second == y - 1)
                runs.back().second = y;
            else
                runs.emplace_back(y, y);
        }
        return runs;
    }
};
} // namespace

// The background box stands at (13, 13): the frame inside it at (1, 1) lands at (14, 14).
TEST_F(ComposeCharacter, TheCardTakesThePreviewsPlacesShiftedByTheBackgroundBox) {
    FrmCharacter2nd& editor = composed({{"Picture", Variant(bmpBytes(40, 30, kPicture))},
                                        {"PicLeft", Variant(-150)}, // -10 pixels
                                        {"PicTop", Variant(-75)},   // -5 pixels
                                        {"Background", Variant(bmpBytes(276, 228, kBackground))}});
    const QImage image = card();
    ASSERT_EQ(image.size(), QSize(302, 254));

    // The picture cropped by its offsets and drawn at the frame's inner corner.
    EXPECT_EQ(at(image, 14, 14), QColor(Qt::black));
    EXPECT_EQ(at(image, 14 + 120, 14 + 217), QColor(Qt::black));
    EXPECT_EQ(at(image, 15, 15), kPicture);
    EXPECT_EQ(at(image, 15 + 29, 15 + 24), kPicture);
    EXPECT_EQ(at(image, 15 + 30, 15 + 24), QColor(Qt::white));
    EXPECT_EQ(at(image, 15 + 29, 15 + 25), QColor(Qt::white));
    EXPECT_EQ(at(image, 287, 213), kBackground);

    for (PictureBox& box : editor.picCharAttrDisp)
        EXPECT_EQ(image.copy(int(box.Left()), int(box.Top()), 12, 52),
                  box.Picture().image().convertToFormat(image.format()))
            << box.Name().toStdString();
}

TEST_F(ComposeCharacter, WithoutPictureOrBackgroundTheTemplateShowsThrough) {
    struct Case {
        bool usePicture;
        const char* picture; // nullptr: none
        QColor frameCorner, insideFrame;
    };
    const QImage base = characterTemplatePicture().image();
    for (const Case& c : {Case{false, "yes", base.pixel(14, 14), base.pixel(60, 60)},
                          Case{true, nullptr, Qt::black, Qt::white}}) {
        SCOPED_TRACE(c.usePicture);
        FieldValues fields{{"UsePicture", Variant(c.usePicture)}, {"UseFrame", Variant(true)}};
        if (c.picture) fields["Picture"] = Variant(bmpBytes(40, 30, kPicture));
        composed(fields);
        const QImage image = card();
        EXPECT_EQ(at(image, 14, 14), c.frameCorner);
        EXPECT_EQ(at(image, 60, 60), c.insideFrame);
        EXPECT_EQ(at(image, 287, 213), QColor(base.pixel(287, 213)));
    }
}

// Texts from the labels' places; the abilities from the record, a blank line counted; the
// number only with the set's option.
TEST_F(ComposeCharacter, TextsStandOnTheirLabels) {
    const QImage base = characterTemplatePicture().image();
    for (const bool autonumber : {true, false}) {
        SCOPED_TRACE(autonumber);
        FrmCharacter2nd& editor = composed({{"Name", Variant("HERO")},
                                            {"UsePicture", Variant(false)},
                                            {"Abilities", Variant("Flies\r\n\r\nSwims")}},
                                           {{"Autonumber", Variant(autonumber)}});
        const QImage image = card();
        const auto name = inkRuns(image, base, QRect(80, 0, 140, 13));
        EXPECT_EQ(name.size(), 1u);

        const QRect special(13 + int(editor.lblSpecial.Left()), 13 + int(editor.lblSpecial.Top()),
                            int(editor.lblSpecial.Width()), 100);
        const auto lines = inkRuns(image, base, special);
        ASSERT_EQ(lines.size(), 2u);
        const int lineHeight = lines[0].second - lines[0].first + 1;
        EXPECT_GE(lines[1].first - lines[0].first, 2 * lineHeight - 2); // line 2, not line 1

        const QRect number(15, 233, 13, 9);
        EXPECT_EQ(inkRuns(image, base, number).empty(), !autonumber);
    }
}

TEST_F(ComposeCharacter, ThePieceHasItsPictureOutlineAndName) {
    composed({{"Name", Variant("HERO")}, {"PlayingPiece", Variant(bmpBytes(20, 10, kPiece))}});
    const QImage image = piece();
    ASSERT_EQ(image.size(), QSize(150, 254));
    EXPECT_EQ(at(image, 8, 8), QColor(Qt::black));
    EXPECT_EQ(at(image, 141, 246), QColor(Qt::black));
    EXPECT_EQ(at(image, 9, 24), kPiece);
    EXPECT_EQ(at(image, 28, 33), kPiece);
    EXPECT_EQ(at(image, 29, 33), QColor(Qt::white)); // the frame's white field
    EXPECT_EQ(at(image, 4, 4), QColor(Qt::white));   // unpainted: the window colour
    QImage blank(image.size(), image.format());
    blank.fill(image.pixel(74, 2));
    EXPECT_EQ(inkRuns(image, blank, QRect(9, 10, 132, 13)).size(), 1u);
    EXPECT_FALSE(inkRuns(image, blank, QRect(0, 247, 150, 7)).empty()); // the watermark
}

// The white titles need a dark ground and no line through them; the black texts of the
// background box need white, which the card shows when it has no background picture.
TEST_F(ComposeCharacter, TheTemplateIsDarkUnderTheWhiteTitlesAndWhiteUnderTheBackgroundBox) {
    const FrmCharacter2nd& editor = composed({});
    const QImage base = editor.picCharacter.Picture().image();
    ASSERT_EQ(base, characterTemplatePicture().image().convertToFormat(base.format()));
    const auto area = [](const Control& control) {
        return QRect(int(control.Left()), int(control.Top()), int(control.Width()), int(control.Height()));
    };
    for (const Label* title : {&editor.lblCharacter, &editor.lblObjects, &editor.lblFollowers}) {
        const QRect under = area(*title);
        for (int y = under.top(); y <= under.bottom(); ++y)
            for (int x = under.left(); x <= under.right(); ++x)
                ASSERT_LT(base.pixelColor(x, y).lightness(), 80)
                    << title->Name().toStdString() << " at " << x << "," << y;
    }
    const QRect box = area(editor.picBackgroundChar);
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            ASSERT_EQ(base.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
}

// Moved 10 pixels left, a picture wider than its frame spans the frame's width from the inner
// corner: up to the border, which the outline then draws, and nothing past the frame, where
// the preview shows nothing of it either.
TEST_F(ComposeCharacter, AWidePictureMovedLeftFillsItsFrameAndNoMore) {
    for (const bool useFrame : {true, false}) {
        SCOPED_TRACE(useFrame);
        const FrmCharacter2nd& editor = composed({{"Picture", Variant(bmpBytes(300, 300, kPicture))},
                                                  {"PicLeft", Variant(-150)},
                                                  {"UseFrame", Variant(useFrame)}});
        const QImage image = card();
        const int left = int(editor.picBackgroundChar.Left() + editor.picFrameCharacter.Left());
        const int width = int(editor.picFrameCharacter.Width());
        const int y = int(editor.picBackgroundChar.Top() + editor.picFrameCharacter.Top()) + 100;
        const int border = useFrame ? 1 : 0;
        for (int x = left; x < left + width; ++x) {
            const bool onBorder = x < left + border || x >= left + width - border;
            EXPECT_EQ(at(image, x, y), onBorder ? QColor(Qt::black) : kPicture) << x;
        }
        EXPECT_EQ(at(image, left + width, y), QColor(Qt::white)); // the template's field
    }
}
