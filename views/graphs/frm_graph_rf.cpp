#include "views/graphs/frm_graph_rf.h"

#include "core/language.h"
#include "core/options.h"
#include "core/program_events.h"
#include "data/dataset.h"
#include "platform/chart/chart_widget.h"
#include "views/graphs/graph_builders.h"
#include "views/graphs/graph_colors.h"
#include "views/graphs/graph_hooks.h"
#include "views/graphs/graph_picture.h"
#include "views/table/view_data_source.h"
#include "views/windows/child_form.h"
#include "views/windows/data_toolbar.h"
#include "views/windows/single_window.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
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
} // namespace

frmGraphRf::frmGraphRf(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmGraphRf"));
    setAttribute(Qt::WA_DeleteOnClose);
    SetTextId(this, 4205);

    teeEvolution = new ChartWidget(this);
    teeEvolution->setObjectName(QStringLiteral("teeEvolution"));
    fmeControl = new QGroupBox(this);
    fmeControl->setObjectName(QStringLiteral("fmeControl"));
    SetTextId(fmeControl, 4009);
    tbrGraphTe = new QToolBar(fmeControl);
    tbrGraphTe->setObjectName(QStringLiteral("tbrGraphTe"));
    tbrGraphTe->setIconSize(QSize(16, 16));

    auto* frame = new QVBoxLayout(fmeControl);
    frame->setContentsMargins(4, 4, 4, 4);
    frame->addWidget(tbrGraphTe, 0, Qt::AlignHCenter);
    frame->addSpacing(12);
    lblDescrizione[0] = new QLabel(fmeControl);
    lblDescrizione[0]->setObjectName(QStringLiteral("lblDescrizione0"));
    SetTextId(lblDescrizione[0], 4206);
    Linea[0] = new QFrame(fmeControl);
    Linea[0]->setObjectName(QStringLiteral("Linea0"));
    Linea[0]->setFixedSize(60, 2);
    Linea[0]->setAutoFillBackground(true);
    chkHidePlot[0] = new QCheckBox(fmeControl);
    chkHidePlot[0]->setObjectName(QStringLiteral("chkHidePlot0"));
    SetTextId(chkHidePlot[0], 4019);
    frame->addWidget(lblDescrizione[0], 0, Qt::AlignHCenter);
    frame->addWidget(Linea[0], 0, Qt::AlignHCenter);
    frame->addWidget(chkHidePlot[0], 0, Qt::AlignHCenter);
    connect(chkHidePlot[0], &QCheckBox::clicked, this, [this] { chkHidePlot_Click(0); });
    btnFullScale = new QPushButton(fmeControl);
    btnFullScale->setObjectName(QStringLiteral("btnFullScale"));
    SetTextId(btnFullScale, 4020);
    frame->addSpacing(24);
    frame->addWidget(btnFullScale, 0, Qt::AlignHCenter);
    frame->addStretch(1);
    connect(btnFullScale, &QPushButton::clicked, this, [this] { btnFullScale_Click(); });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(3);
    layout->addWidget(teeEvolution, 1);
    controlScroll_ = new QScrollArea(this);
    controlScroll_->setObjectName(QStringLiteral("fmeControlScroll"));
    controlScroll_->setFrameShape(QFrame::NoFrame);
    controlScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    controlScroll_->setWidgetResizable(true);
    controlScroll_->setWidget(fmeControl);
    layout->addWidget(controlScroll_, 0);

    connect(teeEvolution, &ChartWidget::PointClicked, this,
            [](int, qint32 index) { GetSourceRow(index); });
    connect(teeEvolution, &ChartWidget::ViewChanged, this, [this] { HideCrosshair(); });
    CallOnActivation(this, [this] { Form_Activate(); });
    resize(760, 520);
}

frmGraphRf::~frmGraphRf() = default;

