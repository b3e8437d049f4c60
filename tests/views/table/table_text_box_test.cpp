// The table's text box as a user works it: what it paints, the keys, the mouse, copying.
#include "tests/views/table/table_fixture.h"
#include "views/table/table_rows.h"
#include "views/table/table_text_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
using Place = TableTextBox::Place;

class TableTextBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<Sample> samples;
        for (int i = 0; i < 200; ++i)
            samples.push_back({1.0f + float(i % 7), 2.5f, 0.5f, 3.0 + i % 11});
        samples[5] = {-1, -1, -1, -1};
        data = MakeData(samples);
        box.resize(520, 300);
        box.SetRows(std::make_shared<const TableRows>(data, TableOrder::Time));
        box.show();
        box.setFocus();
        QCoreApplication::processEvents();
    }
    // Whether any pixel of the line's strip on screen is pure enough red.
    bool redIn(qint32 line) {
        const QImage image = box.viewport()->grab().toImage();
        const QRect strip(0, box.PlaceRect({line, 0}).top(), image.width(),
                          box.PlaceRect({line, 0}).height());
        for (int y = strip.top(); y <= strip.bottom(); ++y)
            for (int x = strip.left(); x <= strip.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 80 && c.blue() < 80)
                    return true;
            }
        return false;
    }
    TaggedLanguage language;
    DataSet data;
    TableTextBox box;
};
} // namespace

TEST_F(TableTextBoxTest, ShowsTheTableTextWithTheMedianRowMarked) {
    const QString text = QString::fromUtf8(BuildDataTable(data, TableOrder::Time).text)
                             .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(box.toPlainText(), text);
    EXPECT_EQ(box.LineCount(), 7 + 200 + 1);
    EXPECT_EQ(box.LineText(7 + 5), text.split(u'\n')[7 + 5]);
    const QFontMetrics metrics(box.font());
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("iiii")),
              metrics.horizontalAdvance(QStringLiteral("WWWW")));
    ASSERT_TRUE(box.MarkLine(9));
    EXPECT_EQ(box.Caret(), (Place{9, 0}));
    EXPECT_FALSE(box.HasSelection());
    EXPECT_TRUE(redIn(9));
    EXPECT_FALSE(redIn(8));
    EXPECT_FALSE(redIn(10));
    EXPECT_FALSE(box.MarkLine(box.LineCount()));
    // A marked row far down is scrolled into view with the caret.
    ASSERT_TRUE(box.MarkLine(7 + 150));
    EXPECT_GT(box.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(redIn(7 + 150));
}

