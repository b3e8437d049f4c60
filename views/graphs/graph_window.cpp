#include "views/graphs/graph_window.h"

#include "core/language.h"
#include "core/program_events.h"
#include "data/dataset.h"
#include "platform/chart/chart_widget.h"
#include "views/graphs/graph_builders.h"
#include "views/graphs/graph_hooks.h"
#include "views/graphs/graph_picture.h"
#include "views/windows/child_form.h"
#include "views/windows/data_toolbar.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// 1700 twips at 15 twips a pixel: the control frame's width.
constexpr int FrameWidth = 113;
} // namespace

GraphWindow::GraphWindow(QWidget* parent, const GraphWindowKind& kind)
    : QWidget(parent), kind_(kind) {
    setObjectName(QLatin1String(kind.formName));
    setAttribute(Qt::WA_DeleteOnClose);
    SetTextId(this, kind.captionId);

    chart_ = new ChartWidget(this);
    chart_->setObjectName(QLatin1String(kind.chartName));
    fmeControl = new QGroupBox(this);
    fmeControl->setObjectName(QStringLiteral("fmeControl"));
    SetTextId(fmeControl, 4009);
    toolbar_ = new QToolBar(fmeControl);
    toolbar_->setObjectName(QLatin1String(kind.toolbarName));
    toolbar_->setIconSize(QSize(16, 16));
}

GraphWindow::~GraphWindow() = default;

QVBoxLayout* GraphWindow::NewFrameLayout() {
    auto* frame = new QVBoxLayout(fmeControl);
    frame->addWidget(toolbar_, 0, Qt::AlignHCenter);
    return frame;
}

void GraphWindow::PlaceChartAndFrame() {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(3);
    layout->addWidget(chart_, 1);
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

void GraphWindow::LoadFormAndToolbar() {
    SetUpForm(this);
    toolbar_->clear();
    AddDataToolbarButtons(toolbar_, buttons_, {ResString(4142), ResString(4143), ResString(4144)},
                          [this](int index) { ToolbarButtonClick(index); });
}

void GraphWindow::FitControlFrame() {
    fmeControl->ensurePolished();
    toolbar_->adjustSize();
    toolbar_->setMinimumWidth(toolbar_->sizeHint().width());
    fmeControl->adjustSize();
    const int frameWidth = std::max(
        {FrameWidth, fmeControl->sizeHint().width(), fmeControl->minimumSizeHint().width()});
    fmeControl->setMinimumWidth(frameWidth);
    controlScroll_->setFixedWidth(frameWidth +
                                  controlScroll_->verticalScrollBar()->sizeHint().width());
}

void GraphWindow::Form_Activate() {
    setWindowTitle(DataWindowCaption(CurrentData().CurrentFileName, ResString(kind_.captionId)));
    emit Events().WindowActivated(this);
}

void GraphWindow::ToolbarButtonClick(int index) {
    switch (index) {
    case 2:
        SaveGraphPicture(chart_->Model(), chart_->font(), ResString(kind_.pictureTitleId),
                         kind_.pictureFilter());
        break;
    case 3:
        // The page carries this window's own chart.
        if (GraphHook().PrintGraph) {
            const DataSet& data = CurrentData();
            GraphHook().PrintGraph(ResString(4083) + QStringLiteral(" ") + data.IDShort.trimmed() +
                                       QStringLiteral(" - ") + data.IDLong.trimmed(),
                                   QLatin1String(kind_.printCode));
        }
        break;
    case 5:
        CloseForm(this);
        break;
    default:
        break;
    }
}

QAction* GraphWindow::Button(int index) const {
    return index >= 1 && index <= 6 ? buttons_[index] : nullptr;
}

CrosshairGraphWindow::CrosshairGraphWindow(QWidget* parent, const GraphWindowKind& kind)
    : GraphWindow(parent, kind) {
    connect(chart_, &ChartWidget::ViewChanged, this, [this] { HideCrosshair(); });
}

void CrosshairGraphWindow::btnFullScale_Click() {
    chart_->UndoZoom();
}

qint32 CrosshairGraphWindow::PointCount(int series) const {
    const ChartModel& model = chart_->Model();
    return series >= 0 && series < model.SeriesCount() ? model.Series(series).Count() : 0;
}

bool CrosshairGraphWindow::SeriesShown(int series) const {
    const ChartModel& model = chart_->Model();
    return series >= 0 && series < model.SeriesCount() && model.Series(series).Active;
}

void CrosshairGraphWindow::ShowCrosshair(int series, qint32 point) {
    const auto pixel = PointPixel(chart_->Model(), chart_->Geometry(), series, point);
    if (!pixel) {
        chart_->HideCrossHair();
        return;
    }
    chart_->SetCrossHair(*pixel);
}

void CrosshairGraphWindow::HideCrosshair() {
    chart_->HideCrossHair();
}

bool CrosshairGraphWindow::CrosshairVisible() const {
    return chart_->CrossHairVisible();
}

void CrosshairGraphWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    HideCrosshair();
}
