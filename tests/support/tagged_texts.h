#pragma once

#include <QHash>
#include <QString>

// Every text id reads "T<id>" while it lives, so tests see which id a text came from; the
// previous table comes back afterwards.
class TaggedTexts {
public:
    // Which languages' ids are tagged: the first alone, or the English ids (id + 5000) too.
    enum Languages { FirstLanguage, BothLanguages };
    explicit TaggedTexts(Languages languages = FirstLanguage);
    ~TaggedTexts();
    TaggedTexts(const TaggedTexts&) = delete;
    TaggedTexts& operator=(const TaggedTexts&) = delete;

private:
    QHash<int, QString> saved_;
    bool savedLoaded_ = false;
    qint16 savedOffset_ = 0;
};
