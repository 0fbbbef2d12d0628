#include "state/History.h"

#include <QByteArrayView>
#include <QCryptographicHash>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "state/SaveFile.h"
#include "ui/Number.h"

namespace state {

namespace {

const QByteArray kHeader = QByteArrayLiteral("rumie-suii 2");
// The first format named the save's player where a fingerprint stands now,
// and dated the turn of the year's first settling month 13.
const QByteArray kFirstHeader = QByteArrayLiteral("rumie-suii 1");

constexpr double kI16 = std::numeric_limits<int16_t>::max();
constexpr double kExact = 9007199254740992.0;  // 2^53: a whole result a double holds exactly
constexpr double kAny = std::numeric_limits<double>::max();

// A game's first month end enters 1年目5月; each month end enters the next.
int monthsFromStart(int year, int month) { return (year - 1) * 12 + month - 4; }

// A number of the row within [lo, hi]; anything else is a broken file.
std::optional<double> field(QByteArrayView text, double lo, double hi, bool whole) {
    const QString t = QString::fromLatin1(text);
    if (t.trimmed() != t || !ui::isNumber(t)) return std::nullopt;
    double v = 0;
    try {
        // Held as the file would write it again: fifteen significant digits.
        v = ui::strictNumber(ui::numberText(ui::strictNumber(t)));
    } catch (const ui::Abandon&) {
        return std::nullopt;
    }
    if (!std::isfinite(v) || v < lo || v > hi || (whole && v != std::trunc(v))) return std::nullopt;
    return v;
}

// The file a line at a time, nothing split or copied up front: a file refused
// by its first lines costs no more than those lines, whatever its size.
class Lines {
public:
    explicit Lines(QByteArrayView bytes) : rest_(bytes) {}
    // The next line without its line break; nothing when no line break is left.
    std::optional<QByteArrayView> next() {
        const qsizetype end = rest_.indexOf('\n');
        if (end < 0) return std::nullopt;
        const QByteArrayView line = rest_.first(end);
        rest_ = rest_.sliced(end + 1);
        return line;
    }
    bool atEnd() const { return rest_.isEmpty(); }

private:
    QByteArrayView rest_;
};

// What the first three lines say; the rows are still unread.
struct Head {
    bool first = false;   // the first format
    QByteArrayView owner; // the save's fingerprint, or (first format) its player's name
    qsizetype count = 0;
    Lines rows;
};

// `whole`: the file, else only its first piece.
std::optional<Head> headOf(const QByteArray& bytes, bool whole = true) {
    if (whole && (bytes.size() > kLargestSave || !bytes.endsWith('\n'))) return std::nullopt;
    Lines lines(bytes);
    const std::optional<QByteArrayView> header = lines.next();
    if (!header || (*header != kHeader && *header != kFirstHeader)) return std::nullopt;
    const std::optional<QByteArrayView> owner = lines.next();
    const std::optional<QByteArrayView> count = lines.next();
    if (!count) return std::nullopt;
    const std::optional<double> n = field(*count, 0, double(whole ? bytes.size() : kLargestSave), true);
    if (!n) return std::nullopt;
    return Head{*header == kFirstHeader, *owner, qsizetype(*n), lines};
}

// A row's seven figures, each within what the game can write. The first
// format's month 13 is the January the turn of the year enters (and a month
// end left waiting could carry it on), as the game dates it now.
std::optional<MonthRow> rowOf(QByteArrayView line, bool first) {
    std::array<QByteArrayView, 7> f;
    for (size_t i = 0; i < f.size(); ++i) {
        const qsizetype space = line.indexOf(' ');
        if ((space < 0) != (i + 1 == f.size())) return std::nullopt;
        f[i] = space < 0 ? line : line.first(space);
        line = space < 0 ? QByteArrayView() : line.sliced(space + 1);
    }
    const auto year = field(f[0], 1, kI16, true);
    const auto month = field(f[1], 1, first ? 24 : 12, true);
    const auto money = field(f[2], -kAny, kAny, false);
    const auto result = field(f[3], -kExact, kExact, true);
    const auto population = field(f[4], -kAny, kAny, false);
    const auto employees = field(f[5], -kAny, kAny, false);
    const auto floors = field(f[6], 1, 100, true);
    if (!year || !month || !money || !result || !population || !employees || !floors) return std::nullopt;
    MonthRow row{int(*year), int(*month), *money, int64_t(*result), *population, *employees, int32_t(*floors)};
    if (row.month > 12) row.year += 1, row.month -= 12;
    if (row.year > kI16) return std::nullopt;
    return row;
}

// Exactly the counted rows, and nothing after them.
std::optional<std::vector<MonthRow>> rowsOf(Head& head) {
    std::vector<MonthRow> rows;
    for (qsizetype i = 0; i < head.count; ++i) {
        const std::optional<QByteArrayView> line = head.rows.next();
        if (!line) return std::nullopt;
        const std::optional<MonthRow> row = rowOf(*line, head.first);
        if (!row) return std::nullopt;
        rows.push_back(*row);
    }
    if (!head.rows.atEnd()) return std::nullopt;
    return rows;
}

// One row a month in the calendar's order, from the first month end of a
// game on, none later than `until`.
bool played(const std::vector<MonthRow>& rows, const MonthRow& until) {
    MonthRow last{1, 4};  // the month a game begins in
    for (const MonthRow& r : rows) {
        if (!last.before(r) || until.before(r)) return false;
        last = r;
    }
    return true;
}

// The first format's rows, as History::record would have kept them: the
// turn of the year's two settlings become the one January.
std::vector<MonthRow> merged(const std::vector<MonthRow>& rows) {
    History h;
    for (const MonthRow& r : rows) h.record(r);
    return h.rows();
}

// The first format names the player of its save, as the save holds the name.
bool namesPlayerOf(QByteArrayView name, const QByteArray& saveBytes) {
    const std::optional<SaveGame> save = readSave(saveBytes);
    return save && name == save->Player.toText().toUtf8();
}

// What the first lines say fits the save: it is the save's own, and holds no
// more rows than the save's months (the first format kept both settlings of
// each turn of the year).
bool headFits(const Head& head, const QByteArray& saveBytes, int year, int month) {
    const int months = monthsFromStart(year, month);
    return head.first ? head.count <= months + (year - 1) && namesPlayerOf(head.owner, saveBytes)
                      : head.count <= months && head.owner == fingerprint(saveBytes);
}

}  // namespace

QByteArray fingerprint(const QByteArray& saveBytes) {
    return QCryptographicHash::hash(saveBytes, QCryptographicHash::Sha256).toHex();
}

QString monthWords(int year, int month) { return QStringLiteral("%1年目%2月").arg(year).arg(month); }

void History::record(const MonthRow& row) {
    ++changes_;
    auto at = std::find_if(rows_.begin(), rows_.end(), [&](const MonthRow& r) { return !r.before(row); });
    if (at != rows_.end() && !row.before(*at)) {
        const int64_t sum = at->result + row.result;
        *at = row;
        at->result = sum;
        return;
    }
    rows_.insert(at, row);
}

std::optional<QByteArray> writeHistory(const HistoryFile& file) {
    if (file.save.contains('\n')) return std::nullopt;
    QByteArray out = kHeader + '\n' + file.save + '\n' + QByteArray::number(qsizetype(file.rows.size())) + '\n';
    // Written whole at every month end: a row at a time, into room made once.
    out.reserve(out.size() + qsizetype(file.rows.size()) * 40);
    for (const MonthRow& r : file.rows) {
        const double figures[] = {double(r.year), double(r.month), r.money,   double(r.result),
                                  r.population,   r.employees,     double(r.floors)};
        char line[std::size(figures) * (ui::kNumberChars + 1)];
        char* end = line;
        for (double f : figures) {
            if (!std::isfinite(f)) return std::nullopt;
            end = ui::numberChars(end, f);
            *end++ = ' ';
        }
        end[-1] = '\n';
        out.append(line, end - line);
    }
    if (out.size() > kLargestSave) return std::nullopt;
    return out;
}

bool historyMayBeFor(const QByteArray& head, const QByteArray& saveBytes, int year, int month) {
    std::optional<Head> h = headOf(head, false);
    if (!h || !headFits(*h, saveBytes, year, month)) return false;
    if (h->count == 0) return true;
    const std::optional<QByteArrayView> first = h->rows.next();
    return !first || rowOf(*first, h->first).has_value();  // a row the piece cuts is read with the rest
}

std::optional<HistoryFile> readHistory(const QByteArray& bytes) {
    std::optional<Head> head = headOf(bytes);
    if (!head || head->first) return std::nullopt;
    std::optional<std::vector<MonthRow>> rows = rowsOf(*head);
    if (!rows || !played(*rows, MonthRow{int(kI16), 12})) return std::nullopt;
    return HistoryFile{head->owner.toByteArray(), std::move(*rows)};
}

std::vector<MonthRow> historyFor(const QByteArray& historyBytes, const QByteArray& saveBytes, int year, int month) {
    std::optional<Head> head = headOf(historyBytes);
    if (!head || !headFits(*head, saveBytes, year, month)) return {};
    std::optional<std::vector<MonthRow>> rows = rowsOf(*head);
    if (!rows) return {};
    if (head->first) rows = merged(*rows);
    if (!played(*rows, MonthRow{year, month})) return {};
    return std::move(*rows);
}

}  // namespace state
