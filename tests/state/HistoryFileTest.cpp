// The history file's bytes: only rows the game can have written read back,
// and only with the save they were written with.
#include <gtest/gtest.h>

#include <QFile>

#include "state/History.h"

namespace {

const QByteArray kSave = "the save's bytes";

QByteArray file(const QList<QByteArray>& rows, const QByteArray& save = kSave) {
    QByteArray out = "rumie-suii 2\n" + state::fingerprint(save) + '\n' + QByteArray::number(rows.size()) + '\n';
    for (const QByteArray& r : rows) out += r + '\n';
    return out;
}

QByteArray data(const char* name) {
    QFile f(QStringLiteral(RUMIE_TEST_DATA "/state/data/") + QLatin1String(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

}  // namespace

TEST(HistoryFile, OnlyRowsTheGameCanHaveWrittenReadBack) {
    struct Row {
        const char* what;
        QByteArray bytes;
        bool reads;
    };
    const Row rows[] = {
        {"two months", file({"1 5 104 400 1030 10 3", "1 6 108.5 450 1030 10 3"}), true},
        {"across the year", file({"1 12 100 400 1030 10 3", "2 1 108 800 1030 10 3"}), true},
        {"none yet", file({}), true},
        {"the largest money, 100 floors", file({"1 5 1.79769313486231e+308 -2147483648 1e+15 71582454 100"}), true},
        {"a month's total far below a 32-bit figure", file({"1 5 -644245083 -64424508710 1030 10 3"}), true},
        {"before the first month end", file({"1 4 104 400 1030 10 3"}), false},
        {"month 13", file({"1 13 104 400 1030 10 3"}), false},
        {"month 0", file({"2 0 104 400 1030 10 3"}), false},
        {"year 0", file({"0 5 104 400 1030 10 3"}), false},
        {"a month twice", file({"1 5 104 400 1030 10 3", "1 5 108 400 1030 10 3"}), false},
        {"out of order", file({"1 6 104 400 1030 10 3", "1 5 108 400 1030 10 3"}), false},
        {"a fraction of a month", file({"1 5.5 104 400 1030 10 3"}), false},
        {"a fraction of a floor", file({"1 5 104 400 1030 10 3.5"}), false},
        {"a fraction of a total", file({"1 5 104 400.5 1030 10 3"}), false},
        {"no floor", file({"1 5 104 400 1030 10 0"}), false},
        {"floor 101", file({"1 5 104 400 1030 10 101"}), false},
        {"bytes after the last line", file({"1 5 104 400 1030 10 3"}) + "x", false},
        {"a count that is not the rows'", QByteArray(file({"1 5 104 400 1030 10 3"})).replace("\n1\n", "\n2\n"), false},
        {"a count short of the rows", file({"1 5 104 400 1030 10 3", "1 6 108 400 1030 10 3"}).replace("\n2\n", "\n1\n"), false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const std::optional<state::HistoryFile> f = state::readHistory(r.bytes);
        ASSERT_EQ(f.has_value(), r.reads);
        if (f) {
            EXPECT_EQ(state::writeHistory(*f), r.bytes) << "reads back as written";
        }
    }
}

TEST(HistoryFile, ASaveTakesOnlyItsOwnHistoryUpToItsDate) {
    const QByteArray two = file({"1 5 104 400 1030 10 3", "1 6 108 400 1030 10 3"});
    const QByteArray three = file({"1 5 104 400 1030 10 3", "1 6 108 400 1030 10 3", "1 7 1 1 1 1 3"});
    // The first format, as the game wrote it for 田中's new game played to 2年目2月.
    const QByteArray first = data("first_format.suii"), tanaka = data("new_game.teskdata");
    struct Row {
        const char* what;
        QByteArray history, save;
        int year, month;
        size_t rows;
        QByteArray writtenAgain = {};  // the history the game writes next with that save
    };
    const Row rows[] = {
        {"its own", two, kSave, 1, 6, 2},
        {"a later save of the game", two, kSave, 3, 2, 2},
        {"another save's", two, "another save", 1, 6, 0},
        {"a month before the last row", two, kSave, 1, 5, 0},
        {"more rows than months played", three, kSave, 1, 6, 0},
        {"counted as fewer rows than it holds", QByteArray(three).replace("\n3\n", "\n2\n"), kSave, 1, 6, 0},
        {"the first format, its save's player's", first, tanaka, 2, 2, 10, data("first_format_upgraded.suii")},
        {"the first format, another player's", QByteArray(first).replace("田中", "佐藤"), tanaka, 2, 2, 0},
        // A month end left waiting carried the month on past 13 in that format.
        {"the first format, a turn of the year carried to month 14",
         QByteArray(first)
             .replace("\n11\n", "\n10\n")
             .replace("2 1 102.5 450 1390 12 4\n2 2 107 450 1480 12 4\n", "1 14 107 450 1480 12 4\n"),
         tanaka, 2, 2, 10,
         data("first_format_upgraded.suii")
             .replace("2 1 102.5 -950 1390 12 4\n2 2 107 450 1480 12 4\n", "2 1 98 -1400 1390 11 4\n2 2 107 450 1480 12 4\n")},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const std::vector<state::MonthRow> taken = state::historyFor(r.history, r.save, r.year, r.month);
        EXPECT_EQ(taken.size(), r.rows);
        // Its first piece, cut anywhere, never refuses a history that is taken.
        for (qsizetype cut : {r.history.size(), qsizetype(90), qsizetype(100)}) {
            if (!taken.empty()) {
                EXPECT_TRUE(state::historyMayBeFor(r.history.left(cut), r.save, r.year, r.month)) << cut;
            }
        }
        if (!r.writtenAgain.isEmpty()) {
            EXPECT_EQ(state::writeHistory({state::fingerprint(r.save), taken}), r.writtenAgain);
        }
    }
}
