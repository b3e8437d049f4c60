#include "tests/support/kl720_instrument.h"

#include "tests/support/kl720_live.h"

#include <QDateTime>

#include <chrono>

namespace {
int bcd(quint8 b) {
    return (b >> 4) * 10 + (b & 0x0F);
}

// A stamp's date-time, its year counted from a base that only keeps the two year bits in
// order: baseBits is the clock's, so a date up to three years after the clock compares
// right.
QDateTime stampTime(const quint8* b, int baseBits) {
    const int bits = b[3] >> 6;
    const int year = 2000 + ((bits - baseBits) % 4 + 4) % 4;
    return QDateTime(QDate(year, bcd(b[4] & 31), bcd(b[3] & 63)),
                     QTime(bcd(b[2]), bcd(b[1]), bcd(b[0])), Qt::UTC);
}
} // namespace

Kl720Instrument::Kl720Instrument() {
    elapsedMs = [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    };
    idShort = QByteArray("KL720-TEST").leftJustified(16, ' ');
    idLong = QByteArray("EMULATED INSTRUMENT").leftJustified(48, ' ');
}

quint16 Kl720Instrument::Crc(QByteArrayView bytes) {
    quint16 crc = 0;
    for (char c : bytes) {
        crc ^= static_cast<quint8>(c);
        for (int i = 0; i < 8; ++i)
            crc = (crc & 1) ? static_cast<quint16>((crc >> 1) ^ 0xA001)
                            : static_cast<quint16>(crc >> 1);
    }
    return crc;
}

QByteArray Kl720Instrument::BuildReply(quint8 echo, QByteArrayView data) {
    QByteArray frame;
    const int length = static_cast<int>(data.size()) + 3;
    frame.append('\x3C');
    frame.append(static_cast<char>(length >> 8));
    frame.append(static_cast<char>(length & 0xFF));
    frame.append(static_cast<char>(echo));
    frame.append(data.data(), data.size());
    const quint16 crc = Crc(frame);
    frame.append(static_cast<char>(crc >> 8));
    frame.append(static_cast<char>(crc & 0xFF));
    return frame;
}

void Kl720Instrument::SetFault(Fault fault, int count, int command) {
    fault_ = fault;
    faultCount_ = count;
    faultCommand_ = command;
}

QByteArray Kl720Instrument::MemoryImage() const {
    const int count = std::min<int>(static_cast<int>(samples.size()), MaxSamples);
    QByteArray image(96, '\0');
    const int next = 96 + 7 * count;
    image[0] = static_cast<char>(next >> 8);
    image[1] = static_cast<char>(next & 0xFF);
    for (int i = 0; i < 19; ++i)
        image[2 + i] = static_cast<char>(settings[i]);
    image.replace(29, 3, "VYK");
    image.replace(32, 16, idShort.left(16));
    image.replace(48, 48, idLong.left(48));
    image.reserve(next);
    for (int i = 0; i < count; ++i) {
        const Sample& s = samples[i];
        const char record[7] = {char(s.x >> 8), char(s.x), char(s.y >> 8), char(s.y),
                                char(s.z >> 8), char(s.z), char(s.flags)};
        image.append(record, 7);
    }
    return image;
}

void Kl720Instrument::advanceSession() {
    if ((settings[16] & 0x03) != 0x01 || !(settings[7] & 1) || clockStamp.size() != 5)
        return;
    const auto* clock = reinterpret_cast<const quint8*>(clockStamp.constData());
    const int baseBits = clock[3] >> 6;
    const QDateTime now = stampTime(clock, baseBits).addMSecs(elapsedMs() - clockSetAtMs_);
    const QDateTime start = stampTime(&settings[8], baseBits);
    if (!now.isValid() || !start.isValid() || start > now)
        return;
    settings[16] |= 0x02;
    for (int i = 0; i < 5; ++i)
        settings[i] = settings[8 + i];
}

