#include "state/SaveFile.h"

#include <cmath>
#include <limits>

#include "state/Cp932.h"

namespace state {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// ---- Writing ----------------------------------------------------------------

// Text form: the text as held. A line break would split the record in two
// and shift every record after it, so none is ever written.
QString textForm(QString text) {
    text.remove(u'\r');
    text.remove(u'\n');
    return text;
}

QString wholeForm(int64_t v) {
    const QString digits = QString::number(v);
    return v < 0 ? digits + u' ' : u' ' + digits + u' ';
}

// A variant: a number in the number form, text as held, empty as an empty line.
// A number the reader could not take back (infinite) makes the file unwritable.
bool variantForm(const ui::Variant& v, QString* out) {
    if (v.isWhole()) {
        *out = wholeForm(int64_t(v.toNumber()));
    } else if (v.isReal()) {
        if (!std::isfinite(v.toNumber())) return false;
        *out = numberForm(v.toNumber());
    } else {
        *out = textForm(v.toText());
    }
    return true;
}

// ---- Reading ----------------------------------------------------------------

// The file as the game reads it: fields that end at a comma or a line end,
// with the spaces in front skipped and a double-quoted field running to its
// closing quote; or, for a record read whole, the rest of the line. Works on
// bytes: line ends, commas, quotes and spaces are never part of a two-byte
// character in code page 932.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : b_(bytes) {}

    // Nothing when the file has ended, or a quoted field is not closed on its
    // line or is followed by more than spaces.
    std::optional<QByteArray> field() {
        const qsizetype n = b_.size();
        if (pos_ >= n) return std::nullopt;
        while (pos_ < n && b_[pos_] == ' ') ++pos_;
        if (pos_ < n && b_[pos_] == '"') {
            qsizetype q = pos_ + 1;
            while (q < n && b_[q] != '"' && lineEnd(q) == 0) ++q;
            if (q >= n || b_[q] != '"') return std::nullopt;
            QByteArray text = b_.mid(pos_ + 1, q - pos_ - 1);
            pos_ = q + 1;
            while (pos_ < n && b_[pos_] == ' ') ++pos_;
            if (!endOfField()) return std::nullopt;
            return text;
        }
        qsizetype e = pos_;
        while (e < n && b_[e] != ',' && lineEnd(e) == 0) ++e;
        QByteArray text = b_.mid(pos_, e - pos_);
        pos_ = e;
        endOfField();
        return text;
    }

    std::optional<QByteArray> line() {
        const qsizetype n = b_.size();
        if (pos_ >= n) return std::nullopt;
        qsizetype e = pos_;
        while (e < n && lineEnd(e) == 0) ++e;
        QByteArray text = b_.mid(pos_, e - pos_);
        pos_ = e < n ? e + lineEnd(e) : e;
        return text;
    }

private:
    // CR LF ends a line; so does a CR or an LF alone, as other editors leave them.
    qsizetype lineEnd(qsizetype i) const {
        if (b_[i] == '\n') return 1;
        if (b_[i] != '\r') return 0;
        return i + 1 < b_.size() && b_[i + 1] == '\n' ? 2 : 1;
    }
    bool endOfField() {
        if (pos_ >= b_.size()) return true;
        if (b_[pos_] == ',') {
            ++pos_;
            return true;
        }
        const qsizetype e = lineEnd(pos_);
        pos_ += e;
        return e != 0;
    }

    const QByteArray& b_;
    qsizetype pos_ = 0;
};

// Only ASCII can spell a number, so a field's bytes are read as Latin-1.
std::optional<double> numberOf(const std::optional<QByteArray>& f) {
    if (!f) return std::nullopt;
    const QString text = QString::fromLatin1(*f);
    if (!ui::isNumber(text)) return std::nullopt;
    return ui::strictNumber(text);
}

// A whole-number target: the field's number, rounded as every whole-number
// field of the game is, inside the kind's range.
template <typename T>
bool whole(Reader& r, T (*convert)(double), T* out) {
    const std::optional<double> v = numberOf(r.field());
    if (!v) return false;
    try {
        *out = convert(*v);
    } catch (const ui::Abandon&) {
        return false;
    }
    return true;
}

// A variant target becomes a number when its field reads as one. The money and
// Last must: as text the game could not count with them.
std::optional<ui::Variant> numberVariant(Reader& r) {
    std::optional<double> v = numberOf(r.field());
    if (!v) return std::nullopt;
    // Held as the file would write it again: fifteen significant digits.
    v = ui::strictNumber(ui::numberText(*v));
    constexpr double kExact = 9007199254740992.0;  // 2^53: every whole double below is exact
    if (*v == std::trunc(*v) && std::fabs(*v) < kExact) return ui::Variant::whole(int64_t(*v));
    return ui::Variant::real(*v);
}

// A line in the number form (" 7 ", "-3 ", " .5 ").
std::optional<double> inNumberForm(const QString& line) {
    if (line.size() < 3 || !line.endsWith(u' ')) return std::nullopt;
    QString body;
    if (line[0] == u' ')
        body = line.mid(1, line.size() - 2);
    else if (line[0] == u'-')
        body = line.left(line.size() - 1);
    else
        return std::nullopt;
    if (body.trimmed() != body || body.startsWith(u'+') || (line[0] == u' ' && body.startsWith(u'-')))
        return std::nullopt;
    if (!ui::isNumber(body)) return std::nullopt;
    return ui::strictNumber(body);
}

