// Text as the program hands it out: CR LF line breaks in multi-line boxes and labels,
// selections counted in those terms, labels that never read their caption as markup, and
// captions over what they stand on.
#include "testform.h"

#include "forms/checkbox.h"
#include "forms/commandbutton.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/optionbutton.h"
#include "forms/textbox.h"
#include "runtime/vberror.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {
QPlainTextEdit* editorOf(const TextBox& box) {
    return static_cast<QPlainTextEdit*>(box.widget());
}

TEST(MultiLineText, CrLfRoundTripsAndShowsAsLines) {
    TestForm form;
    TextBox txtInfo(form, QStringLiteral("txtInfo"), TextBox::Lines::Multi);
    const QString text = QStringLiteral("First line\r\nSecond line\r\n\r\nLast");
    txtInfo.setText(text);
    EXPECT_EQ(txtInfo.Text(), text);
    EXPECT_EQ(editorOf(txtInfo)->document()->blockCount(), 4);
    EXPECT_EQ(editorOf(txtInfo)->document()->findBlockByNumber(1).text(), QStringLiteral("Second line"));
}

TEST(MultiLineText, TypedLineBreaksComeOutAsCrLf) {
    TestForm form;
    TextBox txtInfo(form, QStringLiteral("txtInfo"), TextBox::Lines::Multi);
    QStringList seen;
    txtInfo.Change = [&] { seen << txtInfo.Text(); };
    txtInfo.setText(QStringLiteral("ab"));
    editorOf(txtInfo)->moveCursor(QTextCursor::End);
    QTest::keyClick(editorOf(txtInfo), Qt::Key_Return);
    QTest::keyClicks(editorOf(txtInfo), QStringLiteral("c"));
    EXPECT_EQ(txtInfo.Text(), QStringLiteral("ab\r\nc"));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("ab"), QStringLiteral("ab\r\n"), QStringLiteral("ab\r\nc")}));
}

TEST(MultiLineText, SelectionCountsALineBreakAsTwoCharacters) {
    TestForm form;
    TextBox txtInfo(form, QStringLiteral("txtInfo"), TextBox::Lines::Multi);
    txtInfo.setText(QStringLiteral("ab\r\ncd\r\nef"));

    txtInfo.setSelStart(4); // before "c"
    EXPECT_EQ(editorOf(txtInfo)->textCursor().position(), 3);
    txtInfo.setSelLength(4); // "cd\r\n"
    EXPECT_EQ(editorOf(txtInfo)->textCursor().selectedText(),
              QStringLiteral("cd") + QChar::ParagraphSeparator);
    EXPECT_EQ(txtInfo.SelStart(), 4);
    EXPECT_EQ(txtInfo.SelLength(), 4);

    txtInfo.setSelStart(100);
    EXPECT_EQ(txtInfo.SelStart(), 10);
    EXPECT_EQ(txtInfo.SelLength(), 0);
    EXPECT_THROW(txtInfo.setSelStart(-1), VbError);
}

TEST(SingleLineText, SelectionStaysInsideTheText) {
    TestForm form;
    TextBox txtTitle(form, QStringLiteral("txtTitle"));
    txtTitle.setText(QStringLiteral("Dragon"));
    txtTitle.setSelStart(2);
    txtTitle.setSelLength(10);
    EXPECT_EQ(txtTitle.SelStart(), 2);
    EXPECT_EQ(txtTitle.SelLength(), 4);
    EXPECT_EQ(static_cast<QLineEdit*>(txtTitle.widget())->selectedText(), QStringLiteral("agon"));
    txtTitle.setSelLength(0);
    EXPECT_EQ(txtTitle.SelStart(), 2);
    EXPECT_EQ(txtTitle.SelLength(), 0);
}

