#include "views/graphs/frm_graph_st.h"

#include "core/language.h"
#include "core/message_box.h"
#include "core/program_events.h"
#include "data/dataset.h"
#include "platform/chart/chart_widget.h"
#include "stats/histogram.h"
#include "text/file_text_locale.h"
#include "views/graphs/graph_builders.h"
#include "views/graphs/graph_hooks.h"
#include "views/graphs/graph_picture.h"
#include "views/graphs/limit_box.h"
#include "views/windows/child_form.h"
#include "views/windows/data_toolbar.h"
#include "views/windows/single_window.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
// 1700 twips at 15 twips a pixel: the control frame's width.
constexpr int FrameWidth = 113;
constexpr int FewestClasses = 3;
constexpr int MostClasses = 11;
} // namespace

frmGraphSt::frmGraphSt(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmGraphSt"));
    setAttribute(Qt::WA_DeleteOnClose);
    SetTextId(this, 4008);

    teeStatistics = new ChartWidget(this);
    teeStatistics->setObjectName(QStringLiteral("teeStatistics"));
    fmeControl = new QGroupBox(this);
    fmeControl->setObjectName(QStringLiteral("fmeControl"));
    SetTextId(fmeControl, 4009);
    tbrGraphSt = new QToolBar(fmeControl);
    tbrGraphSt->setObjectName(QStringLiteral("tbrGraphSt"));
    tbrGraphSt->setIconSize(QSize(16, 16));

    const int labelIds[3] = {4010, 4011, 4012};
    for (int k = 0; k < 3; ++k) {
        lblText[k] = new QLabel(fmeControl);
        lblText[k]->setObjectName(QStringLiteral("lblText%1").arg(k));
        SetTextId(lblText[k], labelIds[k]);
    }
    txtMinValue = new LimitBox(fmeControl);
    txtMinValue->setObjectName(QStringLiteral("txtMinValue"));
    txtMaxValue = new LimitBox(fmeControl);
    txtMaxValue->setObjectName(QStringLiteral("txtMaxValue"));
    updMin = new LimitUpDown(txtMinValue, fmeControl);
    updMin->setObjectName(QStringLiteral("updMin"));
    updMax = new LimitUpDown(txtMaxValue, fmeControl);
    updMax->setObjectName(QStringLiteral("updMax"));
    cboNumClassi = new QComboBox(fmeControl);
    cboNumClassi->setObjectName(QStringLiteral("cboNumClassi"));
    btnRefresh = new QPushButton(fmeControl);
    btnRefresh->setObjectName(QStringLiteral("btnRefresh"));
    SetTextId(btnRefresh, 4013);
    for (QWidget* box : {static_cast<QWidget*>(txtMinValue), static_cast<QWidget*>(txtMaxValue),
                         static_cast<QWidget*>(cboNumClassi)})
        box->setFixedWidth(60);
    lblText[0]->setBuddy(txtMinValue);
    lblText[1]->setBuddy(txtMaxValue);
    lblText[2]->setBuddy(cboNumClassi);

    auto* frame = new QVBoxLayout(fmeControl);
    frame->setContentsMargins(6, 4, 4, 4);
    frame->addWidget(tbrGraphSt, 0, Qt::AlignHCenter);
    frame->addSpacing(12);
    auto limitRow = [&](QLabel* label, LimitBox* box, LimitUpDown* upDown) {
        frame->addWidget(label);
        auto* row = new QHBoxLayout;
        row->setSpacing(1);
        row->addWidget(box);
        row->addWidget(upDown);
        row->addStretch(1);
        frame->addLayout(row);
        frame->addSpacing(8);
    };
    limitRow(lblText[0], txtMinValue, updMin);
    limitRow(lblText[1], txtMaxValue, updMax);
    frame->addWidget(lblText[2]);
    frame->addWidget(cboNumClassi, 0, Qt::AlignLeft);
    frame->addSpacing(16);
    frame->addWidget(btnRefresh, 0, Qt::AlignHCenter);
    frame->addStretch(1);
    connect(btnRefresh, &QPushButton::clicked, this, [this] { btnRefresh_Click(); });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(3);
    layout->addWidget(teeStatistics, 1);
    // A window lower than the frame's controls scrolls them rather than cutting them off.
    controlScroll_ = new QScrollArea(this);
    controlScroll_->setObjectName(QStringLiteral("fmeControlScroll"));
    controlScroll_->setFrameShape(QFrame::NoFrame);
    controlScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    controlScroll_->setWidgetResizable(true);
    controlScroll_->setWidget(fmeControl);
    layout->addWidget(controlScroll_, 0);

    CallOnActivation(this, [this] { Form_Activate(); });
    resize(760, 520);
}

