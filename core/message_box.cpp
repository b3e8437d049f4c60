#include "core/message_box.h"

#include "core/error_report.h"
#include "core/language.h"
#include "platform/ui_services.h"

namespace {
MessageBoxRequest request(const QString& message, const QString& title, int iconKind,
                          int buttonKind) {
    if (iconKind == -1)
        iconKind = 0;
    if (buttonKind == -1)
        buttonKind = 1;
    if (iconKind < 0 || iconKind > 2)
        RaiseError(ErrorNumber::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    MessageBoxRequest r;
    r.message = message;
    r.iconKind = iconKind;
    r.buttonKind = buttonKind;
    r.title = title.isEmpty() ? ResString(2 + iconKind) : title;
    const bool yes = buttonKind == 0 || buttonKind == 3;
    r.okCaption = ResString(yes ? 4003 : 4001);
    r.cancelCaption = ResString(buttonKind == 0 ? 4004 : 4002);
    if (buttonKind == 3)
        r.noCaption = ResString(4004);
    return r;
}
} // namespace

bool MessBox(const QString& message, const QString& title, int iconKind, int buttonKind) {
    return Trapped("MessBox", false, [&] {
        return Ui().ShowMessageBox(request(message, title, iconKind, buttonKind));
    });
}

BoxAnswer MessBoxYesNoCancel(const QString& message, const QString& title, int iconKind) {
    // A box that cannot be shown changes nothing.
    return Trapped("MessBox", BoxAnswer::Cancel,
                   [&] { return Ui().AskMessageBox(request(message, title, iconKind, 3)); });
}
