#pragma once
// A savepoint around writes that must stand or fall together (an update that writes to
// more than one table). It rolls them back on destruction unless released. It nests
// inside a transaction that the caller began.

class Database;

class Savepoint {
public:
    explicit Savepoint(Database& db);
    ~Savepoint();
    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;

    void release();

private:
    Database& m_db;
    bool m_released = false;
};
