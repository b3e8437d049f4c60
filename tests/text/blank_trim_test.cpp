#include "text/blank_trim.h"

#include <gtest/gtest.h>

TEST(TrimBlanks, OnlyTheBlanksAtBothEndsGo) {
    const struct {
        const char* text;
        const char* trimmed;
    } cases[] = {
        {"  SN001   ", "SN001"},
        {"Cantiere nord", "Cantiere nord"},
        {" a  b ", "a  b"},
        {"\tx\t", "\tx\t"}, // the identification texts keep any other white space
        {" \r\n", "\r\n"},
        {"      ", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrimBlanks(QString::fromUtf8(c.text)), QString::fromUtf8(c.trimmed)) << c.text;
}
