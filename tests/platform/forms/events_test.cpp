// When the controls' handlers run: at once and only on a change when code sets a value,
// never while a list is filled, once for each choice of the user.
#include "testform.h"

#include "forms/checkbox.h"
#include "forms/combobox.h"
#include "forms/commandbutton.h"
#include "forms/textbox.h"
#include "runtime/vberror.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// Counts a handler's calls and what the control showed at each.
struct Calls {
    int count = 0;
    QStringList seen;
};

TEST(TextBoxEvents, CodeFiresChangeOnceAndOnlyOnAChange) {
    TestForm form;
    TextBox txtTitle(form, QStringLiteral("txtTitle"));
    Calls change;
    txtTitle.Change = [&] {
        ++change.count;
        change.seen << txtTitle.Text();
    };

    txtTitle.setText(QStringLiteral("Dragon"));
    txtTitle.setText(QStringLiteral("Dragon"));
    EXPECT_EQ(change.count, 1);
    EXPECT_EQ(change.seen, QStringList{QStringLiteral("Dragon")});

    txtTitle.setText(QString());
    EXPECT_EQ(change.count, 2);
}

TEST(TextBoxEvents, TypingFiresChangeForEachEdit) {
    TestForm form;
    TextBox txtTitle(form, QStringLiteral("txtTitle"));
    Calls change;
    txtTitle.Change = [&] { change.seen << txtTitle.Text(); };

    QTest::keyClicks(txtTitle.widget(), QStringLiteral("ab"));
    EXPECT_EQ(change.seen, (QStringList{QStringLiteral("a"), QStringLiteral("ab")}));
    EXPECT_EQ(txtTitle.Text(), QStringLiteral("ab"));
}

TEST(TextBoxEvents, HandlerSettingAnotherControlRunsItsHandlerNested) {
    TestForm form;
    TextBox txtA(form, QStringLiteral("txtA"));
    TextBox txtB(form, QStringLiteral("txtB"));
    QStringList order;
    txtA.Change = [&] {
        order << QStringLiteral("A begins");
        txtB.setText(txtA.Text());
        order << QStringLiteral("A ends");
    };
    txtB.Change = [&] { order << QStringLiteral("B"); };

    txtA.setText(QStringLiteral("x"));
    EXPECT_EQ(order,
              (QStringList{QStringLiteral("A begins"), QStringLiteral("B"), QStringLiteral("A ends")}));
}

TEST(CheckBoxEvents, ValueFromCodeFiresClickOnlyOnAChange) {
    TestForm form;
    CheckBox chkBold(form, QStringLiteral("chkBold"));
    int clicks = 0;
    chkBold.Click = [&] { ++clicks; };

    chkBold.setValue(vbUnchecked);
    EXPECT_EQ(clicks, 0);
    chkBold.setValue(vbChecked);
    chkBold.setValue(vbChecked);
    EXPECT_EQ(clicks, 1);
    chkBold.setValue(vbGrayed);
    EXPECT_EQ(clicks, 2);

    EXPECT_THROW(chkBold.setValue(3), VbError);
    EXPECT_EQ(chkBold.Value(), vbGrayed);
    EXPECT_EQ(clicks, 2);
}

TEST(CheckBoxEvents, UserToggleFiresClickOnceAndGrayedGoesToChecked) {
    TestForm form;
    CheckBox chkBold(form, QStringLiteral("chkBold"));
    QList<int> values;
    chkBold.Click = [&] { values << chkBold.Value(); };

    QTest::keyClick(chkBold.widget(), Qt::Key_Space);
    QTest::keyClick(chkBold.widget(), Qt::Key_Space);
    EXPECT_EQ(values, (QList<int>{vbChecked, vbUnchecked}));

    chkBold.setValue(vbGrayed);
    values.clear();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(chkBold.widget(), Qt::Key_Space);
    EXPECT_EQ(values, (QList<int>{vbChecked, vbUnchecked, vbChecked}));
}

TEST(CommandButtonEvents, PressFiresClickOnce) {
    TestForm form;
    CommandButton cmdOK(form, QStringLiteral("cmdOK"));
    int clicks = 0;
    cmdOK.Click = [&] { ++clicks; };
    static_cast<QPushButton*>(cmdOK.widget())->click();
    EXPECT_EQ(clicks, 1);
}

class ComboBoxEvents : public ::testing::Test {
protected:
    void fill(ComboBox& combo) {
        for (const char* item : {"Alpha", "Beta", "Gamma"})
            combo.AddItem(QString::fromLatin1(item));
    }

    TestForm form;
};

