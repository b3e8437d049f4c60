// Printing end to end into a PDF file, the print dialog answered by a script: the graph
// windows' pages and the data table across its pages.
#include "core/options.h"
#include "platform/paths.h"
#include "tests/support/full_disk.h"
#include "tests/support/strict_ui.h"
#include "tests/views/printing/print_fixture.h"
#include "views/graphs/frm_graph_rf.h"
#include "views/graphs/frm_graph_st.h"
#include "views/graphs/frm_graph_te.h"
#include "views/printing/current_printer.h"
#include "views/printing/print_data.h"
#include "views/printing/print_graph.h"
#include "views/table/frm_source.h"
#include "views/table/table_text_box.h"
#include "views/table/view_data_source.h"
#include "views/windows/single_window.h"

#include "platform/chart/chart_widget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCursor>

#include <functional>

#include <gtest/gtest.h>

namespace {
class PrintToPdf : public testing::Test {
protected:
    void SetUp() override {
        savedData = CurrentData();
        savedOptions = Options();
        SetDefaultOptions(Options());
        CurrentData() = PrintedSamples(60);
        SetWritableFolderForTests(scratch.path());
        script.pdf = scratch.filePath(QStringLiteral("page.pdf"));
    }
    void TearDown() override {
        CloseGraphTe();
        Window<frmGraphSt>().Unload();
        Window<frmGraphRf>().Unload();
        delete SourceWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetWritableFolderForTests(QString());
        CurrentData() = savedData;
        Options() = savedOptions;
    }
    QString Title() const { return QStringLiteral("T4083 KL720 A - Via Roma 1"); }
    QByteArray Pdf() const {
        QFile file(script.pdf);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The graph page and the data table, each printed by its window's button.
    std::vector<std::pair<const char*, std::function<void()>>> Prints() {
        Window<frmGraphSt>().Show();
        EXPECT_TRUE(ViewDataSource(-1, 0));
        return {{"graph", [this] { PrintGraph(Title(), QStringLiteral("ST")); }},
                {"table", [] { PrintData(); }}};
    }
    // The printed text, or a skip when pdftotext is missing.
    std::optional<QString> Text() { return PdfText(script.pdf); }

    TaggedTexts texts;
    StrictUi ui;
    QTemporaryDir scratch;
    ScriptedPrintDialog script;
    DataSet savedData;
    OptionsRecord savedOptions;
};

#define SKIP_WITHOUT_PDFTOTEXT(text)                                                               \
    if (!(text))                                                                                   \
    GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the printed text is not "         \
                    "checked; scripts/deps installs it"
} // namespace

TEST_F(PrintToPdf, EachGraphWindowPrintsItsOwnChartOnOnePage) {
    struct Case {
        const char* kind;
        QPageLayout::Orientation orientation;
    } cases[] = {{"TE", QPageLayout::Portrait},
                 {"ST", QPageLayout::Landscape},
                 {"RF", QPageLayout::Landscape},
                 {"TE", QPageLayout::Landscape}};
    CurrentData().RfDataPresent = true;
    ShowGraphTe().resize(700, 450);
    Window<frmGraphSt>().Show().resize(700, 450);
    Window<frmGraphRf>().Show().resize(700, 450);
    const QSize screen = GraphTeWindow()->teeEvolution->size();
    for (const Case& c : cases) {
        QFile::remove(script.pdf);
        script.orientation = c.orientation;
        PrintGraph(Title(), QString::fromLatin1(c.kind));
        ASSERT_TRUE(QFileInfo::exists(script.pdf)) << c.kind;
        EXPECT_EQ(PdfPageCount(script.pdf), 1) << c.kind;
        const QSizeF page = PdfPageSize(script.pdf);
        EXPECT_EQ(page.width() > page.height(), c.orientation == QPageLayout::Landscape)
            << c.kind << " " << page.width() << "x" << page.height();
        const std::optional<QString> text = Text();
        if (!text)
            continue;
        EXPECT_TRUE(text->contains(Title())) << c.kind;
        EXPECT_TRUE(text->contains(QStringLiteral("[ 60 T4031. T4080"))) << c.kind;
        EXPECT_TRUE(text->contains(QStringLiteral("T4081 1 T3012 ]"))) << c.kind;
        EXPECT_TRUE(text->contains(QStringLiteral("Corvanel KL720. SW Rev. "))) << c.kind;
        EXPECT_TRUE(text->contains(QStringLiteral("T349"))) << c.kind;
        // Each chart's own title: the histogram's, or the time chart's.
        const QString chartTitle = QString::fromLatin1(c.kind) == QLatin1String("ST")
                                       ? QStringLiteral("T3037")
                                       : QStringLiteral("T3034");
        EXPECT_TRUE(text->contains(chartTitle)) << c.kind;
        // The time evolution names its four curves on paper; the RF chart has one.
        if (QString::fromLatin1(c.kind) == QLatin1String("TE"))
            EXPECT_TRUE(text->contains(QStringLiteral("T3041"))) << c.kind;
        if (QString::fromLatin1(c.kind) == QLatin1String("RF"))
            EXPECT_FALSE(text->contains(QStringLiteral("T3041"))) << c.kind;
    }
    // The charts on the screen keep their size and their hidden legend.
    EXPECT_EQ(GraphTeWindow()->teeEvolution->size(), screen);
    EXPECT_FALSE(GraphTeWindow()->teeEvolution->Model().LegendVisible);
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(PrintToPdf, NothingIsPrintedWhenCancelledOrWithoutTheWindow) {
    PrintGraph(Title(), QStringLiteral("ST")); // not loaded: no dialog
    EXPECT_TRUE(script.shown.empty());
    Window<frmGraphSt>().Show();
    PrintGraph(Title(), QStringLiteral("XX"));
    EXPECT_TRUE(script.shown.empty());
    script.accept = false;
    PrintGraph(Title(), QStringLiteral("ST"));
    EXPECT_EQ(script.shown.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(script.pdf));
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(PrintToPdf, APrintThatCannotStartIsReported) {
    Window<frmGraphSt>().Show();
    script.pdf = scratch.filePath(QStringLiteral("missing/folder/page.pdf"));
    PrintGraph(Title(), QStringLiteral("ST"));
    ASSERT_EQ(ui.messageCalls.size(), 1);
    EXPECT_TRUE(ui.messageCalls[0].message.startsWith(QStringLiteral("T3760")));
    EXPECT_FALSE(QFileInfo::exists(script.pdf));
    // The table alike.
    ASSERT_TRUE(ViewDataSource(-1, 0));
    PrintData();
    ASSERT_EQ(ui.messageCalls.size(), 2);
    EXPECT_TRUE(ui.messageCalls[1].message.startsWith(QStringLiteral("T3760")));
    // A failure looks like one: the stop sign and its title, no question.
    for (const MessageBoxRequest& call : ui.messageCalls) {
        EXPECT_EQ(call.iconKind, 0);
        EXPECT_EQ(call.title, QStringLiteral("T2"));
        EXPECT_EQ(call.buttonKind, 1);
    }
}

// A print that cannot write its whole document, the disk refusing it part way: the earlier
// file of that name stays whole, nothing half-written is left beside it, and it is said.
TEST_F(PrintToPdf, APrintCutShortKeepsTheEarlierFileAndSaysSo) {
    for (const auto& [name, print] : Prints()) {
        QFile::remove(script.pdf);
        ui.messageCalls.clear();
        print();
        const QByteArray earlier = Pdf();
        ASSERT_GT(earlier.size(), 4000) << name;
        const QStringList files = QDir(scratch.path()).entryList(QDir::Files);
        {
            FileSizeLimit limit(2048);
            ASSERT_TRUE(limit.Active());
            print();
        }
        EXPECT_EQ(Pdf(), earlier) << name;
        EXPECT_EQ(QDir(scratch.path()).entryList(QDir::Files), files) << name;
        ASSERT_EQ(ui.messageCalls.size(), 1) << name;
        EXPECT_TRUE(ui.messageCalls[0].message.startsWith(QStringLiteral("T3760"))) << name;
        // With room again the print goes through.
        print();
        EXPECT_EQ(ui.messageCalls.size(), 1) << name;
        EXPECT_EQ(PdfPageCount(script.pdf), 1) << name;
    }
}

// The same on a disk that has run full: a tiny file system of its own, where the tests may
// mount one.
TEST_F(PrintToPdf, APrintOnAFullDiskKeepsTheEarlierFileAndSaysSo) {
    const TinyDisk disk(scratch.filePath(QStringLiteral("disk")), 256);
    if (!disk.Mounted())
        GTEST_SKIP() << "mounting a small file system needs root; the file size limit stands in";
    script.pdf = disk.FilePath(QStringLiteral("page.pdf"));
    const auto prints = Prints();
    prints[1].second();
    const QByteArray earlier = Pdf();
    ASSERT_GT(earlier.size(), 4000);
    disk.Fill();
    for (const auto& [name, print] : prints) {
        ui.messageCalls.clear();
        print();
        EXPECT_EQ(Pdf(), earlier) << name;
        ASSERT_EQ(ui.messageCalls.size(), 1) << name;
        EXPECT_TRUE(ui.messageCalls[0].message.startsWith(QStringLiteral("T3760"))) << name;
        const QStringList left = QDir(disk.FilePath(QString())).entryList(QDir::Files);
        EXPECT_EQ(left, (QStringList{QStringLiteral("filler"), QStringLiteral("page.pdf")}))
            << name;
    }
}

TEST_F(PrintToPdf, TheDataTablePrintsEveryRowAcrossItsPages) {
    CurrentData() = PrintedSamples(150);
    ASSERT_TRUE(ViewDataSource(-1, 0));
    TableTextBox* box = SourceWindow()->txtSource;
    const QStringList lines = box->toPlainText().split(u'\n');
    script.orientation = QPageLayout::Landscape;
    PrintData();
    ASSERT_TRUE(QFileInfo::exists(script.pdf));
    EXPECT_GT(PdfPageCount(script.pdf), 1);
    const QSizeF page = PdfPageSize(script.pdf);
    EXPECT_GT(page.width(), page.height());
    ASSERT_FALSE(script.shown.empty());
    EXPECT_FALSE(script.shown.back().selection); // nothing selected: no selection offered
    EXPECT_FALSE(script.shown.back().pageRange);
    const std::optional<QString> text = Text();
    SKIP_WITHOUT_PDFTOTEXT(text);
    QString printed = *text;
    printed.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    for (const QString& line : lines) {
        const QString row = line.simplified();
        if (row.isEmpty())
            continue;
        // Each row whole on one page: none cut between two pages, none printed twice.
        EXPECT_EQ(printed.count(row), 1) << row.toStdString();
    }
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(PrintToPdf, TheDataTableKeepsHalfAnInchOnEveryPageWithoutMargins) {
    ASSERT_TRUE(ViewDataSource(-1, 0));
    const QStringList lines = SourceWindow()->txtSource->toPlainText().split(u'\n');
    script.margins = QMarginsF(0, 0, 0, 0);
    const QPageLayout::Orientation orientations[] = {QPageLayout::Portrait, QPageLayout::Landscape};
    for (const QPageLayout::Orientation orientation : orientations) {
        script.orientation = orientation;
        PrintData();
        ASSERT_TRUE(QFileInfo::exists(script.pdf)) << orientation;
        // Sixty rows and the heading fill two A4 pages at most, either way up.
        EXPECT_LE(PdfPageCount(script.pdf), 2) << orientation;
        const std::optional<QString> text = Text();
        SKIP_WITHOUT_PDFTOTEXT(text);
        QStringList printed = text->split(u'\n');
        for (QString& line : printed)
            line = line.simplified();
        for (const QString& line : lines) {
            const QString row = line.simplified();
            if (!row.isEmpty())
                EXPECT_EQ(printed.count(row), 1) << orientation << " " << row.toStdString();
        }
        // Half an inch (36 points) free at every edge of every page.
        const std::optional<std::vector<PdfPageWords>> pages = PdfWords(script.pdf);
        ASSERT_TRUE(pages && !pages->empty());
        for (size_t p = 0; p < pages->size(); ++p) {
            const PdfPageWords& page = (*pages)[p];
            ASSERT_FALSE(page.words.empty()) << orientation << " page " << p + 1;
            for (const QRectF& word : page.words) {
                EXPECT_GE(word.left(), 35.5) << orientation << " page " << p + 1;
                EXPECT_GE(word.top(), 35.5) << orientation << " page " << p + 1;
                EXPECT_LE(word.right(), page.size.width() - 35.5)
                    << orientation << " page " << p + 1;
                EXPECT_LE(word.bottom(), page.size.height() - 35.5)
                    << orientation << " page " << p + 1;
            }
        }
    }
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(PrintToPdf, TheDataTablePrintsThePagesChosen) {
    CurrentData() = PrintedSamples(150);
    ASSERT_TRUE(ViewDataSource(-1, 0));
    const QStringList lines = SourceWindow()->txtSource->toPlainText().split(u'\n');
    PrintData();
    const int all = PdfPageCount(script.pdf);
    ASSERT_GE(all, 3);
    const std::optional<QString> whole = Text();
    struct Case {
        int from, to, pages;
    } cases[] = {{1, 1, 1}, {2, 3, 2}, {2, 99, all - 1}};
    for (const Case& c : cases) {
        script.range = QPrinter::PageRange;
        script.fromPage = c.from;
        script.toPage = c.to;
        PrintData();
        EXPECT_EQ(PdfPageCount(script.pdf), c.pages) << c.from << "-" << c.to;
        if (!whole)
            continue;
        // The pages chosen, as the whole table prints them.
        const QStringList wholePages = whole->split(u'\f');
        const QStringList printed = Text()->split(u'\f');
        for (int p = 0; p < c.pages; ++p)
            EXPECT_EQ(printed.value(p), wholePages.value(c.from - 1 + p)) << c.from << "-" << c.to;
    }
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(PrintToPdf, TheSelectionPrintsAloneAndStaysSelected) {
    ASSERT_TRUE(ViewDataSource(-1, 0));
    TableTextBox* box = SourceWindow()->txtSource;
    box->SelectLine(7 + 10);
    const TableTextBox::Place anchor = box->Anchor();
    const TableTextBox::Place caret = box->Caret();
    const QString row = box->SelectedText().simplified();
    const QString other = box->LineText(7 + 20).simplified();
    script.range = QPrinter::Selection;
    PrintData();
    ASSERT_TRUE(QFileInfo::exists(script.pdf));
    EXPECT_TRUE(script.shown.back().selection);
    EXPECT_EQ(box->Anchor(), anchor);
    EXPECT_EQ(box->Caret(), caret);
    EXPECT_EQ(PdfPageCount(script.pdf), 1);
    const std::optional<QString> text = Text();
    SKIP_WITHOUT_PDFTOTEXT(text);
    const QString printed = text->simplified();
    EXPECT_TRUE(printed.contains(row));
    EXPECT_FALSE(printed.contains(other));
    // All pages chosen with a selection standing: the whole table, the selection kept.
    script.range = QPrinter::AllPages;
    PrintData();
    EXPECT_TRUE(PdfText(script.pdf)->simplified().contains(other));
    EXPECT_EQ(box->Anchor(), anchor);
}
