#include "shell/main/help_window.h"

#include "core/language.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

frmHelp::frmHelp(QWidget* owner)
    : QWidget(owner, Qt::Window), browser_(new QTextBrowser(this)), search_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    SetTextId(this, 4193);
    auto* label = new QLabel(this);
    SetTextId(label, 4194);
    label->setBuddy(search_);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(label);
    searchRow->addWidget(search_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(browser_, 1);
    browser_->setOpenExternalLinks(false);
    connect(search_, &QLineEdit::returnPressed, this, &frmHelp::findNext);
    SetUpForm(this);
    resize(640, 560);
}

void frmHelp::ShowFile(const QString& path, int command) {
    // The help files are HTML whatever their extension says.
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        browser_->setSearchPaths({path.left(path.lastIndexOf(u'/'))});
        browser_->setHtml(QString::fromUtf8(file.readAll()));
    } else {
        browser_->clear();
    }
    show();
    raise();
    activateWindow();
    if (command == HelpCommand::Finder)
        search_->setFocus();
    else
        browser_->setFocus();
}

// Where no window manager frames the window there is no close box: Escape, which the text
// and the search field leave to their window, puts it away.
void frmHelp::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmHelp::findNext() {
    const QString text = search_->text();
    if (text.isEmpty())
        return;
    if (!browser_->find(text)) {
        // Start again from the top once the end is reached.
        browser_->moveCursor(QTextCursor::Start);
        browser_->find(text);
    }
}

void ShowHelpWindow(QWidget* owner, const QString& path, int command) {
    static QPointer<frmHelp> window;
    if (!window)
        window = new frmHelp(owner);
    window->ShowFile(path, command);
}
