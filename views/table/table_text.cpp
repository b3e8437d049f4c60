#include "views/table/table_text.h"

#include "core/error_report.h"
#include "data/dataset.h"
#include "stats/median.h"
#include "views/table/table_rows.h"

#include <algorithm>

int TableHeaderOffset(const DataSet& data) {
    return data.RfDataPresent ? 8 : 7;
}

std::vector<qint32> ValueOrder(const DataSet& data) {
    const qint32 n = data.NumSamples;
    std::vector<qint32> order;
    order.reserve(static_cast<size_t>(qMax(n, 0)));
    std::vector<bool> seen(static_cast<size_t>(qMax(n, 0)) + 1, false);
    bool valid = true;
    for (qint32 k : data.SortedIndex) {
        if (k == 0)
            continue; // the sort's empty element, wherever it ended up
        if (k < 0 || k > n || seen[static_cast<size_t>(k)]) {
            valid = false;
            break;
        }
        if (!order.empty() && data.DataRes.at(k) < data.DataRes.at(order.back())) {
            valid = false;
            break;
        }
        seen[static_cast<size_t>(k)] = true;
        order.push_back(k);
    }
    if (valid && order.size() == static_cast<size_t>(qMax(n, 0)))
        return order;
    // The sorted arrays do not hold this data set's order: sort it here, the same way.
    std::vector<double> res(static_cast<size_t>(qMax(n, 0)) + 1, 0.0);
    std::vector<qint32> index(res.size(), 0);
    for (qint32 k = 1; k <= n; ++k) {
        res[static_cast<size_t>(k)] = data.DataRes.at(k);
        index[static_cast<size_t>(k)] = k;
    }
    SortResultants(res, index);
    order.assign(index.begin() + 1, index.end());
    return order;
}

qint32 MedianSample(const DataSet& data) {
    const qint32 k = data.MedianSampleNumber;
    return data.MedianPresent && k >= 1 && k <= data.NumSamples ? k : -1;
}

DataTable BuildDataTable(const DataSet& data, TableOrder order) {
    const TableRows rows(data, order);
    DataTable table;
    table.text = rows.Text();
    table.headerOffset = rows.HeaderOffset();
    table.medianRow = rows.MedianRow();
    return table;
}
