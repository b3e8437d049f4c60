#include "shell/startup/corvanel_application.h"

#include "core/error_report.h"
#include "platform/dialog_frame.h"
#include "shell/main/picture_store.h"

#include <QMetaObject>

namespace {
QByteArray receiverName(const QObject* receiver) {
    if (!receiver)
        return QByteArrayLiteral("notify");
    if (!receiver->objectName().isEmpty())
        return receiver->objectName().toLatin1();
    return QByteArray(receiver->metaObject()->className());
}
} // namespace

bool DeliverTrapped(QObject* receiver, const std::function<bool()>& deliver) {
    try {
        return deliver();
    } catch (...) {
        const QByteArray name = receiverName(receiver);
        ReportException(name.constData());
        return false;
    }
}

CorvanelApplication::CorvanelApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // Dialogs stand out whole from the windows under them, with or without a window manager.
    installEventFilter(new DialogFrames(this));
    // The splash and every window without an owner carry the program's icon too.
    setWindowIcon(ProgramIcon());
}

bool CorvanelApplication::notify(QObject* receiver, QEvent* event) {
    return DeliverTrapped(receiver, [&] { return QApplication::notify(receiver, event); });
}