QByteArray Kl720Instrument::answer(quint8 cmd, QByteArrayView data) {
    const char ack[1] = {0};
    if (cmd == 4 || cmd == 10)
        advanceSession();
    switch (cmd) {
    case 2: {
        const char live[7] = {char(liveX >> 8), char(liveX), char(liveY >> 8), char(liveY),
                              char(liveZ >> 8), char(liveZ), char(liveStatus)};
        const QByteArray reply = BuildReply(2, QByteArrayView(live, 7));
        if (liveMoving)
            AdvanceLiveReading(*this);
        return reply;
    }
    case 3:
        return BuildReply(3, QByteArrayView(ack, 1));
    case 4:
        return BuildReply(4, MemoryImage());
    case 7:
        return BuildReply(7, idShort.left(16) + idLong.left(48));
    case 8:
        if (data.size() != 64)
            return BuildReply(0xFF, QByteArrayView(ack, 1));
        idShort = data.first(16).toByteArray();
        idLong = data.sliced(16, 48).toByteArray();
        return BuildReply(8, QByteArrayView(ack, 1));
    case 10:
        return BuildReply(10, QByteArrayView(reinterpret_cast<const char*>(settings.data()), 19));
    case 11:
        if (data.size() != 5)
            return BuildReply(0xFF, QByteArrayView(ack, 1));
        clockStamp = data.toByteArray();
        clockSetAtMs_ = elapsedMs();
        return BuildReply(11, QByteArrayView(ack, 1));
    case 12:
        if (data.size() != 10)
            return BuildReply(0xFF, QByteArrayView(ack, 1));
        sessionParams = data.toByteArray();
        settings[5] = static_cast<quint8>(data[0]);
        settings[6] = static_cast<quint8>(data[1]);
        settings[7] = static_cast<quint8>((settings[7] & ~1) | (data[2] & 1));
        for (int i = 0; i < 5; ++i)
            settings[8 + i] = static_cast<quint8>(data[3 + i]);
        settings[13] = static_cast<quint8>(data[8]);
        settings[14] = static_cast<quint8>(data[9]);
        return BuildReply(12, QByteArrayView(ack, 1));
    case 13:
        settings[16] = 0x01; // programmed
        settings[18] = 0;
        if (!(settings[7] & 1)) {
            // Starting at once: the start is the clock just set.
            settings[16] |= 0x02;
            for (int i = 0; i < 5 && i < clockStamp.size(); ++i)
                settings[i] = static_cast<quint8>(clockStamp[i]);
        }
        return BuildReply(13, QByteArrayView(ack, 1));
    case 14:
        settings[16] = 0x07;
        settings[18] = 4; // user stop
        return BuildReply(14, QByteArrayView(ack, 1));
    default:
        return BuildReply(0xFF, QByteArrayView(ack, 1));
    }
}

QByteArray Kl720Instrument::applyFault(quint8 cmd, QByteArray reply) {
    lastApplied_ = Fault::None;
    if (fault_ == Fault::None || faultCount_ == 0 || (faultCommand_ != 0 && faultCommand_ != cmd))
        return reply;
    if (faultCount_ > 0)
        --faultCount_;
    lastApplied_ = fault_;
    const char ack[1] = {0};
    switch (fault_) {
    case Fault::None:
        break;
    case Fault::Silence:
    case Fault::Vanish:
        return QByteArray();
    case Fault::BadCrc:
        reply[reply.size() - 1] = static_cast<char>(reply.back() ^ 0x01);
        return reply;
    case Fault::ErrorReply:
        return BuildReply(0xFF, QByteArrayView(ack, 1));
    case Fault::Truncated:
        return reply.left(reply.size() - 2);
    case Fault::WrongEcho:
        return BuildReply(static_cast<quint8>(cmd == 3 ? 2 : 3),
                          QByteArrayView(reply).sliced(4, reply.size() - 6));
    case Fault::WrongLength:
        return BuildReply(cmd, QByteArrayView(reply).sliced(4, reply.size() - 6).toByteArray() +
                                   QByteArray(1, '\0'));
    case Fault::Garbage:
        return QByteArray("\x00\x55\xAA", 3) + reply;
    case Fault::SlowPieces:
        return reply;
    }
    return reply;
}

QList<QByteArray> Kl720Instrument::Feed(QByteArrayView bytes) {
    QList<QByteArray> replies;
    if (tressil.enabled && pending_.isEmpty()) {
        bool allBlockRequests = !bytes.isEmpty();
        for (char c : bytes)
            allBlockRequests = allBlockRequests && (c == 'E' || c == 'H');
        if (allBlockRequests) {
            for (char c : bytes)
                replies.append(tressil.Answer(c));
            lastApplied_ = Fault::None;
            return replies;
        }
    }
    pending_.append(bytes.data(), bytes.size());
    for (;;) {
        const qsizetype start = pending_.indexOf('\x3E');
        if (start < 0) {
            pending_.clear();
            break;
        }
        pending_.remove(0, start);
        if (pending_.size() < 3)
            break;
        const int total =
            (static_cast<quint8>(pending_[1]) << 8 | static_cast<quint8>(pending_[2])) + 3;
        if (total < 6 || total > 71) {
            pending_.remove(0, 1); // not a request start after all
            continue;
        }
        if (pending_.size() < total)
            break;
        const QByteArray frame = pending_.left(total);
        pending_.remove(0, total);
        const quint16 crc = Crc(QByteArrayView(frame).first(total - 2));
        if (static_cast<quint8>(frame[total - 2]) != (crc >> 8) ||
            static_cast<quint8>(frame[total - 1]) != (crc & 0xFF))
            continue;
        requests.append(frame);
        const quint8 cmd = static_cast<quint8>(frame[3]);
        commands.append(cmd);
        QByteArray reply = applyFault(cmd, answer(cmd, QByteArrayView(frame).sliced(4, total - 6)));
        replies.append(reply);
    }
    return replies;
}
