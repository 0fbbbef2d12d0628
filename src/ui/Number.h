#pragma once
// The one place where the game turns label text into numbers and back.
#include <QString>
#include <cstdint>

namespace ui {

// Thrown by a failed conversion or an index out of range; the dispatcher
// abandons the running handler silently and keeps what it already wrote.
struct Abandon {};

// Strict reading: the whole text (spaces around it allowed) must be a finite
// number, otherwise the running handler is abandoned.
double strictNumber(const QString& text);
// Lenient reading: the leading number of the text, 0 when there is none.
double leadingNumber(const QString& text);
// Is the whole text a number (the strict reading would succeed)?
bool isNumber(const QString& text);

// Shortest decimal text with at most 15 significant digits (4, 0.5, 107.05).
QString numberText(double value);
// The same text as bytes at `out`, which has room for kNumberChars; returns
// its end. For files of many figures, written without a string apiece.
inline constexpr int kNumberChars = 32;
char* numberChars(char* out, double value);

// Whole-number conversion: round half to even, then check the kind's range.
double roundHalfEven(double value);
uint8_t toU8(double value);
int16_t toI16(double value);
int32_t toI32(double value);
inline uint8_t toU8(const QString& t) { return toU8(strictNumber(t)); }
inline int16_t toI16(const QString& t) { return toI16(strictNumber(t)); }
inline int32_t toI32(const QString& t) { return toI32(strictNumber(t)); }

// 32-bit arithmetic with overflow detection, as the month end's sums need.
int32_t addI32(int64_t a, int64_t b);
int32_t mulI32(int64_t a, int64_t b);

}  // namespace ui
