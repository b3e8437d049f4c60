#include "shell/panes/frm_info.h"

#include "core/language.h"
#include "shell/main/frm_main.h"
#include "shell/panes/info_pane_close.h"
#include "shell/panes/pane_pictures.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QPointer<frmInfo>& current() {
    static QPointer<frmInfo> pane;
    return pane;
}

QLabel* caption(QWidget* parent, const char* name, int textId) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    SetTextId(label, textId);
    return label;
}

// The room a label needs to show the widest of these texts on one line.
int widestText(const QLabel* label, const QStringList& texts) {
    const QFontMetrics fm(label->font());
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, fm.horizontalAdvance(text));
    return widest + 2 * label->margin() + 2 * label->frameWidth();
}

QLabel* value(QWidget* parent, const char* name) {
    auto* label = new QLabel(QStringLiteral("---"), parent);
    label->setObjectName(QLatin1String(name));
    // Identification texts come from the instrument or a file: never read them as markup.
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}
} // namespace

frmInfo::frmInfo(QWidget* parent) : QWidget(parent) {
    setObjectName(QLatin1String(InfoPaneName));
    SetTextId(this, 4027);

    auto* fmeData = new QGroupBox(this);
    fmeData->setObjectName(QStringLiteral("fmeData"));
    SetTextId(fmeData, 4028);
    auto* data = new QGridLayout(fmeData);
    data->setColumnStretch(1, 1);

    dataPresent_ = new QLabel(fmeData);
    dataPresent_->setObjectName(QStringLiteral("imgDataPresent"));
    saved_ = new QLabel(fmeData);
    saved_->setObjectName(QStringLiteral("imgSaved"));
    auto* pictures = new QHBoxLayout();
    pictures->addWidget(dataPresent_);
    pictures->addWidget(saved_);
    pictures->addStretch();
    data->addLayout(pictures, 0, 0, 1, 2);

    int row = 1;
    auto addRow = [&](QLabel* captionLabel, QLabel* valueLabel) {
        data->addWidget(captionLabel, row, 0, Qt::AlignLeft | Qt::AlignTop);
        valueLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        data->addWidget(valueLabel, row, 1);
        ++row;
    };
    shortId_ = value(fmeData, "lblShortID");
    addRow(caption(fmeData, "lblShortIDCaption", 4025), shortId_);
    longId_ = value(fmeData, "lblLongID");
    longId_->setWordWrap(true);
    addRow(caption(fmeData, "lblLongIDCaption", 4026), longId_);
    count_ = value(fmeData, "lblNumData");
    addRow(caption(fmeData, "lblTextCount", 4031), count_);
    source_ = value(fmeData, "lblDataSource");
    addRow(caption(fmeData, "lblTextSource", 4030), source_);
    start_ = value(fmeData, "lblStartDate");
    addRow(caption(fmeData, "lblStartDateCaption", 4033), start_);
    end_ = value(fmeData, "lblStopDate");
    addRow(caption(fmeData, "lblStopDateCaption", 4034), end_);
    step_ = value(fmeData, "lblStep");
    addRow(caption(fmeData, "lblStepCaption", 4032), step_);
    const int valueIds[4] = {3044, 3045, 3046, 3051};
    for (int i = 0; i < 4; ++i) {
        values_[i] = value(fmeData, "lblValue");
        values_[i]->setObjectName(QStringLiteral("lblValue%1").arg(i));
        auto* cap = caption(fmeData, "lblValueCap", valueIds[i]);
        cap->setObjectName(QStringLiteral("lblValueCap%1").arg(i));
        addRow(cap, values_[i]);
    }

    auto* fmeMonitor = new QGroupBox(this);
    fmeMonitor->setObjectName(QStringLiteral("fmeMonitor"));
    SetTextId(fmeMonitor, 4029);
    auto* monitor = new QGridLayout(fmeMonitor);
    monitor->setColumnStretch(1, 1);
    commStatus_ = value(fmeMonitor, "lblCommStatus");
    monitor->addWidget(caption(fmeMonitor, "lblTextCommunication", 4035), 0, 0);
    monitor->addWidget(commStatus_, 0, 1);
    monitorStatus_ = value(fmeMonitor, "lblMonitorStatus");
    monitorStatus_->setAutoFillBackground(true);
    monitorStatus_->setMargin(2);
    monitor->addWidget(caption(fmeMonitor, "lblTextStatus", 4036), 1, 0);
    monitor->addWidget(monitorStatus_, 1, 1);
    monitor->setRowStretch(2, 1);

    // The data block keeps its height; the link block takes what is left.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(fmeData);
    layout->addWidget(fmeMonitor, 1);

    SetUpForm(this);
    // The value columns keep room for the widest texts they can show, so the pane asks
    // for a width at which none of them is cut, whatever the font and the language.
    const InfoWidestTexts widest = WidestInfoTexts();
    data->setColumnMinimumWidth(1, widestText(shortId_, widest.Data));
    monitor->setColumnMinimumWidth(1, widestText(monitorStatus_, widest.Status));
    dataPresent_->setPixmap(DataPresentPicture(false));
    saved_->setPixmap(SavedPicture(false));
}

void frmInfo::Apply(const InfoView& view) {
    shortId_->setText(view.ShortId);
    longId_->setText(view.LongId);
    step_->setText(view.Step);
    source_->setText(view.Source);
    count_->setText(view.Count);
    start_->setText(view.Start);
    end_->setText(view.End);
    values_[0]->setText(view.Min);
    values_[1]->setText(view.Max);
    values_[2]->setText(view.Mean);
    if (view.Median)
        values_[3]->setText(*view.Median);
    if (view.DataPresent) {
        showsDataPresent_ = *view.DataPresent;
        dataPresent_->setPixmap(DataPresentPicture(showsDataPresent_));
    }
    if (view.Saved) {
        showsSaved_ = *view.Saved;
        saved_->setPixmap(SavedPicture(showsSaved_));
    }
    QPalette monitorPalette = monitorStatus_->palette();
    monitorPalette.setColor(QPalette::Window, view.Status.MonitorBack);
    monitorPalette.setColor(QPalette::WindowText, Qt::black);
    monitorStatus_->setPalette(monitorPalette);
    monitorStatus_->setText(view.Status.MonitorText);
    QPalette commPalette = commStatus_->palette();
    commPalette.setColor(QPalette::WindowText, view.Status.CommColour);
    commStatus_->setPalette(commPalette);
    commStatus_->setText(view.Status.CommText);
}

void frmInfo::Unload() {
    unloading_ = true;
    close();
}

void frmInfo::closeEvent(QCloseEvent* event) {
    if (unloading_ || QCoreApplication::closingDown()) {
        event->accept();
        return;
    }
    // The pane lives for the whole run: closing it only hides it in its dock host.
    event->ignore();
    if (MainWindowLoaded())
        InfoPaneHiddenByUser();
    else
        hide();
}

frmInfo* LoadInfoPane(QWidget* mainWindow) {
    if (!current()) {
        current() = new frmInfo(mainWindow);
        current()->setAttribute(Qt::WA_DeleteOnClose);
    }
    return current();
}

frmInfo& InfoWindow() {
    if (!current())
        LoadInfoPane(nullptr);
    return *current();
}

bool InfoWindowLoaded() {
    return !current().isNull();
}
