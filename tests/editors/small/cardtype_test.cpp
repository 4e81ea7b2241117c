// The card-type dialog: the list of the language's types, the buttons a click enables, and
// the rows that adding, deleting, re-scoping and the set's default write, which stay
// written whatever button closes the dialog.
#include "smallcardfixture.h"

#include "frmCardType.h"
#include "modData.h"
#include "testrows.h"

#include <QApplication>
#include <QTest>

namespace {
struct TypeRow {
    QString upperLeft;
    bool original = false;
    qint32 usedInSet = 0;
    qint32 languageID = 1;
};

class CardTypeDialog : public SmallCardFixture {
protected:
    FrmCardType& dialog() { return frmCardType.get(); }

    qint32 insertType(const TypeRow& row) {
        return insertRow(QStringLiteral("tblCardType"), QStringLiteral("CardTypeID"),
                         {{"UpperLeft", Variant(row.upperLeft)},
                          {"LowerLeft", Variant("LL")},
                          {"UpperRight", Variant("UR")},
                          {"LowerRight", Variant("LR")},
                          {"Number", Variant("7")},
                          {"LanguageID", Variant(row.languageID)},
                          {"EditionID", Variant(2)},
                          {"Original", Variant(row.original)},
                          {"UsedInSet", Variant(qint64(row.usedInSet))}},
                         {});
    }

    static RecordsetPtr typeRow(qint32 id) {
        return cnData->openSnapshot(
            QStringLiteral("SELECT * FROM tblCardType WHERE CardTypeID = %1").arg(id));
    }
    static bool typeExists(qint32 id) { return !typeRow(id)->eof(); }

    // Selects the item and raises its click, as the user's click does.
    void clickType(qint32 id) {
        ListItem* item = dialog().lvType.FindListItem(QStringLiteral("CT%1").arg(id));
        ASSERT_NE(item, nullptr) << id;
        dialog().lvType.setSelectedItem(item);
        dialog().lvType.ItemClick(*item);
    }

    QStringList column(int index) {
        QStringList texts;
        ListView& list = dialog().lvType;
        for (int i = 1; i <= list.ListItemCount(); ++i)
            texts << (index == 0 ? list.ListItemAt(i).Text() : list.ListItemAt(i).SubItems(index));
        return texts;
    }

    std::vector<bool> selectionButtons() {
        FrmCardType& form = dialog();
        return {form.cmdOK.Enabled(), form.cmdDefault.Enabled(), form.cmdDelete.Enabled(),
                form.cmdSet.Enabled()};
    }

    const std::vector<ShownMessage>& messages() const { return folder.dialogs().messages(); }
};

TEST_F(CardTypeDialog, ListsEveryTypeOfTheLanguageWithItsCellsAndStartsWithNothingToActOn) {
    const qint32 otherSet = openNewSet(2);
    const qint32 locked = insertType({"Locked elsewhere", false, otherSet});
    const qint32 german = insertType({"Deutsch", false, 0, 2});
    openNewSet(3);
    FrmCardType& form = dialog();

    // Both editions' built-in types of English (6 + 5) and the one locked to another set.
    EXPECT_EQ(form.lvType.ListItemCount(), 12);
    EXPECT_EQ(form.lvType.FindListItem(QStringLiteral("CT%1").arg(german)), nullptr);
    const ListItem* item = form.lvType.FindListItem(QStringLiteral("CT%1").arg(locked));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Text(), "Locked elsewhere");
    const QStringList cells{item->SubItems(1), item->SubItems(2), item->SubItems(3),
                            item->SubItems(4), item->SubItems(5), item->SubItems(6)};
    EXPECT_EQ(cells, (QStringList{"LL", "UR", "LR", "7", "Yes", "No"}));
    EXPECT_EQ(column(5).count("No"), 11); // the built-in rows are no custom types
    EXPECT_EQ(column(6).count("Yes"), 11);

