#include "platform/bgr_color.h"

#include <gtest/gtest.h>

TEST(BgrColor, RedIsTheLowByteAndBlueTheThird) {
    struct Case {
        quint32 bgr;
        QColor color;
    };
    const Case cases[] = {
        {0x0000FF, QColor(255, 0, 0)},        {0x00FF00, QColor(0, 255, 0)},
        {0xFF0000, QColor(0, 0, 255)},        {0xC0FFC0, QColor(192, 255, 192)},
        {0x123456, QColor(0x56, 0x34, 0x12)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BgrColor(c.bgr), c.color) << std::hex << c.bgr;
        EXPECT_EQ(BgrValue(c.color), c.bgr) << std::hex << c.bgr;
    }
}

TEST(BgrColor, TheHighByteIsIgnoredAndAnyColourSpecReadsAsItsRgb) {
    EXPECT_EQ(BgrColor(0xFF0000FFu), QColor(255, 0, 0));
    EXPECT_EQ(BgrValue(QColor::fromHsv(240, 255, 255)), 0xFF0000u) << "pure blue given as HSV";
}
