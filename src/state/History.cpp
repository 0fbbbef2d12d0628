#include "state/History.h"

#include <QList>
#include <algorithm>
#include <cmath>
#include <limits>

#include "state/SaveFile.h"
#include "ui/Number.h"

namespace state {

namespace {

const QByteArray kHeader = QByteArrayLiteral("rumie-suii 1");

// A whole number of the row within [lo, hi]; anything else is a broken file.
std::optional<double> field(const QByteArray& text, double lo, double hi, bool whole) {
    const QString t = QString::fromLatin1(text);
    if (t.trimmed() != t || !ui::isNumber(t)) return std::nullopt;
    const double v = ui::strictNumber(t);
    if (!std::isfinite(v) || v < lo || v > hi || (whole && v != std::trunc(v))) return std::nullopt;
    return v;
}

}  // namespace

void History::record(const MonthRow& row) {
    ++changes_;
    auto at = std::find_if(rows_.begin(), rows_.end(), [&](const MonthRow& r) { return !r.before(row); });
    if (at != rows_.end() && !row.before(*at)) {
        const int64_t sum = int64_t(at->result) + row.result;
        *at = row;
        at->result = int32_t(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                 std::numeric_limits<int32_t>::max()));
        return;
    }
    rows_.insert(at, row);
}

std::optional<QByteArray> writeHistory(const HistoryFile& file) {
    if (file.player.contains(u'\n') || file.player.contains(u'\r')) return std::nullopt;
    QByteArray out = kHeader + '\n' + file.player.toUtf8() + '\n' + QByteArray::number(qsizetype(file.rows.size())) + '\n';
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
    if (bytes.size() > kLargestSave || !bytes.endsWith('\n')) return std::nullopt;
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();  // after the final line break
    if (lines.size() < 3 || lines[0] != kHeader) return std::nullopt;
    HistoryFile file;
    file.player = QString::fromUtf8(lines[1]);
    if (file.player.toUtf8() != lines[1]) return std::nullopt;  // not UTF-8
    const auto count = field(lines[2], 0, lines.size(), true);
    if (!count || *count != lines.size() - 3) return std::nullopt;
    constexpr double kI32 = std::numeric_limits<int32_t>::max();
    constexpr double kHuge = 1e300;
    for (qsizetype i = 3; i < lines.size(); ++i) {
        const QList<QByteArray> f = lines[i].split(' ');
        if (f.size() != 7) return std::nullopt;
        const auto year = field(f[0], std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max(), true);
        const auto month = field(f[1], 0, 255, true);
        const auto money = field(f[2], -kHuge, kHuge, false);
        const auto result = field(f[3], -kI32 - 1, kI32, true);
        const auto population = field(f[4], -kHuge, kHuge, false);
        const auto employees = field(f[5], -kHuge, kHuge, false);
        const auto floors = field(f[6], 0, 100, true);
        if (!year || !month || !money || !result || !population || !employees || !floors) return std::nullopt;
        file.rows.push_back({int(*year), int(*month), *money, int32_t(*result), *population, *employees,
                             int32_t(*floors)});
    }
    return file;
}

std::vector<MonthRow> historyFor(const std::optional<HistoryFile>& file, const QString& player, int year,
                                 int month) {
    if (!file || file->player != player) return {};
    for (const MonthRow& r : file->rows)
        if (r.year > year || (r.year == year && r.month > month)) return {};
    return file->rows;
}

}  // namespace state