TEST_F(ComboBoxEvents, FillingSelectsNothingAndFiresNothing) {
    ComboBox cboSet(form, QStringLiteral("cboSet"));
    int events = 0;
    cboSet.Click = [&] { ++events; };
    cboSet.Change = [&] { ++events; };

    fill(cboSet);
    EXPECT_EQ(cboSet.ListCount(), 3);
    EXPECT_EQ(cboSet.NewIndex(), 2);
    EXPECT_EQ(cboSet.ListIndex(), -1);
    EXPECT_EQ(cboSet.Text(), QString());
    EXPECT_EQ(static_cast<QComboBox*>(cboSet.widget())->currentIndex(), -1);

    cboSet.setListIndex(1);
    cboSet.Clear();
    EXPECT_EQ(events, 1); // the setListIndex only
    EXPECT_EQ(cboSet.ListCount(), 0);
    EXPECT_EQ(cboSet.ListIndex(), -1);
    EXPECT_EQ(cboSet.NewIndex(), -1);
    EXPECT_EQ(cboSet.Text(), QString());
}

TEST_F(ComboBoxEvents, ListIndexFromCodeFiresClickOnceAndOnlyOnAChange) {
    ComboBox cboSet(form, QStringLiteral("cboSet"));
    fill(cboSet);
    Calls click;
    cboSet.Click = [&] {
        ++click.count;
        click.seen << cboSet.Text();
    };

    cboSet.setListIndex(1);
    cboSet.setListIndex(1);
    EXPECT_EQ(click.seen, QStringList{QStringLiteral("Beta")});

    cboSet.setListIndex(-1);
    EXPECT_EQ(click.count, 2);
    EXPECT_EQ(cboSet.Text(), QString());

    EXPECT_THROW(cboSet.setListIndex(3), VbError);
    EXPECT_THROW(cboSet.setListIndex(-2), VbError);
    EXPECT_EQ(click.count, 2);
}

TEST_F(ComboBoxEvents, UserChoiceFiresClickOnce) {
    ComboBox cboSet(form, QStringLiteral("cboSet"));
    fill(cboSet);
    cboSet.setListIndex(0);
    Calls click;
    cboSet.Click = [&] {
        ++click.count;
        click.seen << cboSet.Text();
    };

    QTest::keyClick(cboSet.widget(), Qt::Key_Down);
    EXPECT_EQ(click.seen, QStringList{QStringLiteral("Beta")});
    EXPECT_EQ(cboSet.ListIndex(), 1);

    // Choosing the item already chosen is still a choice.
    emit static_cast<QComboBox*>(cboSet.widget())->activated(1);
    EXPECT_EQ(click.count, 2);
}

TEST_F(ComboBoxEvents, TextOfAListSelectsTheItemOrIsRefused) {
    ComboBox cboSet(form, QStringLiteral("cboSet"));
    fill(cboSet);
    int clicks = 0;
    cboSet.Click = [&] { ++clicks; };

    cboSet.setText(QStringLiteral("gamma"));
    EXPECT_EQ(cboSet.ListIndex(), 2);
    EXPECT_EQ(cboSet.Text(), QStringLiteral("Gamma"));
    EXPECT_EQ(clicks, 1);

    try {
        cboSet.setText(QStringLiteral("Delta"));
        FAIL() << "no error";
    } catch (const VbError& error) {
        EXPECT_EQ(error.number(), 383);
    }
    EXPECT_EQ(cboSet.ListIndex(), 2);
}

TEST_F(ComboBoxEvents, ItemDataHoldsSixtyFourBitsAndChecksItsIndex) {
    ComboBox cboSet(form, QStringLiteral("cboSet"));
    fill(cboSet);
    cboSet.setItemData(cboSet.NewIndex(), qint64(1) << 40);
    EXPECT_EQ(cboSet.ItemData(2), qint64(1) << 40);
    EXPECT_EQ(cboSet.ItemData(0), 0);
    try {
        cboSet.ItemData(3);
        FAIL() << "no error";
    } catch (const VbError& error) {
        EXPECT_EQ(error.number(), VbError::InvalidPropertyArrayIndex);
    }
}

TEST_F(ComboBoxEvents, EditableComboSeparatesChangeFromClick) {
    ComboBox cboNumber(form, QStringLiteral("cboNumber"), ComboBox::Style::Editable);
    QLineEdit* edit = static_cast<QComboBox*>(cboNumber.widget())->lineEdit();
    Calls change;
    int clicks = 0;
    cboNumber.Change = [&] {
        ++change.count;
        change.seen << cboNumber.Text();
    };
    cboNumber.Click = [&] { ++clicks; };

    cboNumber.setText(QStringLiteral("7"));
    fill(cboNumber); // filling keeps the text and runs nothing
    EXPECT_EQ(edit->text(), QStringLiteral("7"));
    EXPECT_EQ(cboNumber.Text(), QStringLiteral("7"));
    cboNumber.setText(QStringLiteral("7"));
    EXPECT_EQ(change.count, 1);

    cboNumber.setListIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(change.count, 1);
    EXPECT_EQ(edit->text(), QStringLiteral("Beta"));

    QTest::keyClick(cboNumber.widget(), Qt::Key_Down);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(change.count, 1);
    EXPECT_EQ(cboNumber.Text(), QStringLiteral("Gamma"));

    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("12"));
    EXPECT_EQ(change.seen.mid(1), (QStringList{QStringLiteral("1"), QStringLiteral("12")}));
    EXPECT_EQ(cboNumber.ListIndex(), -1);
    EXPECT_EQ(clicks, 2);
}
} // namespace
