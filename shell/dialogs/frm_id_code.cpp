#include "shell/dialogs/frm_id_code.h"

#include "core/language.h"
#include "core/message_box.h"
#include "core/program_events.h"
#include "data/dataset.h"
#include "link/comm_state.h"
#include "link/instrument_commands.h"
#include "shell/dialogs/id_code_rules.h"
#include "text/blank_trim.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace {
// The design texts show the widths of the fields.
const QString DesignShort = QStringLiteral("1234567890123456");
const QString DesignLong = QStringLiteral("123456789012345678901234567890123456789012345678");

// One filter for typing, pasting and dropping: the box keeps the text without the
// characters the instrument's texts must not hold.
class IdTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        const QString kept = FilterIdText(input);
        if (kept.size() != input.size()) {
            pos -= static_cast<int>(input.left(pos).size() - FilterIdText(input.left(pos)).size());
            input = kept;
        }
        return Acceptable;
    }
};

QLineEdit* idBox(QWidget* parent, const QString& design, QObject* filter) {
    auto* box = new QLineEdit(design, parent);
    box->setValidator(new IdTextValidator(box));
    box->installEventFilter(filter);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(design + QStringLiteral("MM")));
    return box;
}

enum TextId {
    Caption = 3820,
    Frame = 3821,
    ShortLabel = 3822,
    LongLabel = 3823,
    ReadButton = 3824,
    WriteButton = 3825,
    CancelButton = 3826,
};
} // namespace

frmIDCode::frmIDCode(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Impostazione ID"));
    SetTextId(this, TextId::Caption);

    fmeIDSet = new QGroupBox(QStringLiteral("Codice Identificativo KL720"), this);
    SetTextId(fmeIDSet, TextId::Frame);
    lblIDShort = new QLabel(fmeIDSet);
    SetTextId(lblIDShort, TextId::ShortLabel);
    lblIDLong = new QLabel(fmeIDSet);
    SetTextId(lblIDLong, TextId::LongLabel);
    txtIDShort = idBox(fmeIDSet, DesignShort, this);
    txtIDLong = idBox(fmeIDSet, DesignLong, this);
    lblIDShort->setBuddy(txtIDShort);
    lblIDLong->setBuddy(txtIDLong);
    auto* grid = new QGridLayout(fmeIDSet);
    grid->addWidget(lblIDShort, 0, 0);
    grid->addWidget(txtIDShort, 0, 1, Qt::AlignLeft);
    grid->addWidget(lblIDLong, 1, 0);
    grid->addWidget(txtIDLong, 1, 1);

    btnReadID = new QPushButton(QStringLiteral("Read"), this);
    SetTextId(btnReadID, TextId::ReadButton);
    btnWriteID = new QPushButton(QStringLiteral("Write"), this);
    SetTextId(btnWriteID, TextId::WriteButton);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetTextId(btnCancel, TextId::CancelButton);
    // Enter belongs to no button: in the boxes it is swallowed like the other filtered keys.
    for (QPushButton* button : {btnReadID, btnWriteID, btnCancel})
        button->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnReadID);
    buttons->addWidget(btnWriteID);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fmeIDSet);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnReadID, &QPushButton::clicked, this, &frmIDCode::btnReadID_Click);
    connect(btnWriteID, &QPushButton::clicked, this, &frmIDCode::btnWriteID_Click);
    connect(btnCancel, &QPushButton::clicked, this, &frmIDCode::btnCancel_Click);
}

void frmIDCode::Form_Load() {
    SetUpForm(this);
    for (QPushButton* button : {btnReadID, btnWriteID, btnCancel})
        button->setAccessibleName(button->text());
    txtIDShort->setAccessibleName(lblIDShort->text());
    txtIDLong->setAccessibleName(lblIDLong->text());
    readId();
}

void frmIDCode::btnReadID_Click() {
    readId();
}

void frmIDCode::btnWriteID_Click() {
    const QString idShort = txtIDShort->text();
    const QString idLong = txtIDLong->text();
    for (const auto& [text, width] :
         {std::pair{idShort, IdCode::ShortWidth}, std::pair{idLong, IdCode::LongWidth}}) {
        const QString tooLong = IdLengthMessage(text, width);
        if (!tooLong.isEmpty()) {
            MessBox(tooLong, QString(), -1, -1);
            return;
        }
    }
    // Only a write the instrument confirmed gives the data set these texts. Otherwise the
    // data set and the pane keep theirs, and the boxes keep what was typed for another try.
    if (WriteID(PadIdText(idShort, IdCode::ShortWidth), PadIdText(idLong, IdCode::LongWidth))) {
        DataSet& data = CurrentData();
        data.IDShort = PadIdText(idShort, IdCode::ShortWidth);
        data.IDLong = PadIdText(idLong, IdCode::LongWidth);
    }
    emit Events().InfoChanged();
}

void frmIDCode::btnCancel_Click() {
    reject();
}

bool frmIDCode::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == txtIDShort || watched == txtIDLong)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmIDCode::readId() {
    if (!ReadID())
        return;
    const QString idShort = TrimBlanks(CommState().IdShort);
    const QString idLong = TrimBlanks(CommState().IdLong);
    showTexts(idShort, idLong);
    // A loaded session keeps the identification it was recorded with; with none loaded,
    // the pane shows the instrument's.
    DataSet& data = CurrentData();
    if (!data.DataPresent) {
        data.IDShort = PadIdText(idShort, IdCode::ShortWidth);
        data.IDLong = PadIdText(idLong, IdCode::LongWidth);
        emit Events().InfoChanged();
    }
}

void frmIDCode::showTexts(const QString& idShort, const QString& idLong) {
    txtIDShort->setText(idShort);
    txtIDLong->setText(idLong);
}
