// kl720-emulator: an emulated KL720 on a pseudo-terminal for trying the program by hand.
//
//   kl720-emulator [--samples N] [--paced] [--port n] [--no-start] [--tressil B]
//
// --no-start: the session's start stamps are erased (0xFF, as memory never written), so
// a download has no start time to read.
// --tressil: the line also answers the second kind of instrument's "E" and "H": B blocks
// of 1000 one-minute samples ending now (each sent twice, as that instrument does), with a
// 7-minute gap before the last block.
//
// Prints the line to give the program (CORVANEL_COM<n>=/dev/pts/...), then reads commands
// from its input (when it has one; in the background it just serves until stopped), one a line:
// "fault NAME [COMMAND]" (none, silence, badcrc, error, truncated, echo, length, garbage, slow,
// vanish; with a command number only that command's replies are hit),
// "status", "quit".
#include "link/time_stamp.h"
#include "tests/support/kl720_live.h"
#include "tests/support/kl720_pty.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
// A finished session of n samples every 15 minutes, ending now.
void fillSession(Kl720Instrument& k, int n) {
    k.samples.clear();
    for (int i = 0; i < n; ++i) {
        const double t = i / 40.0;
        k.samples.push_back({quint16(300 + 200 * std::sin(t)), quint16(250 + 150 * std::cos(t)),
                             quint16(100 + (i % 50)), quint8(i % 97 == 0 ? 1 : 0)});
    }
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime start =
        QDateTime(now.date(), now.time(), Qt::UTC).addSecs(-qint64(n) * 15 * 60);
    const InstrumentStamp stamp = EncodeStamp(start);
    for (int i = 0; i < 5; ++i) {
        k.settings[i] = stamp[i];
        k.settings[8 + i] = stamp[i];
    }
    k.settings[5] = 3;    // minutes
    k.settings[6] = 0x15; // every 15
    k.settings[16] = n > 0 ? 0x07 : 0x00;
    k.settings[18] = n > 0 ? 1 : 0; // memory end
}
// B blocks of 1000 one-minute samples, the last one starting 7 minutes late.
void fillBlocks(Kl720Instrument& k, int blocks) {
    constexpr int PerBlock = 1000;
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime end =
        QDateTime(now.date(), QTime(now.time().hour(), now.time().minute()), Qt::UTC);
    QDateTime first = end.addSecs(-qint64(blocks) * PerBlock * 60 - 7 * 60);
    QList<QByteArray> distinct;
    for (int b = 0; b < blocks; ++b) {
        if (b > 0 && b == blocks - 1)
            first = first.addSecs(7 * 60);
        std::vector<TressilMemory::Sample> samples;
        for (int i = 0; i < PerBlock; ++i) {
            const double t = (b * PerBlock + i) / 60.0;
            // Mostly the low range; an hour in every six on the high one.
            const bool high = int(t) % 6 == 5;
            samples.push_back({quint8(128 + 100 * std::sin(t)), quint8(100 + 80 * std::cos(t / 3)),
                               quint8(60 + (i % 40)), quint8(high ? 7 : 0)});
        }
        distinct << TressilMemory::Block(1, first, samples);
        first = first.addSecs(qint64(PerBlock) * 60);
    }
    k.tressil.SendTwice(distinct);
}

// "fault NAME [COMMAND]": the name, and the command it hits (0: every command).
std::string faultName(const std::string& line) {
    const std::string rest = line.substr(6);
    return rest.substr(0, rest.find(' '));
}

int faultCommand(const std::string& line) {
    const std::string rest = line.substr(6);
    const std::size_t blank = rest.find(' ');
    return blank == std::string::npos ? 0 : std::atoi(rest.c_str() + blank + 1);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int samples = 500, port = 1, blocks = 0;
    bool noStart = false;
    Kl720Pacing pacing;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--samples") && i + 1 < args.size())
            samples = qBound(0, args[++i].toInt(), Kl720Instrument::MaxSamples);
        else if (args[i] == QLatin1String("--port") && i + 1 < args.size())
            port = qBound(1, args[++i].toInt(), 10);
        else if (args[i] == QLatin1String("--tressil") && i + 1 < args.size())
            blocks = qBound(1, args[++i].toInt(), 512);
        else if (args[i] == QLatin1String("--paced"))
            pacing.lineSpeed = true;
        else if (args[i] == QLatin1String("--no-start"))
            noStart = true;
        else {
            std::fprintf(stderr, "usage: kl720-emulator [--samples N] [--paced] [--port n] "
                                 "[--no-start] [--tressil B]\n");
            return 2;
        }
    }
    Kl720PtyServer server(pacing);
    if (!server.IsRunning()) {
        std::fprintf(stderr, "kl720-emulator: no pseudo-terminal could be made\n");
        return 1;
    }
    server.With([&](Kl720Instrument& k) {
        fillSession(k, samples);
        if (noStart)
            for (int i = 0; i < 5; ++i)
                k.settings[i] = k.settings[8 + i] = 0xFF;
        k.liveMoving = true;
        AdvanceLiveReading(k);
        if (blocks > 0)
            fillBlocks(k, blocks);
    });
    std::printf("CORVANEL_COM%d=%s\n", port, qPrintable(server.SlavePath()));
    std::fflush(stdout);

    // Run in the background, it cannot read commands: it just serves until it is stopped.
    std::signal(SIGTTIN, SIG_IGN);
    using F = Kl720Instrument::Fault;
    const std::map<std::string, F> faults = {{"none", F::None},           {"silence", F::Silence},
                                             {"badcrc", F::BadCrc},       {"error", F::ErrorReply},
                                             {"truncated", F::Truncated}, {"echo", F::WrongEcho},
                                             {"length", F::WrongLength},  {"garbage", F::Garbage},
                                             {"slow", F::SlowPieces},     {"vanish", F::Vanish}};
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line == "quit")
            break;
        if (line == "status") {
            const int requests =
                server.With([](Kl720Instrument& k) { return int(k.requests.size()); });
            std::printf("requests %d, replies %d%s\n", requests, server.RepliesSent(),
                        server.Vanished() ? ", line gone" : "");
        } else if (line.rfind("fault ", 0) == 0 && faults.count(faultName(line))) {
            const F fault = faults.at(faultName(line));
            const int command = faultCommand(line);
            if (fault == F::Vanish)
                server.Vanish();
            else
                server.With([&](Kl720Instrument& k) { k.SetFault(fault, -1, command); });
            std::printf("fault %s\n", line.substr(6).c_str());
        } else if (!line.empty()) {
            std::printf("commands: fault none|silence|badcrc|error|truncated|echo|length|"
                        "garbage|slow|vanish [command], status, quit\n");
        }
        std::fflush(stdout);
    }
    if (line != "quit") {
        while (true)
            ::pause();
    }
    return 0;
}