TEST_F(TableTextBoxTest, KeysMoveTheCaretAndWithShiftSelect) {
    const qint32 last = box.LineCount() - 1;
    const qint32 rowLength = box.LineLength(8);
    struct Case {
        const char* name;
        Place start;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Place anchor;
        Place caret;
    };
    const Case cases[] = {
        {"down", {8, 3}, Qt::Key_Down, Qt::NoModifier, {9, 3}, {9, 3}},
        {"up", {8, 3}, Qt::Key_Up, Qt::NoModifier, {7, 3}, {7, 3}},
        {"shift down", {8, 3}, Qt::Key_Down, Qt::ShiftModifier, {8, 3}, {9, 3}},
        {"end", {8, 3}, Qt::Key_End, Qt::NoModifier, {8, rowLength}, {8, rowLength}},
        {"shift home", {8, 3}, Qt::Key_Home, Qt::ShiftModifier, {8, 3}, {8, 0}},
        {"ctrl end", {8, 3}, Qt::Key_End, Qt::ControlModifier, {last, 0}, {last, 0}},
        {"ctrl home", {8, 3}, Qt::Key_Home, Qt::ControlModifier, {0, 0}, {0, 0}},
        {"left over a line end",
         {8, 0},
         Qt::Key_Left,
         Qt::NoModifier,
         {7, rowLength},
         {7, rowLength}},
        {"right over a line end", {8, rowLength}, Qt::Key_Right, Qt::NoModifier, {9, 0}, {9, 0}},
        {"up at the top", {0, 2}, Qt::Key_Up, Qt::NoModifier, {0, 2}, {0, 2}},
        {"down at the end", {last, 0}, Qt::Key_Down, Qt::NoModifier, {last, 0}, {last, 0}},
    };
    for (const Case& c : cases) {
        box.SetCaret(c.start);
        QTest::keyClick(&box, c.key, c.modifiers);
        EXPECT_EQ(box.Anchor(), c.anchor) << c.name;
        EXPECT_EQ(box.Caret(), c.caret) << c.name;
    }
    // Left and right end a selection at its start and its end.
    box.SelectLine(8);
    QTest::keyClick(&box, Qt::Key_Left);
    EXPECT_EQ(box.Caret(), (Place{8, 0}));
    EXPECT_FALSE(box.HasSelection());
    box.SelectLine(8);
    QTest::keyClick(&box, Qt::Key_Right);
    EXPECT_EQ(box.Caret(), (Place{8, rowLength}));
    // A page down goes a screen further and keeps the caret on screen.
    box.SetCaret({7, 0});
    QTest::keyClick(&box, Qt::Key_PageDown);
    EXPECT_GT(box.Caret().line, 12);
    EXPECT_GT(box.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(box.viewport()->rect().contains(box.PlaceRect(box.Caret()).center()));
}

TEST_F(TableTextBoxTest, SelectionLengthCountsEachLineEndAsOneCharacter) {
    box.SetCaret({8, 4});
    box.SetCaret({10, 6}, true);
    EXPECT_EQ(box.SelectionLength(), box.LineLength(8) - 4 + 1 + box.LineLength(9) + 1 + 6);
    EXPECT_EQ(box.SelectedText(),
              box.LineText(8).mid(4) + u'\n' + box.LineText(9) + u'\n' + box.LineText(10).left(6));
    box.SelectLine(9);
    EXPECT_EQ(box.SelectionLength(), box.LineLength(9));
    EXPECT_EQ(box.CaretLine(), 9);
    box.SelectLine(box.LineCount()); // no such line: nothing changes
    EXPECT_EQ(box.SelectedText(), box.LineText(9));
}

TEST_F(TableTextBoxTest, StandardKeysCopyAndSelectAll) {
    QGuiApplication::clipboard()->clear();
    box.SelectLine(9);
    QTest::keySequence(&box, QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), box.LineText(9));
    QTest::keySequence(&box, QKeySequence::SelectAll);
    EXPECT_EQ(box.Anchor(), (Place{0, 0}));
    EXPECT_EQ(box.Caret().line, box.LineCount() - 1);
    QTest::keySequence(&box, QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), box.toPlainText());
}

TEST_F(TableTextBoxTest, MouseSelectsAndReportsTheCaretWhenReleased) {
    QSignalSpy moved(&box, &TableTextBox::CaretMoved);
    const QPoint from = box.PlaceRect({8, 0}).center() + QPoint(1, 0);
    const QPoint to = box.PlaceRect({10, 5}).center();
    QTest::mousePress(box.viewport(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(box.viewport(), to);
    EXPECT_EQ(moved.count(), 0);
    QTest::mouseRelease(box.viewport(), Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_EQ(moved.count(), 1);
    EXPECT_EQ(box.Anchor(), (Place{8, 0}));
    EXPECT_EQ(box.Caret(), (Place{10, 5}));
    // A double click takes the word under the pointer: here the time of the row, whose hour
    // has one digit or two as the locale writes it.
    const QString row = box.LineText(8);
    const qint32 colon = qint32(row.indexOf(u':'));
    const qint32 time = qint32(row.lastIndexOf(u' ', colon)) + 1;
    const qint32 timeEnd = qint32(row.indexOf(u' ', colon));
    ASSERT_GT(time, 0);
    ASSERT_GT(timeEnd, colon);
    QTest::mouseDClick(box.viewport(), Qt::LeftButton, Qt::NoModifier,
                       box.PlaceRect({8, colon + 1}).center() + QPoint(1, 0));
    EXPECT_EQ(box.SelectedText(), row.mid(time, timeEnd - time));
}
