#include "ui/Number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace ui {

namespace {

// Length of the number at the start of s (after optional sign), 0 if none.
int scanNumber(const QString& s, int from) {
    int i = from;
    const int n = s.size();
    if (i < n && (s[i] == u'+' || s[i] == u'-')) ++i;
    int digits = 0;
    while (i < n && s[i].isDigit() && s[i].unicode() < 128) ++i, ++digits;
    if (i < n && s[i] == u'.') {
        ++i;
        while (i < n && s[i].isDigit() && s[i].unicode() < 128) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        int j = i + 1;
        if (j < n && (s[j] == u'+' || s[j] == u'-')) ++j;
        int expDigits = 0;
        while (j < n && s[j].isDigit() && s[j].unicode() < 128) ++j, ++expDigits;
        if (expDigits > 0) i = j;
    }
    return i - from;
}

// The clock and the counters are plain whole numbers nearly always: read
// those digit by digit, and leave everything else to the full reading.
bool parsePlainWhole(const QString& text, double* out) {
    const qsizetype n = text.size();
    if (n == 0 || n > 16) return false;
    const QChar* c = text.constData();
    qsizetype i = 0;
    const bool negative = c[0] == u'-';
    if (negative || c[0] == u'+') ++i;
    if (i == n || n - i > 15) return false;
    int64_t v = 0;
    for (; i < n; ++i) {
        const char16_t d = c[i].unicode();
        if (d < u'0' || d > u'9') return false;
        v = v * 10 + (d - u'0');
    }
    *out = negative ? -double(v) : double(v);
    return true;
}

bool parseWhole(const QString& text, double* out) {
    if (parsePlainWhole(text, out)) return true;
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    const int len = scanNumber(t, 0);
    if (len != t.size()) return false;
    bool ok = false;
    const double v = t.toDouble(&ok);  // QString::toDouble always uses the C locale
    if (!ok || !std::isfinite(v)) return false;
    *out = v;
    return true;
}

template <typename T>
T toWhole(double value) {
    const double r = roundHalfEven(value);
    if (!std::isfinite(r) || r < double(std::numeric_limits<T>::min()) ||
        r > double(std::numeric_limits<T>::max()))
        throw Abandon{};
    return static_cast<T>(r);
}

}  // namespace

double strictNumber(const QString& text) {
    double v = 0;
    if (!parseWhole(text, &v)) throw Abandon{};
    return v;
}

bool isNumber(const QString& text) {
    double v = 0;
    return parseWhole(text, &v);
}

double leadingNumber(const QString& text) {
    int start = 0;
    while (start < text.size() && text[start].isSpace()) ++start;
    const int len = scanNumber(text, start);
    if (len == 0) return 0;
    bool ok = false;
    const double v = text.mid(start, len).toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0;
}

namespace {
// Whole numbers below 10^15 print as their digits, as the general form would.
bool digitsOnly(double value) { return std::fabs(value) < 1e15 && value == std::trunc(value); }
}  // namespace

QString numberText(double value) {
    if (value == 0) return QStringLiteral("0");  // also turns -0 into 0
    // The small whole numbers the clock counts with are made once and shared.
    if (digitsOnly(value)) {
        static const std::array<QString, 1024> small = [] {
            std::array<QString, 1024> t;
            for (int i = 0; i < 1024; ++i) t[i] = QString::number(i);
            return t;
        }();
        if (value > 0 && value < 1024) return small[size_t(value)];
        return QString::number(int64_t(value));
    }
    return QString::number(value, 'g', 15);
}

char* numberChars(char* out, double value) {
    if (digitsOnly(value)) return std::to_chars(out, out + kNumberChars, int64_t(value)).ptr;
    const QString text = numberText(value);
    for (QChar c : text) *out++ = char(c.unicode());  // digits, signs, '.', 'e'
    return out;
}

double roundHalfEven(double value) { return std::nearbyint(value); }

uint8_t toU8(double value) { return toWhole<uint8_t>(value); }
int16_t toI16(double value) { return toWhole<int16_t>(value); }
int32_t toI32(double value) { return toWhole<int32_t>(value); }

int32_t addI32(int64_t a, int64_t b) {
    const int64_t r = a + b;
    if (r < std::numeric_limits<int32_t>::min() || r > std::numeric_limits<int32_t>::max())
        throw Abandon{};
    return static_cast<int32_t>(r);
}

int32_t mulI32(int64_t a, int64_t b) {
    const int64_t r = a * b;  // operands are 32-bit, so the product fits in 64
    if (r < std::numeric_limits<int32_t>::min() || r > std::numeric_limits<int32_t>::max())
        throw Abandon{};
    return static_cast<int32_t>(r);
}

}  // namespace ui
