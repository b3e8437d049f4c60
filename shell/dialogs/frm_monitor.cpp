#include "shell/dialogs/frm_monitor.h"

#include "core/error_report.h"
#include "core/language.h"
#include "core/message_box.h"
#include "core/options.h"
#include "core/program_events.h"
#include "link/comm_state.h"
#include "link/exchange.h"
#include "link/instrument_commands.h"
#include "link/monitor_session.h"
#include "link/monitor_units.h"
#include "platform/bgr_color.h"
#include "platform/clock.h"
#include "platform/ui_services.h"
#include "shell/dialogs/step_up_down.h"
#include "text/date_pattern.h"
#include "views/windows/month_calendar.h"
#include "views/windows/single_window.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QThread>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The pause after each progress step.
constexpr int ProgressPauseMs = 300;
// The up-down's upper limit: the instrument takes two digits.
constexpr int HighestStep = 99;

std::function<void(int)>& progressPause() {
    static std::function<void(int)> pause = [](int ms) { QThread::msleep(ms); };
    return pause;
}

// The tick of a stage done and the cross of a failed one.
QPixmap stagePicture(bool ok) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ok ? QColor(0, 0x90, 0) : QColor(0xD0, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    if (ok) {
        p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
    } else {
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
    }
    return pixmap;
}

QString shortDateText(QDate date) {
    return date.isValid() ? GeneralFormatOf(QLocale()).Date().Text(date) : QString();
}

// Row styles of the progress display: waiting, in work (the light green of a stage under
// way behind black text, so the row stays readable), done, failed.
constexpr const char* RowWaiting = "";
constexpr const char* RowInWork = "QLabel { background-color: #C0FFC0; color: black; }";
constexpr const char* RowDone = "QLabel { border: 1px solid black; color: black; }";
constexpr const char* RowFailed = "QLabel { border: 1px solid black; color: #FF0000; }";
} // namespace

frmMonitor::frmMonitor(QWidget* parent) : QDialog(parent ? parent : Ui().Owner()) {
    setObjectName(QStringLiteral("frmMonitor"));
    setModal(true);
    build();
}

frmMonitor::~frmMonitor() {
    // The children outlive this part of the dialog: a box that loses the focus while it is
    // deleted must not call back into it.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
    // Nor the application, whose focus moves when the dialog hides on its way out.
    QObject::disconnect(qApp, nullptr, this, nullptr);
}

