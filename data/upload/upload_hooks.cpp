#include "data/upload/upload_hooks.h"

UploadHooks& UploadHook() {
    static UploadHooks hooks;
    return hooks;
}

QDateTime NoDateAnswer() {
    return QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
}