// The name and the picked-floor tag are read as whole lines, so commas,
// quotes, leading spaces and names of digits come back as saved; a line in the
// number form gives the number's text.
std::optional<QString> wholeLine(Reader& r) {
    const std::optional<QByteArray> bytes = r.line();
    if (!bytes) return std::nullopt;
    std::optional<QString> text = fromCp932Exact(*bytes);
    if (!text) return std::nullopt;
    if (const std::optional<double> v = inNumberForm(*text)) return ui::numberText(*v);
    return text;
}

// What the game needs of a loaded game so that no rule breaks on it. A value
// the game can hold is taken as it stands, even one no game of ours writes
// (tenant codes on the lobby or above the roof, a last-drawn floor beyond 100, a
// slower clock than the speed setting offers): refusing it would lose the game.
bool playable(const SaveGame& g) {
    // The per-floor table has floors 1 to 100; a building outside it could
    // not be drawn or extended.
    const int32_t floors = ui::toI32(g.figures[kFloors]);  // read from the file as a number
    if (floors < 1 || floors > 100) return false;
    // Counts of people, buildings and floors are never below 0 (a negative
    // employee count would also earn no rank).
    for (int k = kHousing; k < kFigures; ++k)
        if (ui::strictNumber(g.figures[k]) < 0) return false;
    // A date the calendar shows: the year counts from 1, and a month or week
    // outside it would move the date while the game loads.
    if (g.Ye1 < 1 || g.Mon1 < 1 || g.Mon1 > 12 || g.We1 < 1 || g.We1 > 4) return false;
    if (g.Spe < 0) return false;  // no clock interval is below 0 ms
    for (int k = 1; k < 10; k += 2)
        if (g.loans[k] > 12) return false;  // due months; 0 is a free window
    for (uint8_t code : g.floors)
        if (code > 3) return false;  // vacant, hotel, restaurant, company
    return true;
}

}  // namespace

QString numberForm(double value) {
    QString t = ui::numberText(value);
    if (t.startsWith(QStringLiteral("0.")))
        t.remove(0, 1);
    else if (t.startsWith(QStringLiteral("-0.")))
        t.remove(1, 1);
    t.replace(u'e', u'E');
    return value < 0 ? t + u' ' : u' ' + t + u' ';
}

std::optional<QByteArray> writeSave(const SaveGame& g) {
    QString out;
    out.reserve(1024);
    auto put = [&out](const QString& line) {
        out += line;
        out += kLineEnd;
    };
    for (const QString& f : g.figures) put(textForm(f));
    put(wholeForm(g.CK));
    put(textForm(g.CF));
    put(wholeForm(g.Ye1));
    put(wholeForm(g.Mon1));
    put(wholeForm(g.We1));
    put(wholeForm(g.Spe));
    QString line;
    if (!variantForm(g.Last, &line)) return std::nullopt;
    put(line);
    for (uint8_t v : g.loans) put(wholeForm(v));
    if (!variantForm(g.Player, &line)) return std::nullopt;
    put(line);
    for (uint8_t code : g.floors) put(QString::number(code));
    if (!cp932CanHold(out)) return std::nullopt;
    QByteArray bytes = toCp932(out);
    if (bytes.size() > kLargestSave) return std::nullopt;
    return bytes;
}

std::optional<SaveGame> readSave(const QByteArray& bytes) {
    Reader r(bytes);
    SaveGame g;

    const std::optional<ui::Variant> money = numberVariant(r);
    if (!money) return std::nullopt;
    g.figures[kMoney] = ui::numberText(money->toNumber());
    for (int k = kHousing; k < kFigures; ++k) {
        int32_t v = 0;
        if (!whole<int32_t>(r, ui::toI32, &v)) return std::nullopt;
        g.figures[k] = QString::number(v);
    }
    if (!whole<uint8_t>(r, ui::toU8, &g.CK)) return std::nullopt;
    std::optional<QString> cf = wholeLine(r);
    if (!cf) return std::nullopt;
    g.CF = *cf;
    if (!whole<int16_t>(r, ui::toI16, &g.Ye1) || !whole<uint8_t>(r, ui::toU8, &g.Mon1) ||
        !whole<uint8_t>(r, ui::toU8, &g.We1) || !whole<int32_t>(r, ui::toI32, &g.Spe))
        return std::nullopt;
    const std::optional<ui::Variant> last = numberVariant(r);
    if (!last) return std::nullopt;
    g.Last = *last;
    for (uint8_t& v : g.loans)
        if (!whole<uint8_t>(r, ui::toU8, &v)) return std::nullopt;
    std::optional<QString> name = wholeLine(r);
    if (!name) return std::nullopt;
    g.Player = ui::Variant::text(*name);
    for (uint8_t& code : g.floors)
        if (!whole<uint8_t>(r, ui::toU8, &code)) return std::nullopt;

    if (!playable(g)) return std::nullopt;
    return g;
}

bool startsLikeSave(const QByteArray& head) {
    const qsizetype end = head.indexOf('\n');
    if (end < 0) return false;
    Reader r(head.left(end + 1));
    return numberVariant(r).has_value();
}

}  // namespace state
