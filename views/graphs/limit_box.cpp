#include "views/graphs/limit_box.h"

#include "text/display_texts.h"
#include "text/file_text_locale.h"

#include <QKeyEvent>
#include <QToolButton>

#include <algorithm>
#include <cmath>

std::optional<QChar> LimitBoxKey(QChar typed) {
    if (typed.unicode() < 14 || (typed >= QLatin1Char('0') && typed <= QLatin1Char('9')))
        return typed;
    if (typed == QLatin1Char('.') || typed == QLatin1Char(','))
        return QLatin1Char('.');
    return std::nullopt;
}

QString ClampedLimitText(const QString& text) {
    const double value = Val(text);
    if (value > LimitBoxHighest)
        return QString::number(LimitBoxHighest);
    if (value < LimitBoxLowest)
        return QString::number(LimitBoxLowest);
    return text;
}

QString LimitText(float value) {
    QString text = RoundedText(value, 2);
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

int LimitStep(const QString& text, bool up) {
    const double value = Val(text);
    const double next = up ? std::floor(value) + 1 : std::ceil(value) - 1;
    return static_cast<int>(std::clamp(next, double(LimitBoxLowest), double(LimitBoxHighest)));
}

LimitBox::LimitBox(QWidget* parent) : QLineEdit(parent) {}

void LimitBox::Validate() {
    const QString clamped = ClampedLimitText(text());
    if (clamped != text())
        setText(clamped);
}

void LimitBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    // Keys without a character (arrows, Home, Delete) are no key presses of the box.
    if (typed.size() != 1) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const std::optional<QChar> key = LimitBoxKey(typed.front());
    if (!key) {
        event->accept();
        return;
    }
    if (*key != typed.front()) {
        insert(QString(*key));
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void LimitBox::focusOutEvent(QFocusEvent* event) {
    Validate();
    QLineEdit::focusOutEvent(event);
}

LimitUpDown::LimitUpDown(LimitBox* buddy, QWidget* parent)
    : UpDownArrows(QSize(16, 11), false, parent), buddy_(buddy) {
    connect(Up, &QToolButton::clicked, this, [this] { StepUp(); });
    connect(Down, &QToolButton::clicked, this, [this] { StepDown(); });
}

void LimitUpDown::StepUp() {
    buddy_->setText(QString::number(LimitStep(buddy_->text(), true)));
}

void LimitUpDown::StepDown() {
    buddy_->setText(QString::number(LimitStep(buddy_->text(), false)));
}
