#pragma once

#include "platform/ui_services.h"

#include <QList>

#include <deque>
#include <functional>

// Records every box and dialog and answers from a script, so no test blocks in a modal
// loop. Installed for its lifetime.
class FakeUi : public UiServices {
public:
    struct StandardCall {
        QString text;
        QString title;
        StandardIcon icon;
        StandardButtons buttons;
    };

    FakeUi();
    ~FakeUi() override;

    bool StandardBox(const QString& text, const QString& title, StandardIcon icon,
                     StandardButtons buttons) override;
    bool ShowMessageBox(const MessageBoxRequest& request) override;
    BoxAnswer AskMessageBox(const MessageBoxRequest& request) override;
    FileDialogResult OpenFile(const FileDialogRequest& request) override;
    FileDialogResult SaveFile(const FileDialogRequest& request) override;
    Qt::KeyboardModifiers KeyboardModifiers() override { return modifiers; }
    // A modal dialog returns at once, after onModal (when set) has worked it as the user
    // would; its result is whatever that left.
    int RunModal(QDialog& dialog) override;
    QColor ChooseColor(const QColor& initial) override;

    // Answers given in turn; when a script runs out the answer is true (OK / Yes).
    std::deque<bool> standardAnswers;
    std::deque<bool> messageAnswers;
    // Answers of the Yes/No/Cancel boxes in turn; when this script runs out they take the
    // next of messageAnswers (true Yes, false No).
    std::deque<BoxAnswer> choiceAnswers;
    std::deque<FileDialogResult> openAnswers;
    std::deque<FileDialogResult> saveAnswers;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    std::function<void(QDialog& dialog)> onModal;
    // Colours chosen in turn; when the script runs out the dialog is cancelled.
    std::deque<QColor> colorAnswers;

    // The texts of the program's message boxes shown, in turn; how many said text.
    QList<QString> MessageTexts() const;
    int MessagesSaying(const QString& text) const;

    QList<StandardCall> standardCalls;
    QList<MessageBoxRequest> messageCalls;
    QList<FileDialogRequest> openCalls;
    QList<FileDialogRequest> saveCalls;
    QList<QString> modalCalls; // object names of the dialogs run
    QList<QColor> colorCalls;  // the colour each dialog opened with

private:
    UiServices* previous_ = nullptr;
};
