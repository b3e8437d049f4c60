#pragma once

class QKeyEvent;
class QWidget;

// The menus' shortcuts Ctrl+C, Ctrl+X, Ctrl+V and Ctrl+A are also the keys that copy, cut,
// paste and select text. While a text view or field has the focus they do that there; the
// menu commands keep them everywhere else.

// The keys that edit or select text: copy, cut, paste, select all, undo, redo.
bool IsTextEditingKey(const QKeyEvent& key);

// True for a widget that works on text with those keys: a text box or field, a spin box's
// field, an item view, or any widget that says so with the property "takesEditingKeys".
bool TakesEditingKeys(const QWidget* widget);

// Lets a text view or field inside window take the editing keys before the window's own
// shortcuts do.
void LetTextTakeEditingKeys(QWidget* window);
