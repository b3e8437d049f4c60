#pragma once

#include "data/dataset.h"
#include "text/date_math.h"

#include <QByteArray>
#include <QStringList>

#include <initializer_list>

// A data set with the given samples (x, y, z; the resultant from them), step 5 s.
struct SampleXYZ {
    float x, y, z;
};
DataSet MakeDataSet(std::initializer_list<SampleXYZ> samples);

// A session file's bytes from the texts of its values, each quoted, CR LF after each.
QByteArray QuotedLines(const QStringList& values);

// Loads the built language table (Italian) for the life of the object.
class LanguageLoaded {
public:
    LanguageLoaded();
    ~LanguageLoaded();
};
