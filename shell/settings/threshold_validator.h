#pragma once

#include <QLocale>
#include <QValidator>

// The custom threshold field's filter: digits and one decimal separator ("." and ","
// both become the locale's); anything else, typed or pasted, is refused.
class ThresholdValidator : public QValidator {
    Q_OBJECT
public:
    explicit ThresholdValidator(QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;
};
