#include "tests/support/tagged_texts.h"

#include "core/language.h"

TaggedTexts::TaggedTexts(Languages languages)
    : saved_(Language().Texts), savedLoaded_(Language().Loaded),
      savedOffset_(Language().ResOffset) {
    QHash<int, QString> texts;
    for (int id = 0; id < 5000; ++id) {
        texts.insert(id, QStringLiteral("T%1").arg(id));
        if (languages == BothLanguages)
            texts.insert(id + 5000, QStringLiteral("T%1").arg(id));
    }
    Language().Texts = texts;
    Language().Loaded = true;
    Language().ResOffset = 0;
}

TaggedTexts::~TaggedTexts() {
    Language().Texts = saved_;
    Language().Loaded = savedLoaded_;
    Language().ResOffset = savedOffset_;
}
