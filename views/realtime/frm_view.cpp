#include "views/realtime/frm_view.h"

#include "core/language.h"
#include "core/options.h"
#include "core/program_events.h"
#include "data/live/realtime_set.h"
#include "data/live/realtime_view.h"
#include "platform/bgr_color.h"
#include "platform/chart/chart_widget.h"
#include "views/realtime/bar_meter.h"
#include "views/realtime/realtime_drawing.h"
#include "views/realtime/realtime_layout.h"
#include "views/realtime/vector_drawing.h"
#include "views/windows/child_form.h"
#include "views/windows/single_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {
// 9000 x 6150 twips at 15 twips a pixel.
constexpr int LoadWidth = 600;
constexpr int LoadHeight = 410;
constexpr int ControlWidth = 140;
constexpr int ScaleButtonWidth = 34;
constexpr int ScaleButtonHeight = 22;
constexpr int StatusPictureWidth = 20;
constexpr quint32 LoadMeterColour = 0xC000; // green, before the first reading
const char* const ScaleCaptions[9] = {".1", ".2", ".5", "1", "2", "5", "10", "20", "50"};

// The polling status pictures: 0 not polling, 1 polling.
QPixmap statusPicture(int picture) {
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(picture == 1 ? QColor(0, 0xC0, 0) : QColor(0xA0, 0xA0, 0xA0));
    p.drawEllipse(QRectF(1.5, 1.5, 11, 11));
    return pixmap;
}

void setTextIfChanged(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}
} // namespace

