#include "wrapahead.h"

#include "forms/picturebox.h"

#include <memory>

WrapAhead::WrapAhead() {
    m_thread.setMaxThreadCount(1);
    m_thread.setExpiryTimeout(-1);
}

void WrapAhead::start(const QString& text, double width, const ::Font& font, double unitsPerPixel) {
    auto task = std::make_shared<std::packaged_task<std::vector<WrappedLine>()>>([=] {
        // The metrics are made on the thread that measures with them.
        return wrapInFont(text, width, TextMetrics(font), unitsPerPixel);
    });
    m_job = Job{text, width, font, unitsPerPixel, task->get_future()};
    m_thread.start([task] { (*task)(); });
}

std::vector<WrappedLine> WrapAhead::lines(const PictureBox& canvas, const QString& text, double width) {
    std::optional<Job> job = std::move(m_job);
    m_job.reset();
    if (job && job->text == text && job->width == width && job->font == canvas.Font() &&
        job->unitsPerPixel == canvas.unitsPerPixel())
        return job->lines.get();
    return wrapInFont(text, width, canvas.textMetrics(), canvas.unitsPerPixel());
}
