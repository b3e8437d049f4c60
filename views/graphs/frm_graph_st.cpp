#include "views/graphs/frm_graph_st.h"

#include "core/language.h"
#include "core/message_box.h"
#include "data/dataset.h"
#include "platform/chart/chart_widget.h"
#include "stats/histogram.h"
#include "text/file_text_locale.h"
#include "views/graphs/graph_builders.h"
#include "views/graphs/graph_picture.h"
#include "views/graphs/limit_box.h"
#include "views/windows/single_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int FewestClasses = 3;
constexpr int MostClasses = 11;

const GraphWindowKind StatisticsWindow{
    "frmGraphSt", 4008, "teeStatistics", "tbrGraphSt", 3036, GraphStPictureFilter, "ST"};
} // namespace

frmGraphSt::frmGraphSt(QWidget* parent) : GraphWindow(parent, StatisticsWindow) {
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

    // Two columns, the limits side by side and the refresh beside the classes: the whole
    // frame stays in view in a window of a tile's height.
    QVBoxLayout* frame = NewFrameLayout();
    frame->setContentsMargins(6, 2, 4, 2);
    frame->setSpacing(2);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(1);
    auto limitBox = [](LimitBox* box, LimitUpDown* upDown) {
        auto* row = new QHBoxLayout;
        row->setSpacing(1);
        row->addWidget(box);
        row->addWidget(upDown);
        row->addStretch(1);
        return row;
    };
    grid->addWidget(lblText[0], 0, 0);
    grid->addLayout(limitBox(txtMinValue, updMin), 1, 0);
    grid->addWidget(lblText[1], 0, 1);
    grid->addLayout(limitBox(txtMaxValue, updMax), 1, 1);
    grid->setRowMinimumHeight(2, 4);
    grid->addWidget(lblText[2], 3, 0);
    grid->addWidget(cboNumClassi, 4, 0, Qt::AlignLeft);
    grid->addWidget(btnRefresh, 4, 1, Qt::AlignLeft);
    frame->addLayout(grid);
    frame->addStretch(1);
    connect(btnRefresh, &QPushButton::clicked, this, [this] { btnRefresh_Click(); });

    PlaceChartAndFrame();
}

frmGraphSt::~frmGraphSt() = default;

void frmGraphSt::Form_Load() {
    LoadFormAndToolbar();
    btnRefresh->setToolTip(ResString(4145));
    // Each box is known by its label's caption (without the mnemonic mark).
    const QLabel* names[3] = {lblText[0], lblText[1], lblText[2]};
    QWidget* boxes[3] = {txtMinValue, txtMaxValue, cboNumClassi};
    for (int k = 0; k < 3; ++k)
        boxes[k]->setAccessibleName(QString(names[k]->text()).remove(QLatin1Char('&')));
    updMin->SetNames(txtMinValue->accessibleName());
    updMax->SetNames(txtMaxValue->accessibleName());

    FitControlFrame();

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
