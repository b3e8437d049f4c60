#pragma once

#include "platform/trapped_error.h"

#include <QString>

#include <utility>

// Shows the fixed critical box naming the failing procedure. Returns true only when the
// user chose to ignore the error (offered when canIgnore is true).
bool ErrHandler(const QString& procName, int number, const QString& source,
                const QString& description, bool canIgnore = false);

// The message the report shows, built apart so that it can be checked without a box.
QString ErrorReportTitle();
QString ErrorReportMessage(const QString& procName, int number, const QString& source,
                           const QString& description, bool canIgnore);

// Runs a procedure's body inside its one error trap: a failure goes to ErrHandler under
// the procedure's name and the procedure returns its initial result.
void ReportException(const char* procName);

template <class R, class F> R Trapped(const char* procName, R initial, F&& body) {
    try {
        return std::forward<F>(body)();
    } catch (...) {
        ReportException(procName);
        return initial;
    }
}

template <class F> void Trapped(const char* procName, F&& body) {
    try {
        std::forward<F>(body)();
    } catch (...) {
        ReportException(procName);
    }
}
