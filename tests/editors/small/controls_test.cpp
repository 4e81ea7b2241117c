// The controls the editors add to the forms layer: the up-down with its buddy, the key
// preview with the old key codes, and the font table.
#include "platform/forms/qstringprinter.h"

#include "forms/font.h"
#include "forms/form.h"
#include "forms/keypreview.h"
#include "forms/textbox.h"
#include "forms/updown.h"
#include "runtime/vberror.h"

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {
class ControlForm : public Form {
public:
    ControlForm() : Form(QStringLiteral("frmTest")) {}
    UpDown udCopy{*this, QStringLiteral("udCopy"), QStringLiteral("txtCopy")};
    TextBox txtTitle{*this, QStringLiteral("txtTitle")};
};

void press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &event);
}
} // namespace

TEST(UpDownControl, ValueStaysInRangeAndChangeRunsOnlyOnAChange) {
    ControlForm form;
    UpDown& ud = form.udCopy;
    ud.setRange(1, 99);
    int changes = 0;
    ud.Change = [&] { ++changes; };
    EXPECT_EQ(ud.Value(), 1);

    ud.setValue(5);
    ud.setValue(5);
    EXPECT_EQ(changes, 1);
    ud.setValue(500); // clamped, not refused
    EXPECT_EQ(ud.Value(), 99);
    EXPECT_EQ(ud.Buddy().Text(), "99");
    ud.setValue(-3);
    EXPECT_EQ(ud.Value(), 1);
    EXPECT_EQ(changes, 3);

    ud.Buddy().setText("12");
    EXPECT_EQ(ud.Value(), 12);
    ud.Buddy().setText("twelve"); // no number: the value stays
    EXPECT_EQ(ud.Value(), 12);
    EXPECT_EQ(changes, 4);

    auto* box = qobject_cast<QSpinBox*>(ud.widget());
    ASSERT_NE(box, nullptr);
    box->stepUp(); // the user's arrow
    EXPECT_EQ(ud.Value(), 13);
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(box->objectName(), "udCopy");
    EXPECT_NE(box->findChild<QLineEdit*>("txtCopy"), nullptr);
    EXPECT_THROW(ud.setRange(5, 4), VbError);
}

TEST(KeyCodes, OldCodesAndShiftMask) {
    const std::pair<int, qint16> keys[] = {
        {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},   {Qt::Key_Home, 36},
        {Qt::Key_Left, 37},   {Qt::Key_Up, 38},       {Qt::Key_Right, 39}, {Qt::Key_Down, 40},
        {Qt::Key_N, 78},      {Qt::Key_A, 65},        {Qt::Key_7, 55},     {Qt::Key_Return, 13}};
    for (const auto& [key, code] : keys)
        EXPECT_EQ(vbKeyCode(key, Qt::NoModifier), code) << key;
    EXPECT_EQ(vbKeyCode(Qt::Key_Left, Qt::KeypadModifier), 37);
    EXPECT_EQ(vbKeyCode(Qt::Key_7, Qt::KeypadModifier), 103);
    EXPECT_EQ(vbKeyCode(Qt::Key_MediaPlay, Qt::NoModifier), 0);

    EXPECT_EQ(vbShiftMask(Qt::ShiftModifier), 1);
    EXPECT_EQ(vbShiftMask(Qt::ControlModifier), 2);
    EXPECT_EQ(vbShiftMask(Qt::AltModifier), 4);
    EXPECT_EQ(vbShiftMask(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier), 7);
    EXPECT_EQ(vbShiftMask(Qt::KeypadModifier), 0);
    EXPECT_EQ(vbShiftMask(Qt::ControlModifier | Qt::KeypadModifier), 2);
}

TEST(KeyPreviewFilter, TheFormSeesEachKeyOnceAndFirst) {
    ControlForm form;
    std::vector<std::pair<qint16, qint16>> seen;
    QString textWhenSeen;
    KeyPreview preview(form, [&](qint16& keyCode, qint16 shift) {
        seen.emplace_back(keyCode, shift);
        textWhenSeen = form.txtTitle.Text();
    });
    auto* edit = static_cast<QLineEdit*>(form.txtTitle.widget());

    press(edit, Qt::Key_N, Qt::ControlModifier);
    press(edit, Qt::Key_Down, Qt::KeypadModifier);
    // A key the line edit leaves goes on to the form, and must not be seen twice.
    press(edit, Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(seen, (std::vector<std::pair<qint16, qint16>>{{78, 2}, {40, 0}, {116, 1}}));

    QKeyEvent typed(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(edit, &typed);
    EXPECT_EQ(textWhenSeen, ""); // the form saw the key before the text box took it
    EXPECT_EQ(form.txtTitle.Text(), "x");

    // Controls made later are watched too.
    TextBox later(form, QStringLiteral("txtLater"));
    press(later.widget(), Qt::Key_Home);
    EXPECT_EQ(seen.back(), (std::pair<qint16, qint16>{36, 0}));
}

TEST(KeyPreviewFilter, AHandlerThatClearsTheCodeKeepsTheKeyFromTheControl) {
    ControlForm form;
    KeyPreview preview(form, [](qint16& keyCode, qint16) {
        if (keyCode == 'X') keyCode = 0;
    });
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(form.txtTitle.widget(), &typed);
    QKeyEvent other(QEvent::KeyPress, Qt::Key_Y, Qt::NoModifier, QStringLiteral("y"));
    QApplication::sendEvent(form.txtTitle.widget(), &other);
    EXPECT_EQ(form.txtTitle.Text(), "y");
}

TEST(FontTable, FacesMapToTheInstalledFontsAtFixedPixelSizes) {
    const std::pair<const char*, const char*> faces[] = {{"Small Fonts", "DejaVu Sans Condensed"},
                                                         {"small fonts", "DejaVu Sans Condensed"},
                                                         {"CasablancaAntique", "Linux Libertine O"},
                                                         {"MS Sans Serif", "Linux Biolinum O"},
                                                         {"Arial", "Liberation Sans"},
                                                         {"Times New Roman", "Liberation Serif"},
                                                         {"Courier New", "Liberation Mono"}};
    for (const auto& [face, family] : faces) {
        const QFont font = toQFont(Font{face, 7, false, false});
        EXPECT_EQ(font.family(), family) << face;
        EXPECT_EQ(QFontInfo(font).family(), family) << face; // installed, not a fallback
    }
    EXPECT_EQ(toQFont(Font{"Verdana", 7, false, false}).family(), "Verdana"); // left to fontconfig

    const std::pair<double, int> sizes[] = {{5.25, 7}, {5, 7},   {6, 8},     {6.75, 9},
                                            {7, 9},    {14, 19}, {14.25, 19}};
    for (const auto& [points, pixels] : sizes)
        EXPECT_EQ(toQFont(Font{"Arial", points}).pixelSize(), pixels) << points;

    const QFont font = toQFont(Font{"Arial", 7, true, true});
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.styleStrategy() & QFont::NoSubpixelAntialias);
    EXPECT_EQ(font.hintingPreference(), QFont::PreferFullHinting);
}