void frmMonitor::build() {
    SetTextId(this, 4038);
    auto* layout = new QVBoxLayout(this);

    fmeMonitor = new QGroupBox(this);
    fmeMonitor->setObjectName(QStringLiteral("fmeMonitor"));
    SetTextId(fmeMonitor, 4039);
    auto* setUp = new QVBoxLayout(fmeMonitor);
    layout->addWidget(fmeMonitor);

    fmeStep = new QGroupBox(fmeMonitor);
    fmeStep->setObjectName(QStringLiteral("fmeStep"));
    SetTextId(fmeStep, 4042);
    auto* stepRow = new QHBoxLayout(fmeStep);
    txtStepSize = new QLineEdit(fmeStep);
    txtStepSize->setObjectName(QStringLiteral("txtStepSize"));
    txtStepSize->setMaxLength(6);
    txtStepSize->setFixedWidth(60);
    updStepSize = new StepUpDown(txtStepSize, fmeStep);
    updStepSize->setObjectName(QStringLiteral("updStepSize"));
    updStepSize->SetLimits(1, HighestStep);
    cboStepResolution = new QComboBox(fmeStep);
    cboStepResolution->setObjectName(QStringLiteral("cboStepResolution"));
    stepRow->addWidget(txtStepSize);
    stepRow->addWidget(updStepSize);
    stepRow->addWidget(cboStepResolution, 1);
    setUp->addWidget(fmeStep);

    for (int i = 0; i < 2; ++i) {
        QGroupBox* frame = new QGroupBox(fmeMonitor);
        fmeDate[i] = frame;
        frame->setObjectName(QStringLiteral("fmeDate_%1").arg(i));
        SetTextId(frame, i == 0 ? 4040 : 4041);
        auto* grid = new QGridLayout(frame);
        auto& options = i == 0 ? optStartDate : optStopDate;
        for (int k = 0; k < 2; ++k) {
            options[k] = new QRadioButton(frame);
            options[k]->setObjectName(
                QStringLiteral("%1_%2").arg(i == 0 ? "optStartDate" : "optStopDate").arg(k));
        }
        SetTextId(options[0], i == 0 ? 4047 : 4049);
        SetTextId(options[1], 4048);
        grid->addWidget(options[0], 0, 0);
        grid->addWidget(options[1], 0, 1);

        shpDate[i] = new QFrame(frame);
        shpDate[i]->setObjectName(QStringLiteral("shpDate_%1").arg(i));
        auto* row = new QHBoxLayout(shpDate[i]);
        lblDateText[i] = new QLabel(shpDate[i]);
        lblDateText[i]->setObjectName(QStringLiteral("lblDateText_%1").arg(i));
        SetTextId(lblDateText[i], 4050);
        lblDate[i] = new QLabel(shpDate[i]);
        lblDate[i]->setObjectName(QStringLiteral("lblDate_%1").arg(i));
        lblDate[i]->setMinimumWidth(90);
        lblDate[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        btnDate[i] = new QToolButton(shpDate[i]);
        btnDate[i]->setObjectName(QStringLiteral("btnDate_%1").arg(i));
        btnDate[i]->setArrowType(Qt::DownArrow);
        lblTimeText[i] = new QLabel(shpDate[i]);
        lblTimeText[i]->setObjectName(QStringLiteral("lblTimeText_%1").arg(i));
        SetTextId(lblTimeText[i], 4051);
        dtpTime[i] = new QTimeEdit(shpDate[i]);
        dtpTime[i]->setObjectName(QStringLiteral("dtpTime_%1").arg(i));
        dtpTime[i]->setDisplayFormat(LongTimePattern());
        row->addWidget(lblDateText[i]);
        row->addWidget(lblDate[i], 1);
        row->addWidget(btnDate[i]);
        row->addSpacing(12);
        row->addWidget(lblTimeText[i]);
        row->addWidget(dtpTime[i]);
        grid->addWidget(shpDate[i], 1, 0, 1, 2);
        setUp->addWidget(frame);

        connect(options[1], &QRadioButton::toggled, this, [this, i](bool atDate) {
            SetStatus(i, atDate);
            // Without a stop date the stop row shows the memory-full date at once.
            if (i == 1)
                AutoCalculateDate();
        });
        connect(btnDate[i], &QToolButton::clicked, this, [this, i] { btnDate_Click(i); });
        connect(dtpTime[i], &QTimeEdit::timeChanged, this, [this] { AutoCalculateDate(); });
    }

    fmeStatus = new QGroupBox(this);
    fmeStatus->setObjectName(QStringLiteral("fmeStatus"));
    SetTextId(fmeStatus, 4043);
    auto* status = new QVBoxLayout(fmeStatus);
    lblStatus = new QLabel(fmeStatus);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setAlignment(Qt::AlignCenter);
    lblStatus->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblStatus->setAutoFillBackground(true);
    lblStatus->setMinimumHeight(28);
    status->addWidget(lblStatus);
    auto* buttons = new QHBoxLayout;
    btnStartMonitor = new QPushButton(fmeStatus);
    btnStartMonitor->setObjectName(QStringLiteral("btnStartMonitor"));
    SetTextId(btnStartMonitor, 4044);
    btnStopMonitor = new QPushButton(fmeStatus);
    btnStopMonitor->setObjectName(QStringLiteral("btnStopMonitor"));
    SetTextId(btnStopMonitor, 4045);
    btnReadSettings = new QPushButton(fmeStatus);
    btnReadSettings->setObjectName(QStringLiteral("btnReadSettings"));
    SetTextId(btnReadSettings, 4046);
    for (QPushButton* button : {btnStartMonitor, btnStopMonitor, btnReadSettings}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    status->addLayout(buttons);
    layout->addWidget(fmeStatus);

    btnCancel = new QPushButton(this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    SetTextId(btnCancel, 4057);
    btnCancel->setAutoDefault(false);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(btnCancel);
    layout->addLayout(bottom);

    // The progress block lies over the set-up while a start runs.
    fmeProgress = new QFrame(this);
    fmeProgress->setObjectName(QStringLiteral("fmeProgress"));
    fmeProgress->setFrameStyle(QFrame::Panel | QFrame::Raised);
    fmeProgress->setLineWidth(2);
    fmeProgress->setAutoFillBackground(true);
    auto* progress = new QGridLayout(fmeProgress);
    lblTitle = new QLabel(fmeProgress);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    SetTextId(lblTitle, 4052);
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    progress->addWidget(lblTitle, 0, 0, 1, 2);
    for (int k = 0; k < 4; ++k) {
        imgStatus[k] = new QLabel(fmeProgress);
        imgStatus[k]->setObjectName(QStringLiteral("imgStatus_%1").arg(k));
        imgStatus[k]->setFixedSize(18, 18);
        lblText[k] = new QLabel(fmeProgress);
        lblText[k]->setObjectName(QStringLiteral("lblText_%1").arg(k));
        lblText[k]->setMinimumWidth(220);
        SetTextId(lblText[k], 4053 + k);
        progress->addWidget(imgStatus[k], k + 1, 0);
        progress->addWidget(lblText[k], k + 1, 1);
    }
    btnClose = new QPushButton(fmeProgress);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    SetTextId(btnClose, 4057);
    btnClose->setAutoDefault(false);
    progress->addWidget(btnClose, 5, 1, Qt::AlignRight);
    fmeProgress->hide();

    monDate = NewMonthCalendar(this);
    monDate->setObjectName(QStringLiteral("monDate"));
    monDate->setGridVisible(true);
    monDate->hide();

    connect(txtStepSize, &QLineEdit::editingFinished, this, &frmMonitor::txtStepSize_Validate);
    connect(updStepSize, &StepUpDown::Changed, this, &frmMonitor::updStepSize_Change);
    connect(cboStepResolution, &QComboBox::currentIndexChanged, this,
            &frmMonitor::cboStepResolution_Click);
    connect(monDate, &QCalendarWidget::clicked, this, &frmMonitor::monDate_Click);
    connect(monDate, &QCalendarWidget::activated, this, &frmMonitor::monDate_Click);
    // The calendar goes away when the focus moves elsewhere in the dialog.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (monDate->isVisible() && now && now != monDate && !monDate->isAncestorOf(now) &&
            isAncestorOf(now))
            monDate->hide();
    });
    connect(btnStartMonitor, &QPushButton::clicked, this, &frmMonitor::btnStartMonitor_Click);
    connect(btnStopMonitor, &QPushButton::clicked, this, &frmMonitor::btnStopMonitor_Click);
    connect(btnReadSettings, &QPushButton::clicked, this, &frmMonitor::btnReadSettings_Click);
    connect(btnClose, &QPushButton::clicked, this, &frmMonitor::btnClose_Click);
    connect(btnCancel, &QPushButton::clicked, this, &frmMonitor::btnCancel_Click);
}

