#pragma once
// Wraps a card's long text on a thread of its own while the rest of the card is composed:
// measuring the text is the dearest step of composing a card and reads nothing of the windows.
// The lines are used only for the same text, width, font and scale; otherwise they are
// wrapped when asked for, so the lines are always those the canvas would give.

#include "cardtext.h"
#include "forms/font.h"

#include <QString>
#include <QThreadPool>
#include <future>
#include <optional>
#include <vector>

class PictureBox;

class WrapAhead {
public:
    WrapAhead();
    WrapAhead(const WrapAhead&) = delete;
    WrapAhead& operator=(const WrapAhead&) = delete;

    void start(const QString& text, double width, const ::Font& font, double unitsPerPixel);
    // The lines of the text in the canvas's font and scale; the job started is done with.
    std::vector<WrappedLine> lines(const PictureBox& canvas, const QString& text, double width);

private:
    struct Job {
        QString text;
        double width;
        ::Font font;
        double unitsPerPixel;
        std::future<std::vector<WrappedLine>> lines;
    };
    std::optional<Job> m_job;
    // One thread, kept while the program runs, so that its fonts stay loaded. Its end waits
    // for a job still running, which reads only its own copies.
    QThreadPool m_thread;
};
