#include "state/History.h"

#include <QCryptographicHash>
#include <QList>
#include <algorithm>
#include <cmath>
#include <limits>

#include "state/SaveFile.h"
#include "ui/Number.h"

namespace state {

namespace {

const QByteArray kHeader = QByteArrayLiteral("rumie-suii 2");

// A game's first month end enters 1年目5月; each month end enters the next.
int monthsFromStart(int year, int month) { return (year - 1) * 12 + month - 4; }

// A number of the row within [lo, hi]; anything else is a broken file.
std::optional<double> field(const QByteArray& text, double lo, double hi, bool whole) {
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

// The header, the fingerprint and the count, checked; the count or nothing.
std::optional<qsizetype> counted(const QList<QByteArray>& lines) {
    if (lines.size() < 3 || lines[0] != kHeader) return std::nullopt;
    const auto count = field(lines[2], 0, double(lines.size() - 3), true);
    if (!count || *count != double(lines.size() - 3)) return std::nullopt;
    return qsizetype(*count);
}

QList<QByteArray> linesOf(const QByteArray& bytes) {
    if (bytes.size() > kLargestSave || !bytes.endsWith('\n')) return {};
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();  // after the final line break
    return lines;
}

}  // namespace

QByteArray fingerprint(const QByteArray& saveBytes) {
    return QCryptographicHash::hash(saveBytes, QCryptographicHash::Sha256).toHex();
}

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
    for (const MonthRow& r : file.rows) {
        const double figures[] = {double(r.year), double(r.month), r.money,   double(r.result),
                                  r.population,   r.employees,     double(r.floors)};
        for (double f : figures) {
            if (!std::isfinite(f)) return std::nullopt;
            out += ui::numberText(f).toLatin1();
            out += ' ';
        }
        out.chop(1);
        out += '\n';
    }
    if (out.size() > kLargestSave) return std::nullopt;
    return out;
}

std::optional<HistoryFile> readHistory(const QByteArray& bytes) {
    const QList<QByteArray> lines = linesOf(bytes);
    if (!counted(lines)) return std::nullopt;
    HistoryFile file;
    file.save = lines[1];
    constexpr double kI16 = std::numeric_limits<int16_t>::max();
    constexpr double kExact = 9007199254740992.0;  // 2^53: a whole result a double holds exactly
    constexpr double kAny = std::numeric_limits<double>::max();
    MonthRow last{1, 4};  // the month a game begins in
    for (qsizetype i = 3; i < lines.size(); ++i) {
        const QList<QByteArray> f = lines[i].split(' ');
        if (f.size() != 7) return std::nullopt;
        const auto year = field(f[0], 1, kI16, true);
        const auto month = field(f[1], 1, 12, true);
        const auto money = field(f[2], -kAny, kAny, false);
        const auto result = field(f[3], -kExact, kExact, true);
        const auto population = field(f[4], -kAny, kAny, false);
        const auto employees = field(f[5], -kAny, kAny, false);
        const auto floors = field(f[6], 1, 100, true);
        if (!year || !month || !money || !result || !population || !employees || !floors) return std::nullopt;
        const MonthRow row{int(*year), int(*month), *money, int64_t(*result), *population, *employees, int32_t(*floors)};
        if (!last.before(row)) return std::nullopt;  // one row a month, in order
        file.rows.push_back(row);
        last = row;
    }
    return file;
}

std::vector<MonthRow> historyFor(const QByteArray& historyBytes, const QByteArray& saveBytes, int year, int month) {
    const QList<QByteArray> lines = linesOf(historyBytes);
    const std::optional<qsizetype> count = counted(lines);
    if (!count || lines[1] != fingerprint(saveBytes) || *count > monthsFromStart(year, month)) return {};
    const std::optional<HistoryFile> file = readHistory(historyBytes);
    if (!file) return {};
    for (const MonthRow& r : file->rows)
        if (MonthRow{year, month}.before(r)) return {};
    return file->rows;
}

}  // namespace state
