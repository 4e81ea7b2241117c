// The lookups of the open set and the texts made from them.
#include "modData.h"
#include "programfolder.h"
#include "runtime/vberror.h"

#include <gtest/gtest.h>

namespace {
class Lookups : public ::testing::Test {
protected:
    void SetUp() override {
        folder.openDatabase();
        cnData->execute("INSERT INTO tblArea (AreaID, Board, Area, LanguageID, EditionID) VALUES "
                        "(901, 'Zeta', 'Quay', 77, 2), (902, NULL, 'Bare', 77, 2), "
                        "(903, 'Zeta', NULL, 77, 2)");
        cnData->execute("INSERT INTO tblAlignment (AlignmentID, Alignment, LanguageID, AlignmentNr) VALUES "
                        "(905, 'Second', 77, 2), (904, 'First', 77, 1)");
        LoadLookups(2, 77);
    }
    ProgramFolder folder;
};
} // namespace

TEST_F(Lookups, StartAreaJoinsBoardAndAreaWithNullAsEmpty) {
    ASSERT_EQ(rsArea->recordCount(), 3);
    QStringList texts;
    for (rsArea->moveFirst(); !rsArea->eof(); rsArea->moveNext())
        texts << rsArea->field("StartArea").toText();
    // Ordered by board then area; a Null sorts first.
    EXPECT_EQ(texts, (QStringList{" : Bare", "Zeta : ", "Zeta : Quay"}));
}

TEST_F(Lookups, AreaTextVariantsAndFilterCleared) {
    EXPECT_EQ(GetAreaText(901, false, false), "Quay");
    EXPECT_EQ(GetAreaText(901, true, false), "Zeta : Quay");
    EXPECT_EQ(GetAreaText(901, true, true), "Quay (Zeta)");
    EXPECT_EQ(GetAreaText(902, false, true), "Bare ()");
    EXPECT_EQ(GetAreaText(12345, true, true), "");
    EXPECT_EQ(rsArea->filter(), "");
    EXPECT_EQ(rsArea->recordCount(), 3);
}

TEST_F(Lookups, AlignmentsInTheirOrderAndTheirText) {
    ASSERT_EQ(rsAlignment->recordCount(), 2);
    EXPECT_EQ(rsAlignment->field("Alignment").toText(), "First");
    EXPECT_EQ(GetAlignmentText(905), "Second");
    EXPECT_EQ(GetAlignmentText(1), ""); // another language's row
    EXPECT_EQ(rsAlignment->recordCount(), 2);
}

TEST_F(Lookups, EditionAndLanguageSelectTheReferenceRows) {
    LoadLookups(2, 1);
    for (const RecordsetPtr& rs : {rsCardType, rsCardBack, rsCharacterBack, rsArea}) {
        ASSERT_GT(rs->recordCount(), 0);
        for (rs->moveFirst(); !rs->eof(); rs->moveNext()) {
            EXPECT_EQ(rs->field("EditionID").toInt(), 2);
            EXPECT_EQ(rs->field("LanguageID").toLong(), 1);
        }
    }
    EXPECT_THROW(rsCardType->field("UpperLeft") = "x", VbError); // snapshots are read-only
}

TEST_F(Lookups, RecordExists) {
    EXPECT_TRUE(RecordExists("SELECT * FROM tblPicFormat WHERE PicFormatID = 2"));
    EXPECT_FALSE(RecordExists("SELECT * FROM tblSet"));
}
