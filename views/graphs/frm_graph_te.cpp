#include "views/graphs/frm_graph_te.h"

#include "core/language.h"
#include "core/options.h"
#include "data/dataset.h"
#include "platform/bgr_color.h"
#include "platform/busy_pointer.h"
#include "platform/chart/chart_widget.h"
#include "views/graphs/graph_hooks.h"
#include "views/graphs/graph_picture.h"
#include "views/table/view_data_source.h"
#include "views/windows/single_window.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const GraphWindowKind TimeEvolutionWindow{
    "frmGraphTe", 4014, "teeEvolution", "tbrGraphTe", 3007, GraphPictureFilter, "TE"};
} // namespace

frmGraphTe::frmGraphTe(QWidget* parent) : CrosshairGraphWindow(parent, TimeEvolutionWindow) {
    QVBoxLayout* frame = NewFrameLayout();
    frame->setContentsMargins(4, 4, 4, 4);
    frame->setSpacing(4);
    frame->addSpacing(4);
    // One row a series, its name over its colour beside its hide box, so that the four
    // rows, the switch and the buttons fit a window of a tile's height.
    auto* legend = new QGridLayout;
    legend->setHorizontalSpacing(6);
    legend->setVerticalSpacing(6);
    frame->addLayout(legend);
    const int legendIds[4] = {4015, 4016, 4017, 4018};
    for (int k = 0; k < 4; ++k) {
        lblDescrizione[k] = new QLabel(fmeControl);
        lblDescrizione[k]->setObjectName(QStringLiteral("lblDescrizione%1").arg(k));
        SetTextId(lblDescrizione[k], legendIds[k]);
        Linea[k] = new QFrame(fmeControl);
        Linea[k]->setObjectName(QStringLiteral("Linea%1").arg(k));
        Linea[k]->setFixedSize(48, 2);
        Linea[k]->setAutoFillBackground(true);
        chkHidePlot[k] = new QCheckBox(fmeControl);
        chkHidePlot[k]->setObjectName(QStringLiteral("chkHidePlot%1").arg(k));
        SetTextId(chkHidePlot[k], 4019);
        auto* key = new QVBoxLayout;
        key->setSpacing(1);
        key->addWidget(lblDescrizione[k], 0, Qt::AlignHCenter);
        key->addWidget(Linea[k], 0, Qt::AlignHCenter);
        legend->addLayout(key, k, 0);
        legend->addWidget(chkHidePlot[k], k, 1);
        connect(chkHidePlot[k], &QCheckBox::toggled, this, [this, k] { chkHidePlot_Click(k); });
    }
    chkLogaritmic = new QCheckBox(fmeControl);
    chkLogaritmic->setObjectName(QStringLiteral("chkLogaritmic"));
    SetTextId(chkLogaritmic, 4208);
    btnFullScale = new QPushButton(fmeControl);
    btnFullScale->setObjectName(QStringLiteral("btnFullScale"));
    SetTextId(btnFullScale, 4020);
    btnShowRf = new QPushButton(fmeControl);
    btnShowRf->setObjectName(QStringLiteral("btnShowRf"));
    SetTextId(btnShowRf, 4207);
    frame->addSpacing(4);
    frame->addWidget(chkLogaritmic, 0, Qt::AlignHCenter);
    frame->addSpacing(4);
    frame->addWidget(btnFullScale, 0, Qt::AlignHCenter);
    frame->addWidget(btnShowRf, 0, Qt::AlignHCenter);
    frame->addStretch(1);
    connect(chkLogaritmic, &QCheckBox::toggled, this, [this] { chkLogaritmic_Click(); });
    connect(btnFullScale, &QPushButton::clicked, this, [this] { btnFullScale_Click(); });
    connect(btnShowRf, &QPushButton::clicked, this, [this] { btnShowRf_Click(); });

    PlaceChartAndFrame();

    // A click on a point tells the data table, which follows it when open.
    connect(teeEvolution, &ChartWidget::PointClicked, this,
            [this](int, qint32 index) { emit PointClicked(index); });
    connect(this, &frmGraphTe::PointClicked, this, [](qint32 index) { GetSourceRow(index); });
}

frmGraphTe::~frmGraphTe() = default;

void frmGraphTe::Form_Load() {
    LoadFormAndToolbar();
    btnFullScale->setToolTip(ResString(4146));
    FitControlFrame();

    for (int k = 0; k < 4; ++k) {
        QPalette palette = Linea[k]->palette();
        palette.setColor(QPalette::Window, BgrColor(Options().SeriesColor[k]));
        Linea[k]->setPalette(palette);
    }
    btnShowRf->setVisible(CurrentData().RfDataPresent);

    GraphSetup(teeEvolution->Model(), GraphKind::TimeEvolution, Switches());
    DrawGraph(teeEvolution->Model(), GraphKind::TimeEvolution, Switches());
    teeEvolution->Refresh();
}

void frmGraphTe::btnShowRf_Click() {
    BusyPointer busy;
    if (GraphHook().ShowRfGraph)
        GraphHook().ShowRfGraph();
}

void frmGraphTe::chkLogaritmic_Click() {
    ChartAxis& axis = teeEvolution->Model().LeftAxis;
    axis.LogarithmicBase = 10;
    if (chkLogaritmic->isChecked()) {
        axis.Maximum = 1;
        axis.Minimum = 0;
    }
    axis.Logarithmic = chkLogaritmic->isChecked();
    rebuild();
}

void frmGraphTe::chkHidePlot_Click(int index) {
    if (index < 0 || index > 3 || index >= teeEvolution->Model().SeriesCount())
        return;
    teeEvolution->Model().Series(index).Active = !chkHidePlot[index]->isChecked();
    if (index == 3)
        HideCrosshair();
    teeEvolution->Refresh();
}

GraphSwitches frmGraphTe::Switches() const {
    GraphSwitches switches;
    switches.logarithmic = chkLogaritmic->isChecked();
    for (int k = 0; k < 4; ++k)
        switches.hidden[k] = chkHidePlot[k]->isChecked();
    return switches;
}

void frmGraphTe::SetCrossHair(qint32 point, int series) {
    ShowCrosshair(series, point);
}

void frmGraphTe::rebuild() {
    HideCrosshair();
    GraphSetup(teeEvolution->Model(), GraphKind::TimeEvolution, Switches());
    DrawGraph(teeEvolution->Model(), GraphKind::TimeEvolution, Switches());
    teeEvolution->Refresh();
}

frmGraphTe* GraphTeWindow() {
    return Window<frmGraphTe>().Instance();
}

frmGraphTe& LoadGraphTe() {
    return Window<frmGraphTe>().Load();
}

frmGraphTe& ShowGraphTe() {
    return Window<frmGraphTe>().Show();
}

void CloseGraphTe() {
    Window<frmGraphTe>().Unload();
}

bool GraphTeOpen() {
    return Window<frmGraphTe>().IsOpen();
}
