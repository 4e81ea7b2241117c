#pragma once
// Reads a database file straight through SQLite, so the tests see what was written,
// not what the program's database layer makes of it.

#include <QList>
#include <QString>
#include <QVariant>
#include <memory>

struct sqlite3;

struct ColumnDeclaration {
    QString type;
    QString collation;
    bool notNull = false;
    bool primaryKey = false;
    bool autoIncrement = false;
    QVariant defaultValue; // as written in the declaration; null when there is none
};

class SqliteFile {
public:
    explicit SqliteFile(const QString& path);

    QList<QVariantList> rows(const QString& sql) const;
    QVariant value(const QString& sql) const; // first column of the first row
    void execute(const QString& sql);

    QStringList tables() const;
    QStringList columns(const QString& table) const;
    ColumnDeclaration declaration(const QString& table, const QString& column) const;

private:
    struct Close {
        void operator()(sqlite3* db) const;
    };
    std::unique_ptr<sqlite3, Close> m_db;
};