void frmMonitor::Form_Load() {
    SetUpForm(this);
    loaded_ = false;
    // Controls without a caption of their own are named by what they belong to.
    txtStepSize->setAccessibleName(fmeStep->title());
    updStepSize->SetNames(fmeStep->title());
    cboStepResolution->setAccessibleName(fmeStep->title());
    for (int i = 0; i < 2; ++i) {
        const QString row = fmeDate[i]->title();
        // A date reads out as itself; its caption describes it, for the label and its buddy.
        const QString caption = row + QStringLiteral(" - ") + lblDateText[i]->text();
        lblDate[i]->setAccessibleDescription(caption);
        lblDateText[i]->setBuddy(lblDate[i]);
        btnDate[i]->setAccessibleName(caption);
        btnDate[i]->setToolTip(caption);
        dtpTime[i]->setAccessibleName(row + QStringLiteral(" - ") + lblTimeText[i]->text());
    }
    lblStatus->setAccessibleDescription(fmeStatus->title());
    monDate->setAccessibleName(lblDateText[0]->text());
    for (int k = 0; k < 4; ++k)
        imgStatus[k]->setAccessibleName(lblText[k]->text());
    {
        const QSignalBlocker blocker(cboStepResolution);
        cboStepResolution->clear();
        for (const StepUnit& unit : StepUnits)
            cboStepResolution->addItem(ResString(unit.textId), unit.code);
        cboStepResolution->setCurrentIndex(-1);
    }
    ShowMonitorStatus(DecodeMonitorStatus(SendCommand(10, true)));
    loaded_ = true;
}

int frmMonitor::ChosenUnit() const {
    return cboStepResolution->currentIndex() < 0 ? 0 : cboStepResolution->currentData().toInt();
}

QDateTime frmMonitor::RowDateTime(int index) const {
    return QDateTime(dates_[index], dtpTime[index]->time(), Qt::UTC);
}

