#pragma once

#include "platform/ui_services.h"

#include <QString>

// The program's own modal message box. iconKind 0..2 (-1 means 0), buttonKind 0 Yes/No,
// 1 OK, 2 OK/Cancel (-1 means 1); an empty title takes the icon kind's default title.
// True for OK or Yes.
bool MessBox(const QString& message, const QString& title, int iconKind, int buttonKind);

// The same box with Yes, No and Cancel (button kind 3): which of them ended it, the close
// box being Cancel.
BoxAnswer MessBoxYesNoCancel(const QString& message, const QString& title, int iconKind);
