#include "platform/chart/chart_series.h"

#include <algorithm>
#include <cmath>
#include <limits>

void ChartSeries::AddPoint(double value, const QString& label, const QColor& color) {
    thinned_ = {};
    const size_t index = values_.size();
    constexpr double largest = std::numeric_limits<float>::max();
    values_.push_back(std::isfinite(value)
                          ? static_cast<float>(std::clamp(value, -largest, largest))
                          : std::numeric_limits<float>::quiet_NaN());
    if (!label.isEmpty() || !labels_.empty()) {
        labels_.resize(index);
        labels_.push_back(label);
    }
    if (color.isValid() || !colors_.empty()) {
        colors_.resize(index, 0);
        colors_.push_back(color.isValid() ? color.rgba() : 0);
    }
}

void ChartSeries::AddGap(const QString& label) {
    AddPoint(std::numeric_limits<double>::quiet_NaN(), label);
}

void ChartSeries::SetValues(ChartValues values) {
    values_ = std::move(values);
    thinned_ = {};
    labels_.clear();
    colors_.clear();
}

void ChartSeries::Clear() {
    thinned_ = {};
    values_.clear();
    labels_.clear();
    colors_.clear();
}

bool ChartSeries::IsGap(qint32 index) const {
    return index < 0 || index >= Count() || std::isnan(values_[index]);
}

double ChartSeries::Value(qint32 index) const {
    if (index < 0 || index >= Count())
        return std::numeric_limits<double>::quiet_NaN();
    return values_[index];
}

QString ChartSeries::Label(qint32 index) const {
    if (index < 0 || static_cast<size_t>(index) >= labels_.size())
        return QString();
    return labels_[index];
}

QColor ChartSeries::PointColor(qint32 index) const {
    if (index < 0 || static_cast<size_t>(index) >= colors_.size() || qAlpha(colors_[index]) == 0)
        return Color;
    return QColor::fromRgba(colors_[index]);
}
