// New set, Edit set and Delete set through the set dialog, as the user meets them.
#include "frmMaster.h"
#include "mainwindowtest.h"
#include "modData.h"

namespace {
RecordsetPtr setRow(qint32 setID) {
    return GetRecordset(QStringLiteral("SELECT * FROM tblSet WHERE SetID = %1").arg(setID));
}

QStringList setList() {
    QStringList names;
    const RecordsetPtr rs = GetRecordset(QStringLiteral("SELECT SetName FROM tblSet ORDER BY SetName"));
    for (; !rs->eof(); rs->moveNext())
        names << rs->field(QStringLiteral("SetName")).toText();
    return names;
}

QStringList comboItems() {
    QStringList items;
    const int selected = frmMaster->cboSet.ListIndex();
    for (int i = 0; i < frmMaster->cboSet.ListCount(); ++i) {
        frmMaster->cboSet.setListIndex(i);
        items << frmMaster->cboSet.Text();
    }
    frmMaster->cboSet.setListIndex(selected);
    return items;
}
} // namespace

using SetManagement = MainWindowTest;

TEST_F(SetManagement, EmptyDatabaseHasNoOpenSet) {
    EXPECT_EQ(frmMaster->cboSet.ListCount(), 0);
    EXPECT_FALSE(frmMaster->cboSet.Enabled());
    EXPECT_FALSE(frmMaster->ptSet.Visible());
    EXPECT_FALSE(frmMaster->cmdDelete.Enabled());
    EXPECT_TRUE(frmMaster->cmdNew.Enabled());
    EXPECT_TRUE(frmMaster->cmdEdit.Enabled());
    EXPECT_EQ(iSetID, 0);
}

TEST_F(SetManagement, NewSetDialogOffersAnEmptyNameTheFirstLanguageAndThe2ndEdition) {
    bool shown = false;
    answerSetDialog({[&](FrmSetName& dialog) {
                         shown = true;
                         EXPECT_EQ(dialog.Caption(), "Set");
                         EXPECT_EQ(dialog.txtName.Text(), "");
                         EXPECT_EQ(dialog.cboLanguage.ListIndex(), 0);
                         EXPECT_EQ(dialog.cboLanguage.Text(), "English");
                         EXPECT_TRUE(dialog.opt2nd.Value());
                         EXPECT_FALSE(dialog.opt3rd.Value());
                     },
                     pressCancel()});
    click(frmMaster->cmdNew);
    EXPECT_TRUE(shown);
    EXPECT_EQ(countRows(QStringLiteral("SELECT * FROM tblSet")), 0);
    EXPECT_EQ(countRows(QStringLiteral("SELECT * FROM tblFont")), 0);
    EXPECT_FALSE(frmSetName.isLoaded());
}

TEST_F(SetManagement, NewSetIsWrittenWithItsDefaultsAndOpened) {
    const qint32 second = newSet(QStringLiteral("Heroes"), 2);
    const RecordsetPtr row = setRow(second);
    ASSERT_EQ(row->recordCount(), 1);
    EXPECT_EQ(row->field(QStringLiteral("SetName")).toText(), "Heroes");
    EXPECT_EQ(row->field(QStringLiteral("EditionID")).toInt(), 2);
    EXPECT_EQ(row->field(QStringLiteral("LanguageID")).toLong(), 1);
    EXPECT_EQ(row->field(QStringLiteral("DefaultCardTypeID")).toLong(), 0);
    EXPECT_EQ(row->field(QStringLiteral("DefaultCardBackID")).toLong(), 0);
    EXPECT_EQ(row->field(QStringLiteral("ArtistColour")).toLong(), 0x7F7F7F);
    EXPECT_EQ(row->field(QStringLiteral("PicFormatID")).toLong(), 1);
    EXPECT_FALSE(row->field(QStringLiteral("Autonumber")).toBool());
    EXPECT_FALSE(row->field(QStringLiteral("UseSymbol")).toBool());
    EXPECT_EQ(countRows(QStringLiteral("SELECT * FROM tblFont")), 13);
    // The new set is the open one and the set controls come alive.
    EXPECT_EQ(iSetEditionID, 2);
    EXPECT_EQ(frmMaster->cboSet.Text(), "Heroes");
    EXPECT_TRUE(frmMaster->cboSet.Enabled());
    EXPECT_TRUE(frmMaster->ptSet.Visible());
    EXPECT_TRUE(frmMaster->cmdDelete.Enabled());

    const qint32 third = newSet(QStringLiteral("Villains"), 3, 1);
    EXPECT_NE(third, second);
    EXPECT_EQ(setRow(third)->field(QStringLiteral("EditionID")).toInt(), 3);
    EXPECT_EQ(setRow(third)->field(QStringLiteral("LanguageID")).toLong(), 2);
    EXPECT_EQ(iSetEditionID, 3);
    EXPECT_EQ(iSetLanguageID, 2);
    EXPECT_EQ(countRows(QStringLiteral("SELECT * FROM tblFont")), 26);
}

