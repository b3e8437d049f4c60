#include "views/windows/child_form.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

namespace {
QMdiSubWindow* frameOf(const QWidget* form) {
    return qobject_cast<QMdiSubWindow*>(form->parentWidget());
}

// Watches the form's own activation while it is a window of its own, and its frame's
// once it is shown inside one.
class ActivationWatch : public QObject {
public:
    ActivationWatch(QWidget* form, std::function<void()> activated)
        : QObject(form), form_(form), activated_(std::move(activated)) {
        form->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != form_)
            return false;
        if (event->type() == QEvent::WindowActivate && !frameOf(form_))
            activated_();
        else if (event->type() == QEvent::Show)
            watchFrame();
        return false;
    }

private:
    void watchFrame() {
        QMdiSubWindow* frame = frameOf(form_);
        if (!frame || frame == watchedFrame_)
            return;
        watchedFrame_ = frame;
        connect(frame, &QMdiSubWindow::windowStateChanged, this,
                [this](Qt::WindowStates before, Qt::WindowStates now) {
                    if (now.testFlag(Qt::WindowActive) && !before.testFlag(Qt::WindowActive))
                        activated_();
                });
        // Shown straight into the front: no change of state will tell.
        if (frame->windowState().testFlag(Qt::WindowActive))
            activated_();
    }

    QWidget* form_;
    QPointer<QMdiSubWindow> watchedFrame_;
    std::function<void()> activated_;
};
} // namespace

QString DataWindowCaption(const QString& fileName, const QString& ownCaption) {
    return fileName.isEmpty() ? ownCaption
                              : fileName + QStringLiteral(" [") + ownCaption + QStringLiteral("]");
}

void CallOnActivation(QWidget* form, std::function<void()> activated) {
    new ActivationWatch(form, std::move(activated));
}

void CloseForm(QWidget* form) {
    if (QMdiSubWindow* frame = frameOf(form))
        frame->close();
    else
        form->close();
}

void DeleteForm(QWidget* form) {
    if (QMdiSubWindow* frame = frameOf(form))
        delete frame;
    else
        delete form;
}
