#pragma once

#include <QString>

// The rules of the identification dialog's two texts, without a window.
namespace IdCode {
constexpr int ShortWidth = 16;
constexpr int LongWidth = 48;
} // namespace IdCode

// What a text box keeps of typed or pasted text: line feeds, carriage returns, quote marks
// and every other control character are left out (the instrument's texts end up inside
// quoted session files), and so is every character the instrument's code page
// (Windows-1252) cannot hold.
QString FilterIdText(const QString& text);
// The text left-justified in width characters, blank-padded.
QString PadIdText(const QString& text, int width);
// The message for a text longer than width characters (text 28 and "(Max width)"); an
// empty text when it fits.
QString IdLengthMessage(const QString& text, int width);
