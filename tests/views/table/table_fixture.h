#pragma once

#include "data/dataset.h"
#include "tests/support/tagged_texts.h"

#include <QString>

#include <initializer_list>
#include <ostream>
#include <vector>

// Failures show texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// Language texts "T<id>" in both languages while it lives, so a test sees which id a
// line took; the previous table comes back afterwards.
class TaggedLanguage : public TaggedTexts {
public:
    TaggedLanguage() : TaggedTexts(BothLanguages) {}
};

struct Sample {
    float x, y, z;
    double res;
};

// A downloaded data set of these samples, one minute apart from 9 December 2026 07:44:47,
// with its sorted arrays and median filled by the statistics.
DataSet MakeData(std::initializer_list<Sample> samples);
DataSet MakeData(const std::vector<Sample>& samples);
// Fills SortedRes, SortedIndex, MedianIndex and MedianValue as the loaders do.
void SortAndMedian(DataSet& data);

// The text split at its CR LF line ends (the last, empty piece after the final line end
// kept as "").
QStringList Lines(const QByteArray& text);
