#include "cardimagewriter.h"

#include "forms/dialogs.h"
#include "runtime/vberror.h"

#include <memory>
#include <utility>

namespace {
void finish(const std::optional<CardImageWriter::Failure>& failure, const std::function<void()>& written) {
    if (failure)
        MsgBox(failure->text, vbCritical, failure->title);
    else if (written)
        written();
}
} // namespace

CardImageWriter::CardImageWriter() {
    m_worker.setMaxThreadCount(1);
    m_worker.setExpiryTimeout(-1);
}

void CardImageWriter::write(Write write, std::function<void()> written) {
    wait();
    if (m_inBackground) {
        auto task = std::make_shared<std::packaged_task<std::optional<Failure>()>>(std::move(write));
        m_pending = task->get_future();
        m_pendingWritten = std::move(written);
        m_worker.start([task] { (*task)(); });
    } else {
        finish(write(), written);
    }
}

void CardImageWriter::wait() {
    if (!m_pending.valid()) return;
    const std::optional<Failure> failure = m_pending.get();
    const std::function<void()> written = std::exchange(m_pendingWritten, {});
    if (m_inBackground && failure && (failure->failsEveryFile || failure->number == VbError::DiskFull))
        throw VbError(failure->number, failure->description);
    finish(failure, written);
}

CardImageWriter::Background::Background(CardImageWriter& writer) : m_writer(writer) {
    m_writer.wait();
    m_writer.m_inBackground = true;
}

CardImageWriter::Background::~Background() {
    m_writer.m_inBackground = false;
    try {
        m_writer.wait();
    } catch (...) {
        // A message box that fails while unwinding has nothing left to tell.
    }
}
