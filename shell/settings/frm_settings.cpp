#include "shell/settings/frm_settings.h"

#include "core/language.h"
#include "core/message_box.h"
#include "core/options.h"
#include "platform/bgr_color.h"
#include "platform/ui_services.h"
#include "shell/main/text_id.h"
#include "shell/settings/color_box.h"
#include "shell/settings/threshold_validator.h"
#include "shell/startup/shell_hooks.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// Captions of the tabs and of the frames on them (a tab and its frame may differ).
constexpr int TabCaptionIds[4] = {TextIdOf(4059), TextIdOf(4060), TextIdOf(4087), TextIdOf(4058)};
constexpr int FrameCaptionIds[4] = {TextIdOf(4059), TextIdOf(4061), TextIdOf(4087), TextIdOf(4058)};
constexpr int OnLoadCaptionIds[3] = {TextIdOf(4071), TextIdOf(4072), TextIdOf(4073)};
// Traces x, y, z and resultant, histogram bars, time graph, statistics graph, threshold.
constexpr int ColorCaptionIds[ColorBoxCount] = {TextIdOf(4062), TextIdOf(4063), TextIdOf(4064),
                                                TextIdOf(4065), TextIdOf(4078), TextIdOf(4066),
                                                TextIdOf(4067), TextIdOf(4154)};
constexpr int ThresholdCaptionIds[ThresholdOptionCount] = {TextIdOf(4150), TextIdOf(4151),
                                                           TextIdOf(4152), TextIdOf(4153)};

// A check box shows its option as checked or not; OK stores true only for checked.
void showChecked(QCheckBox* box, bool value) {
    box->setChecked(value);
}
} // namespace

