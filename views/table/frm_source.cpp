#include "views/table/frm_source.h"

#include "core/language.h"
#include "core/program_events.h"
#include "data/dataset.h"
#include "views/table/save_table_text.h"
#include "views/table/table_hooks.h"
#include "views/table/table_rows.h"
#include "views/table/table_text_box.h"
#include "views/table/view_data_source.h"
#include "views/windows/child_form.h"
#include "views/windows/data_toolbar.h"
#include "views/windows/single_window.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPolygonF>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
QString orderCaption(bool timeOrder) {
    return timeOrder ? ResString(4186) : ResString(4187);
}

// An arrow up beside an arrow down, in the toolbar's blue.
QPixmap orderPixmap(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 16.0, side / 16.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2f, 0x5d, 0x8a));
    p.drawPolygon(QPolygonF({{1, 6}, {4.5, 1}, {8, 6}}));
    p.drawRect(QRectF(3.5, 5, 2, 10));
    p.setBrush(QColor(0x3a, 0x8f, 0xd8));
    p.drawPolygon(QPolygonF({{8, 10}, {11.5, 15}, {15, 10}}));
    p.drawRect(QRectF(10.5, 1, 2, 10));
    return pixmap;
}
} // namespace

QIcon OrderPicture() {
    QIcon icon;
    for (int side : {16, 24, 32})
        icon.addPixmap(orderPixmap(side));
    return icon;
}

frmSource::frmSource(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmSource"));
    setAttribute(Qt::WA_DeleteOnClose);
    SetTextId(this, 4074);

    lblOrder = new QLabel(this);
    lblOrder->setObjectName(QStringLiteral("lblOrder"));
    lblOrder->setTextFormat(Qt::PlainText);
    tbrGraphSrc = new QToolBar(this);
    tbrGraphSrc->setObjectName(QStringLiteral("tbrGraphSrc"));
    txtSource = new TableTextBox(this);
    txtSource->setObjectName(QStringLiteral("txtSource"));

    // The label at the left, level with the toolbar at the right; the text below.
    auto* top = new QHBoxLayout;
    top->addWidget(lblOrder);
    top->addStretch(1);
    top->addWidget(tbrGraphSrc);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(top);
    layout->addWidget(txtSource, 1);

    SetUpForm(this);
    orderFlag_ = true;

    AddDataToolbarButtons(tbrGraphSrc, buttons_,
                          {ResString(4147), ResString(4148), ResString(4149)},
                          [this](int index) { tbrGraphSrc_ButtonClick(index); });
    buttons_[7] = AddToolbarButton(tbrGraphSrc, QStyle::SP_BrowserReload, ResString(4174),
                                   [this] { tbrGraphSrc_ButtonClick(7); });
    buttons_[7]->setIcon(OrderPicture());
    buttons_[8] = tbrGraphSrc->addSeparator();

    lblOrder->setText(orderCaption(true));
    connect(txtSource, &TableTextBox::CaretMoved, this, [] { GetChartPoint(); });
    CallOnActivation(this, [this] { Form_Activate(); });
    resize(640, 480);
}

frmSource::~frmSource() = default;

void frmSource::ShowTable(std::shared_ptr<const TableRows> rows, bool timeOrder) {
    orderFlag_ = timeOrder;
    headerOffset_ = rows->HeaderOffset();
    lblOrder->setText(orderCaption(timeOrder));
    txtSource->SetRows(std::move(rows));
}

QAction* frmSource::Button(int index) const {
    return index >= 1 && index <= 8 ? buttons_[index] : nullptr;
}

void frmSource::tbrGraphSrc_ButtonClick(int index) {
    switch (index) {
    case 2:
        save();
        break;
    case 3:
        if (DataTableHook().PrintData)
            DataTableHook().PrintData();
        break;
    case 5:
        CloseForm(this);
        break;
    case 7:
        // Value order now gives time order next, and back.
        ViewDataSource(orderFlag_ ? 0 : -1, -1);
        break;
    default:
        break;
    }
}

void frmSource::save() {
    if (txtSource->Rows())
        SaveTableTextCommand(*txtSource->Rows());
}

void frmSource::Form_Activate() {
    setWindowTitle(DataWindowCaption(CurrentData().CurrentFileName, ResString(4074)));
    emit Events().WindowActivated(this);
}

qint32 frmSource::CaretLine() const {
    return txtSource->CaretLine();
}
qint32 frmSource::SelectionLength() const {
    return txtSource->SelectionLength();
}
qint32 frmSource::LineLength(qint32 line) const {
    return txtSource->LineLength(line);
}
void frmSource::SelectLine(qint32 line) {
    txtSource->SelectLine(line);
}

frmSource* SourceWindow() {
    return Window<frmSource>().Instance();
}

frmSource& LoadSourceWindow() {
    return Window<frmSource>().Load();
}

bool SourceViewOpen() {
    return Window<frmSource>().IsOpen();
}
