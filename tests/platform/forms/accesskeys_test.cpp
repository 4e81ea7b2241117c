// Access keys: "&" marks the key of a caption and is never drawn, "&&" is one "&", and the
// key of a label moves the focus to the control after it in tab order that can take it.
#include "testform.h"

#include "forms/checkbox.h"
#include "forms/combobox.h"
#include "forms/commandbutton.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/optionbutton.h"
#include "forms/taborder.h"
#include "forms/textbox.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {
void pressAlt(Form& form, Qt::Key key) {
    QTest::keyClick(&form, key, Qt::AltModifier);
}

void showActive(Form& form) {
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

QImage shown(Label& label) {
    return label.widget()->grab().toImage();
}

TEST(LabelAccessKeys, AmpersandMarksTheKeyAndIsNeverDrawn) {
    struct Case {
        const char* caption;
        bool useMnemonic;
        const char* drawn; // what the label draws, the key not underlined
        bool underlined;
    };
    const Case cases[] = {
        {"&Name:", true, "Name:", true},
        {"Salt && Pepper", true, "Salt & Pepper", false},
        {"Salt & Pepper", false, "Salt & Pepper", false}, // a card's text, as typed
        {"&Name:", false, "&Name:", false},
        {"<b>x</b>", true, "<b>x</b>", false},
    };
    TestForm form;
    Label lblCaption(form, QStringLiteral("lblCaption"));
    Label lblPlain(form, QStringLiteral("lblPlain"));
    lblPlain.setUseMnemonic(false);
    for (const Case& test : cases) {
        // Switched after the caption is set: the switch must take effect on the caption shown.
        lblCaption.setCaption(QString::fromLatin1(test.caption));
        lblCaption.setUseMnemonic(test.useMnemonic);
        lblPlain.setCaption(QString::fromLatin1(test.drawn));
        for (Label* label : {&lblCaption, &lblPlain})
            label->Move(0, 0, 1500, 255);
        const QImage caption = shown(lblCaption);
        const QImage plain = shown(lblPlain);
        // Above the baseline the two are alike; an underline is drawn below it.
        const int ascent = QFontMetrics(lblCaption.widget()->font()).ascent();
        EXPECT_EQ(caption.copy(0, 0, caption.width(), ascent), plain.copy(0, 0, plain.width(), ascent))
            << test.caption;
        EXPECT_EQ(caption != plain, test.underlined) << test.caption;
    }
}

TEST(LabelAccessKeys, KeyMovesTheFocusToTheNextControlThatCanTakeIt) {
    TestForm form;
    TextBox txtFirst(form, QStringLiteral("txtFirst"));
    Label lblName(form, QStringLiteral("lblName"));
    TextBox txtName(form, QStringLiteral("txtName"));
    Label lblSkip(form, QStringLiteral("lblSkip"));
    TextBox txtDisabled(form, QStringLiteral("txtDisabled"));
    TextBox txtHidden(form, QStringLiteral("txtHidden"));
    CommandButton cmdGo(form, QStringLiteral("cmdGo"));
    Label lblData(form, QStringLiteral("lblData"));
    TextBox txtData(form, QStringLiteral("txtData"));
    Label lblLast(form, QStringLiteral("lblLast"));
    lblName.setCaption(QStringLiteral("&Name:"));
    lblSkip.setCaption(QStringLiteral("&Skip:"));
    lblData.setCaption(QStringLiteral("&Data")); // shows data: no key
    lblData.setUseMnemonic(false);
    lblLast.setCaption(QStringLiteral("&Last:"));
    txtDisabled.setEnabled(false);
    txtHidden.setVisible(false);
    int clicks = 0;
    cmdGo.Click = [&] { ++clicks; };
    showActive(form);

    txtFirst.SetFocus();
    pressAlt(form, Qt::Key_N);
    EXPECT_EQ(QApplication::focusWidget(), txtName.widget());
    pressAlt(form, Qt::Key_S);
    EXPECT_EQ(QApplication::focusWidget(), cmdGo.widget());
    EXPECT_EQ(clicks, 0); // a label's key only moves the focus
    pressAlt(form, Qt::Key_D);
    EXPECT_EQ(QApplication::focusWidget(), cmdGo.widget());
    // Placed ahead of the button, the last label names it.
    setTabOrder({&txtName, &lblLast, &cmdGo});
    txtFirst.SetFocus();
    pressAlt(form, Qt::Key_L);
    EXPECT_EQ(QApplication::focusWidget(), cmdGo.widget());
    // Tab passes the label by.
    txtName.SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), cmdGo.widget());
}

