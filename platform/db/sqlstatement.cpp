#include "sqlstatement.h"
#include "dberrors.h"

#include <sqlite3.h>

namespace {
// Resets on every way out, so a failed step never leaves the statement active.
class ResetGuard {
public:
    explicit ResetGuard(SqlStatement& statement) : m_statement(statement) {}
    ~ResetGuard() { m_statement.reset(); }
    ResetGuard(const ResetGuard&) = delete;
    ResetGuard& operator=(const ResetGuard&) = delete;

private:
    SqlStatement& m_statement;
};

QString utf8(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}
} // namespace

void SqlStatement::Finalizer::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

SqlStatement::SqlStatement(sqlite3* db, const QString& sql) {
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    const int rc = sqlite3_prepare_v2(db, text.constData(), int(text.size()), &statement, nullptr);
    m_statement.reset(statement);
    if (rc != SQLITE_OK) DbError::raiseLastError(db);
    if (!statement) DbError::raiseEngine(QStringLiteral("The SQL text holds no statement: %1").arg(sql));
}

void SqlStatement::bind(int index, const Variant& value) {
    sqlite3_stmt* statement = m_statement.get();
    int rc = SQLITE_OK;
    switch (value.type()) {
    case Variant::Type::Null:
        rc = sqlite3_bind_null(statement, index);
        break;
    case Variant::Type::Boolean:
        rc = sqlite3_bind_int64(statement, index, value.toBool() ? -1 : 0);
        break;
    case Variant::Type::Integer:
        rc = sqlite3_bind_int64(statement, index, value.toText().toLongLong());
        break;
    case Variant::Type::Double:
        rc = sqlite3_bind_double(statement, index, value.toDouble());
        break;
    case Variant::Type::Text: {
        const QByteArray text = value.toText().toUtf8();
        rc = sqlite3_bind_text64(statement, index, text.constData(), sqlite3_uint64(text.size()),
                                 SQLITE_TRANSIENT, SQLITE_UTF8);
        break;
    }
    case Variant::Type::Bytes: {
        const QByteArray bytes = value.toBytes();
        rc = sqlite3_bind_blob64(statement, index, bytes.constData(), sqlite3_uint64(bytes.size()),
                                 SQLITE_TRANSIENT);
        break;
    }
    }
    if (rc != SQLITE_OK) DbError::raiseLastError(sqlite3_db_handle(statement));
}

void SqlStatement::bind(int index, qint64 value) {
    if (sqlite3_bind_int64(m_statement.get(), index, value) != SQLITE_OK)
        DbError::raiseLastError(sqlite3_db_handle(m_statement.get()));
}

bool SqlStatement::next() {
    const int rc = sqlite3_step(m_statement.get());
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    // The message and its code go with the reset, so take them first.
    sqlite3* db = sqlite3_db_handle(m_statement.get());
    const QString message = utf8(sqlite3_errmsg(db));
    const int code = sqlite3_extended_errcode(db);
    reset();
    DbError::raiseEngine(message, code, DbError::databaseFileOf(db));
}

void SqlStatement::reset() {
    sqlite3_reset(m_statement.get());
    sqlite3_clear_bindings(m_statement.get());
}

void SqlStatement::run() {
    const ResetGuard guard(*this);
    while (next()) {
    }
}

std::optional<Variant> SqlStatement::firstValue() {
    const ResetGuard guard(*this);
    if (!next()) return std::nullopt;
    return value(0);
}

std::optional<std::vector<Variant>> SqlStatement::firstRow() {
    const ResetGuard guard(*this);
    if (!next()) return std::nullopt;
    std::vector<Variant> row;
    for (int column = 0; column < columnCount(); ++column)
        row.push_back(value(column));
    return row;
}

int SqlStatement::columnCount() const {
    return sqlite3_column_count(m_statement.get());
}

Variant SqlStatement::value(int column) const {
    sqlite3_stmt* statement = m_statement.get();
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return Variant(qint64(sqlite3_column_int64(statement, column)));
    case SQLITE_FLOAT:
        return Variant(sqlite3_column_double(statement, column));
    case SQLITE_TEXT:
        return Variant(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                              sqlite3_column_bytes(statement, column)));
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(statement, column));
        return Variant(QByteArray(data, sqlite3_column_bytes(statement, column)));
    }
    default:
        return Variant();
    }
}

std::optional<qint64> SqlStatement::integerValue(int column) const {
    if (sqlite3_column_type(m_statement.get(), column) == SQLITE_NULL) return std::nullopt;
    return sqlite3_column_int64(m_statement.get(), column);
}

QString SqlStatement::columnName(int column) const {
    return utf8(sqlite3_column_name(m_statement.get(), column));
}

QString SqlStatement::tableName(int column) const {
    return utf8(sqlite3_column_table_name(m_statement.get(), column));
}

QString SqlStatement::originName(int column) const {
    return utf8(sqlite3_column_origin_name(m_statement.get(), column));
}

QString quoteIdentifier(const QString& name) {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString quoteText(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}
