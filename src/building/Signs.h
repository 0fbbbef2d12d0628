#pragma once
// The sign on each floor picture: its word, in the game's words and in
// English, and the colour of its plate. The pictures (assets/make_pictures.cpp)
// and 外観 draw the same signs, so a player knows a floor in either.
#include <array>
#include <cstdint>

namespace building {

struct Sign {
    const char16_t* word;  // as the picture's sign reads and 外観 names the floor
    const char* english;   // the .en picture's sign; the translation says the same
    uint32_t rgb;          // the plate, 0xRRGGBB
};

inline constexpr Sign kRoofSign{u"屋上", "Rooftop", 0x285AA0};
inline constexpr Sign kLobbySign{u"ロビー", "Lobby", 0x966428};
// By floor-kind code: vacant, hotel, restaurant, company.
inline constexpr std::array<Sign, 4> kTenantSigns{{
    {u"空き室", "Vacant", 0x6E6E6E},
    {u"ホテル", "Hotel", 0xA0283C},
    {u"レストラン", "Restaurant", 0xC8641E},
    {u"会社", "Company", 0x284682},
}};

}  // namespace building
