#include "views/table/table_text_box.h"

#include "core/language.h"
#include "views/table/table_rows.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// Blank space around the text, as a text box leaves it.
constexpr int Margin = 4;

bool isBlank(QChar c) {
    return c.isSpace();
}
} // namespace

TableTextBox::TableTextBox(QWidget* parent) : QAbstractScrollArea(parent) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setCursor(Qt::IBeamCursor);
    // The copy and select-all keys are this box's while it has the focus.
    setProperty("takesEditingKeys", true);
    updateScrollBars();
}

TableTextBox::~TableTextBox() = default;

void TableTextBox::SetRows(std::shared_ptr<const TableRows> rows) {
    rows_ = std::move(rows);
    caret_ = anchor_ = Place{};
    marked_ = -1;
    preferredX_ = -1;
    widest_ = 0;
    const QFontMetricsF metrics(font());
    // The widest line is found as lines come on screen; the header and the first and last
    // rows give the usual width from the start.
    const qint32 count = LineCount();
    for (qint32 line = 0; line < count; ++line) {
        if (rows_ && line >= rows_->HeaderOffset() + 1 && line < count - 2)
            line = count - 2;
        widest_ = std::max(widest_, int(std::ceil(metrics.horizontalAdvance(LineText(line)))));
    }
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
}

qint32 TableTextBox::LineCount() const {
    return rows_ ? rows_->LineCount() : 1;
}

QString TableTextBox::LineText(qint32 line) const {
    return rows_ ? rows_->Line(line) : QString();
}

qint32 TableTextBox::LineLength(qint32 line) const {
    if (!rows_)
        return line == 0 ? 0 : -1;
    return rows_->LineLength(line);
}

QString TableTextBox::toPlainText() const {
    QString text;
    const qint32 count = LineCount();
    for (qint32 line = 0; line < count; ++line) {
        if (line > 0)
            text += u'\n';
        text += LineText(line);
    }
    return text;
}

QString TableTextBox::SelectedText() const {
    const Place from = std::min(anchor_, caret_);
    const Place to = std::max(anchor_, caret_);
    QString text;
    for (qint32 line = from.line; line <= to.line; ++line) {
        const QString whole = LineText(line);
        const qint32 first = line == from.line ? from.column : 0;
        const qint32 last = line == to.line ? to.column : qint32(whole.size());
        text += whole.mid(first, last - first);
        if (line < to.line)
            text += u'\n';
    }
    return text;
}

qint32 TableTextBox::SelectionLength() const {
    const Place from = std::min(anchor_, caret_);
    const Place to = std::max(anchor_, caret_);
    if (from.line == to.line)
        return to.column - from.column;
    qint64 length = LineLength(from.line) - from.column + 1;
    for (qint32 line = from.line + 1; line < to.line; ++line)
        length += LineLength(line) + 1;
    length += to.column;
    return qint32(std::min<qint64>(length, std::numeric_limits<qint32>::max()));
}

TableTextBox::Place TableTextBox::clamped(Place place) const {
    place.line = std::clamp(place.line, 0, LineCount() - 1);
    place.column = std::clamp(place.column, 0, std::max(LineLength(place.line), 0));
    return place;
}

void TableTextBox::moveCaret(Place place, bool keepAnchor) {
    caret_ = clamped(place);
    if (!keepAnchor)
        anchor_ = caret_;
    ensureCaretVisible();
    restartBlink();
    viewport()->update();
}

void TableTextBox::SetCaret(Place place, bool keepAnchor) {
    preferredX_ = -1;
    moveCaret(place, keepAnchor);
}

void TableTextBox::SelectAll() {
    const qint32 last = LineCount() - 1;
    anchor_ = Place{};
    caret_ = Place{last, std::max(LineLength(last), 0)};
    viewport()->update();
}

void TableTextBox::Copy() const {
    if (HasSelection())
        QGuiApplication::clipboard()->setText(SelectedText());
}

void TableTextBox::SelectLine(qint32 line) {
    if (line < 0 || line >= LineCount())
        return;
    preferredX_ = -1;
    anchor_ = Place{line, 0};
    moveCaret(Place{line, LineLength(line)}, true);
}

bool TableTextBox::MarkLine(qint32 line) {
    if (line < 0 || line >= LineCount())
        return false;
    marked_ = line;
    SetCaret(Place{line, 0});
    return true;
}

QFont TableTextBox::fontOf(qint32 line) const {
    QFont f = font();
    if (line == marked_)
        f.setBold(true);
    return f;
}

int TableTextBox::lineHeight() const {
    return std::max(1, QFontMetrics(font()).lineSpacing());
}

int TableTextBox::visibleLines() const {
    return std::max(1, (viewport()->height() - 2 * Margin) / lineHeight());
}

