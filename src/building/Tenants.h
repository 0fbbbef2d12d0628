#pragma once
// The kinds of tenant a floor can hold, by floor-kind code.
#include <QString>

namespace building {

struct TenantKind {
    int code;
    const char16_t* name;     // as listed in the tenant choice
    const char16_t* picture;  // floor picture, named as in the program folder
    int cost;                 // its price, in millions of yen, added to the pending cost
    int employees;
    int rent;                 // in 万円, earned at every month end
};

// The price as the game shows it, in 億円: 200 → "2", 50 → "0.5".
QString priceText(const TenantKind& k);
// Codes 1..3; null for any other code.
const TenantKind* tenantByCode(int code);
const TenantKind* tenantByName(const QString& name);
// The floor picture for a code (vacant included); empty for an unknown code.
QString floorPicture(int code);

}  // namespace building
