#pragma once

#include <QString>

// The file kinds a file dialog offers, and the suffix the chosen kind gives a name.

// Turns a filter list in the "name|patterns|name|patterns" form (patterns separated by
// ";") into Qt's "name (patterns);;..." form. "*.*" becomes "*", since on this system a file
// name need not hold a dot.
QString QtFilterFromParts(const QString& parts);

// The suffix of a filter entry's first pattern ("JPEG (*.jpg)" gives "jpg"); empty for "*".
QString FilterSuffix(const QString& filter);

// fileName with the suffix of entry filterIndex of the Qt filter list filters when its last
// component has none ("sess1" under "Log (*.log)" gives "sess1.log"); a name that has a
// suffix, or a chosen entry that names none ("*"), is left as it is.
QString WithFilterSuffix(const QString& fileName, const QString& filters, int filterIndex);
