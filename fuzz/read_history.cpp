// Any bytes at all, read as a history file. The reader must never crash; what
// it accepts must be rows in the calendar's order that write back to a file
// giving the same rows again. A save takes a history only when it carries that
// save's fingerprint (or, in the first format, names its player), and then
// only up to the save's date: the kept corpus carries 田中's new game, so the
// date and count filter is fuzzed too.
#include <cstdint>
#include <cstdlib>

#include "state/History.h"
#include "state/SaveFile.h"

namespace {

using state::MonthRow;

// 田中's new game: the bytes of tests/state/data/new_game.teskdata.
const QByteArray& save() {
    static const QByteArray bytes = [] {
        state::SaveGame g;
        const char* figures[] = {"100", "1000", "0", "1", "100", "1", "0", "3", "10", "0"};
        for (int k = 0; k < state::kFigures; ++k) g.figures[k] = QString::fromLatin1(figures[k]);
        g.Ye1 = 1, g.Mon1 = 4, g.We1 = 1, g.Spe = 50;
        g.Last = ui::Variant::whole(10000);
        g.Player = ui::Variant::text(QStringLiteral("田中"));
        return *state::writeSave(g);
    }();
    return bytes;
}

// One row a month in the calendar's order, from 1年目5月 to `until`.
bool played(const std::vector<MonthRow>& rows, const MonthRow& until) {
    MonthRow last{1, 4};
    for (const MonthRow& r : rows) {
        if (r.month < 1 || r.month > 12 || !last.before(r) || until.before(r)) return false;
        last = r;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<state::HistoryFile> file = state::readHistory(bytes);
    const bool first = bytes.startsWith("rumie-suii 1\n");

    // The latest date a save can have takes every row the history holds for it.
    const MonthRow latest{32767, 12};
    const std::vector<MonthRow> all = state::historyFor(bytes, save(), latest.year, latest.month);
    if (!played(all, latest)) abort();
    if (file) {
        if (!played(file->rows, latest)) abort();
        if (all != (file->save == state::fingerprint(save()) ? file->rows : std::vector<MonthRow>{})) abort();
    } else if (!first && !all.empty()) {
        abort();
    }
    // A save dated at the last row takes them too; one a month earlier, none.
    if (!all.empty()) {
        const MonthRow last = all.back();
        const std::vector<MonthRow> atLast = state::historyFor(bytes, save(), last.year, last.month);
        // The first format's count bounds its rows before they are merged.
        if (atLast != all && !(first && atLast.empty())) abort();
        const MonthRow before = last.month == 1 ? MonthRow{last.year - 1, 12} : MonthRow{last.year, last.month - 1};
        if (!state::historyFor(bytes, save(), before.year, before.month).empty()) abort();
    }

    if (!file) return 0;
    const std::optional<QByteArray> written = state::writeHistory(*file);
    if (!written) abort();
    const std::optional<state::HistoryFile> again = state::readHistory(*written);
    if (!again || !(*again == *file)) abort();
    return 0;
}
