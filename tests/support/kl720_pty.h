#pragma once

#include "tests/support/kl720_instrument.h"

#include <QString>

#include <atomic>
#include <mutex>
#include <thread>

// How the emulated instrument sends its replies.
struct Kl720Pacing {
    // Bytes leave at the line's real speed (19200 baud, 10 bits a byte).
    bool lineSpeed = false;
    // Gap between the pieces of a "slow pieces" reply.
    int pieceGapMs = 400;
    // Wait before each reply.
    int replyDelayMs = 2;
};

// The emulated instrument on a pseudo-terminal, served from its own thread: the program
// opens SlavePath() like any serial device (also through CORVANEL_COM<n>, see
// ExportAsComPort). Both ends are raw; the server keeps a slave descriptor of its own open
// so that the program's closing and reopening never hangs the line up.
class Kl720PtyServer {
public:
    explicit Kl720PtyServer(Kl720Pacing pacing = Kl720Pacing());
    ~Kl720PtyServer();
    Kl720PtyServer(const Kl720PtyServer&) = delete;
    Kl720PtyServer& operator=(const Kl720PtyServer&) = delete;

    bool IsRunning() const { return masterFd_ >= 0; }
    QString SlavePath() const { return slavePath_; }
    // Sets CORVANEL_COM<n> to the slave path (and clears it again at the end).
    void ExportAsComPort(int portNumber);

    // The instrument, under the server's lock: change or read it only through here.
    template <class F> auto With(F&& f) {
        std::lock_guard<std::mutex> lock(mutex_);
        return f(instrument_);
    }
    // The line goes away now (as an unplugged adapter).
    void Vanish();
    bool Vanished() const { return vanished_; }
    // Replies sent whole so far.
    int RepliesSent() const { return replies_; }

private:
    void serve();
    void send(const QByteArray& reply, Kl720Instrument::Fault fault);
    bool writeAll(const char* data, qsizetype size);
    void closeLine();

    Kl720Pacing pacing_;
    Kl720Instrument instrument_;
    std::mutex mutex_;
    int masterFd_ = -1;
    int slaveFd_ = -1;
    QString slavePath_;
    int exported_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<bool> vanished_{false};
    std::atomic<bool> vanishRequested_{false};
    std::atomic<int> replies_{0};
    std::thread thread_;
};