TEST_F(SetManagement, OkWithoutANameIsRefusedAndTheDialogStays) {
    answerSetDialog({[](FrmSetName& dialog) { click(dialog.cmdOK); },
                     [&](FrmSetName& dialog) {
                         EXPECT_TRUE(dialog.Visible());
                         EXPECT_FALSE(dialog.bOK);
                         ASSERT_EQ(folder().dialogs().messages().size(), 1u);
                         const ShownMessage& shown = folder().dialogs().messages().front();
                         EXPECT_EQ(shown.prompt, "You must name the set.");
                         EXPECT_EQ(shown.style, 48);
                         EXPECT_EQ(shown.title, "Set name");
                     },
                     confirmSet(QStringLiteral("Named at last"), 2)});
    click(frmMaster->cmdNew);
    EXPECT_EQ(frmMaster->cboSet.Text(), "Named at last");
    EXPECT_EQ(countRows(QStringLiteral("SELECT * FROM tblSet")), 1);
}

TEST_F(SetManagement, OkWithoutALanguageDoesNothing) {
    const qint32 setID = newSet(QStringLiteral("Lost language"), 2);
    RecordsetPtr live;
    OpenRecordset(QStringLiteral("SELECT * FROM tblSet"), live);
    live->field(QStringLiteral("LanguageID")) = 99;
    live->update();
    frmMaster->InitialiseSet();

    answerSetDialog({[](FrmSetName& dialog) {
                         EXPECT_EQ(dialog.cboLanguage.ListIndex(), -1);
                         click(dialog.cmdOK);
                     },
                     [](FrmSetName& dialog) {
                         EXPECT_TRUE(dialog.Visible());
                         EXPECT_FALSE(dialog.bOK);
                     },
                     confirmSet(QStringLiteral("Lost language"), 2, 1)});
    click(frmMaster->cmdEdit);
    EXPECT_TRUE(folder().dialogs().messages().empty());
    EXPECT_EQ(setRow(setID)->field(QStringLiteral("LanguageID")).toLong(), 2);
}

TEST_F(SetManagement, CancelOrClosingTheDialogChangesNothing) {
    const qint32 setID = newSet(QStringLiteral("Kept"), 2);
    answerSetDialog({[](FrmSetName& dialog) {
        dialog.txtName.setText(QStringLiteral("Changed"));
        dialog.opt3rd.setValue(true);
        click(dialog.cmdCancel);
    }});
    click(frmMaster->cmdEdit);
    answerSetDialog({[](FrmSetName& dialog) {
        dialog.txtName.setText(QStringLiteral("Changed"));
        dialog.close(); // the close box
    }});
    click(frmMaster->cmdEdit);
    answerSetDialog({[](FrmSetName& dialog) {
        dialog.txtName.setText(QStringLiteral("Another"));
        dialog.close();
    }});
    click(frmMaster->cmdNew);

    EXPECT_EQ(countRows(QStringLiteral("SELECT * FROM tblSet")), 1);
    EXPECT_EQ(countRows(QStringLiteral("SELECT * FROM tblFont")), 13);
    EXPECT_EQ(setRow(setID)->field(QStringLiteral("SetName")).toText(), "Kept");
    EXPECT_EQ(setRow(setID)->field(QStringLiteral("EditionID")).toInt(), 2);
    EXPECT_FALSE(frmSetName.isLoaded());
}

TEST_F(SetManagement, EditRenamesResortsAndKeepsTheSetOpen) {
    newSet(QStringLiteral("Beta"), 2);
    const qint32 gamma = newSet(QStringLiteral("Gamma"), 2);
    answerSetDialog({[](FrmSetName& dialog) {
        EXPECT_EQ(dialog.txtName.Text(), "Gamma");
        EXPECT_EQ(dialog.txtName.SelLength(), 5); // typing replaces the name
        dialog.txtName.setText(QStringLiteral("alpha"));
        click(dialog.cmdOK);
    }});
    click(frmMaster->cmdEdit);
    EXPECT_EQ(iSetID, gamma);
    EXPECT_EQ(frmMaster->cboSet.ListIndex(), 0);
    EXPECT_EQ(comboItems(), QStringList({"alpha", "Beta"})); // without regard to case
    EXPECT_EQ(setList(), QStringList({"alpha", "Beta"}));
}

