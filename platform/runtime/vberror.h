#pragma once
// The runtime's error: a number, a description and the source that raised it.
// Numbers are the ones the handlers test for (53 file not found, 3021 no current row, ...).

#include <QString>
#include <exception>
#include <string>

class VbError : public std::exception {
public:
    enum Number {
        Overflow = 6,
        TypeMismatch = 13,
        FileNotFound = 53,
        FileAlreadyExists = 58,
        DiskFull = 61,
        PermissionDenied = 70,
        PathFileAccessError = 75,
        PathNotFound = 76,
        InvalidUseOfNull = 94,
        InvalidPropertyValue = 380,
        InvalidPropertyArrayIndex = 381,
        InvalidPicture = 481,
        NoCurrentRecord = 3021,
        ReadOnlyRecordset = 3251,
        ItemNotFound = 3265,
        JpegWriter = 26001,
        Cancel = 32755,
    };

    // The description defaults to the runtime's own text for the number.
    explicit VbError(int number, QString description = {}, QString source = {});
    // An error whose description already says in words what happened: shown without its number.
    static VbError withWords(int number, const QString& words, QString source = {});

    int number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    const QString& source() const noexcept { return m_source; }
    bool hasWords() const noexcept { return !m_words.isEmpty(); }
    // What the user is shown: the words when the cause is known, else "Error " number ": " description.
    QString shownText() const;
    // The same where a message lists the error as "number, description".
    QString numberedText() const;
    const char* what() const noexcept override { return m_what.c_str(); }

    static QString standardDescription(int number);

    // A file operation's error: the runtime's text for the number, the cause when given, and the
    // file (or folder) when given: "Path/File access error (File name too long): /cards/x.BMP".
    static VbError forFile(int number, const QString& path, const QString& cause = {});
    // The runtime's error for what the system said (errno) of the file: 61 when the disk is
    // full, 70 when writing is not allowed, 76 when the folder is missing, 75 otherwise; the
    // system's own words are kept as the cause where they say more than the number.
    static VbError fromSystemError(int systemError, const QString& path);

protected:
    void setWords(QString words) { m_words = std::move(words); }

private:
    int m_number;
    QString m_description;
    QString m_source;
    QString m_words;
    std::string m_what;
};
