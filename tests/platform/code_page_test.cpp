#include "platform/code_page.h"

#include <gtest/gtest.h>

TEST(CodePage, ValidUtf8ReadsAsUtf8AndAnythingElseAsWindows1252) {
    struct Case {
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"plain ascii", QStringLiteral("plain ascii")},
        {"citt\xc3\xa0", QStringLiteral("città")},
        {"citt\xe0", QStringLiteral("città")},
        {"\x80 \x8a \x9f", QStringLiteral("€ Š Ÿ")},
        {"\x81\x8d\x8f\x90\x9d", QString::fromUtf16(u"\u0081\u008d\u008f\u0090\u009d")},
        // A UTF-8 sequence cut short is not valid UTF-8.
        {"ab\xc3", QStringLiteral("abÃ")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeSystemText(c.bytes), c.text) << c.bytes.toHex().constData();
}

TEST(CodePage, FixedTextsAreCutBeforeACharacterThatDoesNotFit) {
    struct Case {
        QString text;
        int length;
        QByteArray bytes;
    };
    const Case cases[] = {
        {QStringLiteral("ab"), 5, "ab   "},
        {QStringLiteral("abcdef"), 3, "abc"},
        {QStringLiteral("abè"), 3, "ab "},
        {QStringLiteral("abè"), 4, "ab\xc3\xa8"},
        {QStringLiteral("a€"), 3, "a  "},
        {QString::fromUtf8("a\xf0\x9f\x99\x82"), 4, "a   "},
        {QString(), 2, "  "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EncodeFixedText(c.text, c.length), c.bytes) << c.text.toStdString();
}