frmGraphSt::~frmGraphSt() = default;

void frmGraphSt::Form_Load() {
    SetUpForm(this);
    tbrGraphSt->clear();
    AddDataToolbarButtons(tbrGraphSt, buttons_, {ResString(4142), ResString(4143), ResString(4144)},
                          [this](int index) { tbrGraphSt_ButtonClick(index); });
    btnRefresh->setToolTip(ResString(4145));
    // Each box is known by its label's caption (without the mnemonic mark).
    const QLabel* names[3] = {lblText[0], lblText[1], lblText[2]};
    QWidget* boxes[3] = {txtMinValue, txtMaxValue, cboNumClassi};
    for (int k = 0; k < 3; ++k)
        boxes[k]->setAccessibleName(QString(names[k]->text()).remove(QLatin1Char('&')));
    updMin->SetNames(txtMinValue->accessibleName());
    updMax->SetNames(txtMaxValue->accessibleName());

    // Measured in the style the frame is shown in, so no caption or button is cut off; the
    // toolbar keeps room for all its buttons instead of folding the last away.
    fmeControl->ensurePolished();
    tbrGraphSt->adjustSize();
    tbrGraphSt->setMinimumWidth(tbrGraphSt->sizeHint().width());
    fmeControl->adjustSize();
    const int frameWidth = std::max(
        {FrameWidth, fmeControl->sizeHint().width(), fmeControl->minimumSizeHint().width()});
    fmeControl->setMinimumWidth(frameWidth);
    controlScroll_->setFixedWidth(frameWidth +
                                  controlScroll_->verticalScrollBar()->sizeHint().width());

    // The limits start from the data set's own minimum and maximum, as they are: a
    // maximum above 50 µT stays until the user leaves the box.
    const DataSet& data = CurrentData();
    txtMinValue->setText(LimitText(data.ResMin));
    txtMaxValue->setText(LimitText(data.ResMax));
    cboNumClassi->clear();
    for (int classes = FewestClasses; classes <= MostClasses; ++classes)
        cboNumClassi->addItem(QStringLiteral(" ") + QString::number(classes));
    cboNumClassi->setCurrentIndex(MostClasses - FewestClasses);

    draw(static_cast<float>(Val(txtMinValue->text())), static_cast<float>(Val(txtMaxValue->text())),
         MostClasses);
}

void frmGraphSt::Form_Activate() {
    setWindowTitle(DataWindowCaption(CurrentData().CurrentFileName, ResString(4008)));
    emit Events().WindowActivated(this);
}

void frmGraphSt::btnRefresh_Click() {
    const double maxValue = Val(txtMaxValue->text());
    const double minValue = Val(txtMinValue->text());
    if (maxValue <= minValue) {
        MessBox(ResString(30), QString(), -1, -1);
        return;
    }
    draw(static_cast<float>(minValue), static_cast<float>(maxValue),
         cboNumClassi->currentIndex() + FewestClasses);
}

void frmGraphSt::tbrGraphSt_ButtonClick(int index) {
    switch (index) {
    case 2:
        SaveGraphPicture(teeStatistics->Model(), teeStatistics->font(), ResString(3036),
                         GraphStPictureFilter());
        break;
    case 3:
        if (GraphHook().PrintGraph) {
            const DataSet& data = CurrentData();
            GraphHook().PrintGraph(ResString(4083) + QStringLiteral(" ") + data.IDShort.trimmed() +
                                       QStringLiteral(" - ") + data.IDLong.trimmed(),
                                   QStringLiteral("ST"));
        }
        break;
    case 5:
        CloseForm(this);
        break;
    default:
        break;
    }
}

QAction* frmGraphSt::Button(int index) const {
    return index >= 1 && index <= 6 ? buttons_[index] : nullptr;
}

void frmGraphSt::draw(float minValue, float maxValue, int classes) {
    GraphSetup(teeStatistics->Model(), GraphKind::Statistics, GraphSwitches());
    // Classes that cannot be built (limits equal, no samples) draw an empty histogram, never
    // the classes of an earlier data set or an earlier refresh.
    if (!DoStatistics(Histogram(), Resultants(CurrentData()), minValue, maxValue, classes))
        Histogram() = HistogramClasses();
    DrawGraph(teeStatistics->Model(), GraphKind::Statistics, GraphSwitches());
    teeStatistics->Refresh();
}

bool GraphStOpen() {
    return Window<frmGraphSt>().IsOpen();
}

QString GraphStPictureFilter() {
    return QStringLiteral("JPEG Image (*.jpg);;SVG Image (*.svg)");
}
