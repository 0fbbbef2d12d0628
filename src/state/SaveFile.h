#pragma once
// The save file "Kivora.teskdata": 128 records, one a line, in code page 932,
// every line ending with CR LF. Pure functions on bytes, so the format is
// tested and fuzzed without any window or file.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "ui/Variant.h"

namespace state {

inline constexpr int kSaveRecords = 128;
// The player's one save, and the automatic save the month end keeps beside it.
inline constexpr const char* kSaveFile = "Kivora.teskdata";
inline constexpr const char* kAutoSaveFile = "Kivora.auto";
inline constexpr const char* kAutoHistoryFile = "Kivora.auto.suii";  // its history "推移"
// A saved game is a few kilobytes; a file larger than this is not one, and a
// game that would need one is not written.
inline constexpr qsizetype kLargestSave = 16 * 1024 * 1024;

// Lines 2 to 10 count whole things, each a signed 32-bit number at most.
inline constexpr double kLargestCount = 2147483647.0;

// Lines 1 to 10, in file order: the texts of the labels that count them.
enum Figure {
    kMoney,       // Main.Okane, millions of yen
    kHousing,     // Game.Zyuu
    kApartments,  // Game.Apart
    kFactories,   // Game.Kouz
    kFields,      // Game.Hat
    kBuildings,   // Game.CBuil
    kFacilities,  // Game.Kibo
    kFloors,      // Game.Kaisu
    kEmployees,   // Game.Zyuugyou
    kOccupied,    // Game.Kaisya
    kFigures
};

// One saved game, record by record.
struct SaveGame {
    std::array<QString, kFigures> figures;  // lines 1 to 10
    uint8_t CK = 0;                         // line 11
    QString CF;                             // line 12
    int16_t Ye1 = 0;                        // lines 13 to 16
    uint8_t Mon1 = 0;
    uint8_t We1 = 0;
    int32_t Spe = 0;
    ui::Variant Last;                  // line 17
    std::array<uint8_t, 10> loans{};   // lines 18 to 27: M1ye, M1mo, ... M5ye, M5mo
    ui::Variant Player;                // line 28
    std::array<uint8_t, 100> floors{};  // lines 29 to 128: codes of floors 1 to 100

    bool operator==(const SaveGame&) const = default;
};

// A number as the number form writes it: " 5 ", " .5 ", "-3 ".
QString numberForm(double value);

// The file's bytes, or nothing when a text cannot be written in code page 932
// or the file would be too large (the reader would not give the game back). Line breaks inside a text are dropped:
// a record is one line.
std::optional<QByteArray> writeSave(const SaveGame& game);

// The game a file holds, or nothing when the file is short, a record does not
// convert to its kind, or a value is one the game cannot hold. The figures
// come back as the decimal text of their numbers; lines after the 128th are
// not read.
std::optional<SaveGame> readSave(const QByteArray& bytes);
// Whether the first line of a file could begin a save (the money): a file
// that does not is refused before the rest of it is read.
bool startsLikeSave(const QByteArray& head);

}  // namespace state
