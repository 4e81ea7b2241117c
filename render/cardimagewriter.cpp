#include "cardimagewriter.h"

#include "forms/dialogs.h"
#include "runtime/vberror.h"

#include <memory>

namespace {
void show(const std::optional<CardImageWriter::Failure>& failure) {
    if (failure) MsgBox(failure->text, vbCritical, failure->title);
}
} // namespace

CardImageWriter::CardImageWriter() {
    m_worker.setMaxThreadCount(1);
    m_worker.setExpiryTimeout(-1);
}

void CardImageWriter::write(Write write) {
    wait();
    if (m_inBackground) {
        auto task = std::make_shared<std::packaged_task<std::optional<Failure>()>>(std::move(write));
        m_pending = task->get_future();
        m_worker.start([task] { (*task)(); });
    } else {
        show(write());
    }
}

void CardImageWriter::wait() {
    if (!m_pending.valid()) return;
    const std::optional<Failure> failure = m_pending.get();
    if (m_inBackground && failure && (failure->failsEveryFile || failure->number == VbError::DiskFull))
        throw VbError(failure->number, failure->description);
    show(failure);
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
