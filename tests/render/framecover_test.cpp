// A picture in its frame on a dark card, for every kind of card, with and without the border
// and Resize, moved each way: the composed card paints the frame as the editor shows it.
#include "cardimagefixture.h"

#include "forms/units.h"
#include "frmCard.h"
#include "frmCard2nd.h"
#include "frmCard3rd.h"
#include "frmCharacter2nd.h"
#include "frmLarge2nd.h"
#include "testrows.h"

#include <cmath>
#include <optional>
#include <vector>

namespace {
enum class Kind { SmallSecond, SmallThird, Character, PlayingPiece, LargeCard };
enum class Move { Left, Right, Up, Down };

struct Case {
    Kind kind;
    bool border;
    bool resize;
    Move move;
};

constexpr int kMove = 12;                   // pixels
constexpr qint32 kDark = 0x302010;          // &HBBGGRR
const QColor kDarkColour(0x10, 0x20, 0x30); // the same as a colour

bool isSmall(Kind kind) {
    return kind == Kind::SmallSecond || kind == Kind::SmallThird;
}

// Resize has the frame follow the picture across on a small card, downwards on a large one.
bool followsAcross(const Case& c) {
    return c.resize && isSmall(c.kind);
}
bool followsDown(const Case& c) {
    return c.resize && c.kind == Kind::LargeCard;
}

// Wider and higher than every frame by more than the move, except along an axis the frame
// follows, where it is as the card has room for.
QSize pictureSize(const Case& c) {
    return {followsAcross(c) ? 100 : 160, followsDown(c) ? 180 : 260};
}

int pixels(double twips) {
    return int(std::lround(twips / twipsPerPixel));
}

// The frame on the canvas and the picture's place in it, as the editor shows them.
struct Shown {
    QRect frame;
    QPoint picture; // from the frame's inner corner
    QImage print;
    QImage preview;             // the editor's card box as the screen shows it
    std::optional<QColor> card; // the card's one colour round the frame
    QRect text = {};            // but for a text printed there
};

class FrameCover : public CardImageFixture, public ::testing::WithParamInterface<Case> {
protected:
    ~FrameCover() override { frmCard.unload(); }

    Shown compose(const Case& c) {
        openNewSet(c.kind == Kind::SmallThird ? 3 : 2);
        const QSize size = pictureSize(c);
        const QByteArray picture = shadedBmpBytes(size.width(), size.height());
        const int left = c.move == Move::Left ? -kMove : c.move == Move::Right ? kMove : 0;
        const int top = c.move == Move::Up ? -kMove : c.move == Move::Down ? kMove : 0;
        const Variant picLeft(left * int(twipsPerPixel));
        const Variant picTop(top * int(twipsPerPixel));
        switch (c.kind) {
        case Kind::SmallSecond:
        case Kind::SmallThird: {
            insertCard(1, {{"BGColour", Variant(kDark)},
                           {"Title", Variant("")},
                           {"Number", Variant("")},
                           {"UsePicture", Variant(true)},
                           {"Picture", Variant(picture)},
                           {"UseFrame", Variant(c.border)},
                           {"Resize", Variant(c.resize)},
                           {"PicLeft", picLeft},
                           {"PicTop", picTop}});
            SmallCardWindow& editor = c.kind == Kind::SmallSecond
                                          ? static_cast<SmallCardWindow&>(frmCard2nd.get())
                                          : static_cast<SmallCardWindow&>(frmCard3rd.get());
            return shown(editor, editor.picCard, editor.picFrame, editor.picImage, {}, kDarkColour);
        }
        case Kind::Character:
        case Kind::PlayingPiece: {
            insertCharacter(1, {{"Name", Variant("")},
                                {"Background", Variant(bmpBytes(276, 228, kDarkColour))},
                                {"Picture", Variant(picture)},
                                {"UseFrame", Variant(c.border)},
                                {"PicLeft", picLeft},
                                {"PicTop", picTop},
                                {"PlayingPiece", Variant(picture)},
                                {"PPLeft", picLeft},
                                {"PPTop", picTop}});
            FrmCharacter2nd& editor = frmCharacter2nd.get();
            frmCard->CreateCharacter2nd();
            if (c.kind == Kind::PlayingPiece) {
                // The piece is printed on no colour of its own, inside an outline round the frame.
                Shown piece = shown(editor, editor.picPlayingPiece, editor.picPlayingPieceFrame,
                                    editor.picPlayingPieceImage, {}, std::nullopt);
                piece.print = frmCard->picACardPP.Image().image();
                return piece;
            }
            const PictureBox& box = editor.picBackgroundChar;
            const QPoint origin(int(box.Left()), int(box.Top()));
            Shown card = shown(editor, editor.picCharacter, editor.picFrameCharacter,
                               editor.picImageCharacter, origin, kDarkColour);
            const Label& watermark = editor.lblWatermark[0]; // under the borderless frame
            card.text = QRect(int(watermark.Left()), int(watermark.Top()), int(watermark.Width()),
                              int(watermark.Height()))
                            .translated(origin);
            return card;
        }
        case Kind::LargeCard: {
            insertLargeCard(1, {{"BGColour", Variant(kDark)},
                                {"Title", Variant("")},
                                {"Picture", Variant(picture)},
                                {"UseFrame", Variant(c.border)},
                                {"Resize", Variant(c.resize)},
                                {"PicLeft", picLeft},
                                {"PicTop", picTop}});
            FrmLarge2nd& editor = frmLarge2nd.get();
            return shown(editor, editor.picCardLarge, editor.picFrameLarge, editor.picImageLarge, {},
                         kDarkColour);
        }
        }
        return {};
    }

