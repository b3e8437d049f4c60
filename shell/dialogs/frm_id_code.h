#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The identification dialog: the instrument's short (16 characters) and long (48) texts,
// read at load and on request, written back on request. While nothing could be read the
// boxes show their design digit strings. One instance, reached as Window<frmIDCode>() and
// shown modally.
class frmIDCode : public QDialog {
    Q_OBJECT
public:
    explicit frmIDCode(QWidget* parent = nullptr);

    void Form_Load();
    void btnReadID_Click();
    void btnWriteID_Click();
    void btnCancel_Click();

    QGroupBox* fmeIDSet = nullptr;
    QLabel* lblIDShort = nullptr;
    QLabel* lblIDLong = nullptr;
    QLineEdit* txtIDShort = nullptr;
    QLineEdit* txtIDLong = nullptr;
    QPushButton* btnReadID = nullptr;
    QPushButton* btnWriteID = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ReadID, and on success the instrument's trimmed texts into the boxes (and into the
    // data set while it holds no session).
    void readId();
    void showTexts(const QString& idShort, const QString& idLong);
};
