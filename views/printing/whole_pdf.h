#pragma once

#include <QByteArray>

// True when bytes hold a whole PDF document as a PDF writer leaves it: the header, the
// cross-reference table that the trailer points to with every object where the table says,
// and the end marker. A document cut short, or missing a piece anywhere (a disk that ran
// full part way), is not whole: every object after the gap has moved.
bool IsWholePdf(const QByteArray& bytes);
