#include "shell/dialogs/frm_message_box.h"

#include "shell/dialogs/message_box_layout.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {
// The three pictures, one per icon kind: kind 0 (the default) tells of a failure, kind 1
// warns before something is done, kind 2 asks a question.
QPixmap iconPicture(const QWidget* window, int kind) {
    static const QStyle::StandardPixmap pictures[] = {
        QStyle::SP_MessageBoxCritical, QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxQuestion};
    const int size = window->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, window);
    return window->style()->standardIcon(pictures[kind], nullptr, window).pixmap(size, size);
}
} // namespace

frmMessageBox::frmMessageBox(QWidget* owner)
    : QDialog(owner), imgIcona_(new QLabel(this)), lblMessage_(new QLabel(this)),
      btnOk_(new QPushButton(this)), btnCancel_(new QPushButton(tr("Cancel"), this)) {
    setObjectName(QStringLiteral("frmMessageBox"));
    imgIcona_->setObjectName(QStringLiteral("imgIcona"));
    lblMessage_->setObjectName(QStringLiteral("lblMessage"));
    btnOk_->setObjectName(QStringLiteral("btnOk"));
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    lblMessage_->setAlignment(Qt::AlignCenter);
    lblMessage_->setWordWrap(true);
    lblMessage_->setTextFormat(Qt::PlainText);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    // Neither button is the default: Enter presses the one with the focus.
    btnOk_->setAutoDefault(true);
    btnCancel_->setAutoDefault(true);
    setTabOrder(btnOk_, btnCancel_);
    connect(btnOk_, &QPushButton::clicked, this, &frmMessageBox::btnOk_Click);
    connect(btnCancel_, &QPushButton::clicked, this, &frmMessageBox::btnCancel_Click);
}

void frmMessageBox::Prepare(const MessageBoxRequest& request) {
    iconKind_ = qBound(0, request.iconKind, 2);
    imgIcona_->setPixmap(iconPicture(this, iconKind_));
    const bool single = request.buttonKind == 1;
    btnOk_->setText(request.okCaption);
    btnCancel_->setText(request.cancelCaption);
    btnCancel_->setVisible(!single);
    setWindowTitle(request.title);
    lblMessage_->setText(request.message);

    MessageBoxMetrics metrics;
    metrics.icon = imgIcona_->pixmap().deviceIndependentSize().toSize();
    const QSize hint = btnOk_->sizeHint().expandedTo(btnCancel_->sizeHint());
    metrics.button = QSize(std::max(90, hint.width()), hint.height());
    metrics.singleButton = single;
    // Wider for long lines, up to a limit beyond which the message wraps.
    const QFontMetrics fm(lblMessage_->font());
    int widest = 0;
    for (const QString& line : request.message.split(u'\n'))
        widest = std::max(widest, fm.horizontalAdvance(line));
    metrics.innerWidth = 400;
    const int room = MessageLabelWidth(metrics);
    if (widest > room)
        metrics.innerWidth = std::min(640, metrics.innerWidth + widest - room + 4);
    metrics.messageHeight =
        std::max(fm.height(), lblMessage_->heightForWidth(MessageLabelWidth(metrics)));
    const MessageBoxPlacement place = PlaceMessageBox(metrics);
    imgIcona_->setGeometry(place.icon);
    lblMessage_->setGeometry(place.message);
    btnOk_->setGeometry(place.ok);
    if (!single)
        btnCancel_->setGeometry(place.cancel);
    setFixedSize(place.innerSize);
    btnOk_->setFocus();
}

bool frmMessageBox::MessBox(const MessageBoxRequest& request) {
    Prepare(request);
    result_ = false;
    exec();
    return result_;
}

void frmMessageBox::btnOk_Click() {
    result_ = true;
    hide();
    done(Accepted);
}

void frmMessageBox::btnCancel_Click() {
    result_ = false;
    hide();
    done(Rejected);
}

void frmMessageBox::keyPressEvent(QKeyEvent* event) {
    // Escape is no answer here: only the buttons and the close box end the box.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmMessageBox::closeEvent(QCloseEvent* event) {
    result_ = false;
    QDialog::closeEvent(event);
}
