#include "criterion.h"
#include "dberrors.h"
#include "runtime/vberror.h"

namespace {
[[noreturn]] void raiseBad(const QString& text) {
    throw VbError(DbError::BadCriterion,
                  QStringLiteral("The criterion \"%1\" is not of the form Name = value.").arg(text));
}

std::optional<QString> unquote(const QString& literal) {
    const QChar quote = literal.front();
    if (literal.size() < 2 || literal.back() != quote) return std::nullopt;
    QString text;
    for (qsizetype i = 1; i < literal.size() - 1; ++i) {
        if (literal[i] == quote) {
            if (literal[i + 1] != quote || i + 1 == literal.size() - 1) return std::nullopt;
            ++i;
        }
        text += literal[i];
    }
    return text;
}

std::optional<Variant> parseValue(const QString& literal) {
    if (literal.isEmpty()) return std::nullopt;
    if (literal.front() == QLatin1Char('\'') || literal.front() == QLatin1Char('"')) {
        const auto text = unquote(literal);
        return text ? std::optional<Variant>(Variant(*text)) : std::nullopt;
    }
    bool ok = false;
    const qint64 whole = literal.toLongLong(&ok);
    if (ok) return Variant(whole);
    const double number = literal.toDouble(&ok);
    return ok ? std::optional<Variant>(Variant(number)) : std::nullopt;
}
} // namespace

std::optional<Criterion> parseCriterion(const QString& text) {
    if (text.trimmed().isEmpty()) return std::nullopt;
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 0) raiseBad(text);
    const QString column = text.left(equals).trimmed();
    const auto value = parseValue(text.mid(equals + 1).trimmed());
    if (column.isEmpty() || column.contains(QLatin1Char(' ')) || !value) raiseBad(text);
    return Criterion{column, *value};
}
