#pragma once

#include <QWidget>

class QTreeWidget;

// The warnings pane: one line per remark of the warnings summary, each with its picture.
// It floats inside the main window; its close box only hides it, and only the program's
// own unload at shutdown destroys it. Its rows stay until the next summary replaces them.
class frmWarnings : public QWidget {
    Q_OBJECT
public:
    explicit frmWarnings(QWidget* mainWindow = nullptr);

    QTreeWidget* trwWarning() const { return trwWarning_; }
    // Adds a row with that caption and picture number (1..WarningPictureCount); a picture
    // number outside the list goes to the error report and adds nothing.
    void AddString(const QString& text, int image);
    void Clear();
    // The width that shows every row whole: the widest row with its picture, the tree's
    // frame and a vertical scroll bar.
    int RowsWidth() const;
    // The program's own unload at shutdown.
    void Unload();

signals:
    // The user closed the pane: it is hidden and its toolbar button shows raised.
    void ClosedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Widens a pane narrower than its rows, as far as the screen allows.
    void fitRows();

    QTreeWidget* trwWarning_;
    bool placed_ = false;
    bool unloading_ = false;
};

// The main window loads the pane once, at its own load.
frmWarnings* LoadWarningsPane(QWidget* mainWindow);
// The loaded pane, or null before the main window has loaded it (or after shutdown).
frmWarnings* WarningsWindow();
// Adds a row to the loaded pane; does nothing while none is loaded.
void AddString(const QString& text, int image);
// Lets the warnings summary reach the pane.
void RegisterWarningsPane();
