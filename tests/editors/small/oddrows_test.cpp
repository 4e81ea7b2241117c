// Rows another tool left with values the dialogs and the editors' lists cannot use: each opens
// and shows what it can, as the type dialog shows bytes, and the value is named once with a
// row a user can find.
#include "frmCard2nd.h"
#include "frmCard3rd.h"
#include "frmCardBacks.h"
#include "frmCardList.h"
#include "frmCardType.h"
#include "frmCharacter2nd.h"
#include "modData.h"
#include "modFile.h"
#include "programfolder.h"
#include "testrows.h"

#include "runtime/files.h"

#include <gtest/gtest.h>

namespace {
QString backsListed(qint16 edition) {
    frmCardBacks->InitBacks(edition);
    ListView& list = frmCardBacks->lvCardBack;
    const QString rows = list.ListItemAt(1).Text() + "|" + list.ListItemAt(2).SubItems(1);
    frmCardBacks.unload();
    return rows;
}

QString rowOf(const ListItem& item, int column) {
    return item.Text() + "|" + item.SubItems(column);
}

// A character of the open set in the start area 5 ("Highland", "Lookout") of alignment 2.
const QString kWithCharacter = "; INSERT INTO tblCharacter (SetID, Nr, Name, StartingAreaID, AlignmentID) "
                               "SELECT MAX(SetID), 1, 'Hero', 5, 2 FROM tblSet";

// The character editor's list and the character's text on its preview.
QString characterShows(const ComboBox& list, const Label& preview) {
    frmCharacter2nd->Initialise();
    return list.Text() + "|" + preview.Caption();
}
} // namespace

TEST(OddRows, EachDialogOpensAndNamesTheValueOnceWithItsRow) {
    const struct {
        qint16 edition;
        QString sql; // leaves the odd value, as another tool would
        const char* named;
        std::function<QString(const ProgramFolder&)> shown; // opens the dialog
        const char* expected;
    } cases[] = {
        {2, "UPDATE tblCardBack SET BackText = x'00FF' WHERE CardBackID = 1",
         "BackText of the card back number 1", [](const ProgramFolder&) { return backsListed(2); },
         "Indigo Stripes|No"},
        {3, "UPDATE tblCardBack SET Original = 'yes' WHERE CardBackID = 4",
         "Original of the card back \"Rust Rings\"", [](const ProgramFolder&) { return backsListed(3); },
         "Moss Diamonds|Yes"},
        {2, "UPDATE tblCardBack SET BackText = x'00' WHERE CardBackID = 1",
         "BackText of the card back number 1",
         [](const ProgramFolder& folder) {
             frmCard2nd->cmdStat.Click();
             return folder.dialogs().messages().back().prompt.section("\r\n", 10, 10);
         },
         "1 -  (100%)"},
        {2, "UPDATE tblCard SET Title = x'00'", "Title of card 1 of the set \"Test set\"",
         [](const ProgramFolder&) {
             frmCardList->FillList();
             const QString row = rowOf(frmCardList->lvCard.ListItemAt(1), 2);
             frmCardList.unload();
             return row;
         },
         "|Amber Checks"},
        {2, "UPDATE tblCardType SET UsedInSet = 'all' WHERE CardTypeID = 1",
         "UsedInSet of the card type \"Encounter (1)\"",
         [](const ProgramFolder&) {
             const QString row = rowOf(*frmCardType->lvType.FindListItem("CT1"), 6);
             frmCardType.unload();
             return row;
         },
         "Encounter|No"},
        {2, "UPDATE tblCard SET BoldText = x'00'", "BoldText of card 1 of the set \"Test set\"",
         [](const ProgramFolder& folder) {
             ExportSetText(folder.file("set.txt"), iSetID);
             return QString::fromUtf8(ReadFileBytes(folder.file("set.txt"))).section("\r\n", 7, 9);
         },
         "CARD 1\r\nNr:   1\r\nText: "},
        {3, "UPDATE tblCardType SET UpperLeft = x'00' WHERE CardTypeID = 7",
         "UpperLeft of the card type \"Beast (1)\"",
         [](const ProgramFolder&) {
             frmCard3rd->cmdCardNav[0].Click();
             return frmCard3rd->lblType[0].Caption() + "|" + frmCard3rd->lblType[1].Caption();
         },
         "|Beast"},
        {2,
         "UPDATE tblCardType SET LowerLeft = x'00' WHERE CardTypeID = 2; UPDATE tblCard SET CardTypeID = 2",
         "LowerLeft of the card type \"Encounter (2)\"",
         [](const ProgramFolder&) {
             frmCard2nd->InitCard2nd();
             return frmCard2nd->cboType.Text() + "|" + frmCard2nd->lblType[2].Caption();
         },
         "Encounter (2)|"},
        {2, "UPDATE tblArea SET Area = x'00' WHERE AreaID = 5" + kWithCharacter,
         "Area of the area number 5 of the board \"Highland\"",
         [](const ProgramFolder&) {
             return characterShows(frmCharacter2nd->cboStartArea, frmCharacter2nd->lblStart);
         },
         "Highland : |"},
        {2, "UPDATE tblAlignment SET Alignment = x'00' WHERE AlignmentID = 2" + kWithCharacter,
         "Alignment of the alignment number 2",
         [](const ProgramFolder&) {
             return characterShows(frmCharacter2nd->cboAlignment, frmCharacter2nd->lblAlignment);
         },
         "|"},
    };
    for (const auto& odd : cases) {
        SCOPED_TRACE(odd.sql.toStdString());
        ProgramFolder folder;
        folder.openDatabase();
        addOpenSet(odd.edition);
        insertRow("tblCard", "CardID", newSmallCardValues(1),
                  {{"CardTypeID", odd.edition == 2 ? 1 : 7}, {"CardBackID", odd.edition == 2 ? 1 : 3}});
        cnData->execute(odd.sql);
        LoadLookups(odd.edition, 1);
        for (int times = 0; times < 2; ++times)
            EXPECT_EQ(odd.shown(folder), odd.expected);
        std::vector<ShownMessage> shown = folder.dialogs().messages();
        std::erase_if(shown, [](const ShownMessage& m) { return !m.prompt.contains("cannot be used"); });
        EXPECT_EQ(shown.size(), 1u);
        for (const ShownMessage& m : shown)
            EXPECT_TRUE(m.prompt.contains(QString::fromLatin1(odd.named))) << m.prompt.toStdString();
        frmCard2nd.unload();
        frmCard3rd.unload();
        frmCharacter2nd.unload();
    }
}
