// The pending queue of a capture source: ownership of the copied bytes and FIFO order.

#include "qaudioframebuffer.h"

#include <QtTest>

#include <vector>

class TestQAudioFrameBuffer : public QObject {
    Q_OBJECT
private slots:
    void emptyQueue();
    void appendCopiesTheCallersBytes();
    void oldestFirst();
    void destroyingFreesQueuedBlocks();
};

void TestQAudioFrameBuffer::emptyQueue()
{
    QAudioFrameBuffer queue;
    QCOMPARE(queue.count(), 0);
    QVERIFY(queue.front() == nullptr);
    queue.popFront();
    QCOMPARE(queue.count(), 0);

    const uint8_t byte = 7;
    queue.append({&byte, 1, 5});
    queue.popFront();
    queue.popFront();
    QCOMPARE(queue.count(), 0);
    QVERIFY(queue.front() == nullptr);
}

void TestQAudioFrameBuffer::appendCopiesTheCallersBytes()
{
    QAudioFrameBuffer queue;
    auto* bytes = new uint8_t[4]{1, 2, 3, 4};
    queue.append({bytes, 4, 1234});
    bytes[0] = 99;
    delete[] bytes;

    const QAudioFrameBuffer::Block* block = queue.front();
    QVERIFY(block != nullptr);
    QCOMPARE(block->size, 4u);
    QCOMPARE(block->timestampUs, qint64(1234));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(block->data), 4), QByteArray("\1\2\3\4", 4));
}

void TestQAudioFrameBuffer::oldestFirst()
{
    QAudioFrameBuffer queue;
    std::vector<uint8_t> scratch(64);
    for (int i = 0; i < 6; ++i) {
        std::fill(scratch.begin(), scratch.end(), uint8_t(i));
        queue.append({scratch.data(), uint32_t(8 * (i + 1)), int64_t(i) * 10000});
    }
    QCOMPARE(queue.count(), 6);
    for (int i = 0; i < 6; ++i) {
        const QAudioFrameBuffer::Block* block = queue.front();
        QVERIFY(block != nullptr);
        QCOMPARE(block->size, uint32_t(8 * (i + 1)));
        QCOMPARE(block->timestampUs, int64_t(i) * 10000);
        QCOMPARE(int(block->data[block->size - 1]), i);
        queue.popFront();
        QCOMPARE(queue.count(), 5 - i);
    }
}

void TestQAudioFrameBuffer::destroyingFreesQueuedBlocks()
{
    // LeakSanitizer (the sanitizer builds) reports any block the destructor leaves behind.
    auto queue = std::make_unique<QAudioFrameBuffer>();
    std::vector<uint8_t> scratch(4096, 1);
    for (int i = 0; i < 32; ++i)
        queue->append({scratch.data(), uint32_t(scratch.size()), i});
    queue->append({nullptr, 0, 99});
    QCOMPARE(queue->count(), 33);
    queue.reset();
}

QTEST_APPLESS_MAIN(TestQAudioFrameBuffer)
#include "tst_qaudioframebuffer.moc"