qreal TableTextBox::xOf(qint32 line, qint32 column) const {
    return QFontMetricsF(fontOf(line)).horizontalAdvance(LineText(line).left(column));
}

QRect TableTextBox::PlaceRect(Place place) const {
    const int top = Margin + (place.line - verticalScrollBar()->value()) * lineHeight();
    const int x = Margin - horizontalScrollBar()->value() + int(xOf(place.line, place.column));
    return QRect(x, top, 1, lineHeight());
}

TableTextBox::Place TableTextBox::placeAt(QPoint point) const {
    const int first = verticalScrollBar()->value();
    const qint32 line =
        std::clamp(first + (point.y() - Margin) / lineHeight() - (point.y() < Margin ? 1 : 0), 0,
                   LineCount() - 1);
    const qreal x = point.x() - Margin + horizontalScrollBar()->value();
    const QString text = LineText(line);
    const QFontMetricsF metrics(fontOf(line));
    // The boundary between characters nearest to the point.
    qint32 best = 0;
    qreal bestDistance = std::abs(x);
    for (qint32 column = 1; column <= text.size(); ++column) {
        const qreal distance = std::abs(metrics.horizontalAdvance(text.left(column)) - x);
        if (distance < bestDistance) {
            best = column;
            bestDistance = distance;
        }
    }
    return Place{line, best};
}

void TableTextBox::ensureCaretVisible() {
    QScrollBar* vertical = verticalScrollBar();
    if (caret_.line < vertical->value())
        vertical->setValue(caret_.line);
    else if (caret_.line >= vertical->value() + visibleLines())
        vertical->setValue(caret_.line - visibleLines() + 1);
    QScrollBar* horizontal = horizontalScrollBar();
    const int x = int(xOf(caret_.line, caret_.column));
    const int width = viewport()->width() - 2 * Margin;
    if (x < horizontal->value())
        horizontal->setValue(x);
    else if (x > horizontal->value() + width)
        horizontal->setValue(x - width);
}

void TableTextBox::updateScrollBars() {
    const int lines = visibleLines();
    verticalScrollBar()->setRange(0, std::max(0, LineCount() - lines));
    verticalScrollBar()->setPageStep(lines);
    verticalScrollBar()->setSingleStep(1);
    const int width = viewport()->width();
    horizontalScrollBar()->setRange(0, std::max(0, widest_ + 2 * Margin - width));
    horizontalScrollBar()->setPageStep(width);
    horizontalScrollBar()->setSingleStep(QFontMetrics(font()).averageCharWidth());
}

void TableTextBox::restartBlink() {
    caretOn_ = true;
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (hasFocus() && flash > 0)
        blink_.start(flash / 2, this);
    else
        blink_.stop();
}

void TableTextBox::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int height = lineHeight();
    const int first = verticalScrollBar()->value();
    const int left = Margin - horizontalScrollBar()->value();
    const Place from = std::min(anchor_, caret_);
    const Place to = std::max(anchor_, caret_);
    const QPalette& colours = palette();
    int widest = widest_;
    for (qint32 line = first; line < LineCount(); ++line) {
        const int top = Margin + (line - first) * height;
        if (top >= viewport()->height())
            break;
        const QString text = LineText(line);
        const QFont lineFont = fontOf(line);
        const QFontMetricsF metrics(lineFont);
        painter.setFont(lineFont);
        widest = std::max(widest, int(std::ceil(metrics.horizontalAdvance(text))));
        const QRectF box(left, top, std::max<qreal>(viewport()->width(), widest_ + Margin), height);
        const QColor ink = line == marked_ ? QColor(Qt::red) : colours.color(QPalette::Text);
        painter.setPen(ink);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, text);
        if (HasSelection() && line >= from.line && line <= to.line) {
            const qint32 start = line == from.line ? from.column : 0;
            const qint32 end = line == to.line ? to.column : qint32(text.size());
            const qreal x0 = metrics.horizontalAdvance(text.left(start));
            // A selected line end shows as the width of a blank.
            const qreal x1 = metrics.horizontalAdvance(text.left(end)) +
                             (line < to.line ? metrics.horizontalAdvance(u' ') : 0);
            const QRectF selected(left + x0, top, x1 - x0, height);
            painter.fillRect(selected, colours.brush(QPalette::Highlight));
            painter.save();
            painter.setClipRect(selected);
            painter.setPen(colours.color(QPalette::HighlightedText));
            painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, text);
            painter.restore();
        }
    }
    if (hasFocus() && caretOn_) {
        const QRect caret = PlaceRect(caret_);
        if (caret.bottom() >= 0 && caret.top() < viewport()->height())
            painter.fillRect(caret, colours.color(QPalette::Text));
    }
    if (widest > widest_) {
        widest_ = widest;
        QMetaObject::invokeMethod(
            this, [this] { updateScrollBars(); }, Qt::QueuedConnection);
    }
}

