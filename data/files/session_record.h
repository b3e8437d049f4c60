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
    for (int r = 0; r < 4; ++r) {
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
#endif
