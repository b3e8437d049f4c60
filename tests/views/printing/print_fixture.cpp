#include "tests/views/printing/print_fixture.h"

#include "tests/support/downloaded_data.h"
#include "views/printing/current_printer.h"

#include <QFile>
#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cmath>

ScriptedPrintDialog::ScriptedPrintDialog() {
    ResetCurrentPrinter();
    SetPrintDialogRunner([this](QPrinter& printer, const PrintDialogSetup& setup) {
        shown.push_back(setup);
        if (!accept)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(orientation);
        if (margins)
            printer.setPageMargins(*margins, QPageLayout::Point);
        printer.setPrintRange(range);
        if (range == QPrinter::PageRange)
            printer.setFromTo(fromPage, toPage);
        return true;
    });
}

ScriptedPrintDialog::~ScriptedPrintDialog() {
    SetPrintDialogRunner({});
    ResetCurrentPrinter();
}

DataSet PrintedSamples(qint32 count) {
    DataSet data = DownloadedZeros(count);
    data.DataRf = QVector<float>(count + 1, 0);
    for (qint32 i = 1; i <= count; ++i) {
        data.DataX[i] = 0.01f * float(i % 50);
        data.DataY[i] = 0.2f;
        data.DataZ[i] = 0.1f;
        const double x = data.DataX[i];
        data.DataRes[i] = std::sqrt(x * x + 0.04 + 0.01);
        data.DataRf[i] = 5.0f + float(i % 7);
    }
    data.CsvRfMax = 11;
    data.CsvRfMin = 5;
    RecomputeStatistics(data);
    return data;
}

std::optional<QString> PdfText(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::optional<std::vector<PdfPageWords>> PdfWords(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    std::vector<PdfPageWords> pages;
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return pages;
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression tag(QStringLiteral(
        "<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">"
        "|<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">"));
    for (const QRegularExpressionMatch& m : tag.globalMatch(html)) {
        if (!m.captured(1).isEmpty()) {
            pages.push_back({QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()), {}});
        } else if (!pages.empty()) {
            const QPointF topLeft(m.captured(3).toDouble(), m.captured(4).toDouble());
            const QPointF bottomRight(m.captured(5).toDouble(), m.captured(6).toDouble());
            pages.back().words.emplace_back(topLeft, bottomRight);
        }
    }
    return pages;
}

namespace {
QByteArray PdfBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

int PdfPageCount(const QString& path) {
    const QString bytes = QString::fromLatin1(PdfBytes(path));
    return static_cast<int>(bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

QSizeF PdfPageSize(const QString& path) {
    const QString bytes = QString::fromLatin1(PdfBytes(path));
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)"))
            .match(bytes);
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}
