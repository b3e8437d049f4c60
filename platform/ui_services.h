#pragma once

#include <QColor>
#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <Qt>

// What the program asks of the user through modal boxes and dialogs. Every window and
// routine reaches them through Ui(), so that a test installs a fake that answers at
// once instead of blocking in a modal loop.

// The platform's plain message box: the start-up checks, the language-library failure,
// the command-line check and the error report use it.
enum class StandardIcon { None, Information, Warning, Critical };
enum class StandardButtons { Ok, YesNoDefaultNo };

// The program's own message box (the shell's frmMessageBox): kinds already resolved,
// texts already looked up.
struct MessageBoxRequest {
    QString message;
    QString title;
    int iconKind = 0;   // 0..2
    int buttonKind = 1; // 0 Yes/No, 1 OK, 2 OK/Cancel, 3 Yes/No/Cancel
    QString okCaption;
    QString cancelCaption;
    QString noCaption; // the middle button of Yes/No/Cancel
};

// The answer to a box: OK or Yes, No, or Cancel (the close box included).
enum class BoxAnswer { Yes, No, Cancel };

struct FileDialogRequest {
    QString title;
    QString folder;   // initial folder
    QString fileName; // preset file name
    QString filter;   // Qt filter text, entries separated by ";;"
    int filterIndex = 0;
    bool confirmOverwrite = true;
    // A name typed without a suffix takes the chosen filter's ("*.jpg" gives ".jpg") before
    // the dialog looks for a file to be overwritten.
    bool suffixFromFilter = false;
};

struct FileDialogResult {
    bool accepted = false;
    QString fileName;
    int filterIndex = 0;
};

class UiServices {
public:
    virtual ~UiServices() = default;
    // Returns true for OK or Yes.
    virtual bool StandardBox(const QString& text, const QString& title, StandardIcon icon,
                             StandardButtons buttons) = 0;
    // Returns true for OK or Yes; false for Cancel, No and the close box.
    virtual bool ShowMessageBox(const MessageBoxRequest& request) = 0;
    // Any box, Yes/No/Cancel included: which button ended it. Services that show only the
    // two-button boxes answer a refusal as Cancel, which changes nothing.
    virtual BoxAnswer AskMessageBox(const MessageBoxRequest& request) {
        return ShowMessageBox(request) ? BoxAnswer::Yes : BoxAnswer::Cancel;
    }
    virtual FileDialogResult OpenFile(const FileDialogRequest& request) = 0;
    virtual FileDialogResult SaveFile(const FileDialogRequest& request) = 0;
    virtual Qt::KeyboardModifiers KeyboardModifiers() = 0;
    // Runs one of the program's own modal dialogs until it closes; its result code.
    virtual int RunModal(QDialog& dialog) { return dialog.exec(); }
    // The colour dialog preset to initial: the chosen colour, or an invalid one when the
    // user cancels. Services that never show dialogs answer as a cancel.
    virtual QColor ChooseColor(const QColor& initial) { return {}; }
    // Owner window of the modal boxes (the main window once it stands).
    virtual void SetOwner(QWidget* owner) { owner_ = owner; }
    QWidget* Owner() const { return owner_; }

private:
    QPointer<QWidget> owner_; // cleared when the window goes
};

// The services in use: the installed ones, else plain Qt dialogs.
UiServices& Ui();
// Installs services for the whole program; nullptr restores the plain Qt ones.
void SetUi(UiServices* services);

// Plain Qt dialogs; the shell derives from it to show its own message box window.
class QtUiServices : public UiServices {
public:
    bool StandardBox(const QString& text, const QString& title, StandardIcon icon,
                     StandardButtons buttons) override;
    bool ShowMessageBox(const MessageBoxRequest& request) override;
    BoxAnswer AskMessageBox(const MessageBoxRequest& request) override;
    FileDialogResult OpenFile(const FileDialogRequest& request) override;
    FileDialogResult SaveFile(const FileDialogRequest& request) override;
    Qt::KeyboardModifiers KeyboardModifiers() override;
    QColor ChooseColor(const QColor& initial) override;
};
