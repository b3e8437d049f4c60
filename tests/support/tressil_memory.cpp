#include "tests/support/tressil_memory.h"

QByteArray TressilMemory::Block(int step, const QDateTime& first,
                                const std::vector<Sample>& samples, int declaredCount) {
    QByteArray block(4011, '\0');
    const int count = declaredCount >= 0 ? declaredCount : static_cast<int>(samples.size());
    auto put16 = [&](int at, int value) {
        block[at] = static_cast<char>(value & 0xFF);
        block[at + 1] = static_cast<char>((value >> 8) & 0xFF);
    };
    put16(0, count);
    put16(2, step);
    block[4] = static_cast<char>(first.time().second());
    block[5] = static_cast<char>(first.time().minute());
    block[6] = static_cast<char>(first.time().hour());
    block[7] = static_cast<char>(first.date().day());
    block[8] = static_cast<char>(first.date().month());
    put16(9, first.date().year());
    for (size_t i = 0; i < samples.size() && i < 1000; ++i) {
        const int at = 11 + 4 * static_cast<int>(i);
        block[at] = static_cast<char>(samples[i].x);
        block[at + 1] = static_cast<char>(samples[i].y);
        block[at + 2] = static_cast<char>(samples[i].z);
        block[at + 3] = static_cast<char>(samples[i].flags);
    }
    return block;
}

void TressilMemory::SendTwice(const QList<QByteArray>& distinct) {
    enabled = true;
    blocks.clear();
    for (const QByteArray& b : distinct)
        blocks << b << b;
    countReply =
        QByteArray::number(static_cast<int>(blocks.size())).rightJustified(4, '0') + "\r\n";
}

QByteArray TressilMemory::Answer(char request) {
    if (request == 'E') {
        ++eRequests;
        return silentAfterE ? QByteArray() : countReply;
    }
    if (request == 'H') {
        const int index = hRequests++;
        if (silentFromH >= 0 && index >= silentFromH)
            return QByteArray();
        return index < blocks.size() ? blocks[index] : QByteArray();
    }
    return QByteArray();
}
