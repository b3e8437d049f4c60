#include "shell/main/picture_store.h"
#include "tests/support/event_scope.h"
#include "tests/support/fake_ui.h"
#include "tests/support/scratch_folder.h"
#include "tests/views/table/table_fixture.h"
#include "views/table/frm_source.h"
#include "views/table/table_hooks.h"
#include "views/table/table_report_file.h"
#include "views/table/table_text.h"
#include "views/table/table_text_box.h"
#include "views/table/view_data_source.h"

#include "platform/paths.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {
class RecordingChart : public CrosshairChart {
public:
    qint32 PointCount(int) const override { return points; }
    bool SeriesShown(int) const override { return true; }
    void ShowCrosshair(int series, qint32 point) override {
        calls.append(QStringLiteral("show %1:%2").arg(series).arg(point));
    }
    void HideCrosshair() override { calls.append(QStringLiteral("hide")); }
    qint32 points = 0;
    QStringList calls;
};

QString shownText(const DataSet& data, TableOrder order) {
    return QString::fromUtf8(BuildDataTable(data, order).text)
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void closeAllWindows() {
    delete SourceWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class DataTableWindow : public ::testing::Test {
protected:
    void SetUp() override {
        CurrentData() = MakeData({{1.5f, 2.25f, 0.5f, 2.75},
                                  {-1, -1, -1, -1},
                                  {3, 4, 0, 5},
                                  {12.34f, 123.45f, 1234.5f, 1241.37}});
    }
    void TearDown() override {
        closeAllWindows();
        DataTableHook() = DataTableHooks();
        CurrentData() = DataSet();
    }
    frmSource& window() {
        EXPECT_TRUE(SourceViewOpen());
        return *SourceWindow();
    }
    ScratchProgramFolder folder;
    FakeUi ui;
    TaggedLanguage language;
};

} // namespace

TEST_F(DataTableWindow, OpensInTimeOrderWithTheMedianRowMarkedAndNoReportFileLeft) {
    ASSERT_TRUE(ViewDataSource(-1, -1));
    frmSource& form = window();
    EXPECT_TRUE(form.OrderFlag());
    EXPECT_EQ(form.lblOrder->text(), QStringLiteral("T4186"));
    EXPECT_EQ(form.txtSource->toPlainText(), shownText(CurrentData(), TableOrder::Time));
    EXPECT_TRUE(form.txtSource->isReadOnly());
    const QFontMetrics metrics(form.txtSource->font());
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("iiii")),
              metrics.horizontalAdvance(QStringLiteral("WWWW")));
    EXPECT_FALSE(QFile::exists(ReportFilePath()));
    EXPECT_TRUE(ui.standardCalls.isEmpty());
    // Median of 2.75, 5 and 1241.37: sample 3, the third row.
    EXPECT_EQ(form.txtSource->MarkedLine(), 7 + 2);
    EXPECT_EQ(form.txtSource->CaretLine(), 9);
}

namespace {
// How coloured a picture is: the mean saturation of its drawn pixels (0 grey .. 255).
int meanSaturation(const QImage& image) {
    qint64 sum = 0;
    qint64 drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 128)
                continue;
            sum += c.hsvSaturation() < 0 ? 0 : c.hsvSaturation();
            ++drawn;
        }
    return drawn > 0 ? static_cast<int>(sum / drawn) : 0;
}
} // namespace

// Grey pictures are how a toolbar shows a button that is off: the order button, which
// works, is drawn in colour, and a disabled one would look plainly different.
TEST_F(DataTableWindow, TheOrderButtonNeverLooksDisabledWhileItWorks) {
    // The icon themes of a plain X session, as the program looks in them: their pictures
    // are mostly grey.
    QIcon::setThemeName(QStringLiteral("hicolor"));
    UseFallbackIconTheme();
    ASSERT_TRUE(ViewDataSource(-1, -1));
    QAction* order = window().Button(7);
    ASSERT_NE(order, nullptr);
    ASSERT_TRUE(order->isEnabled());
    const QImage normal = order->icon().pixmap(24, QIcon::Normal).toImage();
    const QImage disabled = order->icon().pixmap(24, QIcon::Disabled).toImage();
    EXPECT_GE(meanSaturation(normal), 96);
    EXPECT_GE(meanSaturation(normal), meanSaturation(disabled) + 64);
}

TEST_F(DataTableWindow, NothingWithoutADataSet) {
    CurrentData().DataPresent = false;
    EXPECT_FALSE(ViewDataSource(-1, -1));
    EXPECT_FALSE(SourceViewOpen());
}

