#include "platform/chart/chart_model.h"

#include <algorithm>

ChartSeries& ChartModel::AddSeries(ChartSeriesKind kind) {
    series_.emplace_back(kind);
    return series_.back();
}

void ChartModel::RemoveAllSeries() {
    series_.clear();
    Zoom.reset();
}

qint32 ChartModel::MaxPointCount() const {
    qint32 count = 0;
    for (const ChartSeries& s : series_)
        count = std::max(count, s.Count());
    return count;
}

bool ChartModel::HasBars() const {
    return std::any_of(series_.begin(), series_.end(),
                       [](const ChartSeries& s) { return s.Kind() == ChartSeriesKind::Bar; });
}

QString ChartModel::LabelOf(qint32 index) const {
    for (const ChartSeries& s : series_) {
        if (s.HasLabels()) {
            const QString label = s.Label(index);
            if (!label.isEmpty())
                return label;
        }
    }
    if (PointLabel)
        return PointLabel(index);
    return QString();
}
