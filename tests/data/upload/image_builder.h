#pragma once

#include "data/upload/memory_image.h"
#include "link/packet.h"

#include <QByteArray>

#include <initializer_list>

// A memory image built field by field: a valid header for an empty memory (marker, unit
// seconds, step 1, start 5 July of a year with bits 01 at 10:20:30) and the records added.
class ImageBuilder {
public:
    ImageBuilder() : bytes_(MemoryImage::HeaderBytes, '\0') {
        Set(29, {'V', 'Y', 'K'});
        Set(2, {0x30, 0x20, 0x10, 0x45, 0x07});
        Set(7, {0x02});
        Set(8, {0x01});
        SetIds(QByteArray(16, ' '), QByteArray(48, ' '));
        SetAddress(MemoryImage::HeaderBytes);
    }
    ImageBuilder& Set(int offset, std::initializer_list<int> values) {
        for (const int v : values)
            bytes_[offset++] = static_cast<char>(v);
        return *this;
    }
    ImageBuilder& SetAddress(int address) { return Set(0, {address >> 8 & 0xFF, address & 0xFF}); }
    ImageBuilder& SetStop(int address) { return Set(15, {address >> 8 & 0xFF, address & 0xFF}); }
    ImageBuilder& SetIds(const QByteArray& idShort, const QByteArray& idLong) {
        bytes_.replace(32, 16, idShort.leftJustified(16, ' ', true));
        bytes_.replace(48, 48, idLong.leftJustified(48, ' ', true));
        return *this;
    }
    // Adds a record and moves the write address past it.
    ImageBuilder& Add(int x, int y, int z, int ranges) {
        for (const int raw : {x, y, z}) {
            bytes_.append(static_cast<char>(raw >> 8 & 0xFF));
            bytes_.append(static_cast<char>(raw & 0xFF));
        }
        bytes_.append(static_cast<char>(ranges));
        return SetAddress(static_cast<int>(bytes_.size()));
    }
    ImageBuilder& Truncate(qsizetype size) {
        bytes_.truncate(size);
        return *this;
    }
    const QByteArray& Image() const { return bytes_; }
    // The download's reply frame around the image.
    QByteArray Reply() const {
        QByteArray frame;
        const qsizetype length = bytes_.size() + 3;
        frame.append(static_cast<char>(Packet::ReplyStart));
        frame.append(static_cast<char>(length >> 8 & 0xFF));
        frame.append(static_cast<char>(length & 0xFF));
        frame.append(static_cast<char>(4));
        frame.append(bytes_);
        const quint16 crc = Crc16(frame);
        frame.append(static_cast<char>(crc >> 8));
        frame.append(static_cast<char>(crc & 0xFF));
        return frame;
    }

private:
    QByteArray bytes_;
};
