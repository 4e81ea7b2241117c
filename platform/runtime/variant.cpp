#include "variant.h"
#include "conversions.h"
#include "vberror.h"

#include <cmath>
#include <optional>

namespace {
QString numberText(double value) {
    // Range first: converting a double past qint64 is undefined.
    if (std::abs(value) < 1e15 && value == std::trunc(value)) return QString::number(qint64(value));
    return QString::number(value, 'g', 15);
}

// A text counts as a number when it holds one (blanks around it allowed) or is "True"/"False".
std::optional<double> textAsNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return -1.0;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return 0.0;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt; // "inf" and "nan" are no numbers here
    return value;
}
} // namespace

bool Variant::isNumeric() const {
    return type() == Type::Boolean || type() == Type::Integer || type() == Type::Double;
}

double Variant::toDouble() const {
    switch (type()) {
    case Type::Null:
        throw VbError(VbError::InvalidUseOfNull);
    case Type::Boolean:
        return std::get<bool>(m_value) ? -1.0 : 0.0;
    case Type::Integer:
        return double(std::get<qint64>(m_value));
    case Type::Double:
        return std::get<double>(m_value);
    case Type::Text:
        if (const std::optional<double> value = textAsNumber(std::get<QString>(m_value))) return *value;
        break;
    case Type::Bytes:
        break;
    }
    throw VbError(VbError::TypeMismatch);
}

bool Variant::toBool() const {
    if (isNull()) return false;
    if (type() == Type::Boolean) return std::get<bool>(m_value);
    return toDouble() != 0.0;
}

qint16 Variant::toInt() const {
    if (type() == Type::Integer) {
        const qint64 v = std::get<qint64>(m_value);
        if (v < -32768 || v > 32767) throw VbError(VbError::Overflow);
        return qint16(v);
    }
    return CInt(toDouble());
}

qint32 Variant::toLong() const {
    if (type() == Type::Integer) {
        const qint64 v = std::get<qint64>(m_value);
        if (v < INT32_MIN || v > INT32_MAX) throw VbError(VbError::Overflow);
        return qint32(v);
    }
    return CLng(toDouble());
}

QString Variant::toText() const {
    switch (type()) {
    case Type::Null:
        throw VbError(VbError::InvalidUseOfNull);
    case Type::Boolean:
        return std::get<bool>(m_value) ? QStringLiteral("True") : QStringLiteral("False");
    case Type::Integer:
        return QString::number(std::get<qint64>(m_value));
    case Type::Double:
        return numberText(std::get<double>(m_value));
    case Type::Text:
        return std::get<QString>(m_value);
    case Type::Bytes:
        break;
    }
    throw VbError(VbError::TypeMismatch);
}

QString Variant::concatText() const {
    return isNull() ? QString() : toText();
}

QByteArray Variant::toBytes() const {
    switch (type()) {
    case Type::Null:
        return {};
    case Type::Bytes:
        return std::get<QByteArray>(m_value);
    case Type::Text:
        return std::get<QString>(m_value).toUtf8();
    default:
        throw VbError(VbError::TypeMismatch);
    }
}

bool Variant::matches(const Variant& other) const {
    if (isNull() || other.isNull()) return false;
    if (type() == Type::Bytes || other.type() == Type::Bytes) return toBytes() == other.toBytes();
    if (isNumeric() && other.isNumeric()) return toDouble() == other.toDouble();
    if (type() == Type::Text && other.type() == Type::Text)
        return toText().compare(other.toText(), Qt::CaseInsensitive) == 0;
    // A number against a text compares as numbers when the text is one.
    const auto asNumber = [](const Variant& v) {
        return v.isNumeric() ? v.toDouble() : textAsNumber(v.toText());
    };
    const std::optional<double> a = asNumber(*this);
    const std::optional<double> b = asNumber(other);
    return a && b && *a == *b;
}
