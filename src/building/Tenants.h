#pragma once
// The kinds of tenant a floor can hold, by floor-kind code.
#include <QString>

namespace building {

struct TenantKind {
    int code;
    const char16_t* name;     // as listed in the tenant choice
    const char16_t* picture;  // floor picture, named as in the program folder
    const char16_t* price;    // in 億円, as shown
    int cost;                 // in millions of yen, added to the pending cost
    int employees;
    int rent;                 // in 万円, earned at every month end
};

// Codes 1..3; null for any other code.
const TenantKind* tenantByCode(int code);
const TenantKind* tenantByName(const QString& name);
// The floor picture for a code (vacant included); empty for an unknown code.
QString floorPicture(int code);

}  // namespace building
