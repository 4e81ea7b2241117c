// The panel's captions: each label's access key reaches the control it names, in both
// editions, and the card's own texts on the preview take no key; screen readers name each
// box by its label.
#include "smallcardfixture.h"

#include "frmCardBacks.h"
#include "frmCardType.h"
#include "frmCharacter2nd.h"
#include "frmCreate.h"
#include "frmLarge2nd.h"

#include <QApplication>
#include <QTest>

namespace {
class AccessKeys : public SmallCardFixture {
protected:
    // Each key in turn, with the control that has the focus after it.
    void expectFocusAfterKeys(SmallCardWindow& form) {
        const std::pair<Qt::Key, QWidget*> keys[] = {
            {Qt::Key_Y, form.cboType.widget()},
            {Qt::Key_N, form.cboNumber.widget()},
            {Qt::Key_T, form.txtTitle.widget()},
            {Qt::Key_P, form.cmdGetPic.widget()}, // its focus only: no file dialog
            {Qt::Key_B, form.cmdBackPic.widget()},
            {Qt::Key_O, form.txtBold.widget()},
            {Qt::Key_I, form.txtInfo.widget()},
            {Qt::Key_S, form.txtArtist.widget()},
            {Qt::Key_A, form.cboCardBack.widget()},
            {Qt::Key_C, form.cmdColour.widget()},
            {Qt::Key_M, form.udCopy.widget()},
            {Qt::Key_T, form.txtTitle.widget()}, // the preview's "&T" takes no key
        };
        form.Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        form.cmdStat.SetFocus();
        for (const auto& [key, control] : keys) {
            QTest::keyClick(&form, key, Qt::AltModifier);
            EXPECT_EQ(QApplication::focusWidget(), control)
                << QKeySequence(key).toString().toStdString() << " went to "
                << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString()
                                                : "none");
        }
        EXPECT_TRUE(folder.dialogs().requests().empty());
        form.Hide();
    }
};

TEST_F(AccessKeys, EachCaptionReachesTheControlItNames) {
    openNewSet(2);
    insertCard(1, {{"Title", "&Title"}, {"Information", "&Information"}});
    expectFocusAfterKeys(frmCard2nd.get());
    openNewSet(3);
    insertCard(1, {{"Title", "&Title"}, {"Information", "&Information"}});
    expectFocusAfterKeys(frmCard3rd.get());
}

// Not by the frame the box stands in, nor by a label after it; a picture button by its tool tip.
TEST_F(AccessKeys, EachBoxIsNamedByItsOwnLabel) {
    openNewSet(2);
    const FrmCardType& types = frmCardType.get();
    const FrmCardBacks& backs = frmCardBacks.get();
    const FrmCreate& create = frmCreate.get();
    const FrmLarge2nd& large = frmLarge2nd.get();
    const FrmCharacter2nd& characters = frmCharacter2nd.get();
    const std::pair<const Control*, const char*> boxes[] = {
        {&types.txtUL, "Upper left:"},
        {&types.txtUR, "Upper right:"},
        {&types.txtLL, "Lower left:"},
        {&types.txtLR, "Lower right:"},
        {&types.txtNr, "Number:"},
        {&backs.txtBackText, "Name:"},
        {&create.txtSaveTo, "Save to:"}, // in the window's own order, not one set by the code
        {&create.txtFilenamePrefix, "Filename prefix:"},
        {&create.cboSaveFormat, "Save format:"},
        {&large.txtTitleLarge, "Title:"}, // not the record's position shown before it
        {&frmCard2nd->cmdCardAdd, "Add a new card"},
        {&frmCard2nd->cmdCardDelete, "Delete current card"},
        {&characters.cmdCharacterAdd, "Add a new character"},
        {&characters.cmdCharacterDelete, "Delete current character"},
    };
    for (const auto& [box, name] : boxes)
        EXPECT_EQ(box->widget()->accessibleName(), name) << box->Name().toStdString();
    frmCreate.unload();
    frmLarge2nd.unload();
    frmCharacter2nd.unload();
}
} // namespace
