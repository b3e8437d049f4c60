#include "shell/startup/frm_splash.h"

#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), lblVersion_(new QLabel(this)),
      lblDescription_(new QLabel(QStringLiteral("Software for the KL720 three-axis "
                                                "magnetic-field data logger"),
                                 this)),
      lblMessages_(new QLabel(this)), pctRight_(new QWidget(this)), imgLogo_(new QLabel(this)) {
    setObjectName(QStringLiteral("frmSplash"));
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    lblDescription_->setObjectName(QStringLiteral("lblDescription"));
    lblMessages_->setObjectName(QStringLiteral("lblMessages"));
    pctRight_->setObjectName(QStringLiteral("pctRight"));
    imgLogo_->setObjectName(QStringLiteral("imgLogo"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* title = new QLabel(QStringLiteral("Corvanel"), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    title->setFont(big);
    QFont versionFont = lblVersion_->font();
    versionFont.setBold(true);
    lblVersion_->setFont(versionFont);
    lblDescription_->setWordWrap(true);
    const int logoSize = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this) * 2;
    // The style may hold only small sizes of the picture: it is scaled up to the logo's.
    imgLogo_->setPixmap(
        style()
            ->standardIcon(QStyle::SP_ComputerIcon, nullptr, this)
            .pixmap(logoSize, logoSize)
            .scaled(logoSize, logoSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pctRight_->setFixedWidth(12);
    pctRight_->setAutoFillBackground(true);
    QPalette band = pctRight_->palette();
    band.setColor(QPalette::Window, QColor(0x1f, 0x4e, 0x8c));
    pctRight_->setPalette(band);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(lblVersion_);
    texts->addWidget(lblDescription_);
    texts->addStretch(1);
    texts->addWidget(lblMessages_);
    auto* row = new QHBoxLayout(this);
    row->addWidget(imgLogo_, 0, Qt::AlignTop);
    row->addLayout(texts, 1);
    row->addWidget(pctRight_);
    setFixedSize(460, 220);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmSplash::SetMessage(const QString& text) {
    lblMessages_->setText(text);
    lblMessages_->repaint();
}

QString frmSplash::Message() const {
    return lblMessages_->text();
}

QString frmSplash::VersionLine() const {
    return lblVersion_->text();
}

void frmSplash::SetVersionLine(const QString& text) {
    lblVersion_->setText(text);
}

void frmSplash::SetDescriptionVisible(bool visible) {
    lblDescription_->setVisible(visible);
}
