#pragma once
// A database file under a name of its own in its target's folder, removed with its journal
// unless it was put in place, so no half-written database is ever left.

#include <QFileInfo>
#include <QString>

class TemporaryDatabase {
public:
    explicit TemporaryDatabase(const QFileInfo& target);
    ~TemporaryDatabase();
    TemporaryDatabase(const TemporaryDatabase&) = delete;
    TemporaryDatabase& operator=(const TemporaryDatabase&) = delete;

    const QString& path() const { return m_path; }
    // Removes what a killed program left of the target's temporary databases.
    static void removeLeftovers(const QFileInfo& target);

    // Removes it now, as the destructor would.
    void remove();
    // Replaces whatever is at target in one step. Raises VbError 75 when it cannot.
    void placeAt(const QString& target);
    // Puts it at target only when nothing is there, in one step: an existing file is never
    // replaced. Raises VbError 58 when a file is there, 75 when it cannot be put in place.
    void placeAtNew(const QString& target);

private:
    QString m_path;
    bool m_placed = false;
};
