#include "core/wait_box.h"

WaitBoxHooks& WaitBoxHook() {
    static WaitBoxHooks hooks;
    return hooks;
}

void ShowWaitBox(const QString& text) {
    if (WaitBoxHook().Show)
        WaitBoxHook().Show(text);
}

void SetWaitBoxText(const QString& text) {
    if (WaitBoxHook().SetText)
        WaitBoxHook().SetText(text);
}

void StepWaitBox(int twips) {
    if (WaitBoxHook().Step)
        WaitBoxHook().Step(twips);
}

void HideWaitBox() {
    if (WaitBoxHook().Hide)
        WaitBoxHook().Hide();
}
