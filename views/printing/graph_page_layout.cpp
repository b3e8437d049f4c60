#include "views/printing/graph_page_layout.h"

#include "core/language.h"
#include "text/display_texts.h"

#include <algorithm>
#include <cmath>

namespace {
int Nearest(double value) {
    return static_cast<int>(std::nearbyint(value)); // halves to even
}

constexpr double EdgePixels = 100;
constexpr double PortraitBand = 0.74;
} // namespace

ChartPageRect ChartRectOnPage(double pageWidth, double pageHeight, bool landscape) {
    ChartPageRect r;
    r.left = Nearest(EdgePixels);
    r.right = Nearest(pageWidth - EdgePixels);
    if (landscape) {
        r.top = Nearest(EdgePixels);
        r.bottom = Nearest(pageHeight - EdgePixels);
    } else {
        const double h = (pageHeight - 2 * EdgePixels) * PortraitBand;
        r.top = Nearest((pageHeight - h) / 2);
        r.bottom = Nearest(h);
    }
    return r;
}

ChartPageRect ChartRectBetween(double pageWidth, double pageHeight, bool landscape,
                               double titleBottom, double footerTop) {
    ChartPageRect r = ChartRectOnPage(pageWidth, pageHeight, landscape);
    r.top = std::max(r.top, static_cast<int>(std::ceil(titleBottom)));
    r.bottom = std::min(r.bottom, static_cast<int>(std::floor(footerTop)));
    // A page too small for a chart keeps an empty one rather than an upside-down one.
    r.bottom = std::max(r.bottom, r.top);
    r.right = std::max(r.right, r.left);
    return r;
}

QString GraphSummaryLine(qint32 numSamples, const QDateTime& start, qint32 step,
                         const QString& unit) {
    QString line = QStringLiteral("[ ") + QString::number(numSamples) + QStringLiteral(" ") +
                   ResString(4031) + QStringLiteral(". ") + ResString(4080) + QStringLiteral(" ") +
                   GeneralDateText(start) + QStringLiteral(" ");
    int unitText = 0;
    if (unit == QLatin1String("s"))
        unitText = 3013;
    else if (unit == QLatin1String("n"))
        unitText = 3012;
    else if (unit == QLatin1String("h"))
        unitText = 3014;
    else if (unit == QLatin1String("d"))
        unitText = 3015;
    if (unitText != 0)
        line += ResString(4081) + QStringLiteral(" ") + QString::number(step) +
                QStringLiteral(" ") + ResString(unitText);
    return line + QStringLiteral(" ]");
}

QString FooterVersionText(int major, int minor, int revision) {
    return QStringLiteral("Corvanel KL720. SW Rev. %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString FooterPrintedText(const QDateTime& now) {
    return ResString(349) + GeneralDateText(now);
}
