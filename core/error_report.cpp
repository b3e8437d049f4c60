#include "core/error_report.h"

#include "platform/ui_services.h"

#include <QCoreApplication>

#include <exception>
#include <new>

QString ErrorReportTitle() {
    QString name = QCoreApplication::applicationName();
    if (name.isEmpty())
        name = QStringLiteral("Corvanel");
    return QStringLiteral("ERROR! (") + name + QStringLiteral(")");
}

QString ErrorReportMessage(const QString& procName, int number, const QString& source,
                           const QString& description, bool canIgnore) {
    const QString crlf = QStringLiteral("\r\n");
    QString message = QStringLiteral("An unpredictable error occurred.") + crlf +
                      QStringLiteral("Error Raised by  : ") + procName + crlf +
                      QStringLiteral("Error Source     : ") + source + crlf +
                      QStringLiteral("Error Number     : ") + QString::number(number) + crlf +
                      QStringLiteral("Error Description: ") + description + crlf;
    if (canIgnore)
        message += crlf + QStringLiteral("It may be possible to proceed.") + crlf +
                   QStringLiteral("Do you want to ignore the error?") + crlf;
    return message;
}

bool ErrHandler(const QString& procName, int number, const QString& source,
                const QString& description, bool canIgnore) {
    try {
        const QString message =
            ErrorReportMessage(procName, number, source, description, canIgnore);
        const bool answer =
            Ui().StandardBox(message, ErrorReportTitle(), StandardIcon::Critical,
                             canIgnore ? StandardButtons::YesNoDefaultNo : StandardButtons::Ok);
        // OK alone is no choice to ignore.
        return canIgnore && answer;
    } catch (...) {
        try {
            Ui().StandardBox(QStringLiteral("Error on Error Handler!!! "),
                             QCoreApplication::applicationName(), StandardIcon::Critical,
                             StandardButtons::Ok);
        } catch (...) {
        }
        return false;
    }
}

void ReportException(const char* procName) {
    const QString name = QString::fromLatin1(procName);
    const QString source = QCoreApplication::applicationName();
    try {
        throw;
    } catch (const TrappedError& e) {
        ErrHandler(name, e.Number(), e.Source().isEmpty() ? source : e.Source(), e.Description());
    } catch (const std::bad_alloc&) {
        ErrHandler(name, ErrorNumber::OutOfMemory, source, QStringLiteral("Out of memory"));
    } catch (const std::exception& e) {
        ErrHandler(name, ErrorNumber::Unexpected, source, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ErrHandler(name, ErrorNumber::Unexpected, source, QStringLiteral("Unknown error"));
    }
}
