#include "shell/about/access_code.h"

void AccessCode::Press(QChar typed) {
    if (Complete())
        return;
    if (typed == QLatin1Char(AccessCodeText[count_]))
        ++count_;
    else
        count_ = 0;
}