TEST_F(SetManagement, EditToAnotherEditionKeepsTheFontRows) {
    const qint32 setID = newSet(QStringLiteral("Changing"), 2);
    const qint32 titleFont = setRow(setID)->field(QStringLiteral("CardTitleFontID")).toLong();
    answerSetDialog({[](FrmSetName& dialog) {
        EXPECT_TRUE(dialog.opt2nd.Value());
        dialog.opt3rd.setValue(true);
        EXPECT_FALSE(dialog.opt2nd.Value());
        click(dialog.cmdOK);
    }});
    click(frmMaster->cmdEdit);
    EXPECT_EQ(setRow(setID)->field(QStringLiteral("EditionID")).toInt(), 3);
    EXPECT_EQ(setRow(setID)->field(QStringLiteral("CardTitleFontID")).toLong(), titleFont);
    EXPECT_EQ(countRows(QStringLiteral("SELECT * FROM tblFont")), 13);
    EXPECT_EQ(iSetEditionID, 3);
}

TEST_F(SetManagement, DeleteAsksFirst) {
    const qint32 first = newSet(QStringLiteral("Alpha"), 2);
    const qint32 second = newSet(QStringLiteral("Beta"), 2);

    folder().dialogs().answerMessageBox(vbNo);
    click(frmMaster->cmdDelete);
    ASSERT_EQ(folder().dialogs().messages().size(), 1u);
    const ShownMessage& question = folder().dialogs().messages().front();
    EXPECT_EQ(question.prompt, "Are you sure you want to delete the set?");
    EXPECT_EQ(question.style, 36);
    EXPECT_EQ(question.title, "Delete Set");
    EXPECT_EQ(countRows(QStringLiteral("SELECT * FROM tblSet")), 2);
    EXPECT_EQ(iSetID, second);

    folder().dialogs().answerMessageBox(vbYes);
    click(frmMaster->cmdDelete);
    EXPECT_EQ(setRow(second)->recordCount(), 0);
    EXPECT_EQ(iSetID, first); // the first remaining set by name
    EXPECT_EQ(frmMaster->cboSet.ListCount(), 1);
    // Only the set row goes.
    EXPECT_EQ(countRows(QStringLiteral("SELECT * FROM tblFont")), 26);

    folder().dialogs().answerMessageBox(vbYes);
    click(frmMaster->cmdDelete);
    EXPECT_EQ(iSetID, 0);
    EXPECT_EQ(frmMaster->cboSet.ListCount(), 0);
    EXPECT_FALSE(frmMaster->cboSet.Enabled());
    EXPECT_FALSE(frmMaster->ptSet.Visible());
    EXPECT_FALSE(frmMaster->cmdDelete.Enabled());
    EXPECT_EQ(folder().dialogs().unusedAnswers(), 0);
}

TEST_F(SetManagement, EditAndDeleteWithNoOpenSetDoNothing) {
    bool shown = false;
    answerSetDialog({[&](FrmSetName& dialog) {
        shown = true;
        click(dialog.cmdCancel);
    }});
    click(frmMaster->cmdEdit);
    frmMaster->cmdDelete.Click(); // disabled; its handler refuses all the same
    EXPECT_FALSE(shown);
    EXPECT_TRUE(folder().dialogs().messages().empty());
}

TEST_F(SetManagement, FailedNewSetLeavesNeitherSetNorFonts) {
    newSet(QStringLiteral("Existing"), 2);
    cnData->execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON tblSet "
                                   "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    answerSetDialog({confirmSet(QStringLiteral("Refused"), 3)});
    click(frmMaster->cmdNew);
    ASSERT_EQ(folder().dialogs().messages().size(), 1u);
    EXPECT_EQ(folder().dialogs().messages().front().style, 16);
    EXPECT_EQ(countRows(QStringLiteral("SELECT * FROM tblSet")), 1);
    EXPECT_EQ(countRows(QStringLiteral("SELECT * FROM tblFont")), 13);
    EXPECT_FALSE(rsSet->isEditing());
    EXPECT_EQ(frmMaster->cboSet.Text(), "Existing");
}
