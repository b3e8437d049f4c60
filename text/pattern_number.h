#pragma once

// Numbers laid out the way a fixed-decimals format pattern lays them out ("#0.00",
// "#.0000"): the value is first taken to the significant digits of its type's text
// (7 for single precision, 15 for double), then rounded half away from zero to the
// decimals, so a single-precision 2.675 gives 2.68. With integerDigit false a value whose
// integer part is 0 is written without the 0 (".5000"). A value that rounds to zero has no
// sign; a value that is not finite is written as 0.

inline constexpr int SingleDigits = 7;
inline constexpr int DoubleDigits = 15;
// Room the longest text can take (the largest double has 309 integer digits).
inline constexpr int PatternNumberRoom = 340;

// Writes the text into out (PatternNumberRoom bytes) and returns its end.
char* WritePatternNumber(char* out, double value, int significantDigits, int decimals,
                         bool integerDigit, char decimal);
// The same taken the long way, through the significant digits for every value.
char* WritePatternNumberBySignificantDigits(char* out, double value, int significantDigits,
                                            int decimals, bool integerDigit, char decimal);
