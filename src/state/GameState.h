#pragma once
// The game state record owned by the frame for the whole run; it keeps its
// values when the frame is closed and reopened.
#include <QString>
#include <array>
#include <cstdint>

#include "ui/Variant.h"

namespace state {

class GameState {
public:
    ui::Variant Conma;   // the grouped money last shown
    ui::Variant Money;   // the money text last copied from Main.Okane
    ui::Variant Last;    // money after the last month end, in 10,000 yen
    ui::Variant Player;  // the president's name
    int16_t Ye1 = 0;
    uint8_t Mon1 = 0;
    uint8_t We1 = 0;
    int32_t Pon = 0;
    QString Hate;
    int32_t Hou = 0, Man = 0, Kou = 0, Hata = 0, Bui = 0;
    int32_t Spe = 0;
    uint8_t M1ye = 0, M1mo = 0, M2ye = 0, M2mo = 0, M3ye = 0, M3mo = 0, M4ye = 0, M4mo = 0,
            M5ye = 0, M5mo = 0;
    int32_t Kib = 0;
    int32_t Kai = 0;
    int32_t Sag = 0, Sha = 0;
    QString Hyo;
    uint8_t CK = 0;
    QString CF;
    uint8_t Nai = 0;
    uint8_t Era = 0;

    // Private to the frame in spirit; kept here so they outlive it too.
    // The end of a game, lost or won, has two moments: its last message
    // waiting (nothing keeps the game any more), then answered.
    enum class End : uint8_t { Playing, LastMessage, Over };
    End end = End::Playing;
    // Up while the turn of the year settles month 1 with the old year still
    // shown: that month is the January of the year being entered.
    uint8_t YearTurn = 0;
    // Month ends running, one inside another while a message waits.
    uint8_t MonthEnds = 0;
    // Clock ticks running, one inside another while a message waits: a month
    // end the clock brought, not the opening of a game.
    uint8_t Ticks = 0;
    ui::Variant SavePath;
    std::array<uint8_t, 100> KaiBuffer{};

    // Per-floor codes, floors 1..100, read and written as decimal text.
    // Any other index abandons the running handler.
    QString Ckai(int index) const;
    void setCkai(int index, const QString& text);
    // What a later new game must not inherit: floor codes, loans, the picked floor.
    void clearForNewGame();
    // The code itself, for code that needs no text round trip.
    uint8_t code(int index) const;

private:
    static int slot(int index);
    std::array<uint8_t, 100> KaiTable{};
};

}  // namespace state
