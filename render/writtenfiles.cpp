#include "writtenfiles.h"

namespace {
// A set whose cards all share a title still gets a message that fits the screen.
constexpr qsizetype kFilesNamed = 10;
constexpr qsizetype kCardsNamed = 5; // of each file: the first ones and the one in the file
} // namespace

void WrittenFiles::clear() {
    m_cards.clear();
    m_shared.clear();
    m_expected = 0;
    m_written = 0;
}

void WrittenFiles::expect() {
    ++m_expected;
}

void WrittenFiles::add(const QString& fileName, const QString& card) {
    ++m_written;
    QStringList& cards = m_cards[fileName];
    cards << card;
    if (cards.size() == 2) m_shared << fileName;
}

QString WrittenFiles::sharedNames(bool numbered) const {
    if (m_shared.isEmpty()) return {};
    QStringList lines{QStringLiteral("Cards that share a file name were written over each other: each of "
                                     "these files holds only the last card written to it.")};
    for (const QString& fileName : m_shared.mid(0, kFilesNamed)) {
        const QStringList& cards = m_cards[fileName];
        QStringList named = cards.mid(0, std::min(cards.size() - 1, kCardsNamed - 1));
        if (cards.size() > kCardsNamed) named << QStringLiteral("%1 more").arg(cards.size() - kCardsNamed);
        named << cards.last() + QStringLiteral(" (in the file)");
        lines << QStringLiteral("\"%1\": %2").arg(fileName, named.join(QStringLiteral(", ")));
    }
    if (m_shared.size() > kFilesNamed)
        lines << QStringLiteral("and %1 more such files").arg(m_shared.size() - kFilesNamed);
    lines << QString();
    // A file name keeps the last three digits of a number, so 1 and 1001 still meet.
    lines << (numbered ? QStringLiteral("Their numbers end in the same three digits: give these cards titles "
                                        "of their own to keep a file for each.")
                       : QStringLiteral("Tick \"Add card number to created cards filename\" to keep a file "
                                        "for each card."));
    return lines.join(QStringLiteral("\r\n"));
}
