#pragma once

#include <QtGlobal>

// Builds the data-table text of the current data set (time order when Chronological is
// not 0, else value order), passes it through the report file into the data-table
// window, marks the median row and shows the window. Nothing without a data set. True
// when the table is shown; a failure goes to the error report and leaves any open window
// as it was.
bool ViewDataSource(qint16 Chronological, qint16 unused = -1);

// Marks data row Pos (0-based) of the table shown as the median row.
void HighlightMediana(qint32 Pos);

// The caret moved in the table: the graphs' cross-hair follows its row (time order only).
void GetChartPoint();
// A graph point was clicked: the cross-hairs go there and the table selects its row.
void GetSourceRow(qint32 ValueIndex);