    EXPECT_EQ(form.Caption(), "Card Type");
    EXPECT_EQ(form.lvType.ColumnHeaderCount(), 7);
    EXPECT_EQ(selectionButtons(), (std::vector<bool>{false, false, false, false}));
    EXPECT_TRUE(form.cmdNew.Enabled());
    EXPECT_EQ(form.cmdSet.Caption(), "Make global");
    EXPECT_TRUE(form.optGlobal.Value());
    const QStringList design{form.lblType[0].Caption(), form.lblType[1].Caption(), form.lblType[2].Caption(),
                             form.lblType[3].Caption(), form.lblTitle.Caption()};
    EXPECT_EQ(design, (QStringList{"ENEMY-", "-ENEMY", "Alien", "Alien", "TEST CARD"}));
    EXPECT_EQ(form.lblType[0].Font().Name, "Small Fonts");
}

TEST_F(CardTypeDialog, AClickShowsTheTypeAndEnablesWhatItsKindAllows) {
    openNewSet(2);
    struct Case {
        const char* kind;
        TypeRow row;
        std::vector<bool> buttons; // OK, Set as default, Delete, scope
        const char* scopeCaption;
    };
    const Case cases[] = {
        {"built-in", {"Built in", true, 0}, {true, true, false, false}, "Lock to set"},
        {"global user type", {"Global", false, 0}, {true, true, true, true}, "Lock to set"},
        {"locked user type", {"Locked", false, iSetID}, {true, true, true, true}, "Make global"},
    };
    for (const Case& c : cases) {
        const qint32 id = insertType(c.row);
        frmCardType.unload();
        clickType(id);
        FrmCardType& form = dialog();
        EXPECT_EQ(form.CardTypeID, id) << c.kind;
        EXPECT_EQ(selectionButtons(), c.buttons) << c.kind;
        EXPECT_EQ(form.cmdSet.Caption(), c.scopeCaption) << c.kind;
        // Upper left and right on the top row, lower ones beneath.
        const QStringList shown{form.lblType[0].Caption(), form.lblType[1].Caption(),
                                form.lblType[2].Caption(), form.lblType[3].Caption(),
                                form.lblNumber.Caption()};
        EXPECT_EQ(shown, (QStringList{c.row.upperLeft, "UR", "LL", "LR", "7"})) << c.kind;
    }
}

TEST_F(CardTypeDialog, TypingShowsTheNewTypeOnTheSampleCardAndFocusSelectsTheText) {
    openNewSet(2);
    FrmCardType& form = dialog();
    form.txtUL.setText("Up");
    form.txtUR.setText("Right");
    form.txtLL.setText("Low");
    form.txtLR.setText("Lower right");
    form.txtNr.setText("9");
    const QStringList shown{form.lblType[0].Caption(), form.lblType[1].Caption(), form.lblType[2].Caption(),
                            form.lblType[3].Caption(), form.lblNumber.Caption()};
    EXPECT_EQ(shown, (QStringList{"Up", "Right", "Low", "Lower right", "9"}));

    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.txtLR.SetFocus();
    EXPECT_EQ(form.txtLR.SelLength(), 11);
    form.Hide();
}

