// Adding and deleting number a set's cards, characters and large cards 1..n by their order,
// whatever numbers were stored: gaps, repeats and values that are no usable number.
#include "editorfixture.h"
#include "frmCard2nd.h"
#include "frmCharacter2nd.h"
#include "frmLarge2nd.h"

#include "modData.h"

#include <QCoreApplication>

namespace {
struct Editor {
    CommandButton &add, &remove, &next;
    Label& position;
};

struct Kind {
    const char *table, *key, *name;
    FieldValues (*values)(int);
    Editor (*open)();
};

const Kind kCard{"tblCard", "CardID", "Title", newSmallCardValues, [] {
                     FrmCard2nd& f = frmCard2nd.get();
                     return Editor{f.cmdCardAdd, f.cmdCardDelete, f.cmdCardNav[2], f.lblCurrentCard};
                 }};
const Kind kCharacter{
    "tblCharacter", "CharacterID", "Name", newCharacterValues, [] {
        FrmCharacter2nd& f = frmCharacter2nd.get();
        return Editor{f.cmdCharacterAdd, f.cmdCharacterDelete, f.cmdCharNav[2], f.lblCurrentCardCharacter};
    }};
const Kind kLargeCard{"tblLargeCard", "LargeCardID", "Title", newLargeCardValues, [] {
                          FrmLarge2nd& f = frmLarge2nd.get();
                          return Editor{f.cmdCardAdd, f.cmdCardDelete, f.cmdCardNav[2], f.lblCurrentCard};
                      }};

using Numbering = EditorFixture;
} // namespace

TEST_F(Numbering, AddingAndDeletingNumberTheRowsOneToNWhateverWasStored) {
    struct Case {
        const Kind& kind;
        QStringList stored; // SQL values of Nr, for rows named A, B, C, ...
        int deleted;        // the position of the row deleted; 0 adds one
        QStringList after;
        const char* position;
    };
    for (const Case& c : {
             Case{kCard, {"1", "2", "3", "5"}, 2, {"1 A", "2 C", "3 D"}, "2 (3)"},
             Case{kCard, {"NULL", "2", "2", "40000"}, 0, {"1 A", "2 B", "3 C", "4 D", "5 CARD 5"}, "5 (5)"},
             Case{kCharacter, {"1", "2", "3", "'odd'"}, 4, {"1 A", "2 B", "3 C"}, "3 (3)"},
             Case{kCharacter, {"1", "'odd'"}, 0, {"1 A", "2 B", "3 CHARACTER 3"}, "3 (3)"},
             Case{kLargeCard, {"1", "2.5", "3"}, 1, {"1 B", "2 C"}, "1 (2)"},
             Case{kLargeCard, {"'x'"}, 0, {"1 A", "2 LARGE CARD 2"}, "2 (2)"},
         }) {
        SCOPED_TRACE(testing::Message() << c.kind.table << " " << c.stored.join(", ").toStdString());
        addOpenSet(2);
        for (int i = 0; i < c.stored.size(); ++i) {
            const qint32 id = insertRow(c.kind.table, c.kind.key, c.kind.values(i + 1),
                                        {{c.kind.name, QString(QChar('A' + i))}});
            cnData->execute(QStringLiteral("UPDATE %1 SET Nr = %2 WHERE %3 = %4")
                                .arg(c.kind.table, c.stored[i], c.kind.key)
                                .arg(id));
        }
        const Editor editor = c.kind.open();
        for (int i = 1; i < c.deleted; ++i)
            click(editor.next);
        click(c.deleted == 0 ? editor.add : editor.remove);
        EXPECT_EQ(numberedRows(c.kind.table, c.kind.name, c.kind.key), c.after);
        EXPECT_EQ(editor.position.Caption(), c.position);
        frmCard2nd.unload();
        frmCharacter2nd.unload();
        frmLarge2nd.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
