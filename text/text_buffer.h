#pragma once

#include <QByteArray>

#include <cstring>

// A growing byte buffer that hands out room to write into directly: the table text is
// written piece by piece for every sample, so each piece costs a copy and nothing more.
class TextBuffer {
public:
    explicit TextBuffer(qsizetype capacity = 0) { bytes_.resize(qMax<qsizetype>(capacity, 256)); }

    // Room for at least n bytes after what is written so far.
    char* Room(qsizetype n) {
        if (bytes_.size() - used_ < n)
            grow(n);
        return bytes_.data() + used_;
    }
    // What was written into the room ends here.
    void Used(const char* end) { used_ = end - bytes_.constData(); }

    void Append(const char* text, qsizetype n) {
        char* to = Room(n);
        std::memcpy(to, text, static_cast<size_t>(n));
        used_ += n;
    }
    void Append(const QByteArray& text) { Append(text.constData(), text.size()); }
    void Append(char c) {
        *Room(1) = c;
        ++used_;
    }

    qsizetype Size() const { return used_; }
    const char* Data() const { return bytes_.constData(); }
    // Starts again at the beginning, keeping the room.
    void Clear() { used_ = 0; }
    QByteArray Text() const { return bytes_.left(used_); }
    QByteArray Take() {
        bytes_.resize(used_);
        used_ = 0;
        return std::move(bytes_);
    }

private:
    void grow(qsizetype n) { bytes_.resize(qMax(bytes_.size() * 2, used_ + n)); }

    QByteArray bytes_;
    qsizetype used_ = 0;
};
