#pragma once

#include <QDateTime>
#include <QRectF>
#include <QString>
#include <QtGlobal>

// Where a graph page puts its chart, in device pixels of the printable area.
struct ChartPageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    QRectF ToRectF() const { return QRectF(left, top, right - left, bottom - top); }
    bool operator==(const ChartPageRect&) const = default;
};

// The chart's rectangle on a page of pageWidth x pageHeight device pixels: 100 pixels in
// from the left and right edges; in landscape also from the top and bottom; in portrait a
// band from (height - h) / 2 down to h, where h = (height - 200) x 0.74. Each edge is the
// nearest whole pixel, halves to even.
ChartPageRect ChartRectOnPage(double pageWidth, double pageHeight, bool landscape);

// The same rectangle kept between the bottom of the title block and the top of the footer
// (device pixels), so the chart never covers the summary or the footer line.
ChartPageRect ChartRectBetween(double pageWidth, double pageHeight, bool landscape,
                               double titleBottom, double footerTop);

// The summary under the title: "[ " samples " " text 4031 ". " text 4080 " " start " ",
// then for the units "s", "n", "h" and "d" text 4081 " " step " " and the unit's name, and
// " ]". Numbers are plain integers; the start is the general date-and-time text.
QString GraphSummaryLine(qint32 numSamples, const QDateTime& start, qint32 step,
                         const QString& unit);

// The footer's left part: "Corvanel KL720. SW Rev. " and major.minor.revision.
QString FooterVersionText(int major, int minor, int revision);
// The footer's right part: text 349 followed by the moment's general date-and-time text.
QString FooterPrintedText(const QDateTime& now);
