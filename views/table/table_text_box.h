#pragma once

#include <QAbstractScrollArea>
#include <QBasicTimer>

#include <memory>

class TableRows;

// The table's text box: read-only, fixed pitch, one text line a row (no wrapping). It
// shows the table's lines from their rows, painting only those on screen, so a table of a
// million rows opens as fast as one of ten. The caret and the selection are places (line,
// character); the arrow, page, home and end keys move them (with Shift they select), the
// mouse places and drags them, and the standard keys copy and select all. It reports a
// mouse click and the up and down arrow keys after the caret has moved, so the graphs
// follow the row the caret is on, not the one it left.
class TableTextBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    struct Place {
        qint32 line = 0;
        qint32 column = 0;
        friend bool operator==(const Place&, const Place&) = default;
        friend auto operator<=>(const Place&, const Place&) = default;
    };

    explicit TableTextBox(QWidget* parent = nullptr);
    ~TableTextBox() override;

    // The rows shown, with the caret at the start of the text and nothing marked.
    void SetRows(std::shared_ptr<const TableRows> rows);
    const TableRows* Rows() const { return rows_.get(); }

    qint32 LineCount() const;
    // A line's text without its line end ("" for a line that does not exist).
    QString LineText(qint32 line) const;
    // The whole text and the selected text, lines joined by "\n".
    QString toPlainText() const;
    QString SelectedText() const;
    bool HasSelection() const { return anchor_ != caret_; }
    Place Caret() const { return caret_; }
    Place Anchor() const { return anchor_; }
    // Moves the caret to a place (kept inside the text); keepAnchor extends the selection.
    void SetCaret(Place place, bool keepAnchor = false);
    void SelectAll();
    // The selected text to the clipboard (nothing without a selection).
    void Copy() const;

    // Selects a whole text line (without its line end); nothing for a line past the end.
    void SelectLine(qint32 line);
    qint32 LineLength(qint32 line) const;
    qint32 CaretLine() const { return caret_.line; }
    // Characters between the anchor and the caret, a line end counting as one.
    qint32 SelectionLength() const;
    // Marks a line red and bold, then leaves the caret at its start.
    bool MarkLine(qint32 line);
    qint32 MarkedLine() const { return marked_; }
    bool isReadOnly() const { return true; }

    // Where a place is drawn on the viewport: the caret's rectangle there.
    QRect PlaceRect(Place place) const;

signals:
    void CaretMoved();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int lineHeight() const;
    int visibleLines() const;
    qreal xOf(qint32 line, qint32 column) const;
    Place placeAt(QPoint point) const;
    Place clamped(Place place) const;
    void moveCaret(Place place, bool keepAnchor);
    void ensureCaretVisible();
    void updateScrollBars();
    void restartBlink();
    QFont fontOf(qint32 line) const;

    std::shared_ptr<const TableRows> rows_;
    Place caret_;
    Place anchor_;
    qint32 marked_ = -1;
    int widest_ = 0;        // pixels of the widest line seen
    qreal preferredX_ = -1; // the column the up and down keys keep
    bool caretOn_ = true;
    bool dragging_ = false;
    QBasicTimer blink_;
};
