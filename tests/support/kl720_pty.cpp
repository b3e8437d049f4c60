#include "tests/support/kl720_pty.h"

#include <QElapsedTimer>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {
void makeRaw(int fd) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0)
        return;
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B19200);
    ::cfsetospeed(&tio, B19200);
    ::tcsetattr(fd, TCSANOW, &tio);
}
} // namespace

Kl720PtyServer::Kl720PtyServer(Kl720Pacing pacing) : pacing_(pacing) {
    masterFd_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (masterFd_ < 0)
        return;
    if (::grantpt(masterFd_) != 0 || ::unlockpt(masterFd_) != 0) {
        ::close(masterFd_);
        masterFd_ = -1;
        return;
    }
    char name[128] = {};
    if (::ptsname_r(masterFd_, name, sizeof name) != 0) {
        ::close(masterFd_);
        masterFd_ = -1;
        return;
    }
    slavePath_ = QString::fromLocal8Bit(name);
    slaveFd_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    makeRaw(masterFd_);
    if (slaveFd_ >= 0)
        makeRaw(slaveFd_);
    thread_ = std::thread([this] { serve(); });
}

Kl720PtyServer::~Kl720PtyServer() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    closeLine();
    if (exported_ > 0)
        qunsetenv(QStringLiteral("CORVANEL_COM%1").arg(exported_).toLatin1());
}

void Kl720PtyServer::ExportAsComPort(int portNumber) {
    exported_ = portNumber;
    qputenv(QStringLiteral("CORVANEL_COM%1").arg(portNumber).toLatin1(), slavePath_.toLocal8Bit());
}

void Kl720PtyServer::Vanish() {
    vanishRequested_ = true;
    // Wait for the server thread to close the line, so the caller sees it gone.
    for (int i = 0; i < 500 && !vanished_ && thread_.joinable(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

void Kl720PtyServer::closeLine() {
    if (masterFd_ >= 0)
        ::close(masterFd_);
    if (slaveFd_ >= 0)
        ::close(slaveFd_);
    masterFd_ = slaveFd_ = -1;
}

bool Kl720PtyServer::writeAll(const char* data, qsizetype size) {
    qsizetype done = 0;
    while (done < size && !stop_) {
        const ssize_t n = ::write(masterFd_, data + done, size - done);
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        // The line's buffer is full (about 4 KB on a pty): wait until the reader drains it.
        pollfd p{masterFd_, POLLOUT, 0};
        ::poll(&p, 1, 20);
    }
    return done == size;
}

void Kl720PtyServer::send(const QByteArray& reply, Kl720Instrument::Fault fault) {
    if (pacing_.replyDelayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(pacing_.replyDelayMs));
    if (fault == Kl720Instrument::Fault::SlowPieces) {
        const qsizetype third = reply.size() / 3;
        writeAll(reply.constData(), third);
        std::this_thread::sleep_for(std::chrono::milliseconds(pacing_.pieceGapMs));
        writeAll(reply.constData() + third, third);
        std::this_thread::sleep_for(std::chrono::milliseconds(pacing_.pieceGapMs));
        writeAll(reply.constData() + 2 * third, reply.size() - 2 * third);
    } else if (pacing_.lineSpeed) {
        // 19200 baud, 10 bits a byte: byte i leaves at i * 10 / 19200 s after the start.
        using Clock = std::chrono::steady_clock;
        const auto start = Clock::now();
        constexpr qsizetype chunk = 32;
        // An unplugged line stops the reply where it is.
        for (qsizetype at = 0; at < reply.size() && !stop_ && !vanishRequested_; at += chunk) {
            const auto due = start + std::chrono::microseconds(at * 10 * 1000000LL / 19200);
            std::this_thread::sleep_until(due);
            writeAll(reply.constData() + at, std::min(chunk, reply.size() - at));
        }
    } else {
        writeAll(reply.constData(), reply.size());
    }
    ++replies_;
}

void Kl720PtyServer::serve() {
    char buffer[512];
    while (!stop_) {
        if (vanishRequested_ && !vanished_) {
            std::lock_guard<std::mutex> lock(mutex_);
            closeLine();
            vanished_ = true;
        }
        if (vanished_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        pollfd p{masterFd_, POLLIN, 0};
        if (::poll(&p, 1, 10) <= 0 || !(p.revents & POLLIN))
            continue;
        const ssize_t n = ::read(masterFd_, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        QList<QByteArray> replies;
        Kl720Instrument::Fault fault;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            replies = instrument_.Feed(QByteArrayView(buffer, n));
            fault = instrument_.LastAppliedFault();
        }
        for (const QByteArray& reply : replies) {
            if (fault == Kl720Instrument::Fault::Vanish) {
                std::lock_guard<std::mutex> lock(mutex_);
                closeLine();
                vanished_ = true;
                break;
            }
            if (!reply.isEmpty())
                send(reply, fault);
        }
    }
}
