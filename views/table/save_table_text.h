#pragma once

#include <QString>

// Saves the data-table text as shown to a plain-text file: CR LF line ends, UTF-8,
// written whole or not at all (a failed save leaves the previous file as it was). A
// failure goes to the error report under "SalvaDati".
void SalvaDati(const QString& FileName, const QString& shownText);
