#include "shell/about/frm_hidden.h"

#include "core/language.h"
#include "shell/about/about_pictures.h"
#include "shell/main/text_id.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int CreditIds[3] = {TextIdOf(3870), TextIdOf(3871), TextIdOf(3872)};
constexpr int PictureSize = 96;
} // namespace

frmHidden::frmHidden(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmHidden"));
    setWindowTitle(QStringLiteral("Corvanel"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    Label1 = new QLabel(QStringLiteral("This software was realized by:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    auto* texts = new QVBoxLayout;
    texts->addWidget(Label1);
    for (int i = 0; i < 3; ++i) {
        QLabel*& line = Credits[static_cast<size_t>(i)];
        line = new QLabel(ResString(CreditIds[i]), this);
        line->setObjectName(QStringLiteral("Label%1").arg(i + 2));
        line->setTextFormat(Qt::PlainText);
        line->setWordWrap(true);
        texts->addWidget(line);
    }
    texts->addStretch(1);

    const qreal ratio = devicePixelRatioF();
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(AboutPicture(QStringLiteral("field_lines"), PictureSize, ratio));
    Picture2 = new QLabel(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setPixmap(AboutPicture(QStringLiteral("logger_trace"), PictureSize, ratio));

    Command1 = new QPushButton(QStringLiteral("Back to Work!!"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    for (QLabel* w : {Label1, Credits[0], Credits[1], Credits[2]})
        w->setAccessibleName(w->text());
    Picture1->setAccessibleName(QStringLiteral("Picture1"));
    Picture2->setAccessibleName(QStringLiteral("Picture2"));
    Command1->setAccessibleName(Command1->text());
    connect(Command1, &QPushButton::clicked, this, &frmHidden::Command1_Click);

    auto* row = new QHBoxLayout;
    row->addWidget(Picture1, 0, Qt::AlignTop);
    row->addLayout(texts, 1);
    row->addWidget(Picture2, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addLayout(buttons);
    setMinimumWidth(520);
}

void frmHidden::Command1_Click() {
    accept();
}