TEST_F(DataTableWindow, StationImportMarksTheMedianBelowItsLongerHeader) {
    CurrentData().RfDataPresent = true;
    ASSERT_TRUE(ViewDataSource(-1, -1));
    EXPECT_EQ(window().txtSource->MarkedLine(), 8 + 2);
    ASSERT_TRUE(ViewDataSource(0, -1));
    // Value order: 1 not available, 2.75, 5, 1241.37; the median is the third row.
    EXPECT_EQ(window().txtSource->MarkedLine(), 8 + 2);
}

TEST_F(DataTableWindow, SwitchingTwiceReturnsToTimeOrder) {
    ASSERT_TRUE(ViewDataSource(-1, -1));
    frmSource& form = window();
    const QString timeText = form.txtSource->toPlainText();
    form.Button(7)->trigger();
    EXPECT_FALSE(form.OrderFlag());
    EXPECT_EQ(form.lblOrder->text(), QStringLiteral("T4187"));
    EXPECT_EQ(form.txtSource->toPlainText(), shownText(CurrentData(), TableOrder::Value));
    EXPECT_EQ(form.txtSource->MarkedLine(), 7 + 2);
    form.Button(7)->trigger();
    EXPECT_TRUE(form.OrderFlag());
    EXPECT_EQ(form.lblOrder->text(), QStringLiteral("T4186"));
    EXPECT_EQ(form.txtSource->toPlainText(), timeText);
    EXPECT_EQ(SourceWindow(), &form);
}

TEST_F(DataTableWindow, TimeOrderFromTheMainWindowButtonAlsoSetsTheOrderState) {
    ASSERT_TRUE(ViewDataSource(0, -1));
    EXPECT_FALSE(window().OrderFlag());
    ASSERT_TRUE(ViewDataSource(-1, -1));
    EXPECT_TRUE(window().OrderFlag());
    EXPECT_EQ(window().lblOrder->text(), QStringLiteral("T4186"));
}

TEST_F(DataTableWindow, UnwritableReportFileIsReportedAndChangesNothing) {
    SetWritableFolderForTests(folder.File(QStringLiteral("missing/folder")));
    EXPECT_FALSE(ViewDataSource(-1, -1));
    EXPECT_FALSE(SourceViewOpen());
    ASSERT_EQ(ui.standardCalls.size(), 1);
    EXPECT_TRUE(ui.standardCalls[0].text.contains(QStringLiteral("ViewDataSource")));
}

TEST_F(DataTableWindow, SaveWritesExactlyTheTextShown) {
    ASSERT_TRUE(ViewDataSource(0, -1));
    const QString path = folder.File(QStringLiteral("table.txt"));
    ui.saveAnswers.push_back({true, path, 0});
    window().Button(2)->trigger();
    ASSERT_EQ(ui.saveCalls.size(), 1);
    EXPECT_EQ(ui.saveCalls[0].title, QStringLiteral("T4084"));
    // "All files" lists every file, a name without a dot too.
    EXPECT_EQ(ui.saveCalls[0].filter, QStringLiteral("T4085 (*.txt);;T3002 (*)"));
    EXPECT_EQ(ui.saveCalls[0].filterIndex, 0);
    EXPECT_TRUE(ui.saveCalls[0].confirmOverwrite);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), BuildDataTable(CurrentData(), TableOrder::Value).text);
}

TEST_F(DataTableWindow, ABareNameIsSavedAsATextFile) {
    ASSERT_TRUE(ViewDataSource(-1, -1));
    ui.saveAnswers.push_back({true, folder.File(QStringLiteral("rows")), 0});
    window().Button(2)->trigger();
    EXPECT_TRUE(ui.saveCalls[0].suffixFromFilter);
    EXPECT_TRUE(QFileInfo::exists(folder.File(QStringLiteral("rows.txt"))));
    EXPECT_FALSE(QFileInfo::exists(folder.File(QStringLiteral("rows"))));
    // Under "All files" the name stays as typed.
    ui.saveAnswers.push_back({true, folder.File(QStringLiteral("plain")), 1});
    window().Button(2)->trigger();
    EXPECT_TRUE(QFileInfo::exists(folder.File(QStringLiteral("plain"))));
}

