#include "wrapahead.h"

#include "forms/form.h"
#include "forms/picturebox.h"

#include <gtest/gtest.h>

namespace {
const QString kText = QStringLiteral("The bearer may move one extra space, then draw a card and keep it if "
                                     "the roll is even.\r\n\r\nOtherwise it is discarded face down.");
const ::Font kSmall{QStringLiteral("Small Fonts"), 6.75, false, false};
const ::Font kLarge{QStringLiteral("Arial"), 12, true, false};

class WrappingAhead : public ::testing::Test {
protected:
    WrappingAhead() : form(QStringLiteral("frmTest")), canvas(form, QStringLiteral("picCanvas")) {
        form.setScaleMode(vbPixels);
        canvas.setScaleMode(vbPixels);
        canvas.setFont(kSmall);
    }

    std::vector<WrappedLine> ownLines(double width) const {
        return wrapInFont(kText, width, canvas.textMetrics(), canvas.unitsPerPixel());
    }

    Form form;
    PictureBox canvas;
};
} // namespace

// Whatever was wrapped ahead, the lines are those of the canvas's own font, scale and width.
TEST_F(WrappingAhead, GivesTheCanvasOwnLines) {
    struct Case {
        const char* name;
        QString text;
        double width;
        ::Font font;
        double unitsPerPixel;
    };
    const Case cases[] = {
        {"the same job", kText, 100, kSmall, 1},   {"another text", QStringLiteral("short"), 100, kSmall, 1},
        {"another width", kText, 60, kSmall, 1},   {"another font", kText, 100, kLarge, 1},
        {"another scale", kText, 100, kSmall, 15},
    };
    const std::vector<WrappedLine> expected = ownLines(100);
    ASSERT_GT(expected.size(), 3u);
    WrapAhead ahead;
    for (const Case& c : cases) {
        ahead.start(c.text, c.width, c.font, c.unitsPerPixel);
        EXPECT_EQ(ahead.lines(canvas, kText, 100), expected) << c.name;
    }
    // Nothing started: wrapped at once.
    EXPECT_EQ(ahead.lines(canvas, kText, 100), expected);
}
