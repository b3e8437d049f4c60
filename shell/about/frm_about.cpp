#include "shell/about/frm_about.h"

#include "core/language.h"
#include "core/options.h"
#include "platform/program_version.h"
#include "platform/ui_services.h"
#include "shell/about/about_pictures.h"
#include "shell/about/about_texts.h"
#include "shell/about/frm_hidden.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int LogoSize = 96;
} // namespace

frmAbout::frmAbout(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Corvanel..."));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    const auto label = [this](const char* name, const QString& text = QString()) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setTextFormat(Qt::PlainText);
        return l;
    };
    lblVersion = label("lblVersion");
    QFont bold = lblVersion->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblVersion->setFont(bold);
    lblEEprom = label("lblEEprom");
    lblDescription = label("lblDescription",
                           QStringLiteral("Description:  This product is inteded to help anyone "
                                          "has the need to measure and monitor Magnetic fields."));
    lblDescription->setWordWrap(true);
    lblComeTo = label("lblComeTo", QStringLiteral("Warning:"));
    Label1 = label("Label1");
    pctLogo = label("pctLogo");
    pctLogo->setPixmap(AboutPicture(QStringLiteral("logo"), LogoSize, devicePixelRatioF()));
    pctRight = new QWidget(this);
    pctRight->setObjectName(QStringLiteral("pctRight"));
    pctRight->setFixedWidth(12);
    pctRight->setAutoFillBackground(true);
    QPalette band = pctRight->palette();
    band.setColor(QPalette::Window, QColor(0x1f, 0x4e, 0x8c));
    pctRight->setPalette(band);
    btnOk = new QPushButton(this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &frmAbout::btnOk_Click);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblVersion);
    texts->addWidget(lblEEprom);
    texts->addSpacing(8);
    texts->addWidget(lblDescription);
    texts->addSpacing(8);
    texts->addWidget(lblComeTo);
    texts->addWidget(Label1);
    texts->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    texts->addLayout(buttons);
    auto* row = new QHBoxLayout(this);
    row->addWidget(pctLogo, 0, Qt::AlignTop);
    row->addLayout(texts, 1);
    row->addWidget(pctRight);
    setMinimumWidth(480);
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void frmAbout::Form_Load() {
    SetUpForm(this);
    const ProgramVersion version = ProgramVersionNumbers();
    lblVersion->setText(
        AboutVersionText(ResString(4079), version.major, version.minor, version.revision));
    lblEEprom->setText(AboutMemoryText(ResString(4088), Options().MemorySize));
    Label1->setText(ResString(3873));
    btnOk->setText(ResString(4001));
    for (QLabel* l : {lblVersion, lblEEprom, lblDescription, lblComeTo, Label1})
        l->setAccessibleName(l->text());
    pctLogo->setAccessibleName(QStringLiteral("pctLogo"));
    pctRight->setAccessibleName(QStringLiteral("pctRight"));
    btnOk->setAccessibleName(btnOk->text());
    code_.Reset();
}

void frmAbout::Form_KeyPress(QChar typed) {
    code_.Press(typed);
}

void frmAbout::btnOk_Click() {
    const Qt::KeyboardModifiers held = Ui().KeyboardModifiers();
    const bool both = held.testFlag(Qt::ShiftModifier) && held.testFlag(Qt::ControlModifier);
    if (code_.Complete() && both) {
        frmHidden credits(this);
        Ui().RunModal(credits);
    }
    accept();
}

// Every key typed while the box has the focus, whichever of its controls holds it: seen
// once, at the control the key went to (a key a control passes on to the box is not
// counted again).
bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        QWidget* focus = QApplication::focusWidget();
        const bool target = watched == focus || (watched == this && !isAncestorOf(focus));
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (target && !text.isEmpty())
            Form_KeyPress(text.front());
    }
    return QDialog::eventFilter(watched, event);
}
