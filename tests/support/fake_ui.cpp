#include "tests/support/fake_ui.h"

namespace {
template <class T> T next(std::deque<T>& script, T fallback) {
    if (script.empty())
        return fallback;
    T value = script.front();
    script.pop_front();
    return value;
}
} // namespace

FakeUi::FakeUi() : previous_(&Ui()) {
    SetUi(this);
}
FakeUi::~FakeUi() {
    SetUi(nullptr);
}

bool FakeUi::StandardBox(const QString& text, const QString& title, StandardIcon icon,
                         StandardButtons buttons) {
    standardCalls.append({text, title, icon, buttons});
    return next(standardAnswers, true);
}

QList<QString> FakeUi::MessageTexts() const {
    QList<QString> texts;
    for (const MessageBoxRequest& r : messageCalls)
        texts << r.message;
    return texts;
}

int FakeUi::MessagesSaying(const QString& text) const {
    return int(MessageTexts().count(text));
}

bool FakeUi::ShowMessageBox(const MessageBoxRequest& request) {
    messageCalls.append(request);
    return next(messageAnswers, true);
}

BoxAnswer FakeUi::AskMessageBox(const MessageBoxRequest& request) {
    if (request.buttonKind != 3)
        return ShowMessageBox(request) ? BoxAnswer::Yes : BoxAnswer::No;
    messageCalls.append(request);
    if (!choiceAnswers.empty())
        return next(choiceAnswers, BoxAnswer::Yes);
    return next(messageAnswers, true) ? BoxAnswer::Yes : BoxAnswer::No;
}

FileDialogResult FakeUi::OpenFile(const FileDialogRequest& request) {
    openCalls.append(request);
    return next(openAnswers, FileDialogResult{});
}

FileDialogResult FakeUi::SaveFile(const FileDialogRequest& request) {
    saveCalls.append(request);
    return next(saveAnswers, FileDialogResult{});
}

int FakeUi::RunModal(QDialog& dialog) {
    modalCalls.append(dialog.objectName());
    dialog.setResult(QDialog::Rejected);
    if (onModal)
        onModal(dialog);
    return dialog.result();
}

QColor FakeUi::ChooseColor(const QColor& initial) {
    colorCalls.append(initial);
    return next(colorAnswers, QColor());
}
