#include "storedvalues.h"

#include "cardtables.h"
#include "modData.h"
#include "modPicture.h"
#include "modSetFonts.h"
#include "pictureplacement.h"

#include "forms/dialogs.h"
#include "forms/picturebox.h"
#include "runtime/conversions.h"
#include "runtime/vberror.h"

#include <QStringList>
#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <tuple>

namespace stored {
namespace {
const QString kDefaultUsed = QStringLiteral("its default is used instead");
const QString kNoPicture = QStringLiteral("no picture is shown");
// A summary names this many values, and counts the rest.
constexpr int kLongestList = 20;
constexpr qint32 kLargestColour = 0xFFFFFF;

// Each row and field is reported once in a run; another database starts afresh.
struct Reported {
    std::weak_ptr<Connection> database;
    std::set<std::tuple<QString, qint64, QString>> fields; // table, key, field, all lower case
};

Reported& reported() {
    static Reported instance;
    return instance;
}

CollectedReports*& collection() {
    static CollectedReports* innermost = nullptr;
    return innermost;
}

// The value as stored; none when the recordset cannot even hand it out (a Boolean column
// holding a text or bytes).
std::optional<Variant> storedValue(const Field& field) {
    try {
        return field.value();
    } catch (const VbError& error) {
        if (error.number() != VbError::TypeMismatch) throw;
        return std::nullopt;
    }
}

// A value read only to name its row: none for anything odd, never a report.
std::optional<Variant> quietValue(Recordset& row, const QString& name) {
    try {
        const Variant value = row.field(name).value();
        if (value.isNull()) return std::nullopt;
        return value;
    } catch (const VbError&) {
        return std::nullopt;
    }
}

// A number, or a text that holds one; none for anything else.
std::optional<double> numberOf(const Variant& value) {
    if (value.isNull() || value.type() == Variant::Type::Bytes) return std::nullopt;
    try {
        const double number = value.toDouble();
        if (std::isfinite(number)) return number;
    } catch (const VbError&) {
    }
    return std::nullopt;
}

// A whole number as the column's type holds it (halves to even), within its range: 16 bits
// for a 16-bit column, 32 for any other.
std::optional<qint64> wholeNumber(ColumnType type, const Variant& value) {
    const std::optional<double> number = numberOf(value);
    if (!number) return std::nullopt;
    const double whole = roundHalfEven(*number);
    const bool narrow = type == ColumnType::Int16;
    const double lowest = narrow ? std::numeric_limits<qint16>::min() : std::numeric_limits<qint32>::min();
    const double highest = narrow ? std::numeric_limits<qint16>::max() : std::numeric_limits<qint32>::max();
    if (whole < lowest || whole > highest) return std::nullopt;
    return qint64(whole);
}

// What its column's type and the reader make of a value that is not Null; none when it
// cannot be used.
template <class T, class Convert>
T read(Recordset& row, const QString& name, T fallback, Convert convert,
       const QString& consequence = kDefaultUsed) {
    const Field field = row.field(name);
    const std::optional<Variant> value = storedValue(field);
    if (value && value->isNull()) return fallback;
    if (value) {
        if (const std::optional<T> usable = convert(field.type(), *value)) return *usable;
    }
    report(row, name, consequence);
    return fallback;
}

// The key of the table's row that the recordset stands on; none when it does not hold it.
std::optional<qint64> rowKey(Recordset& row, const QString& table) {
    for (int i = 0; i < row.fieldCount(); ++i) {
        if (row.fieldType(i) != ColumnType::Key ||
            cardTableOf(row.fieldTable(i)).compare(table, Qt::CaseInsensitive) != 0)
            continue;
        const std::optional<Variant> key = quietValue(row, row.fieldName(i));
        if (key && key->type() == Variant::Type::Integer) return qint64(key->toDouble());
        return std::nullopt;
    }
    return std::nullopt;
}

// A text that can name a row; none for anything else.
std::optional<QString> nameText(const std::optional<Variant>& value) {
    if (!value || value->type() != Variant::Type::Text || value->toText().trimmed().isEmpty())
        return std::nullopt;
    return value->toText();
}

// The first row of a query run only to name a row; none when it has none or cannot run.
RecordsetPtr namingRow(const QString& sql) {
    try {
        RecordsetPtr rows = GetRecordset(sql);
        if (!rows->eof()) return rows;
    } catch (const VbError&) {
        // The row is named without it.
    }
    return nullptr;
}

QString setName(qint64 setID, const std::optional<Variant>& name) {
    if (const std::optional<QString> text = nameText(name))
        return QStringLiteral("the set \"%1\"").arg(*text);
    return QStringLiteral("the set number %1").arg(setID);
}

QString setOfKey(qint64 setID) {
    const RecordsetPtr sets =
        namingRow(QStringLiteral("SELECT SetName FROM tblSet WHERE SetID = ") + QString::number(setID));
    return setName(setID, sets ? quietValue(*sets, QStringLiteral("SetName")) : std::nullopt);
}

// "the font CardTitleFontID of the set "Name"": the set's column that names the font row.
QString fontRowName(qint64 fontID) {
    const QStringList fields = SetFontFields();
    const QString key = QString::number(fontID);
    const RecordsetPtr sets = namingRow(QStringLiteral("SELECT SetID, SetName, ") + fields.join(", ") +
                                        QStringLiteral(" FROM tblSet WHERE ") +
                                        fields.join(" = " + key + " OR ") + QStringLiteral(" = ") + key);
    if (!sets) return QStringLiteral("the font row %1").arg(fontID);
    QString field;
    for (const QString& name : fields) {
        const std::optional<Variant> value = quietValue(*sets, name);
        if (value && value->type() == Variant::Type::Integer && qint64(value->toDouble()) == fontID)
            field = name;
    }
    const std::optional<Variant> set = quietValue(*sets, QStringLiteral("SetID"));
    return (field.isEmpty() ? QStringLiteral("a font of ") : QStringLiteral("the font %1 of ").arg(field)) +
           setName(set ? qint64(set->toDouble()) : 0, quietValue(*sets, QStringLiteral("SetName")));
}

// "the card back "Name"", or by its number when its name cannot be read.
QString namedRow(const QString& kind, const QString& table, const QString& keyColumn,
                 const QString& nameColumn, qint64 key) {
    const RecordsetPtr rows = namingRow(
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 = %4").arg(nameColumn, table, keyColumn).arg(key));
    if (const std::optional<QString> name = rows ? nameText(quietValue(*rows, nameColumn)) : std::nullopt)
        return QStringLiteral("the %1 \"%2\"").arg(kind, *name);
    return QStringLiteral("the %1 number %2").arg(kind).arg(key);
}

// "the area "Lookout" of the board "Highland"": what of it can be read.
QString areaName(qint64 areaID) {
    const QString area = namedRow(QStringLiteral("area"), QStringLiteral("tblArea"), QStringLiteral("AreaID"),
                                  QStringLiteral("Area"), areaID);
    const RecordsetPtr areas =
        namingRow(QStringLiteral("SELECT Board FROM tblArea WHERE AreaID = ") + QString::number(areaID));
    if (const std::optional<QString> board =
            areas ? nameText(quietValue(*areas, QStringLiteral("Board"))) : std::nullopt)
        return area + QStringLiteral(" of the board \"%1\"").arg(*board);
    return area;
}

// "the card type "Encounter / Beast (2)"": its corner texts and number that can be read.
QString cardTypeName(qint64 typeID) {
    const RecordsetPtr types = namingRow(
        QStringLiteral("SELECT UpperLeft, LowerLeft, UpperRight, LowerRight, Number FROM tblCardType "
                       "WHERE CardTypeID = ") +
        QString::number(typeID));
    if (!types) return QStringLiteral("the card type number %1").arg(typeID);
    const auto readable = [&](const char* field) {
        return nameText(quietValue(*types, QLatin1String(field)));
    };
    QStringList corners;
    for (const char* corner : {"UpperLeft", "LowerLeft", "UpperRight", "LowerRight"})
        if (const std::optional<QString> text = readable(corner)) corners << *text;
    QString name = corners.join(QStringLiteral(" / "));
    if (const std::optional<QString> number = readable("Number"))
        name += (name.isEmpty() ? QStringLiteral("(") : QStringLiteral(" (")) + *number + QLatin1Char(')');
    if (name.isEmpty()) return QStringLiteral("the card type number %1").arg(typeID);
    return QStringLiteral("the card type \"%1\"").arg(name);
}

QString sentence(const CollectedReports::Entry& entry) {
    QString text =
        QStringLiteral("The value stored in %1 cannot be used, so %2.").arg(entry.what, entry.consequence);
    if (!entry.advice.isEmpty()) text += QStringLiteral("\r\n\r\n") + entry.advice;
    return text;
}
} // namespace

QString rowName(Recordset& row, const QString& table) {
    const auto is = [&](const char* name) {
        return table.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    const std::optional<Variant> setKey = quietValue(row, QStringLiteral("SetID"));
    const qint64 set = setKey ? wholeNumber(ColumnType::Int32, *setKey).value_or(0) : 0;
    if (is("tblSet")) return setName(set, quietValue(row, QStringLiteral("SetName")));

    QString kind;
    if (is("tblCard"))
        kind = QStringLiteral("card");
    else if (is("tblCharacter"))
        kind = QStringLiteral("character");
    else if (is("tblLargeCard"))
        kind = QStringLiteral("large card");
    const std::optional<qint64> key = rowKey(row, table);
    if (kind.isEmpty()) {
        if (!key) return QStringLiteral("a row of ") + table;
        if (is("tblFont")) return fontRowName(*key);
        if (is("tblCardBack"))
            return namedRow(QStringLiteral("card back"), table, QStringLiteral("CardBackID"),
                            QStringLiteral("BackText"), *key);
        if (is("tblCharacterBack"))
            return namedRow(QStringLiteral("character back"), table, QStringLiteral("CharacterBackID"),
                            QStringLiteral("BackText"), *key);
        if (is("tblCardType")) return cardTypeName(*key);
        if (is("tblArea")) return areaName(*key);
        if (is("tblAlignment"))
            return namedRow(QStringLiteral("alignment"), table, QStringLiteral("AlignmentID"),
                            QStringLiteral("Alignment"), *key);
        if (is("tblPicFormat"))
            return namedRow(QStringLiteral("picture format"), table, QStringLiteral("PicFormatID"),
                            QStringLiteral("PicFormat"), *key);
        return QStringLiteral("the row %1 of %2").arg(*key).arg(table);
    }
    const std::optional<Variant> nr = quietValue(row, QStringLiteral("Nr"));
    const std::optional<qint64> number = nr ? wholeNumber(ColumnType::Int16, *nr) : std::nullopt;
    const QString card =
        number ? QStringLiteral("%1 %2").arg(kind).arg(*number) : QStringLiteral("a ") + kind;
    if (set == 0) return card;
    return card + QStringLiteral(" of ") + setOfKey(set);
}

std::optional<QString> name(Recordset& row, const QString& field) {
    return nameText(quietValue(row, field));
}

bool flag(Recordset& row, const QString& field) {
    return read<bool>(row, field, false, [](ColumnType, const Variant& value) -> std::optional<bool> {
        if (const std::optional<double> number = numberOf(value)) return *number != 0;
        return std::nullopt;
    });
}

qint32 number(Recordset& row, const QString& field, qint32 fallback) {
    return read<qint32>(row, field, fallback,
                        [](ColumnType type, const Variant& value) -> std::optional<qint32> {
                            if (const std::optional<qint64> whole = wholeNumber(type, value))
                                return qint32(*whole);
                            return std::nullopt;
                        });
}

qint32 colour(Recordset& row, const QString& field) {
    return read<qint32>(row, field, 0, [](ColumnType type, const Variant& value) -> std::optional<qint32> {
        const std::optional<qint64> whole = wholeNumber(type, value);
        if (whole && *whole >= 0 && *whole <= kLargestColour) return qint32(*whole);
        return std::nullopt;
    });
}

double decimal(Recordset& row, const QString& field) {
    return read<double>(row, field, 0.0, [](ColumnType, const Variant& value) { return numberOf(value); });
}

double offset(Recordset& row, const QString& field, double pictureTwips, double roomPixels) {
    return placement::shownOffset(decimal(row, field), pictureTwips, roomPixels);
}

double extent(Recordset& row, const QString& field, double largest) {
    return placement::shownExtent(decimal(row, field), largest);
}

QString text(Recordset& row, const QString& field) {
    return read<QString>(row, field, QString(),
                         [](ColumnType type, const Variant& value) -> std::optional<QString> {
                             switch (type) {
                             case ColumnType::Int16:
                             case ColumnType::Int32:
                             case ColumnType::Key:
                                 if (!wholeNumber(type, value)) return std::nullopt;
                                 break;
                             case ColumnType::Double:
                             case ColumnType::Boolean:
                                 if (!numberOf(value)) return std::nullopt;
                                 break;
                             default:
                                 if (value.type() == Variant::Type::Bytes) return std::nullopt;
                                 break;
                             }
                             return value.toText();
                         });
}

bool hasBytes(Recordset& row, const QString& field) {
    return read<bool>(
        row, field, false,
        [](ColumnType, const Variant& value) -> std::optional<bool> {
            if (value.type() == Variant::Type::Bytes) return true;
            return std::nullopt;
        },
        kNoPicture);
}

void showPicture(PictureBox& box, Recordset& row, const QString& field) {
    if (!hasBytes(row, field)) {
        box.setPicture(Picture());
        return;
    }
    try {
        ShowFieldPicture(box, row.field(field));
    } catch (const VbError& error) {
        // The box is empty again.
        if (error.number() != VbError::InvalidPicture) throw;
        report(row, field, kNoPicture);
    }
}

void report(Recordset& row, const QString& field, const QString& consequence, const QString& advice) {
    Reported& done = reported();
    if (done.database.lock() != cnData) {
        done.fields.clear();
        done.database = cnData;
    }
    // A card's pictures and its other values are one row to the user.
    const QString table = cardTableOf(row.field(field).table());
    if (const std::optional<qint64> key = rowKey(row, table)) {
        if (!done.fields.emplace(table.toLower(), *key, field.toLower()).second) return;
    }
    const CollectedReports::Entry entry{field + QStringLiteral(" of ") + rowName(row, table), consequence,
                                        advice};
    if (CollectedReports* collecting = collection()) {
        collecting->m_entries.push_back(entry);
        return;
    }
    MsgBox(sentence(entry), vbExclamation, QStringLiteral("Stored value"));
}

CollectedReports::CollectedReports(QString title) : m_title(std::move(title)), m_outer(collection()) {
    collection() = this;
}

CollectedReports::~CollectedReports() {
    collection() = m_outer;
    try {
        show();
    } catch (...) {
        // Nothing may leave a destructor; what could not be shown is lost.
    }
}

void CollectedReports::show() {
    if (m_entries.empty()) return;
    std::vector<Entry> entries;
    entries.swap(m_entries);
    if (m_outer) {
        m_outer->m_entries.insert(m_outer->m_entries.end(), entries.begin(), entries.end());
        return;
    }
    if (entries.size() == 1) {
        MsgBox(sentence(entries.front()), vbExclamation, m_title);
        return;
    }
    QStringList lines;
    QStringList advice;
    for (const Entry& entry : entries) {
        if (lines.size() < kLongestList) lines << entry.what + QStringLiteral(": ") + entry.consequence;
        if (!entry.advice.isEmpty() && !advice.contains(entry.advice)) advice << entry.advice;
    }
    if (entries.size() > size_t(kLongestList))
        lines << QStringLiteral("and %1 more").arg(entries.size() - size_t(kLongestList));
    QString text =
        QStringLiteral("These stored values cannot be used:\r\n\r\n") + lines.join(QStringLiteral("\r\n"));
    for (const QString& more : advice)
        text += QStringLiteral("\r\n\r\n") + more;
    MsgBox(text, vbExclamation, m_title);
}

} // namespace stored