frmView::frmView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmView"));
    setAttribute(Qt::WA_DeleteOnClose);
    SetTextId(this, 4075);

    teeRealEvolution = new ChartWidget(this);
    teeRealEvolution->setObjectName(QStringLiteral("teeRealEvolution"));
    teeRealEvolution->setAccessibleName(QStringLiteral("teeRealEvolution"));

    fmeControl = new QGroupBox(this);
    fmeControl->setObjectName(QStringLiteral("fmeControl"));
    // The frame is as high as the chart, a third of the window: each series keeps its
    // legend, its line and its hide box on one row, and what the frame cannot show at once
    // scrolls instead of being cut.
    auto* frameLayout = new QVBoxLayout(fmeControl);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    controlScroll_ = new QScrollArea(fmeControl);
    controlScroll_->setObjectName(QStringLiteral("fmeControlScroll"));
    controlScroll_->setFrameShape(QFrame::NoFrame);
    controlScroll_->setWidgetResizable(true);
    controlScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frameLayout->addWidget(controlScroll_);
    auto* options = new QWidget;
    options->setObjectName(QStringLiteral("fmeControlOptions"));
    auto* control = new QGridLayout(options);
    control->setContentsMargins(4, 0, 4, 0);
    control->setHorizontalSpacing(4);
    control->setVerticalSpacing(0);
    const int legendIds[4] = {4015, 4016, 4017, 4018};
    for (int k = 0; k < 4; ++k) {
        Label1[k] = new QLabel(options);
        Label1[k]->setObjectName(QStringLiteral("Label1_%1").arg(k));
        SetTextId(Label1[k], legendIds[k]);
        shpLine[k] = new QFrame(options);
        shpLine[k]->setObjectName(QStringLiteral("shpLine%1").arg(k));
        shpLine[k]->setFixedSize(50, 2);
        shpLine[k]->setAutoFillBackground(true);
        control->addWidget(Label1[k], k, 0);
        control->addWidget(shpLine[k], k, 1, Qt::AlignVCenter);
        if (k < 3) {
            chkShowTrace[k] = new QCheckBox(options);
            chkShowTrace[k]->setObjectName(QStringLiteral("chkShowTrace%1").arg(k));
            // Ticked hides the series, as the graph windows' boxes do: the caption says so.
            SetTextId(chkShowTrace[k], 4019);
            control->addWidget(chkShowTrace[k], k, 2);
            connect(chkShowTrace[k], &QCheckBox::toggled, this,
                    [this, k] { chkShowTrace_Click(k); });
        }
    }
    chkAxisType = new QCheckBox(options);
    chkAxisType->setObjectName(QStringLiteral("chkAxisType"));
    SetTextId(chkAxisType, 4208);
    chkBeeper = new QCheckBox(QStringLiteral("Attiva l'allarme acustico"), options);
    chkBeeper->setObjectName(QStringLiteral("chkBeeper"));
    chkBeeper->setAccessibleName(chkBeeper->text());
    control->addWidget(chkAxisType, 4, 0, 1, 3);
    control->addWidget(chkBeeper, 5, 0, 1, 3);
    control->setRowStretch(6, 1);
    control->setColumnStretch(0, 1);
    controlScroll_->setWidget(options);
    connect(chkAxisType, &QCheckBox::toggled, this, [this] { chkAxisType_Click(); });

    Disegno = new VectorDrawing(this);
    Disegno->setObjectName(QStringLiteral("Disegno"));
    Disegno->setAccessibleName(QStringLiteral("Disegno"));
    Punto = new QLabel(QStringLiteral("P (x,y,z)"), Disegno);
    Punto->setObjectName(QStringLiteral("Punto"));
    Punto->setAttribute(Qt::WA_TransparentForMouseEvents);

    shpScale = new QFrame(this);
    shpScale->setObjectName(QStringLiteral("shpScale"));
    shpScale->setFrameShape(QFrame::Box);
    scaleGroup = new QButtonGroup(this);
    scaleGroup->setExclusive(true);
    for (int i = 0; i < 9; ++i) {
        MoltButton[i] = new QPushButton(QString::fromLatin1(ScaleCaptions[i]), this);
        MoltButton[i]->setObjectName(QStringLiteral("MoltButton%1").arg(i));
        MoltButton[i]->setAccessibleName(MoltButton[i]->text());
        MoltButton[i]->setCheckable(true);
        scaleGroup->addButton(MoltButton[i], i);
        // The scale follows the button that becomes pressed, however it was pressed; a
        // click on the pressed one draws the vector again.
        connect(MoltButton[i], &QPushButton::toggled, this, [this, i](bool pressed) {
            if (pressed)
                MoltButton_Click(i);
        });
        connect(MoltButton[i], &QPushButton::clicked, this, [this, i] {
            if (RealTimeSet().ScaleIndex == i)
                MoltButton_Click(i);
        });
    }
    lblScale = new QLabel(QStringLiteral("T/div"), this);
    lblScale->setObjectName(QStringLiteral("lblScale"));
    lblScale->setAlignment(Qt::AlignCenter);

    fmeMeasures = new QGroupBox(this);
    fmeMeasures->setObjectName(QStringLiteral("fmeMeasures"));
    SetTextId(fmeMeasures, 4076);
    const char* const valueCaptions[4] = {"Px =", "Py =", "Pz =", "P  ="};
    for (int i = 0; i < 4; ++i) {
        Pval[i] = new QLabel(QString::fromLatin1(valueCaptions[i]), fmeMeasures);
        Pval[i]->setObjectName(QStringLiteral("Pval%1").arg(i + 1));
        VMeter[i] = new BarMeter(fmeMeasures);
        VMeter[i]->setObjectName(QStringLiteral("VMeter%1").arg(i + 1));
        VMeter[i]->setAccessibleName(VMeter[i]->objectName());
        VMStart[i] = new QLabel(QStringLiteral("0 uT"), fmeMeasures);
        VMStart[i]->setObjectName(QStringLiteral("VMStart%1").arg(i + 1));
        VMStop[i] = new QLabel(QStringLiteral("XXX uT"), fmeMeasures);
        VMStop[i]->setObjectName(QStringLiteral("VMStop%1").arg(i + 1));
        VMStop[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    btnStartRealTime = new QPushButton(this);
    btnStartRealTime->setObjectName(QStringLiteral("btnStartRealTime"));
    SetTextId(btnStartRealTime, 4082);
    btnStopRealTime = new QPushButton(this);
    btnStopRealTime->setObjectName(QStringLiteral("btnStopRealTime"));
    SetTextId(btnStopRealTime, 4077);
    imgStato = new QLabel(this);
    imgStato->setObjectName(QStringLiteral("imgStato"));
    imgStato->setAlignment(Qt::AlignCenter);
    connect(btnStartRealTime, &QPushButton::clicked, this, [this] { btnStartRealTime_Click(); });
    connect(btnStopRealTime, &QPushButton::clicked, this, [this] { btnStopRealTime_Click(); });
    // The link gone while polling (replies missed, the port lost) ends the run: the view
    // returns to idle instead of showing a polling that no longer happens.
    connect(&Events(), &ProgramEvents::LinkStateChanged, this, [](bool connected) {
        if (!connected)
            RealTimeLinkLost();
    });

    CallOnActivation(this, [this] { Form_Activate(); });
}

QSize frmView::sizeHint() const {
    return QSize(LoadWidth, LoadHeight);
}

frmView::~frmView() {
    Form_Unload();
}

void frmView::Form_Load() {
    SetUpForm(this);
    // Every control is named for assistive tools by its caption.
    for (QPushButton* button : {btnStartRealTime, btnStopRealTime})
        button->setAccessibleName(button->text());
    for (QCheckBox* box : {chkShowTrace[0], chkShowTrace[1], chkShowTrace[2], chkAxisType})
        box->setAccessibleName(box->text());
    fmeMeasures->setAccessibleName(fmeMeasures->title());
    resize(LoadWidth, LoadHeight);

    RealTimeSetState& set = RealTimeSet();
    set.RtIDLong.clear();
    set.RtIDShort.clear();
    set.RtCount = 0;
    set.RtStepUnit = QStringLiteral("s");
    set.RtStep = 3;
    set.RealTimeActive = false;

    // The load presses the first button without drawing: nothing is laid out yet.
    set.ScaleIndex = 0;
    {
        const QSignalBlocker blocker(MoltButton[0]);
        MoltButton[0]->setChecked(true);
    }

    const float low = static_cast<float>(set.LowRangeFullScale);
    for (int i = 0; i < 4; ++i) {
        set.RtBarColor[i] = LoadMeterColour;
        set.RtRange[i] = MeterRange::Low;
        set.RtFullScale[i] = i < 3 ? low
                                   : ResultantFullScale(MeterRange::Low, set.LowRangeFullScale,
                                                        set.HighRangeFullScale);
    }

    ChartModel& chart = teeRealEvolution->Model();
    chart.RemoveAllSeries();
    chart.ZoomEnabled = false;
    chart.TitleVisible = false;
    chart.LegendVisible = false;
    chart.BackWallColor = Qt::white;
    for (int i = 0; i < 4; ++i) {
        ChartSeries& series = chart.AddSeries(ChartSeriesKind::Line);
        series.Color = BgrColor(Options().SeriesColor[i]);
        series.Title = ResString(4015 + i);
    }
    // Every point's label is the start plus three seconds a reading, whatever the reply's
    // arrival: made only for the labels drawn.
    chart.PointLabel = [](qint32 index) {
        const RealTimeSetState& live = RealTimeSet();
        return TrendTimeLabel(live.RtStartDate, live.RtStep, live.RtStepUnit, index + 1);
    };
    chart.LeftAxis.Automatic = true;
    chart.LeftAxis.Logarithmic = true;
    chart.LeftAxis.LogarithmicBase = 10;

    for (int i = 0; i < 4; ++i) {
        QPalette palette = shpLine[i]->palette();
        palette.setColor(QPalette::Window, BgrColor(Options().SeriesColor[i]));
        shpLine[i]->setPalette(palette);
    }
    // Ticking the box runs its handler: the value axis becomes logarithmic.
    chkAxisType->setChecked(true);
    ShowPolling(PollingShown::Idle);
    loaded_ = true;
    Form_Resize();
}

void frmView::Form_Activate() {
    Events().WindowActivated(this);
}

void frmView::Form_Unload() {
    if (unloading_)
        return;
    unloading_ = true;
    // Polling is stopped; a reply still on its way is taken and logged before the log closes.
    if (RealTimeSet().RealTimeActive)
        StopRealTimeWhenIdle();
}

void frmView::closeEvent(QCloseEvent* event) {
    Form_Unload();
    QWidget::closeEvent(event);
}

void frmView::btnStartRealTime_Click() {
    StartRealTimeAfterQuestion();
}

void frmView::btnStopRealTime_Click() {
    StopRealTimeWhenIdle();
}

void frmView::ShowPolling(PollingShown shown) {
    btnStartRealTime->setEnabled(shown == PollingShown::Idle);
    btnStopRealTime->setEnabled(shown == PollingShown::Polling);
    setStatusPicture(shown == PollingShown::Idle ? 0 : 1);
}

void frmView::setStatusPicture(int picture) {
    imgStato->setPixmap(statusPicture(picture));
    imgStato->setProperty("picture", picture);
}

void frmView::chkAxisType_Click() {
    ChartAxis& axis = teeRealEvolution->Model().LeftAxis;
    axis.Logarithmic = chkAxisType->isChecked();
    axis.LogarithmicBase = 10;
    teeRealEvolution->Refresh();
}

void frmView::chkShowTrace_Click(int index) {
    if (index < 0 || index > 2)
        return;
    teeRealEvolution->Model().Series(index).Active = !chkShowTrace[index]->isChecked();
    teeRealEvolution->Refresh();
}

void frmView::MoltButton_Click(int index) {
    if (index < 0 || index > 8)
        return;
    RealTimeSetState& set = RealTimeSet();
    set.ScaleIndex = static_cast<qint16>(index);
    MoltButton[index]->setChecked(true);
    AggiornaDisegno(set.RtValues[0], set.RtValues[1], set.RtValues[2], false);
}

void frmView::ClearTrend() {
    ChartModel& chart = teeRealEvolution->Model();
    for (int i = 0; i < chart.SeriesCount(); ++i)
        chart.Series(i).Clear();
    teeRealEvolution->Refresh();
}

void frmView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (loaded_)
        Form_Resize();
}

