#include "views/printing/print_graph.h"

#include "core/error_report.h"
#include "core/language.h"
#include "core/message_box.h"
#include "data/dataset.h"
#include "platform/chart/chart_model.h"
#include "platform/chart/chart_paint.h"
#include "platform/chart/chart_widget.h"
#include "platform/clock.h"
#include "platform/program_version.h"
#include "views/graphs/frm_graph_rf.h"
#include "views/graphs/frm_graph_st.h"
#include "views/graphs/frm_graph_te.h"
#include "views/printing/current_printer.h"
#include "views/printing/graph_page_layout.h"
#include "views/printing/painter_surface.h"
#include "views/printing/print_dialog.h"
#include "views/printing/print_file_target.h"
#include "views/printing/print_line.h"
#include "views/windows/single_window.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace {
// The graph page offers a page range but prints its one page.
constexpr qint32 GraphPrintFlags = PrintFlags::DisablePrintToFile | PrintFlags::PageNums;
} // namespace

GraphPageTexts CurrentGraphPageTexts() {
    const DataSet& data = CurrentData();
    GraphPageTexts texts;
    texts.summary =
        GraphSummaryLine(data.NumSamples, data.StartDate, data.SampleStep, data.SampleStepUnit);
    const ProgramVersion version = ProgramVersionNumbers();
    texts.footerLeft = FooterVersionText(version.major, version.minor, version.revision);
    texts.footerRight = FooterPrintedText(CurrentClock().Now());
    return texts;
}

void PrintTitle(PrintSurface& surface, const QString& title, const QString& summary) {
    surface.SetFontBold(true);
    surface.SetFontSize(12);
    surface.SetCurrentY(10);
    PrintLine(surface, title, LineAlign::Center);
    surface.SetFontBold(false);
    surface.SetFontSize(10);
    PrintLine(surface, summary, LineAlign::Center);
}

void PrintFooter(PrintSurface& surface, const QString& left, const QString& right) {
    surface.SetCurrentY(surface.ScaleHeight() - surface.TextHeight(left));
    const double y = std::nearbyint(surface.CurrentY());
    PrintLine(surface, left, LineAlign::Left);
    surface.SetCurrentY(y);
    PrintLine(surface, right, LineAlign::Right);
}

bool PrintGraphPage(QPrinter& chosen, const QString& title, const ChartModel& chart,
                    const QFont& chartFont, const GraphPageTexts& texts, QString* error) {
    return PrintOnTarget(chosen, error, [&](QPrinter& printer, QPainter& painter) {
        PainterSurface surface(painter, printer);
        PrintTitle(surface, title, texts.summary);
        const double titleBottom = surface.PixelsY(surface.CurrentY());
        const double footerTop =
            surface.PixelsY(surface.ScaleHeight() - surface.TextHeight(texts.footerLeft));
        const bool landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
        // The printable area is the painter's page: the chart never reaches past it.
        const ChartPageRect rect =
            ChartRectBetween(printer.width(), printer.height(), landscape, titleBottom, footerTop);
        painter.save();
        painter.setFont(chartFont);
        PaintChart(painter, chart, rect.ToRectF());
        painter.restore();
        PrintFooter(surface, texts.footerLeft, texts.footerRight);
        return true;
    });
}

void PrintGraph(const QString& title, const QString& kind) {
    const ChartWidget* chart = nullptr;
    bool timeEvolution = false;
    if (kind == QLatin1String("TE")) {
        if (frmGraphTe* window = GraphTeWindow())
            chart = window->teeEvolution;
        timeEvolution = true;
    } else if (kind == QLatin1String("ST")) {
        if (frmGraphSt* window = Window<frmGraphSt>().Instance())
            chart = window->teeStatistics;
    } else if (kind == QLatin1String("RF")) {
        if (frmGraphRf* window = Window<frmGraphRf>().Instance())
            chart = window->teeEvolution;
    }
    if (!chart)
        return;
    Trapped("PrintGraph", [&] {
        clsPrintDialog dialog;
        dialog.SetFlags(GraphPrintFlags);
        QPrinter& printer = CurrentPrinter();
        if (!dialog.ShowPrinter(printer))
            return;
        // The printed time evolution names its curves: the window's own legend is not on the
        // page.
        ChartModel page = chart->Model();
        if (timeEvolution)
            page.LegendVisible = true;
        QString failed;
        if (!PrintGraphPage(printer, title, page, chart->font(), CurrentGraphPageTexts(), &failed))
            MessBox(ResString(3760).arg(failed), QString(), -1, -1);
    });
}
