#pragma once

#include "shell/settings/settings_form.h"

#include <QDialog>

#include <array>

class ColorBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The settings dialog: four pages of the options record (general, graph colours,
// thresholds, instrument). It is filled from Options() at its load and writes back into it
// only on OK, all at once; Cancel and the close box change nothing. A changed language
// offers to restart the program in it. Modal, a fresh one for each opening.
class frmSettings : public QDialog {
    Q_OBJECT
public:
    explicit frmSettings(QWidget* owner = nullptr);

    void Form_Load();
    void btnOk_Click();
    void btnCancel_Click();
    void pctColor_Click(int index);
    void optSoglia_Click(int index);
    void txtSoglia_Validate();

    // What the controls hold now, and showing a form in them.
    SettingsForm Form() const;
    void ShowForm(const SettingsForm& form);

    QTabWidget* tabOptions = nullptr;
    std::array<QGroupBox*, 4> fmeOptions{};
    QLabel* Label3 = nullptr;
    QComboBox* cboLanguage = nullptr;
    QCheckBox* chkConnected = nullptr;
    QGroupBox* fmeOnLoad = nullptr;
    std::array<QCheckBox*, 3> chkOnLoad{};
    QCheckBox* chkWarnData = nullptr;
    QCheckBox* chkWarnOnDate = nullptr;
    std::array<ColorBox*, ColorBoxCount> pctColor{};
    std::array<QLabel*, ColorBoxCount> lblColors{};
    std::array<QRadioButton*, ThresholdOptionCount> optSoglia{};
    QLineEdit* txtSoglia = nullptr;
    QLabel* lblUnit = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* cboMemorySize = nullptr;
    QLabel* lblMemoryNote = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

private:
    QWidget* buildGeneralPage();
    QWidget* buildColorsPage();
    QWidget* buildThresholdPage();
    QWidget* buildInstrumentPage();
    void nameControls();
};
