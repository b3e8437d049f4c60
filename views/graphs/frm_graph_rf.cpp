#include "views/graphs/frm_graph_rf.h"

#include "core/language.h"
#include "core/options.h"
#include "data/dataset.h"
#include "platform/bgr_color.h"
#include "platform/chart/chart_widget.h"
#include "views/graphs/graph_builders.h"
#include "views/graphs/graph_hooks.h"
#include "views/graphs/graph_picture.h"
#include "views/table/view_data_source.h"
#include "views/windows/single_window.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const GraphWindowKind RfWindow{"frmGraphRf",       4205, "teeEvolution", "tbrGraphTe", 3007,
                               GraphPictureFilter, "RF"};
} // namespace

frmGraphRf::frmGraphRf(QWidget* parent) : CrosshairGraphWindow(parent, RfWindow) {
    QVBoxLayout* frame = NewFrameLayout();
    frame->setContentsMargins(4, 4, 4, 4);
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
    connect(chkHidePlot[0], &QCheckBox::toggled, this, [this] { chkHidePlot_Click(0); });
    btnFullScale = new QPushButton(fmeControl);
    btnFullScale->setObjectName(QStringLiteral("btnFullScale"));
    SetTextId(btnFullScale, 4020);
    frame->addSpacing(24);
    frame->addWidget(btnFullScale, 0, Qt::AlignHCenter);
    frame->addStretch(1);
    connect(btnFullScale, &QPushButton::clicked, this, [this] { btnFullScale_Click(); });

    PlaceChartAndFrame();

    // A click on a point tells the data table, which follows it when open.
    connect(teeEvolution, &ChartWidget::PointClicked, this,
            [](int, qint32 index) { GetSourceRow(index); });
}

frmGraphRf::~frmGraphRf() = default;

void frmGraphRf::Form_Load() {
    LoadFormAndToolbar();
    btnFullScale->setToolTip(ResString(4146));
    FitControlFrame();

    QPalette palette = Linea[0]->palette();
    palette.setColor(QPalette::Window, BgrColor(Options().SeriesColor[0]));
    Linea[0]->setPalette(palette);

    GraphSetup(teeEvolution->Model(), GraphKind::Rf, GraphSwitches());
    DrawGraph(teeEvolution->Model(), GraphKind::Rf, GraphSwitches());
    teeEvolution->Refresh();
}

void frmGraphRf::chkHidePlot_Click(int index) {
    if (index != 0 || teeEvolution->Model().SeriesCount() < 1)
        return;
    // The single series hidden leaves the cross-hair where it is.
    teeEvolution->Model().Series(0).Active = !chkHidePlot[0]->isChecked();
    teeEvolution->Refresh();
}

bool GraphRfOpen() {
    return Window<frmGraphRf>().IsOpen();
}
