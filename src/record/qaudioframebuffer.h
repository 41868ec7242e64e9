#pragma once
// The pending queue of one capture source: a first-in first-out list of captured blocks, each
// an owned copy of the bytes the endpoint delivered, with its size and session-clock timestamp.
// The capture thread appends every block and sends the oldest one on to the recorder once enough
// newer blocks are queued behind it. Used by one thread only; no lock.

#include <QList>
#include <QObject>

#include <cstdint>

class QAudioFrameBuffer : public QObject {
    Q_OBJECT
public:
    struct Block {
        const uint8_t* data = nullptr;  // owned by the queue when queued, else the caller's
        uint32_t size = 0;        // bytes
        int64_t timestampUs = 0;  // session clock
    };

    explicit QAudioFrameBuffer(QObject* parent = nullptr);
    ~QAudioFrameBuffer() override;

    // Copies the caller's bytes; the caller may reuse or free its buffer at once.
    void append(const Block& block);
    int count() const;
    // The oldest block, still owned by the queue; null when the queue is empty.
    const Block* front() const;
    // Frees the oldest block; does nothing on an empty queue.
    void popFront();
    void clear();

private:
    QList<Block*> m_blocks;
};
