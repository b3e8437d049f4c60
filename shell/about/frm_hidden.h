#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

// The credits window behind the about box's hidden mode: who made the program, two
// pictures, and a button back to work. Modal.
class frmHidden : public QDialog {
    Q_OBJECT
public:
    explicit frmHidden(QWidget* owner = nullptr);

    void Command1_Click();

    QLabel* Label1 = nullptr;
    std::array<QLabel*, 3> Credits{}; // Label2 to Label4
    QLabel* Picture1 = nullptr;
    QLabel* Picture2 = nullptr;
    QPushButton* Command1 = nullptr;
};
