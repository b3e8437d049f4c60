#pragma once

#include "shell/about/access_code.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: program, version, the instrument memory size of the options, a fixed
// description and the maker's address. It sees every key typed while it has the focus:
// the access code typed and OK pressed with Shift and Ctrl held (as the injected keyboard
// query reports them) shows the credits window first. Modal, a fresh one for each opening.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner = nullptr);

    void Form_Load();
    void Form_KeyPress(QChar typed);
    void btnOk_Click();

    const AccessCode& Code() const { return code_; }

    QLabel* lblVersion = nullptr;
    QLabel* lblEEprom = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblComeTo = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* pctLogo = nullptr;
    QWidget* pctRight = nullptr;
    QPushButton* btnOk = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AccessCode code_;
};