TEST_F(CardTypeDialog, AddNewRefusesABlankUpperLeftAndStoresTheTextsAsTyped) {
    openNewSet(2);
    cnData->execute(QStringLiteral("UPDATE sqlite_sequence SET seq = 40000 WHERE name = 'tblSet'"));
    const qint32 bigSet = openNewSet(2); // past 16 bits
    ASSERT_GT(bigSet, 32767);
    const qint32 chosen = insertType({"Chosen", false, 0});
    struct Case {
        QString upperLeft;
        bool global;
        bool stored;
    };
    const Case cases[] = {
        {"", true, false},
        {"   ", true, false},
        {" Zed ", true, true},
        {"Aardvark ", false, true},
    };
    for (const Case& c : cases) {
        frmCardType.unload();
        FrmCardType& form = dialog();
        clickType(chosen);
        form.txtUL.setText(c.upperLeft);
        form.txtLL.setText(" low");
        form.txtNr.setText("");
        (c.global ? form.optGlobal : form.optUsedInSet).setValue(true);
        const int before = form.lvType.ListItemCount();
        const size_t shown = messages().size();

        click(form.cmdNew);

        const RecordsetPtr added = cnData->openSnapshot(
            QStringLiteral("SELECT * FROM tblCardType WHERE UpperLeft = '%1'").arg(c.upperLeft));
        const std::string name = "\"" + c.upperLeft.toStdString() + "\"";
        EXPECT_EQ(form.CardTypeID, chosen) << name;
        if (!c.stored) {
            EXPECT_TRUE(added->eof()) << name;
            EXPECT_EQ(form.lvType.ListItemCount(), before) << name;
            ASSERT_EQ(messages().size(), shown + 1) << name;
            EXPECT_EQ(messages().back().prompt, "You must have a text as upper left.");
            EXPECT_EQ(messages().back().style, vbExclamation);
            EXPECT_EQ(messages().back().title, "Add new type.");
            continue;
        }
        EXPECT_EQ(messages().size(), shown) << name;
        ASSERT_FALSE(added->eof()) << name;
        EXPECT_EQ(added->field("LowerLeft").toText(), " low");
        EXPECT_FALSE(added->field("Number").isNull());
        EXPECT_EQ(added->field("Number").toText(), "");
        EXPECT_EQ(added->field("LanguageID").toLong(), 1);
        EXPECT_EQ(added->field("EditionID").toLong(), 2);
        EXPECT_FALSE(added->field("Original").toBool());
        EXPECT_EQ(added->field("UsedInSet").toLong(), c.global ? 0 : bigSet) << name;
        const qint32 id = added->field("CardTypeID").toLong();
        const ListItem* item = form.lvType.FindListItem(QStringLiteral("CT%1").arg(id));
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->SubItems(6), c.global ? "Yes" : "No") << name;
        // Sorted by the upper-left text; the clicked type stays the one the buttons act on.
        QStringList sorted = column(0);
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        EXPECT_EQ(column(0), sorted) << name;
        ASSERT_NE(form.lvType.SelectedItem(), nullptr) << name;
        EXPECT_EQ(form.lvType.SelectedItem()->Key(), QStringLiteral("CT%1").arg(chosen)) << name;
    }
}

TEST_F(CardTypeDialog, DeleteRefusesATypeAnyCardUsesAndForgetsADeletedOne) {
    const qint32 otherSet = openNewSet(2);
    const qint32 usedElsewhere = insertType({"Used elsewhere"});
    insertCard(1, {{"CardTypeID", Variant(qint64(usedElsewhere))}});
    openNewSet(2);
    const qint32 usedHere = insertType({"Used here"});
    insertCard(1, {{"CardTypeID", Variant(qint64(usedHere))}});
    const qint32 setDefault = insertType({"Only the default"});
    setSetField("DefaultCardTypeID", Variant(qint64(setDefault)));
    ASSERT_NE(otherSet, iSetID);
    struct Case {
        const char* kind;
        qint32 id;
        bool deleted;
    };
    const Case cases[] = {
        {"used by a card of this set", usedHere, false},
        {"used by a card of another set", usedElsewhere, false},
        {"the set's default, used by no card", setDefault, true},
    };
    for (const Case& c : cases) {
        frmCardType.unload();
        FrmCardType& form = dialog();
        clickType(c.id);
        const size_t shown = messages().size();

        click(form.cmdDelete);

        EXPECT_EQ(typeExists(c.id), !c.deleted) << c.kind;
        EXPECT_EQ(form.lvType.FindListItem(QStringLiteral("CT%1").arg(c.id)) != nullptr, !c.deleted)
            << c.kind;
        if (!c.deleted) {
            ASSERT_EQ(messages().size(), shown + 1) << c.kind;
            EXPECT_EQ(messages().back().prompt, "This type can not be deleted. There are cards using it.");
            EXPECT_EQ(messages().back().style, vbExclamation);
            EXPECT_EQ(messages().back().title, "ZQJ2");
            EXPECT_EQ(form.CardTypeID, c.id) << c.kind;
            continue;
        }
        EXPECT_EQ(messages().size(), shown) << c.kind;
        EXPECT_EQ(setField("DefaultCardTypeID").toLong(), setDefault); // stale, as it was
        // Nothing can hand the deleted key on.
        EXPECT_EQ(form.CardTypeID, 0);
        EXPECT_EQ(form.lvType.SelectedItem(), nullptr);
        EXPECT_EQ(selectionButtons(), (std::vector<bool>{false, false, false, false}));
    }
}

