#include <gtest/gtest.h>

#include "state/Cp932.h"
#include "state/GameState.h"

using state::GameState;

TEST(GameState, PerFloorCodesAreReadAndWrittenAsText) {
    GameState s;
    s.setCkai(5, QStringLiteral("3"));
    EXPECT_EQ(s.Ckai(5), QStringLiteral("3"));
    s.setCkai(1, QStringLiteral("2.5"));
    EXPECT_EQ(s.Ckai(1), QStringLiteral("2"));
    s.setCkai(100, QStringLiteral("3.5"));
    EXPECT_EQ(s.Ckai(100), QStringLiteral("4"));
}

TEST(GameState, BadIndexOrCodeAbandonsAndKeepsTheOldCode) {
    GameState s;
    EXPECT_THROW(s.Ckai(0), ui::Abandon);
    EXPECT_THROW(s.Ckai(101), ui::Abandon);
    EXPECT_THROW(s.setCkai(101, QStringLiteral("1")), ui::Abandon);
    s.setCkai(7, QStringLiteral("1"));
    EXPECT_THROW(s.setCkai(7, QStringLiteral("256")), ui::Abandon);
    EXPECT_THROW(s.setCkai(7, QStringLiteral("ホテル")), ui::Abandon);
    EXPECT_EQ(s.Ckai(7), QStringLiteral("1"));
}

TEST(GameState, StartValues) {
    GameState s;
    EXPECT_TRUE(s.Player.isEmpty());
    EXPECT_TRUE(s.Hate.isEmpty());
    EXPECT_TRUE(s.Hyo.isEmpty());
    EXPECT_EQ(s.Spe, 0);
    for (int i = 1; i <= 100; ++i) EXPECT_EQ(s.Ckai(i), QStringLiteral("0"));
}

TEST(Cp932, HoldsJapaneseNamesAndRefusesWhatItCannotWrite) {
    EXPECT_TRUE(state::cp932CanHold(QStringLiteral("田中 太郎")));
    EXPECT_TRUE(state::cp932CanHold(QStringLiteral("ルーミエ～①")));
    EXPECT_TRUE(state::cp932CanHold(QStringLiteral(" 007 ")));
    EXPECT_FALSE(state::cp932CanHold(QStringLiteral("😀")));
    EXPECT_FALSE(state::cp932CanHold(QStringLiteral("Ωmega€")));
    EXPECT_EQ(state::toCp932(QStringLiteral("階")), QByteArray("\x8a\x4b"));
    EXPECT_EQ(state::fromCp932(QByteArray("\x8a\x4b")), QStringLiteral("階"));
}
