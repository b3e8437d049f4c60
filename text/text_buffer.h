#pragma once

#include "platform/large_pages.h"

#include <QByteArray>

#include <cstring>

// A growing byte buffer that hands out room to write into directly: the table text is
// written piece by piece for every sample, so each piece costs a copy and nothing more. The
// room is kept as plain pointers into the array, so that asking for it costs a comparison.
class TextBuffer {
public:
    explicit TextBuffer(qsizetype capacity = 0) { reserve(qMax<qsizetype>(capacity, 256)); }
    TextBuffer(const TextBuffer&) = delete;
    TextBuffer& operator=(const TextBuffer&) = delete;

    // Room for at least n bytes after what is written so far.
    char* Room(qsizetype n) {
        if (end_ - at_ < n)
            grow(n);
        return at_;
    }
    // What was written into the room ends here.
    void Used(char* end) { at_ = end; }
    // The end of the room: a writer that keeps its own pointer may write up to here before
    // it hands the pointer back with Used and asks for more.
    const char* RoomEnd() const { return end_; }

    void Append(const char* text, qsizetype n) {
        char* to = Room(n);
        std::memcpy(to, text, static_cast<size_t>(n));
        at_ = to + n;
    }
    void Append(const QByteArray& text) { Append(text.constData(), text.size()); }
    void Append(char c) {
        char* to = Room(1);
        *to = c;
        at_ = to + 1;
    }

    qsizetype Size() const { return at_ - begin_; }
    const char* Data() const { return begin_; }
    // Starts again at the beginning, keeping the room.
    void Clear() { at_ = begin_; }
    QByteArray Text() const { return QByteArray(begin_, Size()); }
    QByteArray Take() {
        bytes_.resize(Size());
        QByteArray taken = std::move(bytes_);
        bytes_ = QByteArray();
        begin_ = at_ = end_ = nullptr;
        return taken;
    }

private:
    void reserve(qsizetype capacity) {
        const qsizetype used = Size();
        bytes_.resize(capacity);
        PreferLargePages(bytes_.data(), static_cast<std::size_t>(bytes_.size()));
        begin_ = bytes_.data();
        at_ = begin_ + used;
        end_ = begin_ + bytes_.size();
    }
    void grow(qsizetype n) { reserve(qMax((end_ - begin_) * 2, Size() + n)); }

    QByteArray bytes_;
    char* begin_ = nullptr;
    char* at_ = nullptr;
    char* end_ = nullptr;
};
