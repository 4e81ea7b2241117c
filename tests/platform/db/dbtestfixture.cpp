#include "dbtestfixture.h"

void DbTest::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    db = Connection::create(path(QStringLiteral("test.mdb")));
    db->execute(QStringLiteral(R"(
        CREATE TABLE tblGroup (
            GroupID INTEGER PRIMARY KEY AUTOINCREMENT,
            Title TEXT COLLATE NOCASE);
        CREATE TABLE tblItem (
            ItemID INTEGER PRIMARY KEY AUTOINCREMENT,
            Name TEXT COLLATE NOCASE,
            Info LONGTEXT COLLATE NOCASE,
            Nr SMALLINT,
            Colour INTEGER,
            Size DOUBLE,
            Flag BOOLEAN NOT NULL DEFAULT 0,
            Picture BLOB,
            GroupID INTEGER);
        INSERT INTO tblGroup (Title) VALUES ('Forest'), ('Hills');
        INSERT INTO tblItem (Name, Nr, Flag, GroupID) VALUES
            ('b', 1, 0, 1), ('A', 2, -1, 2), ('c', 3, 0, 1),
            (NULL, 4, -1, 2), ('O''Hara', 5, 0, 1), ('', 6, 0, 2);
    )"));
    db->setWriteObserver(
        [this](Connection::WriteKind kind, const QString& table, qint64 key, const QStringList& columns) {
            writes.push_back({kind, table, key, columns});
        });
}

RecordsetPtr DbTest::open(Recordset::Kind kind, const QString& sql) {
    return kind == Recordset::Kind::Live ? db->openLive(sql) : db->openSnapshot(sql);
}

Variant DbTest::stored(const QString& sql) {
    return db->openSnapshot(sql)->field(QStringLiteral("v")).value();
}

QStringList columnFrom(Recordset& rs, const QString& name) {
    QStringList values;
    for (; !rs.eof(); rs.moveNext()) {
        const Variant value = rs.field(name).value();
        values << (value.isNull() ? QStringLiteral("<null>") : value.toText());
    }
    return values;
}

void PrintTo(const Variant& value, std::ostream* out) {
    if (value.isNull())
        *out << "Null";
    else if (value.type() == Variant::Type::Bytes)
        *out << value.toBytes().size() << " bytes";
    else
        *out << int(value.type()) << ":" << value.toText().toStdString();
}