void frmGraphRf::Form_Load() {
    SetUpForm(this);
    tbrGraphTe->clear();
    AddDataToolbarButtons(tbrGraphTe, buttons_, {ResString(4142), ResString(4143), ResString(4144)},
                          [this](int index) { tbrGraphTe_ButtonClick(index); });
    btnFullScale->setToolTip(ResString(4146));
    // Measured in the style the frame is shown in, so no caption or button is cut off; the
    // toolbar keeps room for all its buttons instead of folding the last away.
    fmeControl->ensurePolished();
    tbrGraphTe->adjustSize();
    tbrGraphTe->setMinimumWidth(tbrGraphTe->sizeHint().width());
    fmeControl->adjustSize();
    const int frameWidth = std::max(
        {FrameWidth, fmeControl->sizeHint().width(), fmeControl->minimumSizeHint().width()});
    fmeControl->setMinimumWidth(frameWidth);
    controlScroll_->setFixedWidth(frameWidth +
                                  controlScroll_->verticalScrollBar()->sizeHint().width());

    QPalette palette = Linea[0]->palette();
    palette.setColor(QPalette::Window, OptionColor(Options().SeriesColor[0]));
    Linea[0]->setPalette(palette);

    GraphSetup(teeEvolution->Model(), GraphKind::Rf, GraphSwitches());
    DrawGraph(teeEvolution->Model(), GraphKind::Rf, GraphSwitches());
    teeEvolution->Refresh();
}

void frmGraphRf::Form_Activate() {
    setWindowTitle(DataWindowCaption(CurrentData().CurrentFileName, ResString(4205)));
    emit Events().WindowActivated(this);
}

void frmGraphRf::btnFullScale_Click() {
    teeEvolution->UndoZoom();
}

void frmGraphRf::chkHidePlot_Click(int index) {
    if (index != 0 || teeEvolution->Model().SeriesCount() < 1)
        return;
    // The single series hidden leaves the cross-hair where it is.
    teeEvolution->Model().Series(0).Active = !chkHidePlot[0]->isChecked();
    teeEvolution->Refresh();
}

void frmGraphRf::tbrGraphTe_ButtonClick(int index) {
    switch (index) {
    case 2:
        SaveGraphPicture(teeEvolution->Model(), teeEvolution->font(), ResString(3007),
                         GraphPictureFilter());
        break;
    case 3:
        // This window's own chart: the page carries the RF channel, not the time evolution.
        if (GraphHook().PrintGraph) {
            const DataSet& data = CurrentData();
            GraphHook().PrintGraph(ResString(4083) + QStringLiteral(" ") + data.IDShort.trimmed() +
                                       QStringLiteral(" - ") + data.IDLong.trimmed(),
                                   QStringLiteral("RF"));
        }
        break;
    case 5:
        CloseForm(this);
        break;
    default:
        break;
    }
}

QAction* frmGraphRf::Button(int index) const {
    return index >= 1 && index <= 6 ? buttons_[index] : nullptr;
}

qint32 frmGraphRf::PointCount(int series) const {
    const ChartModel& model = teeEvolution->Model();
    return series >= 0 && series < model.SeriesCount() ? model.Series(series).Count() : 0;
}

bool frmGraphRf::SeriesShown(int series) const {
    const ChartModel& model = teeEvolution->Model();
    return series >= 0 && series < model.SeriesCount() && model.Series(series).Active;
}

void frmGraphRf::ShowCrosshair(int series, qint32 point) {
    const auto pixel = PointPixel(teeEvolution->Model(), teeEvolution->Geometry(), series, point);
    if (!pixel) {
        teeEvolution->HideCrossHair();
        return;
    }
    teeEvolution->SetCrossHair(*pixel);
}

void frmGraphRf::HideCrosshair() {
    teeEvolution->HideCrossHair();
}

bool frmGraphRf::CrosshairVisible() const {
    return teeEvolution->CrossHairVisible();
}

void frmGraphRf::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    HideCrosshair();
}

bool GraphRfOpen() {
    return Window<frmGraphRf>().IsOpen();
}
