#include "views/printing/print_file_target.h"

#include "views/printing/current_printer.h"
#include "views/printing/whole_pdf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace {
// Beside the chosen file, with its suffix, so that the printer keeps its output format.
QString TemporaryPattern(const QString& target) {
    const QFileInfo info(target);
    QString name = info.completeBaseName() + QStringLiteral("~XXXXXX");
    if (!info.suffix().isEmpty())
        name += u'.' + info.suffix();
    return info.dir().filePath(name);
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The new file gets the earlier file's permissions, or those a new file of the user gets.
void TakePermissions(const QString& written, const QString& target) {
    const QFileDevice::Permissions mine = QFileInfo::exists(target)
                                              ? QFileInfo(target).permissions()
                                              : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ReadUser | QFileDevice::WriteUser |
                                                    QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QFile::setPermissions(written, mine);
}

// A printer for one PDF file, set up as the chosen one.
std::unique_ptr<QPrinter> JobLike(const QPrinter& chosen, const QString& file) {
    auto job = std::make_unique<QPrinter>(QPrinter::HighResolution);
    job->setOutputFormat(QPrinter::PdfFormat);
    job->setOutputFileName(file);
    job->setResolution(chosen.resolution());
    job->setFullPage(chosen.fullPage());
    job->setPageLayout(chosen.pageLayout());
    job->setCopyCount(chosen.copyCount());
    job->setCollateCopies(chosen.collateCopies());
    job->setColorMode(chosen.colorMode());
    job->setDuplex(chosen.duplex());
    job->setPageOrder(chosen.pageOrder());
    job->setDocName(chosen.docName());
    job->setCreator(chosen.creator());
    job->setPdfVersion(chosen.pdfVersion());
    job->setPrintRange(chosen.printRange());
    job->setFromTo(chosen.fromPage(), chosen.toPage());
    return job;
}
} // namespace

PrintFileTarget::PrintFileTarget(QPrinter& chosen) : chosen_(chosen) {
    if (chosen.outputFormat() != QPrinter::PdfFormat || chosen.outputFileName().isEmpty())
        return;
    target_ = chosen.outputFileName();
    QTemporaryFile beside(TemporaryPattern(target_));
    beside.setAutoRemove(false);
    if (!beside.open()) {
        ready_ = false;
        return;
    }
    written_ = beside.fileName();
    beside.close();
    job_ = JobLike(chosen, written_);
}

PrintFileTarget::~PrintFileTarget() {
    job_.reset();
    if (!written_.isEmpty())
        QFile::remove(written_);
}

bool PrintFileTarget::Commit() {
    if (target_.isEmpty())
        return true;
    if (!ready_ || written_.isEmpty() || !IsWholePdf(Contents(written_)))
        return false;
    TakePermissions(written_, target_);
    // Renaming over the earlier file replaces it in one step: there is never a moment
    // without a whole file of that name.
    std::error_code failed;
    std::filesystem::rename(QFile::encodeName(written_).toStdString(),
                            QFile::encodeName(target_).toStdString(), failed);
    if (failed)
        return false;
    written_.clear();
    return true;
}

bool PrintOnTarget(QPrinter& chosen, QString* error,
                   const std::function<bool(QPrinter&, QPainter&)>& paint) {
    const QString targetName = PrintTargetName(chosen);
    PrintFileTarget target(chosen);
    QPrinter& printer = target.Printer();
    QPainter painter;
    bool printed = target.Ready() && painter.begin(&printer);
    if (printed) {
        try {
            printed = paint(printer, painter);
        } catch (...) {
            printer.abort();
            painter.end();
            throw;
        }
        if (!printed) {
            printer.abort();
            painter.end();
        } else {
            printed = painter.end() && printer.printerState() != QPrinter::Error && target.Commit();
        }
    }
    if (!printed && error)
        *error = targetName;
    return printed;
}