TEST(LabelText, MarkupShowsAsTypedAndCrLfBreaksTheLine) {
    TestForm form;
    Label lblTitle(form, QStringLiteral("lblTitle"));
    auto* label = static_cast<QLabel*>(lblTitle.widget());

    lblTitle.setCaption(QStringLiteral("<b>x</b>"));
    const QFontMetrics metrics(label->font());
    // Read as markup it would show as a single bold "x".
    EXPECT_GE(label->sizeHint().width(), metrics.horizontalAdvance(QStringLiteral("<b>x</b>")));

    lblTitle.setCaption(QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(lblTitle.Caption(), QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(label->text(), QStringLiteral("one\ntwo"));
    EXPECT_GE(label->sizeHint().height(), 2 * metrics.lineSpacing());
}

TEST(LabelText, AlignmentIsOneOfThree) {
    TestForm form;
    Label lblTitle(form, QStringLiteral("lblTitle"));
    lblTitle.setAlignment(vbCenter);
    EXPECT_TRUE(static_cast<QLabel*>(lblTitle.widget())->alignment() & Qt::AlignHCenter);
    EXPECT_THROW(lblTitle.setAlignment(3), VbError);
    EXPECT_EQ(lblTitle.Alignment(), vbCenter);
}

TEST(LabelText, LabelsStayUnderOtherControlsInTheirOwnOrder) {
    TestForm form;
    TextBox txtTitle(form, QStringLiteral("txtTitle"));
    Label lblFirst(form, QStringLiteral("lblFirst"));
    Label lblSecond(form, QStringLiteral("lblSecond"));
    TextBox txtLast(form, QStringLiteral("txtLast"));

    QStringList stack; // bottom first
    for (QObject* child : form.children())
        stack << child->objectName();
    EXPECT_EQ(stack, (QStringList{QStringLiteral("lblFirst"), QStringLiteral("lblSecond"),
                                  QStringLiteral("txtTitle"), QStringLiteral("txtLast")}));
}

// Captions show the panel of the frame they stand on; a label given a back colour paints it.
TEST(CaptionBackground, ShowsWhatItStandsOnUnlessGivenABackColour) {
    TestForm form;
    form.setScaleMode(vbPixels);
    Frame fraInfo(form, QStringLiteral("fraInfo"));
    fraInfo.MovePixels(0, 0, 320, 100);
    Label lblPlain(fraInfo, QStringLiteral("lblPlain"));
    CheckBox chkPlain(fraInfo, QStringLiteral("chkPlain"));
    OptionButton optPlain(fraInfo, QStringLiteral("optPlain"));
    Label lblRule(fraInfo, QStringLiteral("lblRule"));
    lblRule.setBackColor(0x0000FF);
    double left = 20;
    for (Control* control : std::initializer_list<Control*>{&lblPlain, &chkPlain, &optPlain, &lblRule}) {
        control->MovePixels(left, 40, 60, 20);
        left += 70;
    }

    const QImage shown = fraInfo.widget()->grab().toImage();
    // Right of a box's mark, where no caption is drawn.
    const auto inside = [&](const Control& control) {
        const QWidget* widget = control.widget();
        return widget->mapTo(fraInfo.widget(), QPoint(widget->width() - 5, widget->height() / 2));
    };
    for (const Control* control : std::initializer_list<const Control*>{&lblPlain, &chkPlain, &optPlain}) {
        const QPoint at = inside(*control);
        EXPECT_EQ(QColor(shown.pixel(at)), QColor(shown.pixel(at.x(), at.y() + 25)))
            << control->Name().toStdString();
    }
    EXPECT_EQ(QColor(shown.pixel(inside(lblRule))), QColor(Qt::red));
}

// The text colour holds while a control can be used; disabled, it greys as the style does.
TEST(ControlText, ADisabledControlReadsAsDisabledWhateverItsForeColor) {
    TestForm form;
    CommandButton cmdOK(form, QStringLiteral("cmdOK"));
    Label lblName(form, QStringLiteral("lblName"));
    lblName.setForeColor(0x0000FF);
    const QPalette standard = QApplication::palette(cmdOK.widget());
    for (QWidget* widget : {cmdOK.widget(), lblName.widget()}) {
        const QPalette::ColorRole role = widget->foregroundRole();
        EXPECT_EQ(widget->palette().color(QPalette::Disabled, role),
                  standard.color(QPalette::Disabled, role));
    }
    EXPECT_EQ(lblName.widget()->palette().color(QPalette::Active, lblName.widget()->foregroundRole()),
              QColor(Qt::red));
}

TEST(ControlNames, WidgetsCarryTheControlsNames) {
    TestForm form;
    TextBox txtTitle(form, QStringLiteral("txtTitle"));
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("txtTitle")), txtTitle.widget());
    EXPECT_EQ(txtTitle.widget()->accessibleDescription(), QStringLiteral("txtTitle"));
}
} // namespace
