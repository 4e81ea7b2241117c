#pragma once
// The values of a set's, a card's, a character's and a large card's row, as the editors, the
// renderer and the batch read them. Another tool may have left anything in a column: a text
// in a number's place, a number past its column's range, bytes in a text, bytes that are no
// picture. What a column can hold is its logical type in the column catalogue; what its use
// can take is said by the reader chosen here. A value that cannot be used gives the reader's
// default, as a Null does (a Null is no fault: it counts as False, 0 or "" without a word),
// and is reported once in a run for its row and field, naming the set, the card's number and
// the field; the program goes on.

#include "db/recordset.h"

#include <QString>
#include <optional>
#include <vector>

class PictureBox;

namespace stored {

// A Boolean. Null, and what is no number, count as False.
bool flag(Recordset& row, const QString& field);
// A whole number within its column's range: a key, a count, a number. Null, and what cannot
// be used, give `fallback` (0: no row has that key).
qint32 number(Recordset& row, const QString& field, qint32 fallback = 0);
// A colour, &HBBGGRR. Null, and what is no such colour, give black (0).
qint32 colour(Recordset& row, const QString& field);
// Any number, as a picture's offset is moved from. Null, and what is no number, give 0.
double decimal(Recordset& row, const QString& field);
// An offset of a picture (twips) or a size of a frame (pixels) as it can be shown (see
// placement::shownOffset and shownExtent): further out shows the same, so only what is no
// number is reported.
double offset(Recordset& row, const QString& field, double pictureTwips, double roomPixels);
double extent(Recordset& row, const QString& field, double largest);
// A text (a number column's as its digits). Null, and bytes, give "".
QString text(Recordset& row, const QString& field);
// A text that names something (a row, a file ending). Null, bytes, a number and a blank text
// give none, never reported: the caller says what it cannot do without it.
std::optional<QString> name(Recordset& row, const QString& field);
// Whether a picture column holds bytes. Null, and what is no bytes, give none.
bool hasBytes(Recordset& row, const QString& field);
// Shows the picture of the field in the box, or empties it. Bytes that are no picture are
// reported like any other value that cannot be used.
void showPicture(PictureBox& box, Recordset& row, const QString& field);

// How the reports name the row the recordset stands on: "the set "Name"", "card 3 of the set
// "Name"", "the card back "Name"", "the area "Lookout" of the board "Highland"", or by its key.
QString rowName(Recordset& row, const QString& table);

// Reports that the row's field cannot be used, once in a run for that row and field:
// "The value stored in <field> of <the row> cannot be used, so <consequence>." and the advice.
void report(Recordset& row, const QString& field,
            const QString& consequence = QStringLiteral("its default is used instead"),
            const QString& advice = {});

// While one lives, the reports wait for it: show() (or its end) hands them to the collection
// around it, or shows them in one message. A card that is shown, a set that is chosen, a batch
// each collect theirs, so that many values give one message.
class CollectedReports {
public:
    explicit CollectedReports(QString title = QStringLiteral("Stored value"));
    ~CollectedReports();
    CollectedReports(const CollectedReports&) = delete;
    CollectedReports& operator=(const CollectedReports&) = delete;

    void show();

    struct Entry {
        QString what; // "<field> of <the row>"
        QString consequence;
        QString advice;
    };

private:
    friend void report(Recordset&, const QString&, const QString&, const QString&);
    QString m_title;
    CollectedReports* m_outer;
    std::vector<Entry> m_entries;
};

} // namespace stored
