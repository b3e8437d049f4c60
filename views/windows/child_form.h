#pragma once

#include <QString>

#include <functional>

class QWidget;

// A data window's caption: the session's file name with the window's own caption in
// brackets after it, or the own caption alone while the data set has no file name.
QString DataWindowCaption(const QString& fileName, const QString& ownCaption);

// Calls activated each time form becomes the active window: as a window of its own, or, as
// a child of the main window, each time its frame becomes the active child (being shown
// straight into the front counts as the first time). The watch lives as long as form.
void CallOnActivation(QWidget* form, std::function<void()> activated);

// Closes form: through its frame when it is a child of the main window, else itself.
void CloseForm(QWidget* form);

// Deletes form at once, with its frame when it is a child of the main window.
void DeleteForm(QWidget* form);
