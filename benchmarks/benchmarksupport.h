#pragma once
// What the benchmarks share: a program folder of their own with a new database, made-up
// pictures, memory figures, and sets of cards written as the editors write them.

#include "db/connection.h"
#include "forms/scripteddialogs.h"

#include <QImage>
#include <QTemporaryDir>

// A temporary program folder with its own settings and a new database, opened as the program
// opens it; scripted dialogs answer whatever would ask the user.
class BenchmarkFolder {
public:
    BenchmarkFolder();
    BenchmarkFolder(const BenchmarkFolder&) = delete;
    BenchmarkFolder& operator=(const BenchmarkFolder&) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    ScriptedDialogsScope m_dialogs;
};

double peakMegabytes();
double currentMegabytes(); // resident now
double writtenMegabytes(); // handed to write calls so far

QByteArray encoded(const QImage& image, const char* format);
QImage gradient(int width, int height, int seed);
QString longInformation(int card);

// Adds a 2nd-edition set with its fonts; its SetID.
qint32 addSet(const QString& name);

// Adds cards to a set through a live recordset, as the editors do; the caller holds the
// transaction.
class CardWriter {
public:
    explicit CardWriter(qint32 setID);
    void add(int nr, const QByteArray& picture, const QByteArray& background);

private:
    qint32 m_setID;
    RecordsetPtr m_types, m_backs, m_cards;
};