TEST(ButtonAccessKeys, ButtonsAndFramesTakeTheirKeys) {
    TestForm form;
    CommandButton cmdGo(form, QStringLiteral("cmdGo"));
    CommandButton cmdBoth(form, QStringLiteral("cmdBoth"));
    CheckBox chkUse(form, QStringLiteral("chkUse"));
    OptionButton optPick(form, QStringLiteral("optPick"));
    Frame fraInfo(form, QStringLiteral("fraInfo"));
    TextBox txtInside(fraInfo, QStringLiteral("txtInside"));
    cmdGo.setCaption(QStringLiteral("&Go"));
    cmdBoth.setCaption(QStringLiteral("R&&D"));
    chkUse.setCaption(QStringLiteral("&Use"));
    optPick.setCaption(QStringLiteral("&Pick"));
    fraInfo.setCaption(QStringLiteral("&Info"));
    fraInfo.Move(0, 1500, 3000, 1500);
    txtInside.Move(200, 400, 1500, 285);
    int goClicks = 0;
    int bothClicks = 0;
    cmdGo.Click = [&] { ++goClicks; };
    cmdBoth.Click = [&] { ++bothClicks; };
    showActive(form);

    pressAlt(form, Qt::Key_G);
    pressAlt(form, Qt::Key_U);
    pressAlt(form, Qt::Key_P);
    pressAlt(form, Qt::Key_D); // "&&" is no key
    QTest::qWait(200);         // a button's key clicks it, shown pressed a moment
    EXPECT_EQ(goClicks, 1);
    EXPECT_EQ(bothClicks, 0);
    EXPECT_EQ(chkUse.Value(), vbChecked);
    EXPECT_TRUE(optPick.Value());
    pressAlt(form, Qt::Key_I);
    EXPECT_EQ(QApplication::focusWidget(), txtInside.widget());
}

// Alt with a key that is no access key types nothing, in any kind of text field, and an
// access key moves the focus without typing; AltGr (as X11 or as Windows reports it) and a
// text made by a level shift still type.
TEST(AltKeys, TypeNothingUnlessAltGrMadeTheText) {
    struct Case {
        int field; // into fields below
        Qt::Key key;
        const char* text;
        Qt::KeyboardModifiers modifiers;
        const char* typed;
        bool toName; // the label's key moved the focus to txtName
    };
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    const Case cases[] = {
        {0, Qt::Key_Q, "q", alt, "", false},
        {1, Qt::Key_D, "d", alt, "", false},
        {2, Qt::Key_Q, "q", alt, "", false},
        {0, Qt::Key_Q, "Q", alt | Qt::ShiftModifier, "", false},
        {0, Qt::Key_N, "n", alt, "", true},
        {1, Qt::Key_N, "n", alt, "", true},
        {2, Qt::Key_N, "n", alt, "", true},
        {0, Qt::Key_At, "@", Qt::GroupSwitchModifier, "@", false},
        {1, Qt::Key_At, "@", alt | Qt::GroupSwitchModifier, "@", false},
        {2, Qt::Key_At, "@", Qt::ControlModifier | alt, "@", false},
        {1, Qt::Key_O, "\xc3\xb8", alt, "\xc3\xb8", false},
        {0, Qt::Key_Q, "q", Qt::NoModifier, "q", false},
    };
    TestForm form;
    TextBox txtTitle(form, QStringLiteral("txtTitle"));
    TextBox txtText(form, QStringLiteral("txtText"), TextBox::Lines::Multi);
    ComboBox cboNumber(form, QStringLiteral("cboNumber"), ComboBox::Style::Editable);
    Label lblName(form, QStringLiteral("lblName"));
    TextBox txtName(form, QStringLiteral("txtName"));
    lblName.setCaption(QStringLiteral("&Name:"));
    txtText.Move(0, 400, 1500, 600);
    cboNumber.Move(0, 1100, 1500, 315);
    const std::function<QString()> text[] = {[&] { return txtTitle.Text(); }, [&] { return txtText.Text(); },
                                             [&] { return cboNumber.Text(); }};
    Control* const fields[] = {&txtTitle, &txtText, &cboNumber};
    showActive(form);

    for (const Case& test : cases) {
        const QString sent = QString::fromUtf8(test.text);
        txtTitle.setText(QString());
        txtText.setText(QString());
        cboNumber.setText(QString());
        fields[test.field]->SetFocus();
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), test.key, sent, test.modifiers);
        EXPECT_EQ(text[test.field](), QString::fromUtf8(test.typed)) << test.field << " " << test.text;
        EXPECT_EQ(QApplication::focusWidget() == txtName.widget(), test.toName)
            << test.field << " " << test.text;
        EXPECT_TRUE(txtName.Text().isEmpty());
    }
}

// Enter presses the default button and Esc the cancel button from any control of the window,
// but not while the button is disabled; Enter on a focused button presses that one.
TEST(DialogButtonKeys, EnterAndEscPressTheirButtonsWhileEnabled) {
    TestForm form;
    TextBox txtName(form, QStringLiteral("txtName"));
    CommandButton cmdOK(form, QStringLiteral("cmdOK"));
    CommandButton cmdCancel(form, QStringLiteral("cmdCancel"));
    int ok = 0;
    int cancel = 0;
    cmdOK.Click = [&] { ++ok; };
    cmdCancel.Click = [&] { ++cancel; };
    cmdOK.setDefault(true);
    cmdCancel.setCancel(true);
    showActive(form);
    txtName.SetFocus();

    QTest::keyClick(txtName.widget(), Qt::Key_Return);
    QTest::keyClick(txtName.widget(), Qt::Key_Escape);
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(cancel, 1);

    cmdOK.setEnabled(false);
    QTest::keyClick(txtName.widget(), Qt::Key_Enter);
    EXPECT_EQ(ok, 1);
    cmdOK.setEnabled(true);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        cmdCancel.SetFocus();
        QTest::keyClick(cmdCancel.widget(), key);
    }
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(cancel, 3);
    cmdOK.setDefault(false);
    QTest::keyClick(txtName.widget(), Qt::Key_Return);
    EXPECT_EQ(ok, 1);
    cmdOK.SetFocus();
    QTest::keyClick(cmdOK.widget(), Qt::Key_Return);
    EXPECT_EQ(ok, 2);
}
} // namespace
