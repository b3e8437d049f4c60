#pragma once

#include "views/windows/up_down_arrows.h"

#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <optional>

// The statistics window's limits run from 0 to 50 µT.
inline constexpr int LimitBoxLowest = 0;
inline constexpr int LimitBoxHighest = 50;

// What a key typed into a limit box becomes: digits and control keys (codes below 14) pass
// as they are, "." and "," both become "."; nothing for any other key, which is dropped.
std::optional<QChar> LimitBoxKey(QChar typed);
// The text a limit box keeps when the focus leaves it: a value above 50 becomes "50", one
// below 0 becomes "0"; any other text stays as typed.
QString ClampedLimitText(const QString& text);
// A limit as the box first shows it: at most two decimals, "." as the separator.
QString LimitText(float value);
// The up-down's step from the box's text: the next whole number up or down, kept inside
// 0..50.
int LimitStep(const QString& text, bool up);

// A limit box: filters the keys typed and brings its value back inside 0..50 when the
// focus leaves it. A value put in by the program is never clamped.
class LimitBox : public QLineEdit {
    Q_OBJECT
public:
    explicit LimitBox(QWidget* parent = nullptr);
    // What the box does when the focus leaves it.
    void Validate();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// The up-down beside a limit box: its arrows step the box's value by whole numbers inside
// 0..50.
class LimitUpDown : public UpDownArrows {
    Q_OBJECT
public:
    LimitUpDown(LimitBox* buddy, QWidget* parent = nullptr);
    void StepUp();
    void StepDown();

private:
    LimitBox* buddy_;
};
