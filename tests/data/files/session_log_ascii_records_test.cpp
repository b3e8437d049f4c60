// Sample records read straight from a file's plain-ASCII bytes give what reading the
// decoded text gives: a file with one byte outside ASCII after its records is read the
// decoded way, so each file here is read both ways and the outcomes compared.
#include "core/error_report.h"
#include "data/files/session_log.h"
#include "text/file_text_locale.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {
struct Outcome {
    LoadRefusal refusal = LoadRefusal::None;
    int error = 0;
    DataSet data;
};

// What a reader made of the file: its refusal, the error it raised, the data set.
template <class Reader> Outcome outcomeOf(Reader&& reader) {
    Outcome out;
    try {
        out.refusal = reader(out.data);
    } catch (const TrappedError& e) {
        out.error = e.Number();
    }
    return out;
}

Outcome read(const QByteArray& bytes, const FileTextLocale& text) {
    return outcomeOf([&](DataSet& data) { return ReadSessionLog(bytes, text, data); });
}

void expectSame(const Outcome& a, const Outcome& b, const std::string& what) {
    EXPECT_EQ(a.refusal, b.refusal) << what;
    EXPECT_EQ(a.error, b.error) << what;
    EXPECT_EQ(a.data.NumSamples, b.data.NumSamples) << what;
    EXPECT_EQ(a.data.DataX, b.data.DataX) << what;
    EXPECT_EQ(a.data.DataY, b.data.DataY) << what;
    EXPECT_EQ(a.data.DataZ, b.data.DataZ) << what;
    EXPECT_EQ(a.data.DataRes, b.data.DataRes) << what;
    EXPECT_EQ(a.data.IDShort, b.data.IDShort) << what;
    EXPECT_EQ(a.data.IDLong, b.data.IDLong) << what;
    // Sample times of a data set that was read; a refused one may hold any count.
    if (a.refusal == LoadRefusal::None && a.error == 0 && b.refusal == LoadRefusal::None &&
        b.error == 0)
        EXPECT_EQ(SampleTimeTexts(a.data), SampleTimeTexts(b.data)) << what;
}

QByteArray file(const QByteArray& records, int count, const QByteArray& idLong = "Nord") {
    return "\"Field Activity Log\"\r\n\"09/12/2026 07:44:47@01/01/2001 01:01:01@2\"\r\n"
           "\"5s\"\r\n\"" +
           QByteArray::number(count) + "\"\r\n\"SN001\"\r\n\"" + idLong + "\"\r\n" + records;
}
} // namespace

TEST(SessionLogAsciiRecords, SameOutcomeAsTheDecodedText) {
    const QByteArray records[] = {
        "\"1.00 2.00 3.00  0\"\r\n\"-1 -1 -1 0\"\r\n\"-1.00 -1.00 -1.00  0\"\r\n",
        "\"1,25 2,5 3,75  0\"\n\"0.125 0.135 1E2  0\"\n",    // comma decimals, LF ends
        "  \t\"7.5 8 9  0\"  \r\n\"1D-3 +2 -.5  0\r\n",      // blanks before, closing quote lost
        "1.5 2.5 3.5  0 \x0b\x0c\r\n\t 4 5 6 0\r\n",         // unquoted, trimmed both ends
        "\"1\"2\" 3 4 \"\r\n\"5. .5 6e 0\"\r\n",             // quotes inside, bare exponent
        "\"1.00 2.00 3.00\"\r\n",                            // no blank after the third value
        "\"1.00 2.00\"\r\n",                                 // two values
        "\"\"\r\n",                                          // empty record
        "\"1.00 2.00 3.00  0\"",                             // last line without its end
        "\"1e39 2 3  0\"\r\n",                               // beyond single precision
        "\"1e400 2 3  0\"\r\n\"1e-400 2 3  0\"\r\n",         // beyond double precision
        "\"1 2 " + QByteArray(300, '3') + " 0\"\r\n",        // a blank past place 255
        "\"" + QByteArray(250, '0') + "1 2 3 0\"\r\n",       // a blank just inside it
        "\"-0.004 -0 0.005  0\"\r\n\"12,5 1.5,5 x  0\"\r\n", // signs, stray characters
    };
    const char* const locales[] = {"en_GB", "it_IT"};
    for (const char* name : locales) {
        const FileTextLocale text{QLocale(QLatin1String(name))};
        for (const QByteArray& r : records) {
            const int lines = int(r.count('\n')) + (r.endsWith('\n') ? 0 : 1);
            const int count = lines;
            const QByteArray plain = file(r, count);
            // A byte outside ASCII after the records, as UTF-8 and as the 8-bit code page
            // (then the header's texts read that way too).
            const QByteArray end = r.endsWith('\n') ? "" : "\r\n";
            const QByteArray utf8 = file(r + end + "\"\xC3\xA9\"\r\n", count);
            const QByteArray cp1252Plain = file(r, count, "Citt\xE0");
            const QByteArray cp1252 = file(r + end + "\"\xE9\"\r\n", count, "Citt\xE0");
            const std::string what = std::string(name) + " " + r.left(40).toStdString();
            expectSame(read(plain, text), read(utf8, text), what);
            expectSame(read(cp1252Plain, text), read(cp1252, text), what + " cp1252");
            // One record more than the file holds: a file cut short.
            EXPECT_EQ(read(file(r, count + 1), text).refusal, LoadRefusal::NotSessionLog) << what;
        }
    }
}

