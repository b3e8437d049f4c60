#pragma once

#include "core/language.h"
#include "core/options.h"
#include "data/dataset.h"

#include <QHash>

#include <initializer_list>

// Every text id reads "T<id>" while it lives, so tests see which id a text came from.
class TaggedTexts {
public:
    TaggedTexts();
    ~TaggedTexts();
    TaggedTexts(const TaggedTexts&) = delete;
    TaggedTexts& operator=(const TaggedTexts&) = delete;

private:
    QHash<int, QString> saved_;
    bool savedLoaded_;
    qint16 savedOffset_;
};

// Options with distinct colours, the threshold and its colour set.
OptionsRecord GraphOptions();

struct Xyz {
    float x, y, z;
    double res;
};
// A data set of those samples, one a minute from 9 December 2026 07:44:47.
DataSet MakeSamples(std::initializer_list<Xyz> samples);
DataSet MakeRamp(qint32 count);
