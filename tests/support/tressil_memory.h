#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>

#include <vector>

// The memory of the second kind of instrument, as the emulated line answers its raw block
// protocol: "E" gets the count text, each "H" the next block, as the instrument sends
// them (every block twice). Written apart from the program's own unpacking.
struct TressilMemory {
    struct Sample {
        quint8 x = 0, y = 0, z = 0, flags = 0;
    };

    bool enabled = false;
    QByteArray countReply;    // the answer to "E"
    QList<QByteArray> blocks; // the answer to each "H", in turn; later "H"s get nothing
    // Faults: no answer to "E"; no answer from this "H" on (-1: never).
    bool silentAfterE = false;
    int silentFromH = -1;
    int eRequests = 0, hRequests = 0;

    // One block of 4011 bytes: the header then the samples, the rest zero.
    static QByteArray Block(int step, const QDateTime& first, const std::vector<Sample>& samples,
                            int declaredCount = -1);
    // Uses count blocks of the instrument built from distinct, each sent twice.
    void SendTwice(const QList<QByteArray>& distinct);
    // The answer to one request byte (empty when none).
    QByteArray Answer(char request);
};