void frmMonitor::SetRow(int index, const QDateTime& when) {
    dates_[index] = when.date();
    lblDate[index]->setText(shortDateText(when.date()));
    const QSignalBlocker blocker(dtpTime[index]);
    dtpTime[index]->setTime(when.time());
}

void frmMonitor::SetStatus(int index, bool enabled) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{lblDateText[index], lblTimeText[index], lblDate[index],
                                         btnDate[index], dtpTime[index]})
        control->setEnabled(enabled);
    shpDate[index]->setStyleSheet(
        QStringLiteral("QFrame#%1 { border: 1px solid %2; }")
            .arg(shpDate[index]->objectName(),
                 enabled ? QStringLiteral("#000000") : QStringLiteral("#808080")));
}

void frmMonitor::ShowMonitorStatus(const MonitorStatusView& view) {
    const QSignalBlocker blockStep(txtStepSize);
    const QSignalBlocker blockUnit(cboStepResolution);
    const QSignalBlocker blockStart0(optStartDate[0]), blockStart1(optStartDate[1]);
    const QSignalBlocker blockStop0(optStopDate[0]), blockStop1(optStopDate[1]);
    lblStatus->setText(view.statusText);
    if (view.statusBack)
        setStatusBack(*view.statusBack);
    if (view.startEnabled)
        btnStartMonitor->setEnabled(*view.startEnabled);
    if (view.stopEnabled)
        btnStopMonitor->setEnabled(*view.stopEnabled);
    txtStepSize->setText(QString::number(view.step));
    cboStepResolution->setCurrentIndex(cboStepResolution->findData(view.unitCode));
    updStepSize->SetLimits(StepLowerLimit(view.unitCode), HighestStep);
    optStartDate[view.startAtDate ? 1 : 0]->setChecked(true);
    optStopDate[view.stopAtDate ? 1 : 0]->setChecked(true);
    SetStatus(0, view.startAtDate);
    SetStatus(1, view.stopAtDate);
    SetRow(0, view.start);
    SetRow(1, view.stop);
}

void frmMonitor::setStatusBack(unsigned bgr) {
    QPalette palette = lblStatus->palette();
    palette.setColor(QPalette::Window, BgrColor(bgr));
    palette.setColor(QPalette::WindowText, Qt::black);
    lblStatus->setPalette(palette);
}

void frmMonitor::applyStepRules() {
    const QString kept = StepFieldText(txtStepSize->text(), ChosenUnit());
    if (kept != txtStepSize->text()) {
        const QSignalBlocker blocker(txtStepSize);
        txtStepSize->setText(kept);
    }
}

void frmMonitor::txtStepSize_Validate() {
    if (ChosenUnit() == 0)
        return;
    applyStepRules();
    AutoCalculateDate();
}

void frmMonitor::updStepSize_Change() {
    txtStepSize_Validate();
}

void frmMonitor::cboStepResolution_Click() {
    const int unit = ChosenUnit();
    updStepSize->SetLimits(StepLowerLimit(unit), HighestStep);
    txtStepSize_Validate();
}

void frmMonitor::AutoCalculateDate() {
    const StopRow row = AutoStopDate(RowDateTime(0), StepValue(txtStepSize->text()), ChosenUnit(),
                                     optStopDate[1]->isChecked(), RowDateTime(1));
    SetRow(1, row.stop);
    if (row.clamped && Options().WarnOnDate && loaded_)
        MessBox(ResString(36), QString(), 2, 1);
}

void frmMonitor::btnDate_Click(int index) {
    if (monDate->isVisible()) {
        monDate->hide();
        return;
    }
    calendarRow_ = index;
    monDate->adjustSize();
    const QPoint below =
        btnDate[index]->mapTo(this, QPoint(btnDate[index]->width() / 2, btnDate[index]->height()));
    const int left =
        qBound(0, below.x() - monDate->width() / 2, qMax(0, width() - monDate->width()));
    monDate->move(left, below.y());
    if (dates_[index].isValid())
        monDate->setSelectedDate(dates_[index]);
    monDate->show();
    monDate->raise();
    monDate->setFocus();
}

void frmMonitor::monDate_Click(QDate date) {
    dates_[calendarRow_] = date;
    lblDate[calendarRow_]->setText(shortDateText(date));
    monDate->hide();
    AutoCalculateDate();
}