// Wide enough for the longest caption of the options in the language shown, and for the
// scroll bar that a window too low for them brings.
int frmView::controlFrameWidth() const {
    const QWidget* options = controlScroll_->widget();
    const int frame = fmeControl->width() - fmeControl->contentsRect().width();
    const int bar = controlScroll_->verticalScrollBar()->sizeHint().width();
    return std::max(ControlWidth, options->sizeHint().width() + bar + frame);
}

void frmView::Form_Resize() {
    RealTimeLayoutInput in;
    in.Width = width();
    in.Height = height();
    in.ControlWidth = controlFrameWidth();
    in.ButtonWidth = ScaleButtonWidth;
    in.ButtonHeight = ScaleButtonHeight;
    in.ImageWidth = StatusPictureWidth;
    // The two buttons share the frame's width beside the status picture: the frame is
    // never so narrow that their captions are cut.
    const int caption =
        std::max(btnStartRealTime->sizeHint().width(), btnStopRealTime->sizeHint().width());
    in.MeasuresWidth = std::max(in.MeasuresWidth, 2 * (caption + 2) + StatusPictureWidth + 8);
    const RealTimeLayout l = ComputeRealTimeLayout(in);
    teeRealEvolution->setGeometry(l.Chart);
    fmeControl->setGeometry(l.Control);
    Disegno->setGeometry(l.Drawing);
    for (int i = 0; i < 9; ++i)
        MoltButton[i]->setGeometry(l.ScaleButtons[static_cast<size_t>(i)]);
    shpScale->setGeometry(l.ScaleFrame);
    shpScale->lower();
    lblScale->setGeometry(l.ScaleCaption);
    fmeMeasures->setGeometry(l.Measures);
    btnStartRealTime->setGeometry(l.Start);
    imgStato->setGeometry(l.Image);
    btnStopRealTime->setGeometry(l.Stop);

    RealTimeSetState& set = RealTimeSet();
    set.DrawWidth = static_cast<qint16>(l.DrawWidth);
    set.DrawHeight = static_cast<qint16>(l.DrawHeight);
    set.AxisLength = static_cast<qint16>(l.AxisLength);
    set.VectorLength = set.AxisLength;
    layOutMeasures();
    VMeterFill();
    PreparaDisegno();
}

