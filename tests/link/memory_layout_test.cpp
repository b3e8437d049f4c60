#include "link/memory_layout.h"

#include <gtest/gtest.h>

#include <utility>

TEST(MemoryLayout, RecordsForAddressRoundToTheNearest) {
    const std::pair<qint64, qint32> cases[] = {
        {96, 0},  {95, 0},     {99, 0},      {100, 1},      {103, 1},      {110, 2},
        {0, -14}, {4096, 571}, {8192, 1157}, {32768, 4667}, {65536, 9349}, {65535, 9348}};
    for (const auto& [address, records] : cases)
        EXPECT_EQ(RecordsForAddress(address), records) << address;
}

TEST(MemoryLayout, EveryStopAddressOfTheTwoByteFieldReadsBackItsRecordCount) {
    // The monitoring set-up writes the stop as the byte after the last record; the status
    // and the download must both count exactly those records again.
    for (qint32 records = 0; Link::ImageHeaderBytes + Link::ImageRecordBytes * records <= 0xFFFF;
         ++records)
        ASSERT_EQ(RecordsForAddress(Link::ImageHeaderBytes + Link::ImageRecordBytes * records),
                  records);
}
