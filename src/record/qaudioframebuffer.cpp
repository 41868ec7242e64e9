#include "qaudioframebuffer.h"

#include <cstring>

QAudioFrameBuffer::QAudioFrameBuffer(QObject* parent) : QObject(parent) { clear(); }

QAudioFrameBuffer::~QAudioFrameBuffer()
{
    while (!m_blocks.isEmpty())
        popFront();
}

void QAudioFrameBuffer::append(const Block& block)
{
    auto* copy = new Block;
    auto* bytes = new uint8_t[block.size > 0 ? block.size : 1];
    if (block.size > 0 && block.data)
        std::memcpy(bytes, block.data, block.size);
    copy->data = bytes;
    copy->size = block.size;
    copy->timestampUs = block.timestampUs;
    m_blocks.append(copy);
}

int QAudioFrameBuffer::count() const { return m_blocks.size(); }

const QAudioFrameBuffer::Block* QAudioFrameBuffer::front() const
{
    return m_blocks.isEmpty() ? nullptr : m_blocks.first();
}

void QAudioFrameBuffer::popFront()
{
    if (m_blocks.isEmpty())
        return;
    Block* block = m_blocks.takeFirst();
    if (block) {
        delete[] block->data;
        delete block;
    }
}

void QAudioFrameBuffer::clear()
{
    // Only ever called on an empty list (at construction); blocks still queued would be freed by
    // popFront, so a non-empty list is emptied the same way rather than leaked.
    while (!m_blocks.isEmpty())
        popFront();
}
