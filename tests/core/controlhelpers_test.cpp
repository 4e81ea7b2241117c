// Moving rows into lists and selecting list items by id.
#include "forms/forms.h"
#include "modData.h"
#include "programfolder.h"

#include <gtest/gtest.h>

namespace {
class ListForm : public Form {
public:
    ListForm() : Form("frmList") {}
    ComboBox cboList{*this, "cboList"};
    TextBox txtName{*this, "txtName"};
    ListView lvList{*this, "lvList"};
};

class ControlHelpers : public ::testing::Test {
protected:
    void SetUp() override {
        folder.openDatabase();
        form.cboList.Click = [this] { ++clicks; };
    }
    ProgramFolder folder;
    ListForm form;
    int clicks = 0;
};
} // namespace

TEST_F(ControlHelpers, FillComboTakesTextAndIdAndRunsNoHandler) {
    const RecordsetPtr formats = GetRecordset("SELECT * FROM tblPicFormat");
    FillCombo(form.cboList, *formats, "PicFormat", "PicFormatID");
    ASSERT_EQ(form.cboList.ListCount(), 3);
    EXPECT_EQ(form.cboList.ItemData(1), 2);
    EXPECT_EQ(form.cboList.ListIndex(), -1);
    EXPECT_TRUE(formats->eof());
    EXPECT_EQ(clicks, 0);

    FillCombo(form.cboList, *GetRecordset("SELECT * FROM tblSet"), "SetName", "SetID");
    EXPECT_EQ(form.cboList.ListCount(), 0);
}

TEST_F(ControlHelpers, SelectComboItemByIdSelectsTheFirstOrNoChoice) {
    for (const auto& [text, id] : {std::pair{"a", 7}, {"b", 9}, {"c", 9}}) {
        form.cboList.AddItem(text);
        form.cboList.setItemData(form.cboList.NewIndex(), id);
    }
    SelectComboItem(form.cboList, 9);
    EXPECT_EQ(form.cboList.ListIndex(), 1);
    EXPECT_EQ(clicks, 1);
    SelectComboItem(form.cboList, 12);
    EXPECT_EQ(form.cboList.ListIndex(), -1);
}

TEST_F(ControlHelpers, SmallHelpers) {
    form.txtName.setText("Some name");
    SelectAllText(form.txtName);
    EXPECT_EQ(form.txtName.SelStart(), 0);
    EXPECT_EQ(form.txtName.SelLength(), 9);

    form.lvList.AddColumnHeader("Name", 1000);
    form.lvList.AddListItem("k1", "b");
    form.lvList.AddListItem("k2", "a");
    SortListView(form.lvList, 0, 1);
    EXPECT_TRUE(form.lvList.Sorted());
    EXPECT_EQ(form.lvList.ListItemAt(1).Text(), "b");

    EXPECT_EQ(YesNo(false), "No");
    EXPECT_EQ(BoolToCheck(true), 1);
}
