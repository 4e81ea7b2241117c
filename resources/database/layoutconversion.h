#pragma once
// Brings a database whose card tables are kept in an earlier layout (see cardtables.h) to the
// current one. The converted database is written as a new file beside it, through SQLite, in
// one transaction, and put in its place only when whole; the earlier file stays, unchanged and
// still openable by the earlier version, under a name of its own. So the conversion needs about
// as much free space as the earlier file holds data, leaves no free space in the new file, and
// a failure or a kill at any moment leaves the database either the earlier file or the whole
// converted one. Everything a user made in the file (tables, views, indexes, triggers) is
// carried over; what cannot be is named.

#include <QString>
#include <QStringList>
#include <functional>

struct ConvertedDatabase {
    QString keptAs;         // the earlier file's new path
    QStringList notCarried; // what a user made that the converted file lacks, with why
};

// Converts the database at `path` (links followed). Raises VbError when it cannot; the
// database is then as it was and nothing else is left in its folder. Another program that holds
// the file, even without a lock, makes it fail as locked: the file it holds would no longer be
// the database. No room: fails as a full disk, saying how much is needed and free.
ConvertedDatabase convertCardLayout(const QString& path);

// The earlier file's name beside the database, before any number that keeps it apart.
QString earlierFileName();

// Test hook: called as each step begins (it may raise, as a failure there would).
enum class ConversionStep { Lock, Write, Keep, PutInPlace };
void setConversionStepObserver(std::function<void(ConversionStep)> observer);