void frmView::layOutMeasures() {
    const QRect inner = fmeMeasures->contentsRect().adjusted(6, 4, -6, -2);
    const int rowHeight = std::max(1, inner.height() / 4);
    const int text = fontMetrics().height();
    for (int i = 0; i < 4; ++i) {
        const int top = inner.top() + i * rowHeight;
        Pval[i]->setGeometry(inner.left(), top, inner.width(), text);
        const int meterHeight = std::max(6, std::min(18, rowHeight - 2 * text - 4));
        VMeter[i]->setGeometry(inner.left(), top + text + 1, inner.width(), meterHeight);
        const int labels = top + text + 1 + meterHeight + 1;
        VMStart[i]->setGeometry(inner.left(), labels, inner.width() / 2, text);
        VMStop[i]->setGeometry(inner.left() + inner.width() / 2, labels,
                               inner.width() - inner.width() / 2, text);
    }
}

void frmView::VMeterFill() {
    const RealTimeSetState& set = RealTimeSet();
    for (int m = 0; m < 4; ++m) {
        VMeter[m]->Fill(BgrColor(set.RtBarColor[m]));
        setTextIfChanged(VMStart[m], QStringLiteral("0 µT"));
        setTextIfChanged(VMStop[m], FullScaleLabel(set.RtFullScale[m]));
    }
}

