#pragma once
// The history "推移": one row of figures a month end, kept beside the save in
// a file of its own. Pure functions on bytes, like the save file, so a broken
// or foreign file is told apart before anything in the game changes.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace state {

struct MonthRow {
    int year = 0;       // the month the month end enters, as the date line names it (1..12)
    int month = 0;
    double money = 0;   // Main.Okane after the month end, millions of yen
    int64_t result = 0; // the report's 合計, 10,000 yen
    double population = 0;
    double employees = 0;
    int32_t floors = 0;

    bool operator==(const MonthRow&) const = default;
    bool before(const MonthRow& o) const { return year < o.year || (year == o.year && month < o.month); }
};

// The rows of the running game. A view that draws them tells a new game by
// the count of resets, and any other change by the count of changes.
class History {
public:
    const std::vector<MonthRow>& rows() const { return rows_; }
    // One row a month, in the calendar's order. The turn of the year settles
    // twice for the one January: its row adds up both results and keeps the
    // figures of the later. A month end run inside another (a message left
    // open) finds its place by its date.
    void record(const MonthRow& row);
    void reset(std::vector<MonthRow> rows = {}) {
        rows_ = std::move(rows);
        ++resets_;
        ++changes_;
    }
    int resets() const { return resets_; }
    int changes() const { return changes_; }  // any row added or changed

private:
    std::vector<MonthRow> rows_;
    int resets_ = 0;
    int changes_ = 0;
};

// A month as the history and the report name it: "1年目5月".
QString monthWords(int year, int month);

// The file beside the save.
inline constexpr const char* kHistoryFile = "Kivora.suii";

// A history belongs to the one save it was written with: it carries that
// save's fingerprint (a SHA-256 of its bytes), so a history left behind by a
// write that failed never passes for another game's, whatever the name.
QByteArray fingerprint(const QByteArray& saveBytes);

struct HistoryFile {
    QByteArray save;  // the fingerprint of its save
    std::vector<MonthRow> rows;
    bool operator==(const HistoryFile&) const = default;
};

// UTF-8 text: a header line, the save's fingerprint, the row count, then one
// line a row. Nothing when a figure cannot be written.
std::optional<QByteArray> writeHistory(const HistoryFile& file);
// The whole file or nothing: only rows the game can have written, months 1 to
// 12 in the calendar's order from the first month end of a game on (1年目5月),
// whole numbers where the game counts whole. A short, altered or oversized
// file gives nothing.
std::optional<HistoryFile> readHistory(const QByteArray& bytes);
// Whether a file's first piece could begin the history of that save at that
// date (its header, its owner, its count and its first row): one that
// cannot is refused before the rest of it is read.
bool historyMayBeFor(const QByteArray& head, const QByteArray& saveBytes, int year, int month);
// The rows a loaded save takes: those of the history written with it, none
// later than its date (so no more than the months it has played); anything
// else gives an empty history. A history longer than the save's months is
// refused before its rows are read. A history of the first format (a player's
// name for the fingerprint, month 13 for the January a year enters) is taken
// when it names the save's player, its two rows of each January made one as
// History::record makes them.
std::vector<MonthRow> historyFor(const QByteArray& historyBytes, const QByteArray& saveBytes, int year, int month);

}  // namespace state
