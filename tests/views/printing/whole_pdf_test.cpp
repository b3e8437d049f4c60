// What counts as a whole PDF file when a print is put in place.
#include "views/printing/whole_pdf.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

namespace {
// A PDF of three pages as Qt's writer leaves it.
QByteArray ThreePages() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        QPainter painter(&writer);
        for (int page = 0; page < 3; ++page) {
            if (page > 0)
                writer.newPage();
            painter.drawRect(100 * page, 100, 2000, 1500);
            painter.drawEllipse(300, 300 + 50 * page, 900, 700);
        }
    }
    return buffer.data();
}
} // namespace

TEST(WholePdf, OnlyTheWholeDocumentCounts) {
    const QByteArray whole = ThreePages();
    ASSERT_GT(whole.size(), 1000);
    EXPECT_TRUE(IsWholePdf(whole));
    EXPECT_TRUE(IsWholePdf(whole + "\n"));
    const qsizetype middle = whole.size() / 2;
    struct Case {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"nothing", QByteArray()},
        {"no PDF", QByteArray("%!PS-Adobe-3.0\n%%EOF\n")},
        {"the header alone", whole.left(16)},
        {"cut in the middle", whole.left(middle)},
        {"cut before the end marker", whole.left(whole.lastIndexOf("%%EOF"))},
        {"cut in the table", whole.left(whole.lastIndexOf("trailer") - 30)},
        // What a write lost part way leaves: the rest of the file moved up.
        {"a piece lost in the middle", whole.left(middle) + whole.mid(middle + 512)},
        {"a piece lost near the start", whole.left(40) + whole.mid(300)},
        {"the table pointed elsewhere",
         QByteArray(whole).replace(whole.lastIndexOf("startxref"), 10, "startxref\n1")},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(IsWholePdf(c.bytes)) << c.what;
}
