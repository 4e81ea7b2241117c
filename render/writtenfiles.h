#pragma once
// The card image files a batch wrote, with the cards written to each, and how many it set out
// to write. Two cards whose files share a name leave only the one written last, so the batch
// names such files when it ends. Names are compared exactly, as this platform's file systems
// compare them.

#include <QHash>
#include <QStringList>

class WrittenFiles {
public:
    void clear();
    // One more file is to be written.
    void expect();
    // `card` names the card for the user: what it is, its number and its title.
    void add(const QString& fileName, const QString& card);
    // The files written, each counted once.
    qsizetype count() const { return m_cards.size(); }
    // What the batch's closing message says of the files written for more than one card, or
    // nothing. `numbered` tells that the names hold the cards' numbers already.
    QString sharedNames(bool numbered) const;
    int expected() const { return m_expected; }
    int written() const { return m_written; }

private:
    QHash<QString, QStringList> m_cards; // by file name
    QStringList m_shared;                // the file names written more than once, as they came
    int m_expected = 0;
    int m_written = 0;
};