void TableTextBox::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TableTextBox::scrollContentsBy(int, int) {
    viewport()->update();
}

bool TableTextBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)) {
            key->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void TableTextBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        Copy();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
        return;
    }
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool control = event->modifiers() & Qt::ControlModifier;
    const Place from = std::min(anchor_, caret_);
    const Place to = std::max(anchor_, caret_);
    const qint32 last = LineCount() - 1;
    auto vertical = [&](qint32 lines) {
        if (preferredX_ < 0)
            preferredX_ = xOf(caret_.line, caret_.column);
        const qint32 line = std::clamp(caret_.line + lines, 0, last);
        const QString text = LineText(line);
        const QFontMetricsF metrics(fontOf(line));
        qint32 column = 0;
        qreal distance = preferredX_;
        for (qint32 c = 1; c <= text.size(); ++c) {
            const qreal d = std::abs(metrics.horizontalAdvance(text.left(c)) - preferredX_);
            if (d < distance) {
                distance = d;
                column = c;
            }
        }
        moveCaret(Place{line, column}, shift);
    };
    auto word = [&](bool forward) {
        Place at = caret_;
        const QString text = LineText(at.line);
        if (forward) {
            if (at.column >= text.size() && at.line < last)
                return Place{at.line + 1, 0};
            while (at.column < text.size() && !isBlank(text.at(at.column)))
                ++at.column;
            while (at.column < text.size() && isBlank(text.at(at.column)))
                ++at.column;
        } else {
            if (at.column == 0 && at.line > 0)
                return Place{at.line - 1, qint32(LineText(at.line - 1).size())};
            while (at.column > 0 && isBlank(text.at(at.column - 1)))
                --at.column;
            while (at.column > 0 && !isBlank(text.at(at.column - 1)))
                --at.column;
        }
        return at;
    };
    switch (event->key()) {
    case Qt::Key_Up:
        vertical(-1);
        break;
    case Qt::Key_Down:
        vertical(1);
        break;
    case Qt::Key_PageUp:
        vertical(-visibleLines());
        break;
    case Qt::Key_PageDown:
        vertical(visibleLines());
        break;
    case Qt::Key_Left:
        if (control)
            SetCaret(word(false), shift);
        else if (HasSelection() && !shift)
            SetCaret(from);
        else if (caret_.column > 0)
            SetCaret(Place{caret_.line, caret_.column - 1}, shift);
        else if (caret_.line > 0)
            SetCaret(Place{caret_.line - 1, LineLength(caret_.line - 1)}, shift);
        break;
    case Qt::Key_Right:
        if (control)
            SetCaret(word(true), shift);
        else if (HasSelection() && !shift)
            SetCaret(to);
        else if (caret_.column < LineLength(caret_.line))
            SetCaret(Place{caret_.line, caret_.column + 1}, shift);
        else if (caret_.line < last)
            SetCaret(Place{caret_.line + 1, 0}, shift);
        break;
    case Qt::Key_Home:
        SetCaret(control ? Place{} : Place{caret_.line, 0}, shift);
        break;
    case Qt::Key_End:
        SetCaret(control ? Place{last, LineLength(last)}
                         : Place{caret_.line, LineLength(caret_.line)},
                 shift);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)
        emit CaretMoved();
}

void TableTextBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    dragging_ = true;
    SetCaret(placeAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void TableTextBox::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton))
        return;
    SetCaret(placeAt(event->position().toPoint()), true);
}

void TableTextBox::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    QAbstractScrollArea::mouseReleaseEvent(event);
    emit CaretMoved();
}

void TableTextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    // The word under the pointer: the run of characters between blanks.
    const Place at = placeAt(event->position().toPoint());
    const QString text = LineText(at.line);
    qint32 start = at.column;
    qint32 end = at.column;
    while (start > 0 && !isBlank(text.at(start - 1)))
        --start;
    while (end < text.size() && !isBlank(text.at(end)))
        ++end;
    anchor_ = Place{at.line, start};
    moveCaret(Place{at.line, end}, true);
    dragging_ = true;
}

void TableTextBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(ResString(3950), this, [this] { Copy(); });
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(HasSelection());
    QAction* all = menu.addAction(ResString(3951), this, [this] { SelectAll(); });
    all->setShortcut(QKeySequence::SelectAll);
    menu.exec(event->globalPos());
}

void TableTextBox::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    restartBlink();
    viewport()->update();
}

void TableTextBox::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    blink_.stop();
    viewport()->update();
}

void TableTextBox::timerEvent(QTimerEvent* event) {
    if (event->timerId() != blink_.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    caretOn_ = !caretOn_;
    viewport()->update(PlaceRect(caret_).adjusted(-1, 0, 1, 0));
}
