// Any bytes at all, read as a history file. The reader must never crash; what
// it accepts must be rows in the calendar's order that write back to a file
// giving the same rows again.
#include <cstdint>
#include <cstdlib>

#include "state/History.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<state::HistoryFile> file = state::readHistory(bytes);
    // Whatever a save makes of it, the rows it takes are some of these.
    const std::vector<state::MonthRow> taken = state::historyFor(bytes, QByteArray(), 32767, 12);
    if (!file) {
        if (!taken.empty()) abort();
        return 0;
    }
    for (size_t i = 0; i < file->rows.size(); ++i) {
        const state::MonthRow& r = file->rows[i];
        if (r.month < 1 || r.month > 12 || r.year < 1 || (i > 0 && !file->rows[i - 1].before(r))) abort();
    }
    const std::optional<QByteArray> written = state::writeHistory(*file);
    if (!written) abort();
    const std::optional<state::HistoryFile> again = state::readHistory(*written);
    if (!again || !(*again == *file)) abort();
    return 0;
}
