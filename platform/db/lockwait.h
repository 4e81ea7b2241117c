#pragma once
// How long a connection's statements wait for another program's lock on the database, for the
// life of a scope: instead of failing after the usual wait (Database::kBusyTimeoutMs), a wait
// goes on for as long as `keepWaiting` says. It is asked once a wait has lasted firstAskMs and
// again after each further askAgainMs, so that the user can be told and choose. Once it says
// no, every wait of the scope gives up at once: the statement fails as locked or, where SQLite
// can do without the lock (writing its cache out early), goes on; raiseIfStopped() then stops
// the caller. keepWaiting runs inside SQLite's wait: it must not use the connection. SQLite's
// busy handler changes the object, so it is never declared const.

#include <QElapsedTimer>
#include <functional>
#include <memory>

class Connection;
class Database;

class LockWait {
public:
    LockWait(Connection& connection, int firstAskMs, int askAgainMs, std::function<bool()> keepWaiting);
    ~LockWait(); // the usual wait again
    LockWait(const LockWait&) = delete;
    LockWait& operator=(const LockWait&) = delete;

    // Whether keepWaiting said no.
    bool stopped() const { return m_stopped; }
    // Raises the locked error, as a statement that gave up does, once keepWaiting said no.
    void raiseIfStopped() const;

private:
    static int onBusy(void* context, int tries);
    bool waitOn(int tries);

    std::shared_ptr<Database> m_db;
    int m_firstAskMs;
    int m_askAgainMs;
    std::function<bool()> m_keepWaiting;
    QElapsedTimer m_waited; // since the wait began
    qint64 m_askAtMs = 0;
    bool m_stopped = false;
};
