#include "shell/panes/frm_wait.h"

#include "core/language.h"
#include "core/wait_box.h"
#include "shell/main/frm_main.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QThread>
#include <QVBoxLayout>
#include <QWindow>

namespace {
constexpr int TwipsPerPixel = 15;
constexpr int BlockTwips = 600;
constexpr int BarTwips = 4200;
constexpr int BarHeightPixels = 18;
// The longest the box waits for the window system to put it on screen.
constexpr int OnScreenWaitMs = 1000;

QPointer<frmWait>& current() {
    static QPointer<frmWait> box;
    return box;
}
} // namespace

WaitBar::WaitBar(QWidget* parent) : QWidget(parent), marker_(BlockTwips) {
    setObjectName(QStringLiteral("pctProgress"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

int WaitBar::InnerWidthTwips() const {
    return width() * TwipsPerPixel;
}

QSize WaitBar::sizeHint() const {
    return {BarTwips / TwipsPerPixel, BarHeightPixels};
}

void WaitBar::Step(int twips) {
    marker_.Advance(twips, InnerWidthTwips());
    repaint();
}

void WaitBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect inner = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().dark().color());
    painter.drawRect(inner);
    const int left = marker_.Left() / TwipsPerPixel;
    const int width = marker_.BlockWidth() / TwipsPerPixel;
    painter.fillRect(QRect(left + 2, 2, width, height() - 4), palette().highlight());
}

frmWait::frmWait(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmWait"));
    SetTextId(this, 37);
    lblProgress_ = new QLabel(this);
    lblProgress_->setObjectName(QStringLiteral("lblProgress"));
    lblProgress_->setTextFormat(Qt::PlainText);
    lblProgress_->setAlignment(Qt::AlignCenter);
    SetTextId(lblProgress_, 38);
    pctProgress_ = new WaitBar(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblProgress_);
    layout->addWidget(pctProgress_);
    SetUpForm(this);
    setFixedSize(sizeHint());
}

void frmWait::SetText(const QString& text) {
    lblProgress_->setText(text.isEmpty() ? ResString(38) : text);
    lblProgress_->repaint();
}

void frmWait::Unload() {
    unloading_ = true;
    close();
}

void frmWait::closeEvent(QCloseEvent* event) {
    // The transfer goes on until its caller ends it; a close from outside would leave it
    // running without a sign of life.
    if (unloading_ || QCoreApplication::closingDown())
        event->accept();
    else
        event->ignore();
}

frmWait* WaitBoxWindow() {
    return current().data();
}

namespace {
// The callers go on with their work without returning to the event loop, and a window
// the window system has not shown yet takes no paint: let the box come on screen first
// (a short while at most), so its text and every step of its block are seen.
void waitUntilOnScreen(QWidget* box) {
    QWindow* window = box->windowHandle();
    QElapsedTimer waited;
    waited.start();
    while (window && !window->isExposed() && waited.elapsed() < OnScreenWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (!window->isExposed())
            QThread::msleep(1);
    }
}

void showBox(const QString& text) {
    if (!current()) {
        QWidget* owner = MainWindowLoaded() ? &MainWindow() : nullptr;
        current() = new frmWait(owner);
        current()->setAttribute(Qt::WA_DeleteOnClose);
        if (owner)
            current()->move(owner->geometry().center() - current()->rect().center());
    }
    frmWait* box = current();
    box->SetText(text);
    box->show();
    box->raise();
    waitUntilOnScreen(box);
    box->repaint();
}

void stepBox(int twips) {
    if (current())
        current()->Step(twips);
}

void setBoxText(const QString& text) {
    if (current())
        current()->SetText(text);
}

void hideBox() {
    if (frmWait* box = current()) {
        current() = nullptr;
        box->Unload();
    }
}
} // namespace

void RegisterWaitBox() {
    WaitBoxHook().Show = showBox;
    WaitBoxHook().SetText = setBoxText;
    WaitBoxHook().Step = stepBox;
    WaitBoxHook().Hide = hideBox;
}
