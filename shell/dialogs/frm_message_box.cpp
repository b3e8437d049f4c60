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
      btnOk_(new QPushButton(this)), btnNo_(new QPushButton(this)),
      btnCancel_(new QPushButton(tr("Cancel"), this)) {
    setObjectName(QStringLiteral("frmMessageBox"));
    imgIcona_->setObjectName(QStringLiteral("imgIcona"));
    lblMessage_->setObjectName(QStringLiteral("lblMessage"));
    btnOk_->setObjectName(QStringLiteral("btnOk"));
    btnNo_->setObjectName(QStringLiteral("btnNo"));
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    lblMessage_->setAlignment(Qt::AlignCenter);
    lblMessage_->setWordWrap(true);
    lblMessage_->setTextFormat(Qt::PlainText);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    // Neither button is the default: Enter presses the one with the focus.
    btnOk_->setAutoDefault(true);
    btnNo_->setAutoDefault(true);
    btnCancel_->setAutoDefault(true);
    setTabOrder(btnOk_, btnNo_);
    setTabOrder(btnNo_, btnCancel_);
    btnNo_->hide();
    connect(btnOk_, &QPushButton::clicked, this, &frmMessageBox::btnOk_Click);
    connect(btnNo_, &QPushButton::clicked, this, &frmMessageBox::btnNo_Click);
    connect(btnCancel_, &QPushButton::clicked, this, &frmMessageBox::btnCancel_Click);
}

void frmMessageBox::Prepare(const MessageBoxRequest& request) {
    iconKind_ = qBound(0, request.iconKind, 2);
    imgIcona_->setPixmap(iconPicture(this, iconKind_));
    buttonKind_ = request.buttonKind;
    const bool single = request.buttonKind == 1;
    const bool three = request.buttonKind == 3;
    btnOk_->setText(request.okCaption);
    btnNo_->setText(request.noCaption);
    btnCancel_->setText(request.cancelCaption);
    btnNo_->setVisible(three);
    btnCancel_->setVisible(!single);
    for (QPushButton* button : {btnOk_, btnNo_, btnCancel_})
        button->setAccessibleName(button->text());
    setWindowTitle(request.title);
    lblMessage_->setText(request.message);

    MessageBoxMetrics metrics;
    metrics.icon = imgIcona_->pixmap().deviceIndependentSize().toSize();
    QSize hint = btnOk_->sizeHint().expandedTo(btnCancel_->sizeHint());
    if (three)
        hint = hint.expandedTo(btnNo_->sizeHint());
    metrics.button = QSize(std::max(90, hint.width()), hint.height());
    metrics.singleButton = single;
    metrics.threeButtons = three;
    // Wider for long lines, up to a limit beyond which the message wraps.
    const QFontMetrics fm(lblMessage_->font());
    int widest = 0;
    for (const QString& line : request.message.split(u'\n'))
        widest = std::max(widest, fm.horizontalAdvance(line));
    // Three buttons and their gaps fit with the margins.
    metrics.innerWidth =
        std::max(400, 3 * metrics.button.width() + 2 * MessageBoxGap + 2 * MessageBoxMargin);
    const int room = MessageLabelWidth(metrics);
    if (widest > room)
        metrics.innerWidth = std::min(640, metrics.innerWidth + widest - room + 4);
    metrics.messageHeight =
        std::max(fm.height(), lblMessage_->heightForWidth(MessageLabelWidth(metrics)));
    const MessageBoxPlacement place = PlaceMessageBox(metrics);
    imgIcona_->setGeometry(place.icon);
    lblMessage_->setGeometry(place.message);
    btnOk_->setGeometry(place.ok);
    if (three)
        btnNo_->setGeometry(place.no);
    if (!single)
        btnCancel_->setGeometry(place.cancel);
    setFixedSize(place.innerSize);
    btnOk_->setFocus();
}

bool frmMessageBox::MessBox(const MessageBoxRequest& request) {
    return Ask(request) == BoxAnswer::Yes;
}

BoxAnswer frmMessageBox::Ask(const MessageBoxRequest& request) {
    Prepare(request);
    answer_ = BoxAnswer::Cancel;
    exec();
    return answer_;
}

void frmMessageBox::answer(BoxAnswer answer, int code) {
    answer_ = answer;
    hide();
    done(code);
}

void frmMessageBox::btnOk_Click() {
    answer(BoxAnswer::Yes, Accepted);
}

void frmMessageBox::btnNo_Click() {
    answer(BoxAnswer::No, Rejected);
}

void frmMessageBox::btnCancel_Click() {
    // The second button of Yes/No is No.
    answer(buttonKind_ == 0 ? BoxAnswer::No : BoxAnswer::Cancel, Rejected);
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
    answer_ = buttonKind_ == 0 ? BoxAnswer::No : BoxAnswer::Cancel;
    QDialog::closeEvent(event);
}
