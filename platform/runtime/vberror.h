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

    int number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    const QString& source() const noexcept { return m_source; }
    const char* what() const noexcept override { return m_what.c_str(); }

    static QString standardDescription(int number);

private:
    int m_number;
    QString m_description;
    QString m_source;
    std::string m_what;
};
