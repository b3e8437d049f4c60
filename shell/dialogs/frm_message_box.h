#pragma once

#include "platform/ui_services.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The program's own modal message box: one fresh window per message, so that nothing of
// one message carries over to the next. OK or Yes gives true; Cancel, No and the close
// box give false; a Yes/No/Cancel box tells the three apart, its close box being Cancel.
// There is no default or cancel button: the first button has the focus, Enter and the
// space bar press the focused button and Escape does nothing.
class frmMessageBox : public QDialog {
    Q_OBJECT
public:
    explicit frmMessageBox(QWidget* owner = nullptr);

    // Shows the message modally and returns the answer. Kinds and texts come resolved.
    bool MessBox(const MessageBoxRequest& request);
    // The same, with the button that ended it.
    BoxAnswer Ask(const MessageBoxRequest& request);
    // Prepares the window for a message without showing it.
    void Prepare(const MessageBoxRequest& request);

    int IconKind() const { return iconKind_; }
    bool Result() const { return answer_ == BoxAnswer::Yes; }
    BoxAnswer Answer() const { return answer_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void btnOk_Click();
    void btnNo_Click();
    void btnCancel_Click();
    void answer(BoxAnswer answer, int code);

    QLabel* imgIcona_;
    QLabel* lblMessage_;
    QPushButton* btnOk_;
    QPushButton* btnNo_;
    QPushButton* btnCancel_;
    int iconKind_ = 0;
    int buttonKind_ = 1;
    BoxAnswer answer_ = BoxAnswer::Cancel;
};
