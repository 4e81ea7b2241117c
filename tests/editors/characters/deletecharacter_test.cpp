// Deleting characters: no question, the followers move down, the character that took the
// deleted one's number is shown (or the new last one), and the last one empties the window.
#include "characterfixture.h"

#include "modData.h"

namespace {
using Characters = std::vector<std::pair<int, QString>>;

class DeleteCharacter : public CharacterFixture {
protected:
    // A new set of `count` characters, the one numbered `shown` on show.
    FrmCharacter2nd& showCharacter(int count, int shown) {
        addOpenSet(2);
        for (int nr = 1; nr <= count; ++nr)
            insertCharacter(nr);
        FrmCharacter2nd& form = editor();
        form.Initialise();
        for (int i = 1; i < shown; ++i)
            click(form.cmdCharNav[2]);
        return form;
    }
};
} // namespace

TEST_F(DeleteCharacter, FollowersMoveDownAndTheCharacterInThePlaceIsShown) {
    struct Case {
        int deleted;
        Characters left;
        const char* shownName;
        const char* position;
    };
    for (const Case& c : {
             Case{1, {{1, "CHARACTER 2"}, {2, "CHARACTER 3"}, {3, "CHARACTER 4"}}, "CHARACTER 2", "1 (3)"},
             Case{2, {{1, "CHARACTER 1"}, {2, "CHARACTER 3"}, {3, "CHARACTER 4"}}, "CHARACTER 3", "2 (3)"},
             Case{4, {{1, "CHARACTER 1"}, {2, "CHARACTER 2"}, {3, "CHARACTER 3"}}, "CHARACTER 3", "3 (3)"},
         }) {
        SCOPED_TRACE(testing::Message() << "deleting character " << c.deleted << " of 4");
        FrmCharacter2nd& form = showCharacter(4, c.deleted);
        ASSERT_EQ(form.txtCharName.Text(), QStringLiteral("CHARACTER %1").arg(c.deleted));
        const int messagesBefore = messageCount();

        click(form.cmdCharacterDelete);

        EXPECT_EQ(characters(), c.left);
        EXPECT_EQ(messageCount(), messagesBefore); // no question asked
        // The follower is the shown character: fields, preview and the row every edit writes.
        EXPECT_EQ(form.txtCharName.Text(), c.shownName);
        EXPECT_EQ(form.lblCharacter.Caption(), c.shownName);
        EXPECT_EQ(characterField(form.shownCharacterID(), "Name").toText(), c.shownName);
        EXPECT_EQ(form.lblCurrentCardCharacter.Caption(), c.position);
        EXPECT_EQ(form.lblCurrentCardCharacter.Tag(), "3");
        EXPECT_TRUE(form.cmdCharacterDelete.Enabled());

        // The count is right for the next add.
        click(form.cmdCharacterAdd);
        EXPECT_EQ(characters().back(), (std::pair<int, QString>{4, "CHARACTER 4"}));
        EXPECT_EQ(form.lblCurrentCardCharacter.Caption(), "4 (4)");
    }
}

TEST_F(DeleteCharacter, DeletingTheOnlyCharacterEmptiesTheWindow) {
    FrmCharacter2nd& form = showCharacter(1, 1);
    click(form.cmdCharacterDelete);
    EXPECT_TRUE(characters().empty());
    EXPECT_EQ(form.shownCharacterID(), 0);
    EXPECT_EQ(form.lblCurrentCardCharacter.Caption(), "0 (0)");
    EXPECT_EQ(form.lblCurrentCardCharacter.Tag(), "0");
    EXPECT_FALSE(form.picCharacterRest.Visible());
    EXPECT_FALSE(form.pic2ndCharacter.Visible());
    EXPECT_FALSE(form.cmdCharacterDelete.Enabled());
    EXPECT_FALSE(form.cmdCharNav[0].Enabled());
    EXPECT_TRUE(form.cmdCharacterAdd.Enabled());

    form.cmdCharacterDelete_Click(); // nothing left to delete
    EXPECT_EQ(messageCount(), 0);
    click(form.cmdCharacterAdd);
    EXPECT_EQ(characters(), (Characters{{1, "CHARACTER 1"}}));
    EXPECT_EQ(form.lblCurrentCardCharacter.Caption(), "1 (1)");
}

TEST_F(DeleteCharacter, ARefusedDeleteKeepsEveryCharacterAndTellsTheUser) {
    FrmCharacter2nd& form = showCharacter(3, 1);
    const qint32 shown = form.shownCharacterID();
    cnData->execute("CREATE TRIGGER refuse BEFORE UPDATE OF Nr ON tblCharacterData WHEN NEW.Nr = 2 "
                    "BEGIN SELECT RAISE(ABORT, 'refused'); END");

    click(form.cmdCharacterDelete); // character 2 moves to 1, character 3 cannot move to 2

    EXPECT_EQ(characters(), (Characters{{1, "CHARACTER 1"}, {2, "CHARACTER 2"}, {3, "CHARACTER 3"}}));
    ASSERT_EQ(messageCount(), 1);
    EXPECT_EQ(folder.dialogs().messages()[0].title, "Delete character");
    EXPECT_EQ(form.shownCharacterID(), shown);
    EXPECT_EQ(form.lblCurrentCardCharacter.Caption(), "1 (3)");
}
