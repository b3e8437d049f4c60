#include "docking/widgets/form_frame.h"

#include "docking/widgets/window_hooks.h"

#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <qdrawutil.h>

namespace dockable {

CaptionBar::CaptionBar(QWidget* parent) : QWidget(parent), close_(new QToolButton(this)) {
    setObjectName("DockableCaption");
    close_->setObjectName("DockableCloseBox");
    close_->setAutoRaise(true);
    close_->setFocusPolicy(Qt::NoFocus);
    close_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close_->setToolTip(QStringLiteral("Close"));
    close_->setAccessibleName(QStringLiteral("Close"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CaptionBar::setTitle(const QString& title) {
    title_ = title;
    setAccessibleName(title);
    update();
}

void CaptionBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Active, QPalette::Highlight));
    p.setPen(pal.color(QPalette::Active, QPalette::HighlightedText));
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    QRect text = rect().adjusted(4, 0, -(close_->width() + 4), 0);
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
               fontMetrics().elidedText(title_, Qt::ElideRight, text.width()));
}

void CaptionBar::resizeEvent(QResizeEvent*) {
    const int side = std::max(0, height() - 2);
    close_->setGeometry(width() - side - 1, 1, side, side);
}

FormFrame::FormFrame(QWidget* form, int cxFrame, int cyFrame, int captionHeight)
    : form_(form), caption_(new CaptionBar(this)), cx_(cxFrame), cy_(cyFrame),
      captionHeight_(captionHeight) {
    setObjectName("DockableFrame_" + (form ? form->objectName() : QString()));
    setAttribute(Qt::WA_DeleteOnClose, false);
    connect(caption_->closeButton(), &QToolButton::clicked, this, &FormFrame::closeClicked);
    if (form) {
        caption_->setTitle(form->windowTitle());
        setWindowTitle(form->windowTitle());
        connect(form, &QWidget::windowTitleChanged, this, [this](const QString& title) {
            caption_->setTitle(title);
            setWindowTitle(title);
            setFloatingMinimum(floatingMinimum_);
        });
        // A form never given a size of its own takes the size its contents ask for, so
        // that it first floats at a size that shows them.
        const QSize size = form->testAttribute(Qt::WA_Resized)
                               ? form->size()
                               : form->sizeHint().expandedTo(form->minimumSizeHint());
        form->setParent(this);
        form->show();
        resize(frameSizeFor(size));
    }
    layoutChildren();
}

FormFrame::~FormFrame() {
    // The window's own end still sends it events (it hides): its owner hears none of them.
    WindowHooks::UnSubClass(caption_);
    WindowHooks::UnSubClass(this);
}

QSize FormFrame::frameSizeFor(QSize formSize) const {
    return {formSize.width() + 2 * cx_, formSize.height() + 2 * cy_ + captionHeight_};
}

QSize FormFrame::minimumFloatingSize() const {
    QFont bold = caption_->font();
    bold.setBold(true);
    const int title = QFontMetrics(bold).horizontalAdvance(caption_->title());
    // As the caption paints: 4 pixels before the title, 4 after it, the close box and a
    // pixel beyond.
    const int closeBox = std::max(0, captionHeight_ - 2);
    return {2 * cx_ + 4 + title + 4 + closeBox + 1, 2 * cy_ + captionHeight_};
}

void FormFrame::setFloatingMinimum(bool on) {
    floatingMinimum_ = on;
    setMinimumSize(on ? minimumFloatingSize() : QSize(0, 0));
}

void FormFrame::layoutChildren() {
    caption_->setGeometry(cx_, cy_, std::max(0, width() - 2 * cx_), captionHeight_);
    if (form_) {
        form_->setGeometry(cx_, cy_ + captionHeight_, std::max(0, width() - 2 * cx_),
                           std::max(0, height() - 2 * cy_ - captionHeight_));
    }
}

void FormFrame::resizeEvent(QResizeEvent*) {
    layoutChildren();
}

void FormFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    qDrawWinPanel(&p, rect(), palette(), false, &palette().brush(QPalette::Window));
}

} // namespace dockable
