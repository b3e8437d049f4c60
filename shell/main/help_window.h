#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;
class QTextBrowser;

// Help commands as the help viewer takes them.
namespace HelpCommand {
constexpr int Contents = 3; // the help file's contents and index
constexpr int Finder = 11;  // contents with the search field
} // namespace HelpCommand

// The program's help window: shows a help file (HTML) with a search field.
class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* owner);
    void ShowFile(const QString& path, int command);
    QTextBrowser* Browser() const { return browser_; }
    QLineEdit* SearchField() const { return search_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void findNext();

    QTextBrowser* browser_;
    QLineEdit* search_;
};

// Shows the help window over owner (one window, made on first use).
void ShowHelpWindow(QWidget* owner, const QString& path, int command);