    static Shown shown(Form& editor, PictureBox& cardBox, const PictureBox& frame, const PictureBox& image,
                       QPoint origin, std::optional<QColor> card) {
        editor.Show();
        return {QRect(origin.x() + int(frame.Left()), origin.y() + int(frame.Top()), int(frame.Width()),
                      int(frame.Height())),
                QPoint(pixels(image.Left()), pixels(image.Top())), frmCard->picACard.Image().image(),
                cardBox.clientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32), card};
    }
};

std::string nameOf(const Case& c) {
    static const char* const kinds[] = {"SmallSecond", "SmallThird", "Character", "PlayingPiece",
                                        "LargeCard"};
    static const char* const moves[] = {"Left", "Right", "Up", "Down"};
    return std::string(kinds[int(c.kind)]) + (c.border ? "Border" : "NoBorder") + (c.resize ? "Resize" : "") +
           "Moved" + moves[int(c.move)];
}

void PrintTo(const Case& c, std::ostream* os) {
    *os << nameOf(c);
}

std::vector<Case> everyCase() {
    std::vector<Case> cases;
    for (Kind kind :
         {Kind::SmallSecond, Kind::SmallThird, Kind::Character, Kind::PlayingPiece, Kind::LargeCard})
        for (bool border : {true, false}) {
            if (kind == Kind::PlayingPiece && border) continue; // the piece's frame has none
            for (bool resize : {false, true}) {
                if (resize && (kind == Kind::Character || kind == Kind::PlayingPiece)) continue;
                for (Move move : {Move::Left, Move::Right, Move::Up, Move::Down})
                    cases.push_back({kind, border, resize, move});
            }
        }
    return cases;
}
} // namespace

TEST_P(FrameCover, TheFrameIsPaintedAsTheEditorShowsIt) {
    const Case& c = GetParam();
    const Shown shown = compose(c);
    const QImage& print = shown.print;
    const int b = c.border ? 1 : 0;
    const QRect inner = shown.frame.adjusted(b, b, -b, -b);

    ASSERT_EQ(shown.preview.size(), print.size());

    // Where the picture does not reach: the columns or rows it was moved away from, unless the
    // frame moved with it.
    QRect uncovered;
    if (c.move == Move::Right && !followsAcross(c))
        uncovered = QRect(inner.left(), inner.top(), kMove, inner.height());
    if (c.move == Move::Down && !followsDown(c))
        uncovered = QRect(inner.left(), inner.top(), inner.width(), kMove);

    int checked = 0;
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x) {
            if (!print.valid(x, y)) continue;
            ++checked;
            const QColor colour(print.pixel(x, y));
            if (uncovered.contains(x, y)) {
                ASSERT_EQ(colour, QColor(Qt::white)) << "the frame's field at " << x << "," << y;
                continue;
            }
            ASSERT_NE(colour, QColor(Qt::white)) << "a covered frame left unpainted at " << x << "," << y;
            const QPoint source = QPoint(x, y) - inner.topLeft() - shown.picture;
            ASSERT_EQ(colour, shadedAt(source.x(), source.y())) << "the picture's pixel at " << x << "," << y;
        }
    EXPECT_GT(checked, inner.width() * inner.height() / 2);

    // The frame and a ring round it as the preview shows them: the border, and round the frame
    // the card as it was.
    const auto onRing = [](const QRect& ring, int x, int y) {
        return ring.contains(x, y) &&
               (x == ring.left() || x == ring.right() || y == ring.top() || y == ring.bottom());
    };
    const QRect ring = shown.frame.adjusted(-1, -1, 1, 1);
    for (int y = ring.top(); y <= ring.bottom(); ++y)
        for (int x = ring.left(); x <= ring.right(); ++x) {
            if (!print.valid(x, y)) continue;
            const QColor colour(print.pixel(x, y));
            ASSERT_EQ(colour, QColor(shown.preview.pixel(x, y))) << "the preview at " << x << "," << y;
            if (c.border && onRing(shown.frame, x, y)) {
                ASSERT_EQ(colour, QColor(Qt::black)) << "the border at " << x << "," << y;
            } else if (shown.card && onRing(ring, x, y) && !shown.text.contains(x, y)) {
                ASSERT_EQ(colour, *shown.card) << "the card at " << x << "," << y;
            }
        }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, FrameCover, ::testing::ValuesIn(everyCase()),
                         [](const ::testing::TestParamInfo<Case>& param) { return nameOf(param.param); });