TEST(SessionLogAsciiRecords, RandomRecordsReadTheSameBothWays) {
    // Lines of the characters records are made of, blanks, quotes and controls among them.
    const char alphabet[] = "0123456789    ..,,--+eEdD\"\"\t\r\x0b\x0c";
    std::mt19937 random(9122026);
    const FileTextLocale text{QLocale(QStringLiteral("it_IT"))};
    for (int k = 0; k < 3000; ++k) {
        QByteArray records;
        const int count = 1 + int(random() % 4);
        for (int line = 0; line < count; ++line) {
            const int length = int(random() % 24);
            for (int c = 0; c < length; ++c)
                records += alphabet[random() % (sizeof alphabet - 1)];
            records += random() % 2 ? "\r\n" : "\n";
        }
        expectSame(read(file(records, count), text),
                   read(file(records + "\"\xC3\xA9\"\r\n", count), text), records.toStdString());
    }
}

TEST(SessionLogAsciiRecords, ValOverBytesReadsAsValOverText) {
    const char* const texts[] = {"",
                                 "  12.5x",
                                 "-3,25",
                                 "+7",
                                 ".5",
                                 "5.",
                                 "1E3",
                                 "1d-2",
                                 "2e",
                                 "2e+",
                                 "-1e-400",
                                 "\t\r\n 9",
                                 "1.2.3",
                                 "--1",
                                 "0x10",
                                 "1,5e2",
                                 "00012",
                                 "9"
                                 "99999999999999999999"};
    for (const char* t : texts) {
        for (const bool comma : {false, true}) {
            const QString asText = QString::fromLatin1(t);
            EXPECT_EQ(Val(QLatin1StringView(t), comma), Val(QStringView(asText), comma)) << t;
        }
    }
    EXPECT_THROW(Val(QLatin1StringView("1e400")), TrappedError);
}

TEST(SessionLogAsciiRecords, ShortDecimalsReadAsTheFullConversionReadsThem) {
    // Random decimals around the short ones' limit of 15 digits, every sign, point and
    // comma, against the correctly rounded conversion of the same digits.
    std::mt19937 random(20261209);
    for (int k = 0; k < 200000; ++k) {
        const int digits = 1 + int(random() % 17);
        std::string number;
        for (int d = 0; d < digits; ++d)
            number += char('0' + random() % 10);
        const int point = int(random() % (digits + 2)) - 1; // -1: no point
        const bool comma = random() % 2 == 0;
        const int sign = int(random() % 3); // none, "-", "+"
        std::string reference = number;
        std::string text = number;
        if (point >= 0) {
            reference.insert(std::size_t(point), ".");
            text.insert(std::size_t(point), comma ? "," : ".");
        }
        if (sign == 1)
            reference.insert(0, "-");
        if (sign != 0)
            text.insert(0, sign == 1 ? "-" : "+");
        double expected = 0.0;
        std::from_chars(reference.data(), reference.data() + reference.size(), expected);
        const double got = Val(QLatin1StringView(text.data(), qsizetype(text.size())), true);
        ASSERT_EQ(std::memcmp(&got, &expected, sizeof got), 0) << text << " " << got;
        const QString asText = QString::fromStdString(text);
        const double fromText = Val(QStringView(asText), true);
        ASSERT_EQ(std::memcmp(&fromText, &expected, sizeof got), 0) << text;
    }
}

