#pragma once
// Writes the card image files. A write runs at once, unless a batch keeps the writer in the
// background: then each file is written on a worker thread while the next card is drawn, one
// at a time. Either way a failed write shows its message on the calling thread, in the order
// of the writes: a write in the background reports when the next save waits for it, or when
// the background ends. A full disk, or a work file that cannot be written, would fail every file
// after it, so in the background that failure is raised to the batch instead of shown.

#include <QString>
#include <QThreadPool>
#include <functional>
#include <future>
#include <optional>

class CardImageWriter {
public:
    // What a failed write shows.
    struct Failure {
        QString text;
        QString title;
        int number = 0; // the error's number, 0 when the failure has none
        QString description;
        bool failsEveryFile = false; // besides a full disk, which always does
    };
    // Writes one file; runs on the worker thread in the background, so it reads nothing of
    // the windows or the database.
    using Write = std::function<std::optional<Failure>()>;

    CardImageWriter();
    CardImageWriter(const CardImageWriter&) = delete;
    CardImageWriter& operator=(const CardImageWriter&) = delete;

    // `written` runs on the calling thread once the file is written, never after a failed write:
    // what it stores then names a file that is there.
    void write(Write write, std::function<void()> written = {});
    // Waits for the write in the background, if any, and shows its failure; raises one that
    // fails every file while in the background.
    void wait();

    // While it lives, writes run in the background; its end waits for the last one.
    class Background {
    public:
        explicit Background(CardImageWriter& writer);
        ~Background();
        Background(const Background&) = delete;
        Background& operator=(const Background&) = delete;

    private:
        CardImageWriter& m_writer;
    };

private:
    bool m_inBackground = false;
    // One thread, kept while the program runs: a batch hands it a file per card. Its end waits
    // for a write still running, so the file is finished.
    QThreadPool m_worker;
    std::future<std::optional<Failure>> m_pending;
    std::function<void()> m_pendingWritten;
};
