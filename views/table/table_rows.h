#pragma once

#include "views/table/table_text.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

#include <memory>
#include <vector>

class QIODevice;
class RowTimeText;
class TextBuffer;

// The data-table text of a data set as lines made when they are asked for: the header
// lines, the empty line, one row per sample and the empty line after the last line end.
// It keeps its own reference to the data set's arrays, so it stays whole when the data set
// is replaced. A line is the same text the whole table holds there.
class TableRows {
public:
    // Raises the errors of the table text: arrays shorter than the count, a start that is
    // no date-time, an unknown step unit.
    TableRows(const DataSet& data, TableOrder order);
    ~TableRows();
    TableRows(const TableRows&) = delete;
    TableRows& operator=(const TableRows&) = delete;

    TableOrder Order() const { return order_; }
    // Lines before the first data row: 7, or 8 for a station import.
    int HeaderOffset() const { return headerOffset_; }
    qint32 RowCount() const { return count_; }
    qint32 LineCount() const { return qint32(headerLines_.size()) + count_ + 1; }
    // The data row of the median, -1 when there is none.
    qint32 MedianRow() const { return medianRow_; }

    // A line's text without its line end; empty for a line that does not exist.
    QString Line(qint32 line) const;
    // The same as bytes (UTF-8).
    QByteArray LineBytes(qint32 line) const;
    // Characters of the line (as the text counts them, without the line end); -1 when there
    // is no such line.
    qint32 LineLength(qint32 line) const;

    // The whole text, every line ended by CR LF, UTF-8.
    QByteArray Text() const;
    // The same written to a device a block at a time; false when a write fails.
    bool Write(QIODevice& out) const;

private:
    // The row's text, and its line end when lineEnd.
    template <TableOrder Order> void appendRow(TextBuffer& out, qint32 row, bool lineEnd) const;
    void appendRow(TextBuffer& out, qint32 row, bool lineEnd) const;
    // Rows from..to-1, each with its line end.
    template <TableOrder Order> void appendRows(TextBuffer& out, qint32 from, qint32 to) const;
    void appendRows(TextBuffer& out, qint32 from, qint32 to) const;

    TableOrder order_;
    int headerOffset_ = 7;
    qint32 count_ = 0;
    qint32 medianRow_ = -1;
    QStringList headerLines_; // the header and the empty line below it
    QByteArray headerBytes_;
    QVector<float> x_, y_, z_;
    QVector<double> res_;
    std::vector<qint32> samples_; // value order: the sample of each row
    qint64 start_ = 0;            // seconds of sample 1 since the epoch
    qint64 step_ = 0;             // seconds between samples
    QByteArray point_;
    bool asciiNumbers_ = true;           // one-byte separator, digits 0-9: the shared column writer
    std::unique_ptr<RowTimeText> times_; // compiled patterns and each date's text
};