frmSettings::frmSettings(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmSettings"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    SetTextId(this, 4058);

    tabOptions = new QTabWidget(this);
    tabOptions->setObjectName(QStringLiteral("tabOptions"));
    SetTextId(tabOptions, 4058); // its tabs take their captions from their pages
    QWidget* pages[4] = {buildGeneralPage(), buildColorsPage(), buildThresholdPage(),
                         buildInstrumentPage()};
    for (int i = 0; i < 4; ++i) {
        SetTextId(pages[i], TabCaptionIds[i]);
        SetTextId(fmeOptions[static_cast<size_t>(i)], FrameCaptionIds[i]);
        tabOptions->addTab(pages[i], QString());
    }

    btnOk = new QPushButton(this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    SetTextId(btnOk, 4001);
    btnOk->setDefault(true);
    btnCancel = new QPushButton(this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    SetTextId(btnCancel, 4057);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabOptions, 1);
    layout->addLayout(buttons);

    for (int k = 0; k < ColorBoxCount; ++k)
        connect(pctColor[static_cast<size_t>(k)], &ColorBox::clicked, this,
                [this, k] { pctColor_Click(k); });
    connect(btnOk, &QPushButton::clicked, this, &frmSettings::btnOk_Click);
    connect(btnCancel, &QPushButton::clicked, this, &frmSettings::btnCancel_Click);
}

QWidget* frmSettings::buildGeneralPage() {
    auto* page = new QWidget;
    fmeOptions[0] = new QGroupBox(page);
    Label3 = new QLabel(fmeOptions[0]);
    SetTextId(Label3, 4068);
    cboLanguage = new QComboBox(fmeOptions[0]);
    for (const char* caption : LanguageCaptions)
        cboLanguage->addItem(QString::fromUtf8(caption));
    Label3->setBuddy(cboLanguage);
    chkConnected = new QCheckBox(fmeOptions[0]);
    SetTextId(chkConnected, 4069);
    fmeOnLoad = new QGroupBox(fmeOptions[0]);
    SetTextId(fmeOnLoad, 4070);
    auto* onLoad = new QVBoxLayout(fmeOnLoad);
    for (int i = 0; i < 3; ++i) {
        chkOnLoad[static_cast<size_t>(i)] = new QCheckBox(fmeOnLoad);
        SetTextId(chkOnLoad[static_cast<size_t>(i)], OnLoadCaptionIds[i]);
        onLoad->addWidget(chkOnLoad[static_cast<size_t>(i)]);
    }
    chkWarnData = new QCheckBox(fmeOptions[0]);
    SetTextId(chkWarnData, 4090);
    chkWarnOnDate = new QCheckBox(fmeOptions[0]);
    SetTextId(chkWarnOnDate, 4086);

    auto* language = new QHBoxLayout;
    language->addWidget(Label3);
    language->addWidget(cboLanguage);
    language->addStretch(1);
    auto* frame = new QVBoxLayout(fmeOptions[0]);
    frame->addLayout(language);
    frame->addWidget(chkConnected);
    frame->addWidget(fmeOnLoad);
    frame->addWidget(chkWarnData);
    frame->addWidget(chkWarnOnDate);
    frame->addStretch(1);
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(fmeOptions[0]);
    return page;
}

QWidget* frmSettings::buildColorsPage() {
    auto* page = new QWidget;
    fmeOptions[1] = new QGroupBox(page);
    auto* grid = new QGridLayout(fmeOptions[1]);
    for (int k = 0; k < 7; ++k) {
        pctColor[static_cast<size_t>(k)] = new ColorBox(fmeOptions[1]);
        lblColors[static_cast<size_t>(k)] = new QLabel(fmeOptions[1]);
        SetTextId(lblColors[static_cast<size_t>(k)], ColorCaptionIds[k]);
        lblColors[static_cast<size_t>(k)]->setBuddy(pctColor[static_cast<size_t>(k)]);
        grid->addWidget(pctColor[static_cast<size_t>(k)], k, 0);
        grid->addWidget(lblColors[static_cast<size_t>(k)], k, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(7, 1);
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(fmeOptions[1]);
    return page;
}

QWidget* frmSettings::buildThresholdPage() {
    auto* page = new QWidget;
    fmeOptions[2] = new QGroupBox(page);
    auto* group = new QButtonGroup(this);
    auto* frame = new QGridLayout(fmeOptions[2]);
    for (int k = 0; k < ThresholdOptionCount; ++k) {
        QRadioButton*& option = optSoglia[static_cast<size_t>(k)];
        option = new QRadioButton(fmeOptions[2]);
        SetTextId(option, ThresholdCaptionIds[k]);
        group->addButton(option, k);
        frame->addWidget(option, k, 0);
        connect(option, &QRadioButton::toggled, this, [this, k](bool chosen) {
            if (chosen)
                optSoglia_Click(k);
        });
    }
    txtSoglia = new QLineEdit(fmeOptions[2]);
    txtSoglia->setValidator(new ThresholdValidator(txtSoglia));
    txtSoglia->setMaxLength(12);
    txtSoglia->setFixedWidth(90);
    connect(txtSoglia, &QLineEdit::editingFinished, this, &frmSettings::txtSoglia_Validate);
    lblUnit = new QLabel(QStringLiteral("(µT)"), fmeOptions[2]);
    lblUnit->setBuddy(txtSoglia);
    auto* custom = new QHBoxLayout;
    custom->addWidget(txtSoglia);
    custom->addWidget(lblUnit);
    custom->addStretch(1);
    frame->addLayout(custom, CustomThresholdOption, 1);

    pctColor[7] = new ColorBox(fmeOptions[2]);
    lblColors[7] = new QLabel(fmeOptions[2]);
    SetTextId(lblColors[7], ColorCaptionIds[7]);
    lblColors[7]->setBuddy(pctColor[7]);
    auto* line = new QHBoxLayout;
    line->addWidget(pctColor[7]);
    line->addWidget(lblColors[7]);
    line->addStretch(1);
    frame->addLayout(line, ThresholdOptionCount + 1, 0, 1, 2);
    frame->setRowMinimumHeight(ThresholdOptionCount, 12);
    frame->setColumnStretch(1, 1);
    frame->setRowStretch(ThresholdOptionCount + 2, 1);
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(fmeOptions[2]);
    return page;
}

QWidget* frmSettings::buildInstrumentPage() {
    auto* page = new QWidget;
    fmeOptions[3] = new QGroupBox(page);
    Label4 = new QLabel(fmeOptions[3]);
    SetTextId(Label4, 4209);
    cboMemorySize = new QComboBox(fmeOptions[3]);
    Label4->setBuddy(cboMemorySize);
    lblMemoryNote =
        new QLabel(QStringLiteral("Dimensione della memoria a bordo dell'KL720"), fmeOptions[3]);
    lblMemoryNote->setWordWrap(true);
    auto* row = new QHBoxLayout;
    row->addWidget(Label4);
    row->addWidget(cboMemorySize);
    row->addStretch(1);
    auto* frame = new QVBoxLayout(fmeOptions[3]);
    frame->addLayout(row);
    frame->addWidget(lblMemoryNote);
    frame->addStretch(1);
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(fmeOptions[3]);
    return page;
}

// Names as in the window's design; every control's accessible name is its caption.
void frmSettings::nameControls() {
    const auto name = [](QWidget* w, const QString& objectName, const QString& accessible) {
        w->setObjectName(objectName);
        w->setAccessibleName(accessible);
    };
    for (int i = 0; i < 4; ++i)
        name(fmeOptions[static_cast<size_t>(i)], QStringLiteral("fmeOptions%1").arg(i),
             fmeOptions[static_cast<size_t>(i)]->title());
    name(Label3, QStringLiteral("Label3"), Label3->text());
    name(cboLanguage, QStringLiteral("cboLanguage"), Label3->text());
    name(chkConnected, QStringLiteral("chkConnected"), chkConnected->text());
    name(fmeOnLoad, QStringLiteral("fmeOnLoad"), fmeOnLoad->title());
    for (int i = 0; i < 3; ++i)
        name(chkOnLoad[static_cast<size_t>(i)], QStringLiteral("chkOnLoad%1").arg(i),
             chkOnLoad[static_cast<size_t>(i)]->text());
    name(chkWarnData, QStringLiteral("chkWarnData"), chkWarnData->text());
    name(chkWarnOnDate, QStringLiteral("chkWarnOnDate"), chkWarnOnDate->text());
    for (int k = 0; k < ColorBoxCount; ++k) {
        const QString caption = lblColors[static_cast<size_t>(k)]->text();
        name(pctColor[static_cast<size_t>(k)], QStringLiteral("pctColor%1").arg(k), caption);
        name(lblColors[static_cast<size_t>(k)], QStringLiteral("lblColors%1").arg(k), caption);
    }
    for (int k = 0; k < ThresholdOptionCount; ++k)
        name(optSoglia[static_cast<size_t>(k)], QStringLiteral("optSoglia%1").arg(k),
             optSoglia[static_cast<size_t>(k)]->text());
    name(txtSoglia, QStringLiteral("txtSoglia"),
         optSoglia[CustomThresholdOption]->text() + QStringLiteral(" (µT)"));
    name(lblUnit, QStringLiteral("lblUnit"), lblUnit->text());
    name(Label4, QStringLiteral("Label4"), Label4->text());
    name(cboMemorySize, QStringLiteral("cboMemorySize"), Label4->text());
    name(lblMemoryNote, QStringLiteral("lblMemoryNote"), lblMemoryNote->text());
    name(btnOk, QStringLiteral("btnOk"), btnOk->text());
    name(btnCancel, QStringLiteral("btnCancel"), btnCancel->text());
}

void frmSettings::Form_Load() {
    SetUpForm(this);
    nameControls();
    cboMemorySize->clear();
    for (int k = 0; k < MemoryItemCount; ++k)
        cboMemorySize->addItem(QString::fromUtf8(MemoryCaptions[static_cast<size_t>(k)]),
                               MemorySizes[static_cast<size_t>(k)]);
    ShowForm(SettingsFromOptions(Options()));
    tabOptions->setCurrentIndex(0);
}

void frmSettings::ShowForm(const SettingsForm& form) {
    // A value outside a list selects nothing; OK then leaves its field as it was.
    cboLanguage->setCurrentIndex(form.Language);
    showChecked(chkConnected, form.ConnectOnStart);
    for (int i = 0; i < 3; ++i)
        showChecked(chkOnLoad[static_cast<size_t>(i)], form.OnLoad[static_cast<size_t>(i)]);
    showChecked(chkWarnData, form.WarnData);
    showChecked(chkWarnOnDate, form.WarnOnDate);
    for (int k = 0; k < ColorBoxCount; ++k)
        pctColor[static_cast<size_t>(k)]->SetColor(form.Colors[static_cast<size_t>(k)]);
    const int option = std::clamp(form.ThresholdOption, 0, CustomThresholdOption);
    optSoglia[static_cast<size_t>(option)]->setChecked(true);
    txtSoglia->setText(form.ThresholdText);
    optSoglia_Click(option);
    cboMemorySize->setCurrentIndex(form.MemoryItem);
}

SettingsForm frmSettings::Form() const {
    SettingsForm form;
    form.Language = cboLanguage->currentIndex();
    form.ConnectOnStart = chkConnected->isChecked();
    for (int i = 0; i < 3; ++i)
        form.OnLoad[static_cast<size_t>(i)] = chkOnLoad[static_cast<size_t>(i)]->isChecked();
    form.WarnData = chkWarnData->isChecked();
    form.WarnOnDate = chkWarnOnDate->isChecked();
    for (int k = 0; k < ColorBoxCount; ++k)
        form.Colors[static_cast<size_t>(k)] = pctColor[static_cast<size_t>(k)]->Color();
    form.ThresholdOption = CustomThresholdOption;
    for (int k = 0; k < ThresholdOptionCount; ++k)
        if (optSoglia[static_cast<size_t>(k)]->isChecked())
            form.ThresholdOption = k;
    form.ThresholdText = txtSoglia->text();
    form.MemoryItem = cboMemorySize->currentIndex();
    return form;
}

void frmSettings::optSoglia_Click(int index) {
    txtSoglia->setEnabled(index == CustomThresholdOption);
}

void frmSettings::txtSoglia_Validate() {
    const QString bounded = BoundThresholdText(txtSoglia->text());
    if (bounded != txtSoglia->text())
        txtSoglia->setText(bounded);
}

void frmSettings::pctColor_Click(int index) {
    ColorBox* box = pctColor[static_cast<size_t>(index)];
    const QColor chosen = Ui().ChooseColor(BgrColor(box->Color()));
    if (chosen.isValid())
        box->SetColor(BgrValue(chosen));
}

void frmSettings::btnOk_Click() {
    // The field's bound also holds for a value typed without leaving the field.
    txtSoglia_Validate();
    const bool languageChanged = ApplySettings(Form(), Options());
    const bool restart = languageChanged && MessBox(ResString(29), QString(), 1, 0);
    accept();
    if (restart && ShellHook().RestartProgram)
        ShellHook().RestartProgram();
}

void frmSettings::btnCancel_Click() {
    reject();
}
