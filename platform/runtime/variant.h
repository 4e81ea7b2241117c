#pragma once
// A value as the runtime and the database hand it out: Null, a Boolean, a whole
// number, a double, a text or bytes. Conversions follow the runtime: Null used as a
// number or a text raises 94, a text that is no number raises 13, Null counts as False.

#include <QByteArray>
#include <QString>
#include <variant>

class Variant {
public:
    enum class Type { Null, Boolean, Integer, Double, Text, Bytes };

    Variant() = default; // Null
    Variant(bool value) : m_value(value) {}
    Variant(int value) : m_value(qint64(value)) {}
    Variant(qint64 value) : m_value(value) {}
    Variant(double value) : m_value(value) {}
    Variant(const QString& value) : m_value(value) {}
    Variant(const char* value) : m_value(QString::fromUtf8(value)) {}
    Variant(const QByteArray& value) : m_value(value) {}

    static Variant null() { return {}; }

    Type type() const { return Type(m_value.index()); }
    bool isNull() const { return type() == Type::Null; }
    bool isNumeric() const;

    bool toBool() const;   // Null is False; any non-zero number is True
    qint16 toInt() const;  // CInt
    qint32 toLong() const; // CLng
    double toDouble() const;
    QString toText() const;     // raises 94 on Null
    QString concatText() const; // as joined with &: Null gives ""
    QByteArray toBytes() const; // Null gives no bytes

    // Equality as the database compares keys and texts: numbers by value, texts
    // without regard to case; Null equals nothing.
    bool matches(const Variant& other) const;

    bool operator==(const Variant& other) const { return m_value == other.m_value; }

private:
    std::variant<std::monostate, bool, qint64, double, QString, QByteArray> m_value;
};
