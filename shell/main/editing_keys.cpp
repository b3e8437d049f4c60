#include "shell/main/editing_keys.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
// Sees the shortcut check of every key pressed inside the window that no widget claimed.
class EditingKeysFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride)
            return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        QWidget* focus = QApplication::focusWidget();
        if (!focus || !IsTextEditingKey(*key) || !TakesEditingKeys(focus))
            return false;
        // Claimed for the focused text: the key goes to it and no shortcut runs.
        key->accept();
        return true;
    }
};
} // namespace

bool IsTextEditingKey(const QKeyEvent& key) {
    static const QKeySequence::StandardKey editing[] = {
        QKeySequence::Copy,      QKeySequence::Cut,  QKeySequence::Paste,
        QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo,
    };
    for (QKeySequence::StandardKey standard : editing)
        if (key.matches(standard))
            return true;
    return false;
}

bool TakesEditingKeys(const QWidget* widget) {
    if (!widget)
        return false;
    if (widget->property("takesEditingKeys").toBool())
        return true;
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget);
}

void LetTextTakeEditingKeys(QWidget* window) {
    window->installEventFilter(new EditingKeysFilter(window));
}
