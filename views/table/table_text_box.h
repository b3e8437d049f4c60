#pragma once

#include "views/table/chart_row_link.h"

#include <QPlainTextEdit>

// The table's text box: read-only, fixed pitch, one text line a row (no wrapping). It
// reports a mouse click and the up and down arrow keys after the caret has moved, so the
// graphs follow the row the caret is on, not the one it left.
class TableTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TableTextBox(QWidget* parent = nullptr);

    // The text, shown with the caret at its start; line ends "\r\n" or "\n".
    void SetTableText(const QString& text);
    // Selects a whole text line (without its line end); nothing for a line past the end.
    void SelectLine(qint32 line);
    qint32 LineLength(qint32 line) const;
    qint32 CaretLine() const;
    qint32 SelectionLength() const;
    // Marks a line red and bold, then leaves the caret at its start.
    bool MarkLine(qint32 line);

signals:
    void CaretMoved();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
