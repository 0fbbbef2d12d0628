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
    int year = 0;       // the date the month end is for, as the date line shows it
    int month = 0;
    double money = 0;   // Main.Okane after the month end, millions of yen
    int32_t result = 0; // the report's 合計, 10,000 yen
    double population = 0;
    double employees = 0;
    int32_t floors = 0;

    bool operator==(const MonthRow&) const = default;
};

// The rows of the running game. A view that draws them tells an appended row
// from a new game by the count of resets.
class History {
public:
    const std::vector<MonthRow>& rows() const { return rows_; }
    void append(const MonthRow& row) { rows_.push_back(row); }
    void reset(std::vector<MonthRow> rows = {}) {
        rows_ = std::move(rows);
        ++resets_;
    }
    int resets() const { return resets_; }

private:
    std::vector<MonthRow> rows_;
    int resets_ = 0;
};

// The file beside the save.
inline constexpr const char* kHistoryFile = "Kivora.suii";

struct HistoryFile {
    QString player;
    std::vector<MonthRow> rows;
    bool operator==(const HistoryFile&) const = default;
};

// UTF-8 text: a header line, the player's name, the row count, then one line
// a row. Nothing when the name cannot be held on one line.
std::optional<QByteArray> writeHistory(const HistoryFile& file);
// The whole file or nothing: a short, altered or oversized file gives nothing.
std::optional<HistoryFile> readHistory(const QByteArray& bytes);
// The rows a loaded save may take: those of its own player, none later than
// the save's date; anything else gives an empty history.
std::vector<MonthRow> historyFor(const std::optional<HistoryFile>& file, const QString& player, int year,
                                 int month);

}  // namespace state