TEST_F(DataTableWindow, CancelledOrFailedSaveLeavesTheOldFile) {
    ASSERT_TRUE(ViewDataSource(-1, -1));
    const QString path = folder.File(QStringLiteral("table.txt"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    ui.saveAnswers.push_back({false, QString(), 0});
    window().Button(2)->trigger();
    // A save that cannot be written: the error report, nothing else.
    ui.saveAnswers.push_back({true, folder.File(QStringLiteral("no/such/dir/t.txt")), 0});
    window().Button(2)->trigger();
    ASSERT_EQ(ui.standardCalls.size(), 1);
    EXPECT_TRUE(ui.standardCalls[0].text.contains(QStringLiteral("SalvaDati")));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));
}

TEST_F(DataTableWindow, CaptionNamesTheFileAndActivationRefreshesTheInformationPane) {
    int refreshed = 0;
    EventScope events;
    events.On(&ProgramEvents::WindowActivated, [&] { ++refreshed; });
    ASSERT_TRUE(ViewDataSource(-1, -1));
    window().Form_Activate();
    EXPECT_EQ(window().windowTitle(), QStringLiteral("T4074"));
    CurrentData().CurrentFileName = QStringLiteral("/data/site 1.log");
    window().Form_Activate();
    EXPECT_EQ(window().windowTitle(), QStringLiteral("/data/site 1.log [T4074]"));
    EXPECT_GE(refreshed, 2);
}

TEST_F(DataTableWindow, PrintCloseAndTheSpacersButtons) {
    int printed = 0;
    DataTableHook().PrintData = [&] { ++printed; };
    ASSERT_TRUE(ViewDataSource(-1, -1));
    frmSource& form = window();
    const QString before = form.txtSource->toPlainText();
    for (int index : {1, 4, 6, 8})
        form.tbrGraphSrc_ButtonClick(index);
    EXPECT_EQ(form.txtSource->toPlainText(), before);
    EXPECT_TRUE(form.OrderFlag());
    form.Button(3)->trigger();
    EXPECT_EQ(printed, 1);
    EXPECT_EQ(form.Button(2)->toolTip(), QStringLiteral("T4147"));
    EXPECT_EQ(form.Button(3)->toolTip(), QStringLiteral("T4148"));
    EXPECT_EQ(form.Button(5)->toolTip(), QStringLiteral("T4149"));
    EXPECT_EQ(form.Button(7)->toolTip(), QStringLiteral("T4174"));
    form.Button(5)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(SourceViewOpen());
}

TEST_F(DataTableWindow, CrossHairFollowsTheCaretAfterTheArrowKeyMovedIt) {
    RecordingChart graph;
    graph.points = CurrentData().NumSamples;
    DataTableHook().TimeGraph = [&]() -> CrosshairChart* { return &graph; };
    ASSERT_TRUE(ViewDataSource(-1, -1));
    TableTextBox* box = window().txtSource;
    box->SelectLine(7);
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->CaretLine(), 8);
    EXPECT_EQ(graph.calls, QStringList{"show 3:1"});
    // The row is selected whole.
    EXPECT_EQ(box->SelectedText(), box->LineText(8));
    QTest::keyClick(box, Qt::Key_Up);
    QTest::keyClick(box, Qt::Key_Right);
    EXPECT_EQ(graph.calls, (QStringList{"show 3:1", "show 3:0"}));
}

TEST_F(DataTableWindow, MouseClickOnARowMovesTheCrossHairHeaderLinesDoNot) {
    RecordingChart graph;
    graph.points = CurrentData().NumSamples;
    DataTableHook().TimeGraph = [&]() -> CrosshairChart* { return &graph; };
    ASSERT_TRUE(ViewDataSource(-1, -1));
    frmSource& form = window();
    form.resize(700, 500);
    form.show();
    TableTextBox* box = form.txtSource;
    auto clickLine = [&](int line) {
        const QPoint at = box->PlaceRect({line, 0}).center() + QPoint(2, 0);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    };
    clickLine(2);
    EXPECT_TRUE(graph.calls.isEmpty());
    clickLine(10);
    EXPECT_EQ(graph.calls, QStringList{"show 3:3"});
    // Value order: the caret no longer moves the cross-hair.
    form.Button(7)->trigger();
    clickLine(9);
    EXPECT_EQ(graph.calls, QStringList{"show 3:3"});
}

TEST_F(DataTableWindow, GraphClickSelectsTheRowInTimeOrderOnly) {
    ASSERT_TRUE(ViewDataSource(-1, -1));
    TableTextBox* box = window().txtSource;
    GetSourceRow(0);
    EXPECT_EQ(box->CaretLine(), 7);
    EXPECT_EQ(box->SelectedText(), box->LineText(7));
    window().Button(7)->trigger();
    const TableTextBox::Place before = box->Caret();
    GetSourceRow(2);
    EXPECT_EQ(box->Caret(), before);
}
