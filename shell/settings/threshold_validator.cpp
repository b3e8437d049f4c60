#include "shell/settings/threshold_validator.h"

#include "shell/settings/settings_form.h"

ThresholdValidator::ThresholdValidator(QObject* parent) : QValidator(parent) {}

QValidator::State ThresholdValidator::validate(QString& input, int&) const {
    return FilterThresholdText(input, locale()) ? Acceptable : Invalid;
}