TEST_F(CardTypeDialog, TheScopeButtonLocksAndFreesAUserTypeAndNoSelectionDoesNothing) {
    openNewSet(2);
    const qint32 id = insertType({"Scoped"});
    FrmCardType& form = dialog();
    clickType(id);
    const ListItem* item = form.lvType.SelectedItem();

    click(form.cmdSet);
    EXPECT_EQ(typeRow(id)->field("UsedInSet").toLong(), iSetID);
    EXPECT_EQ(form.cmdSet.Caption(), "Make global");
    EXPECT_EQ(item->SubItems(6), "No");

    click(form.cmdSet);
    EXPECT_EQ(typeRow(id)->field("UsedInSet").toLong(), 0);
    EXPECT_EQ(form.cmdSet.Caption(), "Lock to set");
    EXPECT_EQ(item->SubItems(6), "Yes");

    // Without a selection the handlers leave every row alone.
    form.lvType.setSelectedItem(nullptr);
    form.cmdSet.Click();
    form.cmdDelete.Click();
    EXPECT_EQ(typeRow(id)->field("UsedInSet").toLong(), 0);
    EXPECT_TRUE(typeExists(id));
    EXPECT_TRUE(messages().empty());
}

TEST_F(CardTypeDialog, SetAsDefaultWritesTheSetAndCancelKeepsEveryChange) {
    openNewSet(2);
    const qint32 removed = insertType({"Removed"});
    const qint32 chosen = insertType({"Chosen"});
    FrmCardType& form = dialog();
    clickType(chosen);
    click(form.cmdDefault);
    EXPECT_EQ(setField("DefaultCardTypeID").toLong(), chosen);

    clickType(removed);
    click(form.cmdDelete);
    form.txtUL.setText("Added");
    click(form.cmdNew);
    click(form.cmdCancel);

    EXPECT_FALSE(form.bOK);
    EXPECT_FALSE(typeExists(removed));
    EXPECT_FALSE(cnData->openSnapshot("SELECT * FROM tblCardType WHERE UpperLeft = 'Added'")->eof());
    EXPECT_EQ(setField("DefaultCardTypeID").toLong(), chosen);

    clickType(chosen);
    click(form.cmdOK);
    EXPECT_TRUE(form.bOK);
    EXPECT_EQ(form.CardTypeID, chosen);
}

TEST_F(CardTypeDialog, ColumnClicksSortAscendingEveryTime) {
    openNewSet(2);
    FrmCardType& form = dialog();
    for (int click = 0; click < 2; ++click) {
        form.lvType.ColumnClick(5); // "Nr"
        QStringList sorted = column(4);
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(column(4), sorted) << click;
        EXPECT_EQ(form.lvType.SortOrder(), lvwAscending);
    }
}

TEST_F(CardTypeDialog, KeysReachTheFieldsAndEnterAndEscCloseTheDialog) {
    openNewSet(2);
    const qint32 id = insertType({"Keyed"});
    FrmCardType& form = dialog();
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.lvType.SetFocus();
    // The frame's key goes to its first field.
    const std::pair<Qt::Key, QWidget*> keys[] = {
        {Qt::Key_N, form.txtUL.widget()},     {Qt::Key_R, form.txtUR.widget()},
        {Qt::Key_L, form.txtLL.widget()},     {Qt::Key_I, form.txtLR.widget()},
        {Qt::Key_B, form.txtNr.widget()},     {Qt::Key_U, form.txtUL.widget()},
        {Qt::Key_G, form.optGlobal.widget()},
    };
    for (const auto& [key, control] : keys) {
        QTest::keyClick(&form, key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), control) << QKeySequence(key).toString().toStdString();
    }

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.bOK);

    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    clickType(id);
    form.txtUL.SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(form.bOK);
    EXPECT_EQ(form.CardTypeID, id);
}
} // namespace