void frmView::PreparaDisegno() {
    const DrawGeometry g = GeometryOf(RealTimeSet());
    Disegno->SetAxes(PreparaScene(g), BgrColor(Options().DrawingColor));
    AggiornaDisegno(0, 0, 0, false);
}

void frmView::AggiornaDisegno(double x, double y, double z, bool append) {
    RealTimeSetState& set = RealTimeSet();
    const DrawGeometry g = GeometryOf(set);
    const VectorScene scene =
        AggiornaScene(g, set.ScaleTable[static_cast<size_t>(set.ScaleIndex)], x, y, z);
    Disegno->SetVector(scene);

    const double r = std::sqrt(x * x + y * y + z * z);
    bool changed = false;
    const double values[4] = {x, y, z, r};
    const char axes[3] = {'x', 'y', 'z'};
    for (int i = 0; i < 4; ++i) {
        const MeterRange range = i < 3 ? ComponentRange(values[i], set.LowRangeFullScale)
                                       : ResultantRange(values[i], set.LowRangeFullScale);
        const float full =
            i < 3 ? ComponentFullScale(range, set.LowRangeFullScale, set.HighRangeFullScale)
                  : ResultantFullScale(range, set.LowRangeFullScale, set.HighRangeFullScale);
        const quint32 colour =
            range == MeterRange::Low ? Options().LowRangeColor : Options().HighRangeColor;
        // The range is kept by itself, so that a change shows even where both ranges have
        // the same colour.
        if (range != set.RtRange[i] || colour != set.RtBarColor[i] || full != set.RtFullScale[i]) {
            set.RtRange[i] = range;
            set.RtBarColor[i] = colour;
            set.RtFullScale[i] = full;
            changed = true;
        }
        setTextIfChanged(Pval[i], i < 3 ? ComponentCaption(axes[i], values[i], range)
                                        : ResultantCaption(values[i]));
        VMeter[i]->SetFraction(MeterFraction(values[i], full));
    }
    if (changed)
        VMeterFill();
    const QString tip = TipCaption(x, y, z, set.RtRange);
    if (Punto->text() != tip) {
        Punto->setText(tip);
        Punto->adjustSize();
    }
    // The caption is read whole, however near the edge the tip stands.
    Punto->move(CaptionPlace(scene.CaptionAt, Punto->size(), Disegno->size()));

    if (!append)
        return;
    ChartModel& chart = teeRealEvolution->Model();
    if (chart.SeriesCount() < 4)
        return;
    for (int i = 0; i < 4; ++i)
        chart.Series(i).AddPoint(values[i]);
    const TrendAxis axis =
        TrendValueAxis(chart.LeftAxis.Logarithmic, set.Figures.RtMax, set.Figures.RtMin);
    chart.LeftAxis.Automatic = false;
    chart.LeftAxis.Minimum = axis.Minimum;
    chart.LeftAxis.Maximum = axis.Maximum;
    chart.LeftAxis.Increment = axis.Increment;
    teeRealEvolution->Refresh();
}

void frmView::DrawLatestReading() {
    const RealTimeSetState& set = RealTimeSet();
    AggiornaDisegno(set.RtValues[0], set.RtValues[1], set.RtValues[2], true);
}
