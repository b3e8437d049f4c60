#include "core/message_box.h"

#include "core/error_report.h"
#include "core/language.h"
#include "platform/ui_services.h"

bool MessBox(const QString& message, const QString& title, int iconKind, int buttonKind) {
    return Trapped("MessBox", false, [&] {
        if (iconKind == -1)
            iconKind = 0;
        if (buttonKind == -1)
            buttonKind = 1;
        if (iconKind < 0 || iconKind > 2)
            RaiseError(ErrorNumber::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
        MessageBoxRequest request;
        request.message = message;
        request.iconKind = iconKind;
        request.buttonKind = buttonKind;
        request.title = title.isEmpty() ? ResString(2 + iconKind) : title;
        request.okCaption = ResString(buttonKind == 0 ? 4003 : 4001);
        request.cancelCaption = ResString(buttonKind == 0 ? 4004 : 4002);
        return Ui().ShowMessageBox(request);
    });
}
