#include "views/table/table_text_box.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QTextBlock>

TableTextBox::TableTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

void TableTextBox::SetTableText(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(plain);
    QTextCursor start(document());
    setTextCursor(start);
}

qint32 TableTextBox::LineLength(qint32 line) const {
    const QTextBlock block = document()->findBlockByNumber(line);
    return block.isValid() ? block.length() - 1 : -1;
}

qint32 TableTextBox::CaretLine() const {
    return textCursor().blockNumber();
}

qint32 TableTextBox::SelectionLength() const {
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void TableTextBox::SelectLine(qint32 line) {
    const QTextBlock block = document()->findBlockByNumber(line);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

bool TableTextBox::MarkLine(qint32 line) {
    const QTextBlock block = document()->findBlockByNumber(line);
    if (!block.isValid())
        return false;
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    QTextCharFormat marked;
    marked.setForeground(Qt::red);
    marked.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(marked);
    cursor.setPosition(block.position());
    setTextCursor(cursor);
    return true;
}

void TableTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    emit CaretMoved();
}

void TableTextBox::keyPressEvent(QKeyEvent* event) {
    QPlainTextEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)
        emit CaretMoved();
}
