#include "views/table/chart_row_link.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace {
// Records what the cross-hair was asked to do.
class FakeChart : public CrosshairChart {
public:
    FakeChart(qint32 points, bool shown) : points_(points), shown_(shown) {}
    qint32 PointCount(int) const override { return points_; }
    bool SeriesShown(int) const override { return shown_; }
    void ShowCrosshair(int series, qint32 point) override {
        calls.append(QStringLiteral("show %1:%2").arg(series).arg(point));
    }
    void HideCrosshair() override { calls.append(QStringLiteral("hide")); }
    QStringList calls;

private:
    qint32 points_;
    bool shown_;
};

// A table of 7 header lines (8 for a station import), `rows` rows of 40 characters and
// the empty line after the last line end.
class FakeTable : public TableCaret {
public:
    FakeTable(bool timeOrder, int offset, qint32 rows, qint32 caret, qint32 selection = 0)
        : timeOrder_(timeOrder), offset_(offset), rows_(rows), caret_(caret),
          selection_(selection) {}
    bool TimeOrder() const override { return timeOrder_; }
    int HeaderOffset() const override { return offset_; }
    qint32 CaretLine() const override { return caret_; }
    qint32 SelectionLength() const override { return selection_; }
    qint32 LineLength(qint32 line) const override {
        if (line < 0 || line > offset_ + rows_)
            return -1;
        return line == offset_ + rows_ || line == offset_ - 1 ? 0 : 40;
    }
    void SelectLine(qint32 line) override { selected.append(line); }
    QList<qint32> selected;

private:
    bool timeOrder_;
    int offset_;
    qint32 rows_;
    qint32 caret_;
    qint32 selection_;
};
} // namespace

TEST(ChartRowLink, LinesAndPointsMapBothWays) {
    struct Case {
        qint32 line;
        int offset;
        std::optional<qint32> point;
    };
    const Case cases[] = {{0, 7, std::nullopt},
                          {6, 7, std::nullopt},
                          {7, 7, 0},
                          {8, 7, 1},
                          {7, 8, std::nullopt},
                          {8, 8, 0},
                          {1007, 7, 1000}};
    for (const Case& c : cases) {
        EXPECT_EQ(PointOfLine(c.line, c.offset), c.point) << c.line << " " << c.offset;
        if (c.point)
            EXPECT_EQ(LineOfPoint(*c.point, c.offset), c.line);
    }
}

TEST(ChartRowLink, CaretMovesTheCrossHairsOfTheOpenGraphs) {
    struct Case {
        const char* name;
        bool timeOrder;
        int offset;
        qint32 caret;
        bool rfOpen;
        bool resultantShown;
        QStringList time; // calls on the time graph
        QStringList rf;   // calls on the RF graph
        QList<qint32> selected;
    };
    const Case cases[] = {
        {"first data row", true, 7, 7, true, true, {"show 3:0"}, {"show 0:0"}, {7}},
        {"station import first row", true, 8, 8, false, true, {"show 3:0"}, {}, {8}},
        {"last row", true, 7, 11, true, true, {"show 3:4"}, {"show 0:4"}, {11}},
        {"header line", true, 7, 3, true, true, {}, {}, {3}},
        {"empty line below the header", true, 7, 6, true, true, {}, {}, {6}},
        {"station import empty line", true, 8, 7, true, true, {}, {}, {7}},
        {"past the last sample", true, 7, 12, true, true, {"hide"}, {"hide"}, {12}},
        {"resultant hidden", true, 7, 9, false, false, {}, {}, {9}},
        {"value order", false, 7, 9, true, true, {}, {}, {}},
    };
    for (const Case& c : cases) {
        FakeChart time(5, c.resultantShown);
        FakeChart rf(5, true);
        FakeTable table(c.timeOrder, c.offset, 5, c.caret);
        FollowCaret({&time, c.rfOpen ? &rf : nullptr, &table});
        EXPECT_EQ(time.calls, c.time) << c.name;
        EXPECT_EQ(rf.calls, c.rf) << c.name;
        EXPECT_EQ(table.selected, c.selected) << c.name;
    }
}

TEST(ChartRowLink, LongerSelectionStaysWhileTheCrossHairFollows) {
    FakeChart time(5, true);
    FakeTable table(true, 7, 5, 9, 120);
    FollowCaret({&time, nullptr, &table});
    EXPECT_TRUE(table.selected.isEmpty());
    EXPECT_EQ(time.calls, QStringList{"show 3:2"});
    FakeTable oneLine(true, 7, 5, 9, 41);
    FollowCaret({&time, nullptr, &oneLine});
    EXPECT_EQ(oneLine.selected, QList<qint32>{9});
}

TEST(ChartRowLink, GraphClickSelectsTheRowAndMovesTheOtherCrossHair) {
    struct Case {
        const char* name;
        bool tableOpen;
        bool timeOrder;
        int offset;
        qint32 point;
        bool rfShown;
        bool resultantShown;
        QStringList time;
        QStringList rf;
        QList<qint32> selected;
    };
    const Case cases[] = {
        {"first point", true, true, 7, 0, true, true, {"show 3:0"}, {"show 0:0"}, {7}},
        {"station import", true, true, 8, 0, true, true, {"show 3:0"}, {"show 0:0"}, {8}},
        {"value order", true, false, 7, 2, true, true, {}, {}, {}},
        {"table closed", false, true, 7, 2, true, true, {"show 3:2"}, {"show 0:2"}, {}},
        // A hidden series skips only its own graph's cross-hair.
        {"rf series hidden", true, true, 7, 2, false, true, {"show 3:2"}, {}, {9}},
        {"resultant hidden", true, true, 7, 4, true, false, {}, {"show 0:4"}, {11}},
    };
    for (const Case& c : cases) {
        FakeChart time(5, c.resultantShown);
        FakeChart rf(5, c.rfShown);
        FakeTable table(c.timeOrder, c.offset, 5, 0);
        FollowPoint({&time, &rf, c.tableOpen ? &table : nullptr}, c.point);
        EXPECT_EQ(time.calls, c.time) << c.name;
        EXPECT_EQ(rf.calls, c.rf) << c.name;
        EXPECT_EQ(table.selected, c.selected) << c.name;
    }
}
