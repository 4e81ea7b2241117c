#include "cardimagewriter.h"

#include "forms/dialogs.h"

namespace {
void show(const std::optional<CardImageWriter::Failure>& failure) {
    if (failure) MsgBox(failure->text, vbCritical, failure->title);
}
} // namespace

CardImageWriter::~CardImageWriter() {
    // The window goes while a write runs only when the program ends: the file is finished.
    if (m_pending.valid()) m_pending.wait();
}

void CardImageWriter::write(Write write) {
    wait();
    if (m_inBackground)
        m_pending = std::async(std::launch::async, std::move(write));
    else
        show(write());
}

void CardImageWriter::wait() {
    if (m_pending.valid()) show(m_pending.get());
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