void frmMonitor::btnStartMonitor_Click() {
    if (starting_)
        return;
    Trapped("btnStartMonitor_Click", [this] {
        SessionChoice choice;
        choice.stepText = txtStepSize->text();
        choice.unitCode = ChosenUnit();
        choice.startAtDate = optStartDate[1]->isChecked();
        choice.start = RowDateTime(0);
        choice.stopAtDate = optStopDate[1]->isChecked();
        choice.stop = RowDateTime(1);
        const SessionPlan plan = PlanSession(choice, CurrentClock().Now());
        if (!plan.refusal.isEmpty()) {
            MessBox(plan.refusal, QString(), 1, -1);
            return;
        }
        if (plan.noSamples)
            MessBox(QString::fromUtf8(NoSamplesNotice), QString(), 1, -1);
        CommState().MonitorParams = plan.params;
        if (!MessBox(ResString(plan.confirmId), QString(), 1, 0))
            return;
        starting_ = true;
        struct Done {
            bool& flag;
            ~Done() { flag = false; }
        } done{starting_};
        if (StartMonitoraggio()) {
            CommState().MonitorState = 1;
            emit Events().InfoChanged();
        }
    });
}

void frmMonitor::btnStopMonitor_Click() {
    if (starting_)
        return;
    if (!StopMonitor()) {
        // The reply was lost, garbled or refused: the session may have stopped or not. The
        // dialog shows what the instrument says now, and the message says the stop was not
        // confirmed.
        if (CommState().Connected)
            ReadMonitorSettings();
        MessBox(ResString(3802), QString(), -1, -1);
        return;
    }
    CommState().MonitorState = 0;
    emit Events().InfoChanged();
    lblStatus->setText(StopReasonText(4));
    setStatusBack(MonitorIdleBack);
    btnStartMonitor->setEnabled(true);
    btnStopMonitor->setEnabled(false);
}

void frmMonitor::btnReadSettings_Click() {
    if (starting_)
        return;
    if (MessBox(ResString(34), QString(), 2, 0))
        ReadMonitorSettings();
}

void frmMonitor::btnClose_Click() {
    wait_ = false;
    emit WaitEnded();
}

void frmMonitor::btnCancel_Click() {
    monDate->hide();
    reject();
}

void frmMonitor::reject() {
    if (starting_) {
        btnClose_Click();
        return;
    }
    // Escape in the open calendar closes the calendar, not the dialog.
    if (monDate->isVisible()) {
        monDate->hide();
        return;
    }
    QDialog::reject();
}

void frmMonitor::setRowStyle(int row, const char* style) {
    lblText[row]->setStyleSheet(QLatin1String(style));
}

void frmMonitor::ShowProgress() {
    for (int k = 0; k < 4; ++k) {
        imgStatus[k]->clear();
        setRowStyle(k, RowWaiting);
    }
    monDate->hide();
    fmeProgress->adjustSize();
    fmeProgress->move((width() - fmeProgress->width()) / 2, (height() - fmeProgress->height()) / 2);
    fmeProgress->show();
    fmeProgress->raise();
}

void frmMonitor::SetState(int k) {
    if (k > 0) {
        setRowStyle(k - 1, RowDone);
        imgStatus[k - 1]->setPixmap(stagePicture(true));
    }
    if (k < 4)
        setRowStyle(k, RowInWork);
    fmeProgress->repaint();
    progressPause()(ProgressPauseMs);
}

void frmMonitor::MarkFailed(int stage) {
    setRowStyle(stage, RowFailed);
    imgStatus[stage]->setPixmap(stagePicture(false));
    fmeProgress->repaint();
}

void frmMonitor::WaitForClose() {
    SetWaitButton();
    btnClose->setFocus();
    QEventLoop loop;
    connect(this, &frmMonitor::WaitEnded, &loop, &QEventLoop::quit);
    if (ReadButtonStatus())
        loop.exec();
}

void frmMonitor::ShowStarted() {
    lblStatus->setText(ResString(3010));
    setStatusBack(MonitorBusyBack);
    btnStartMonitor->setEnabled(false);
    btnStopMonitor->setEnabled(true);
}

void frmMonitor::HideProgress() {
    fmeProgress->hide();
}

void ShowMonitorDialog() {
    frmMonitor& dialog = Window<frmMonitor>().Load();
    Ui().RunModal(dialog);
    Window<frmMonitor>().Unload();
}

void SetMonitorProgressPause(std::function<void(int ms)> pause) {
    progressPause() = pause ? std::move(pause) : [](int ms) { QThread::msleep(ms); };
}