namespace {
Outcome readValueByValue(const QByteArray& bytes, const FileTextLocale& text) {
    return outcomeOf([&](DataSet& data) { return ReadSessionLogValueByValue(bytes, text, data); });
}

void expectSameFigures(const Outcome& a, const Outcome& b, const std::string& what) {
    expectSame(a, b, what);
    EXPECT_EQ(a.data.StartDate, b.data.StartDate) << what;
    EXPECT_EQ(a.data.StopDate, b.data.StopDate) << what;
    EXPECT_EQ(a.data.StopReason, b.data.StopReason) << what;
    EXPECT_EQ(a.data.SampleStep, b.data.SampleStep) << what;
    EXPECT_EQ(a.data.SampleStepUnit, b.data.SampleStepUnit) << what;
    EXPECT_EQ(a.data.DataEndDate, b.data.DataEndDate) << what;
    EXPECT_EQ(a.data.MedianValue, b.data.MedianValue) << what;
    EXPECT_EQ(a.data.MedianSampleNumber, b.data.MedianSampleNumber) << what;
    EXPECT_EQ(a.data.ResMean, b.data.ResMean) << what;
}
} // namespace

// The usual file is read in one pass over its bytes; every file reads as the value-by-value
// reader reads it: the seeds of the fuzz target, files as the writer makes them, and
// records that look like written ones but are not quite.
TEST(SessionLogOnePass, ReadsWhatTheValueByValueReaderReads) {
    std::vector<QByteArray> files;
    const QDir corpus(QStringLiteral(CORVANEL_SOURCE_DIR "/fuzz/corpus/session_log"));
    for (const QString& name : corpus.entryList(QDir::Files)) {
        QFile seed(corpus.filePath(name));
        ASSERT_TRUE(seed.open(QIODevice::ReadOnly)) << name.toStdString();
        files.push_back(seed.readAll());
    }
    ASSERT_FALSE(files.empty());
    const QByteArray written[] = {
        "\"1.00 2.00 3.00  0\"\r\n\"-1 -1 -1 0\"\r\n\"-1.00 -1.00 -1.00  0\"\r\n",
        "\"1,25 -2,50 0,00  0\"\r\n\"-0.00 0.01 199.99  0\"",   // comma, no last line end
        "\"1.00 2.00 3.00  0\"\r",                              // CR alone at the end
        "\"1.00 2.00 3.00  0\"\r\r\n\"1.00 2.00 3.00  0\"\r\n", // CR twice
        "\"1.00 2.00 3.00  0\" \r\n\"1.00 2.00 3.00  0\"x\r\n", // after the closing quote
        "\"1.00 2.00 3.00  0 \"\r\n\"1.00 2.00 3.00   0\"\r\n", // blanks moved
        "\"123456789012345 1.5 2.5  0\"\r\n",                   // 15 digits
        "\"1234567890123456 1.5 2.5  0\"\r\n",                  // 16 digits
        "\"+1.00 .5 5.  0\"\r\n\"- 1 2  0\"\r\n",               // sign, point alone
        "\"1.00 2.00 3.00  0\"\r\n\"1.00 2.00 3.00  0\"\r\n\"\xC3\xA9\"\r\n", // not ASCII after
        "\"1.00 2.00 3.00  0\"\r\n\"1.00 2.\xE9 3.00  0\"\r\n",               // nor among
        "\"1.00 2.00 3.00  0\"\r\n\"1.00 2.00\"\r\n",                         // a bad record
        "\"1.00 2.00 3.00  0\"\r\n",                                          // short
    };
    for (const QByteArray& records : written)
        for (const int count : {1, 2, 3})
            files.push_back(file(records, count));
    std::mt19937 random(24);
    const char alphabet[] = "0123456789 .,-\"\r\n";
    for (int k = 0; k < 2000; ++k) {
        QByteArray records;
        for (int line = 0; line < 3; ++line) {
            QByteArray record = "\"1.25 -2.50 30.00  0\"\r\n";
            // One character changed, taken out or put in.
            const int at = int(random() % record.size());
            const char c = alphabet[random() % (sizeof alphabet - 1)];
            switch (random() % 3) {
            case 0:
                record[at] = c;
                break;
            case 1:
                record.remove(at, 1);
                break;
            default:
                record.insert(at, c);
            }
            records += record;
        }
        files.push_back(file(records, 3));
    }
    for (const char* name : {"en_GB", "it_IT"}) {
        const FileTextLocale text{QLocale(QLatin1String(name))};
        for (const QByteArray& bytes : files) {
            const std::string what = std::string(name) + " " + bytes.right(60).toStdString();
            expectSameFigures(read(bytes, text), readValueByValue(bytes, text), what);
        }
    }
}
