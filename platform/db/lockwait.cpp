#include "lockwait.h"
#include "connection.h"
#include "database.h"
#include "dberrors.h"

#include <sqlite3.h>

namespace {
constexpr int kPollMs = 20;
} // namespace

LockWait::LockWait(Connection& connection, int firstAskMs, int askAgainMs, std::function<bool()> keepWaiting)
    : m_db(connection.m_db), m_firstAskMs(firstAskMs), m_askAgainMs(askAgainMs),
      m_keepWaiting(std::move(keepWaiting)) {
    sqlite3_busy_handler(m_db->handle(), &LockWait::onBusy, this);
}

LockWait::~LockWait() {
    sqlite3_busy_timeout(m_db->handle(), Database::kBusyTimeoutMs);
}

void LockWait::raiseIfStopped() const {
    if (m_stopped) DbError::raiseEngine(QString::fromUtf8(sqlite3_errstr(SQLITE_BUSY)), SQLITE_BUSY);
}

int LockWait::onBusy(void* context, int tries) {
    return static_cast<LockWait*>(context)->waitOn(tries) ? 1 : 0;
}

bool LockWait::waitOn(int tries) {
    if (m_stopped) return false;
    if (tries == 0) {
        m_waited.start();
        m_askAtMs = m_firstAskMs;
    }
    if (m_waited.elapsed() >= m_askAtMs) {
        bool keep = false;
        try {
            keep = m_keepWaiting();
        } catch (...) {
            // Nothing may pass through SQLite: a question that fails stops the wait.
        }
        if (!keep) {
            m_stopped = true;
            return false;
        }
        // The time the question took is no part of the next interval.
        m_askAtMs = m_waited.elapsed() + m_askAgainMs;
    }
    sqlite3_sleep(kPollMs);
    return true;
}
