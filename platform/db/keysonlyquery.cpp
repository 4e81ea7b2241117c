#include "keysonlyquery.h"
#include "sqlstatement.h"

#include <QStringList>
#include <algorithm>
#include <initializer_list>

namespace {

struct Token {
    enum class Kind { Word, Quoted, Literal, Number, Symbol };
    Kind kind;
    qsizetype begin;
    qsizetype end;
    int depth; // parentheses open around it
};

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$') || c.unicode() >= 0x80;
}

// Up to the end of the text at `at` closed by `close`, a doubled `close` standing for itself.
qsizetype quotedEnd(const QString& sql, qsizetype at, QChar close) {
    for (qsizetype i = at + 1; i < sql.size(); ++i) {
        if (sql[i] != close) continue;
        if (close != QLatin1Char(']') && i + 1 < sql.size() && sql[i + 1] == close) {
            ++i;
            continue;
        }
        return i + 1;
    }
    return -1;
}

// The tokens of the first statement, comments left out; none when a quote is left open.
std::optional<std::vector<Token>> tokenize(const QString& sql) {
    std::vector<Token> tokens;
    int depth = 0;
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql[i];
        const QChar next = i + 1 < sql.size() ? sql[i + 1] : QChar();
        if (c.isSpace()) {
            ++i;
        } else if (c == QLatin1Char('-') && next == QLatin1Char('-')) {
            i = sql.indexOf(QLatin1Char('\n'), i);
            if (i < 0) break;
        } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            i = sql.indexOf(QLatin1String("*/"), i + 2);
            if (i < 0) break;
            i += 2;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`') ||
                   c == QLatin1Char('[')) {
            const qsizetype end = quotedEnd(sql, i, c == QLatin1Char('[') ? QLatin1Char(']') : c);
            if (end < 0) return std::nullopt;
            tokens.push_back(
                {c == QLatin1Char('\'') ? Token::Kind::Literal : Token::Kind::Quoted, i, end, depth});
            i = end;
        } else if (c.isDigit() || (c == QLatin1Char('.') && next.isDigit())) {
            qsizetype end = i + 1;
            while (end < sql.size() && (isWordChar(sql[end]) || sql[end] == QLatin1Char('.')))
                ++end;
            tokens.push_back({Token::Kind::Number, i, end, depth});
            i = end;
        } else if (isWordChar(c)) {
            qsizetype end = i + 1;
            while (end < sql.size() && isWordChar(sql[end]))
                ++end;
            tokens.push_back({Token::Kind::Word, i, end, depth});
            i = end;
        } else {
            if (c == QLatin1Char(';') && depth == 0) break;
            if (c == QLatin1Char(')')) --depth;
            tokens.push_back({Token::Kind::Symbol, i, i + 1, depth});
            if (c == QLatin1Char('(')) ++depth;
            ++i;
        }
    }
    return tokens;
}

struct Range {
    size_t begin;
    size_t end;
    size_t size() const { return end - begin; }
};

class Tokens {
public:
    Tokens(const QString& sql, std::vector<Token> tokens) : m_sql(sql), m_tokens(std::move(tokens)) {}

    size_t size() const { return m_tokens.size(); }
    const Token& operator[](size_t i) const { return m_tokens[i]; }

    QString text(Range range) const {
        const qsizetype begin = m_tokens[range.begin].begin;
        return m_sql.mid(begin, m_tokens[range.end - 1].end - begin);
    }
    bool isWord(size_t i, std::initializer_list<const char*> words) const {
        if (i >= size() || m_tokens[i].kind != Token::Kind::Word) return false;
        const QStringView word =
            QStringView(m_sql).mid(m_tokens[i].begin, m_tokens[i].end - m_tokens[i].begin);
        return std::any_of(words.begin(), words.end(), [&](const char* w) {
            return word.compare(QLatin1String(w), Qt::CaseInsensitive) == 0;
        });
    }
    bool isSymbol(size_t i, char symbol) const {
        return i < size() && m_tokens[i].kind == Token::Kind::Symbol && m_sql[m_tokens[i].begin] == symbol;
    }
    // A name as SQLite compares it: without its quotes.
    std::optional<QString> name(size_t i) const {
        const Token& token = m_tokens[i];
        const QString text = m_sql.mid(token.begin, token.end - token.begin);
        if (token.kind == Token::Kind::Word) return text;
        if (token.kind != Token::Kind::Quoted) return std::nullopt;
        QString inner = text.mid(1, text.size() - 2);
        if (text[0] != QLatin1Char('[')) inner.replace(QString(2, text[0]), QString(text[0]));
        return inner;
    }
    // The parts of range between the commas outside parentheses.
    std::vector<Range> split(Range range) const {
        std::vector<Range> parts;
        size_t begin = range.begin;
        for (size_t i = range.begin; i <= range.end; ++i) {
            if (i < range.end && !(isSymbol(i, ',') && m_tokens[i].depth == 0)) continue;
            parts.push_back({begin, i});
            begin = i + 1;
        }
        return parts;
    }

private:
    const QString& m_sql;
    std::vector<Token> m_tokens;
};

bool isStar(const Tokens& tokens, Range item) {
    return item.size() > 0 && tokens.isSymbol(item.end - 1, '*') &&
           (item.size() == 1 || tokens.isSymbol(item.end - 2, '.'));
}

// A column named as it stands ("Nr", "tblCard.Nr"): it means the same wherever it is written.
bool isPlainColumn(const Tokens& tokens, Range item) {
    if (item.size() % 2 == 0 || item.size() > 5) return false;
    for (size_t i = item.begin; i < item.end; ++i) {
        const bool named = tokens.name(i).has_value();
        if ((i - item.begin) % 2 == 0 ? !named : !tokens.isSymbol(i, '.')) return false;
    }
    return true;
}

// An ORDER BY term that names a result column by its position ("2", "(1) DESC").
bool isPosition(const Tokens& tokens, Range term) {
    size_t end = term.end;
    while (end > term.begin && tokens.isWord(end - 1, {"ASC", "DESC", "NULLS", "FIRST", "LAST"}))
        --end;
    if (end >= term.begin + 2 && tokens.isWord(end - 2, {"COLLATE"})) end -= 2;
    bool number = false;
    for (size_t i = term.begin; i < end; ++i) {
        if (tokens[i].kind == Token::Kind::Number)
            number = true;
        else if (!tokens.isSymbol(i, '(') && !tokens.isSymbol(i, ')') && !tokens.isSymbol(i, '+') &&
                 !tokens.isSymbol(i, '-'))
            return false;
    }
    return number;
}

// A column that a * stands for, named so that it means the same in the FROM: by the qualifier of
// its "name.*", unqualified where no other result column has its name (the FROM may name a view,
// whose columns come from other tables), else by its base table.
QString starColumn(const Tokens& tokens, Range star, const ResultLayout& layout, size_t column) {
    const ResultColumn& info = layout.columns[column];
    QString qualifier;
    if (star.size() > 1)
        qualifier = tokens.text({star.begin, star.end - 2}) + QLatin1Char('.');
    else if (std::count_if(layout.columns.begin(), layout.columns.end(), [&](const ResultColumn& other) {
                 return other.name.compare(info.name, Qt::CaseInsensitive) == 0;
             }) > 1)
        qualifier = quoteIdentifier(layout.tables[size_t(info.table)].name) + QLatin1Char('.');
    return QStringLiteral("%1%2 AS %3")
        .arg(qualifier, quoteIdentifier(info.name), quoteIdentifier(info.name));
}

} // namespace

std::optional<KeysOnlyQuery> keysOnlyQuery(const QString& sql, const ResultLayout& layout) {
    std::optional<std::vector<Token>> scanned = tokenize(sql);
    if (!scanned) return std::nullopt;
    const Tokens tokens(sql, std::move(*scanned));
    if (!tokens.isWord(0, {"SELECT"})) return std::nullopt;
    size_t listBegin = tokens.isWord(1, {"ALL"}) ? 2 : 1;
    if (tokens.isWord(listBegin, {"DISTINCT"})) return std::nullopt;
    size_t from = listBegin;
    while (from < tokens.size() && !(tokens[from].depth == 0 && tokens.isWord(from, {"FROM"})))
        ++from;
    if (from == listBegin || from == tokens.size()) return std::nullopt;
    const Range tail{from, tokens.size()};
    size_t orderBy = 0;
    for (size_t i = from; i < tail.end; ++i) {
        if (tokens[i].depth != 0) continue;
        if (tokens.isWord(i, {"GROUP", "HAVING", "WINDOW", "UNION", "INTERSECT", "EXCEPT", "LIMIT"}))
            return std::nullopt;
        if (tokens.isWord(i, {"ORDER"}) && tokens.isWord(i + 1, {"BY"})) orderBy = i + 2;
    }

    // The list item of each result column; a * stands for all columns the others leave.
    const std::vector<Range> items = tokens.split({listBegin, from});
    if (std::any_of(items.begin(), items.end(), [](Range item) { return item.size() == 0; }))
        return std::nullopt;
    const auto stars =
        std::count_if(items.begin(), items.end(), [&](Range item) { return isStar(tokens, item); });
    const auto starWidth = qsizetype(layout.columns.size()) - qsizetype(items.size()) + stars;
    if (stars > 1 || starWidth < 0 || (stars == 0 && starWidth != 0)) return std::nullopt;
    std::vector<Range> itemOf;
    for (const Range& item : items)
        itemOf.insert(itemOf.end(), size_t(isStar(tokens, item) ? starWidth : 1), item);

    KeysOnlyQuery query;
    QStringList selected, leftOut, keys;
    for (size_t column = 0; column < layout.columns.size(); ++column) {
        const ResultColumn& info = layout.columns[column];
        const Range item = itemOf[column];
        const bool key = info.table >= 0 && layout.tables[size_t(info.table)].keyResult == int(column);
        if (!key && layout.readByKey(int(column))) {
            query.columns.push_back(-1);
            if (!isStar(tokens, item) && !isPlainColumn(tokens, item)) leftOut << info.name;
            continue;
        }
        query.columns.push_back(int(selected.size()));
        if (key) keys << QString::number(selected.size() + 1);
        if (!isStar(tokens, item))
            selected << tokens.text(item);
        else if (info.table >= 0)
            selected << starColumn(tokens, item, layout, column);
        else
            return std::nullopt;
    }
    if (keys.isEmpty() || selected.size() == qsizetype(layout.columns.size())) return std::nullopt;

    // Without their items, the aliases of the columns left out would name something else.
    for (size_t i = tail.begin; i < tail.end; ++i) {
        const std::optional<QString> name = tokens.name(i);
        if (name && leftOut.contains(*name, Qt::CaseInsensitive)) return std::nullopt;
    }
    if (orderBy > 0) {
        const std::vector<Range> terms = tokens.split({orderBy, tail.end});
        if (std::any_of(terms.begin(), terms.end(),
                        [&](Range term) { return term.size() == 0 || isPosition(tokens, term); }))
            return std::nullopt;
    }
    query.sql = QStringLiteral("SELECT %1 %2%3%4")
                    .arg(selected.join(QStringLiteral(", ")), tokens.text(tail),
                         orderBy > 0 ? QStringLiteral(", ") : QStringLiteral(" ORDER BY "),
                         keys.join(QStringLiteral(", ")));
    return query;
}
