#pragma once

#include "text/file_text_locale.h"
#include "text/two_decimal_fields.h"

#include <cstring>

// A sample's record as the session log and the real-time log hold it: the three values
// with two decimals ("#0.00", ASCII digits, the file's decimal separator), separated by
// one blank, then two blanks and 0, all in quotes, then CR LF. A save writes one for every
// sample, so the usual record is put together in line.

// Room a record needs at its pointer (the writer may write past the end it returns).
inline constexpr int SessionRecordRoom = 3 * TwoDecimalsMaxLength + 16;

inline char* WriteSessionRecord(char* p, float x, float y, float z, char decimal) {
    *p++ = '"';
#if defined(CORVANEL_TWO_DECIMAL_FIELDS)
    // Values from 0 to 99999.99 (the instrument's), each its field without the blanks.
    __m128i xy, z0;
    if (FourTwoDecimalFields(x, y, z, 0.0, {1e7, 1e7, 1e7, 1e7}, decimal, xy, z0)) {
        p = WriteFieldText(p, FirstField(xy));
        *p++ = ' ';
        p = WriteFieldText(p, SecondField(xy));
        *p++ = ' ';
        p = WriteFieldText(p, FirstField(z0));
        std::memcpy(p, "  0\"\r\n", 6);
        return p + 6;
    }
#endif
    p = WriteTwoDecimals(p, x, decimal);
    *p++ = ' ';
    p = WriteTwoDecimals(p, y, decimal);
    *p++ = ' ';
    p = WriteTwoDecimals(p, z, decimal);
    std::memcpy(p, "  0\"\r\n", 6);
    return p + 6;
}

#if defined(CORVANEL_TWO_DECIMAL_FIELDS)
// Records from their values' fields, three a record (x, y, z) in turn.
[[gnu::always_inline]] inline char* WriteFieldRecords(char* p, const std::uint64_t* fields,
                                                      int records) {
    for (int r = 0; r < records; ++r) {
        *p++ = '"';
        p = WriteFieldText(p, fields[3 * r]);
        *p++ = ' ';
        p = WriteFieldText(p, fields[3 * r + 1]);
        *p++ = ' ';
        p = WriteFieldText(p, fields[3 * r + 2]);
        std::memcpy(p, "  0\"\r\n", 6);
        p += 6;
    }
    return p;
}

// Four records (values x[0..3], y[0..3], z[0..3]) at once, their twelve values laid out
// four at a time; null, with the records left to WriteSessionRecord, when a value needs
// the long way. Room for 4 * SessionRecordRoom at p.
inline char* WriteFourSessionRecords(char* p, const float* x, const float* y, const float* z,
                                     char decimal) {
    constexpr TwoDecimalBounds bounds{1e7, 1e7, 1e7, 1e7};
    __m128i f[6];
    if (!FourTwoDecimalFields(x[0], y[0], z[0], x[1], bounds, decimal, f[0], f[1]) ||
        !FourTwoDecimalFields(y[1], z[1], x[2], y[2], bounds, decimal, f[2], f[3]) ||
        !FourTwoDecimalFields(z[2], x[3], y[3], z[3], bounds, decimal, f[4], f[5]))
        return nullptr;
    std::uint64_t fields[12];
    std::memcpy(fields, f, sizeof fields);
    return WriteFieldRecords(p, fields, 4);
}
#endif

#if defined(CORVANEL_EIGHT_DECIMAL_FIELDS)
// Eight records at once, their twenty-four values in three passes of eight lanes (only
// where HasEightLanes()); null as WriteFourSessionRecords. Room for 8 * SessionRecordRoom.
CORVANEL_EIGHT_LANES inline char* WriteEightSessionRecords(char* p, const float* x, const float* y,
                                                           const float* z, char decimal) {
    const __m256d bounds = _mm256_set1_pd(1e7);
    // The values record by record: x, y, z of the first, then of the second, and so on.
    double values[24];
    for (int r = 0; r < 8; ++r) {
        values[3 * r] = x[r];
        values[3 * r + 1] = y[r];
        values[3 * r + 2] = z[r];
    }
    std::uint64_t fields[24];
    for (int pass = 0; pass < 3; ++pass) {
        __m256i low, high;
        if (!EightTwoDecimalFields(_mm256_loadu_pd(values + 8 * pass),
                                   _mm256_loadu_pd(values + 8 * pass + 4), bounds, bounds, decimal,
                                   low, high))
            return nullptr;
        // low holds the fields of values 0, 1 | 4, 5, high of 2, 3 | 6, 7.
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(fields + 8 * pass),
                            _mm256_permute2x128_si256(low, high, 0x20));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(fields + 8 * pass + 4),
                            _mm256_permute2x128_si256(low, high, 0x31));
    }
    return WriteFieldRecords(p, fields, 8);
}
#endif
