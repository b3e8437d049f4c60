// Runs the session-log fuzz target without libFuzzer: over seed files and a fixed number
// of mutations from a fixed seed, so that every test run is bounded and repeatable.
#include "tests/data/files/fuzz/session_log_fuzz.h"

#include <QByteArray>
#include <QList>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {
QList<QByteArray> seeds() {
    const QByteArray head = "\"Field Activity Log\"\r\n"
                            "\"9 Dec 2026 07:44:47@9 Dec 2026 09:44:47@1\"\r\n"
                            "\"5s\"\r\n";
    return {
        head + "\"3\"\r\n\"SN001\"\r\n\"Cantiere\"\r\n\"1.23 4.56 7.89  0\"\r\n"
               "\"-1 -1 -1 0\"\r\n\"0,50 0,50 0,50  0\"\r\n",
        head + "\"1\"\r\n\"\"\r\n\"\"\r\n\"1 2 3 0\"\r\n",
        // Seven digits that round up twice: "-4440.145", then "-4440.15".
        head + "\"2\"\r\n\"\"\r\n\"\"\r\n\"-4440.1445 0.125 2.675  0\"\r\n"
               "\"4440.1445 -0.005 99999.99  0\"\r\n",
        "\"Field Activity Log\"\n\"9 Dec 2026\"\n\"10n\"\n   2\n\"A\"B\"\n\"\xE8\"\n"
        "\"1.00  2.00 3.00 0\"\n\"-1.00 -1.00 -1.00  0\"",
        head + "\"2000000000\"\r\n\"\"\r\n\"\"\r\n\"1 2 3 0\"\r\n",
        QByteArray(),
    };
}

QByteArray mutate(QByteArray bytes, std::mt19937& random) {
    const int edits = 1 + static_cast<int>(random() % 4);
    static const char* pieces[] = {
        "\"",   "@",    " ", "\r\n", "\n", "-1", "e99", ",", "99d", "0", "9 Dec 9999 23:59:59",
        "\xFF", "\xC3", "."};
    for (int e = 0; e < edits; ++e) {
        const auto at = bytes.isEmpty() ? 0 : static_cast<qsizetype>(random() % bytes.size());
        switch (random() % 5) {
        case 0:
            if (!bytes.isEmpty())
                bytes[at] = static_cast<char>(random() % 256);
            break;
        case 1:
            bytes.remove(at, static_cast<qsizetype>(random() % 8));
            break;
        case 2:
            bytes.insert(at, pieces[random() % std::size(pieces)]);
            break;
        case 3:
            bytes.insert(at, bytes.mid(static_cast<qsizetype>(random() % (bytes.size() + 1)),
                                       static_cast<qsizetype>(random() % 32)));
            break;
        default:
            if (!bytes.isEmpty())
                bytes[at] = "0123456789"[random() % 10];
            break;
        }
    }
    return bytes;
}
} // namespace

int main(int argc, char** argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 20000;
    std::mt19937 random(720);
    const QList<QByteArray> corpus = seeds();
    for (const QByteArray& seed : corpus)
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(seed.constData()),
                               static_cast<std::size_t>(seed.size()));
    for (int i = 0; i < runs; ++i) {
        const QByteArray input = mutate(corpus[random() % corpus.size()], random);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.constData()),
                               static_cast<std::size_t>(input.size()));
    }
    std::printf("session log fuzz: %d inputs (%ld loaded), no breach\n", runs + int(corpus.size()),
                SessionLogFuzzLoads);
    return 0;
}
