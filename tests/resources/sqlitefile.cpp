#include "sqlitefile.h"

#include <sqlite3.h>
#include <stdexcept>

namespace {

[[noreturn]] void fail(sqlite3* db, const QString& what) {
    throw std::runtime_error(
        QStringLiteral("%1: %2").arg(what, QString::fromUtf8(sqlite3_errmsg(db))).toStdString());
}

QVariant columnValue(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(statement, column));
    case SQLITE_TEXT:
        return QVariant(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column))));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, column)),
                                   sqlite3_column_bytes(statement, column)));
    default:
        return QVariant();
    }
}

} // namespace

void SqliteFile::Close::operator()(sqlite3* db) const {
    sqlite3_close(db);
}

SqliteFile::SqliteFile(const QString& path) {
    sqlite3* db = nullptr;
    const int result = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    m_db.reset(db);
    if (result != SQLITE_OK) fail(db, path);
}

QList<QVariantList> SqliteFile::rows(const QString& sql) const {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(m_db.get(), sql.toUtf8().constData(), -1, &raw, nullptr) != SQLITE_OK)
        fail(m_db.get(), sql);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    QList<QVariantList> result;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(raw)) == SQLITE_ROW) {
        QVariantList row;
        for (int column = 0; column < sqlite3_column_count(raw); ++column)
            row.append(columnValue(raw, column));
        result.append(row);
    }
    if (step != SQLITE_DONE) fail(m_db.get(), sql);
    return result;
}

QVariant SqliteFile::value(const QString& sql) const {
    const QList<QVariantList> result = rows(sql);
    return result.isEmpty() || result.first().isEmpty() ? QVariant() : result.first().first();
}

void SqliteFile::execute(const QString& sql) {
    rows(sql);
}

QStringList SqliteFile::tables() const {
    QStringList names;
    for (const QVariantList& row : rows(QStringLiteral(
             "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%'")))
        names.append(row.first().toString());
    return names;
}

QStringList SqliteFile::columns(const QString& table) const {
    QStringList names;
    for (const QVariantList& row :
         rows(QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table)))
        names.append(row.first().toString());
    return names;
}

ColumnDeclaration SqliteFile::declaration(const QString& table, const QString& column) const {
    const char* type = nullptr;
    const char* collation = nullptr;
    int notNull = 0;
    int primaryKey = 0;
    int autoIncrement = 0;
    if (sqlite3_table_column_metadata(m_db.get(), nullptr, table.toUtf8().constData(),
                                      column.toUtf8().constData(), &type, &collation, &notNull, &primaryKey,
                                      &autoIncrement) != SQLITE_OK)
        fail(m_db.get(), table + QLatin1Char('.') + column);
    ColumnDeclaration declaration{QString::fromUtf8(type), QString::fromUtf8(collation), notNull != 0,
                                  primaryKey != 0,         autoIncrement != 0,           QVariant()};
    declaration.defaultValue =
        value(QStringLiteral("SELECT dflt_value FROM pragma_table_info('%1') WHERE name = '%2'")
                  .arg(table, column));
    return declaration;
}
