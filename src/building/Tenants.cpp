#include "building/Tenants.h"

#include "ui/Number.h"

namespace building {

namespace {
const TenantKind kKinds[] = {
    {1, u"ホテル", u"\\hotel.bmp", 200, 30, 3000},
    {2, u"レストラン", u"\\restaurant.bmp", 50, 30, 1000},
    {3, u"会社", u"\\office.bmp", 150, 10, 2000},
};
}  // namespace

QString priceText(const TenantKind& k) { return ui::numberText(k.cost / 100.0); }

const TenantKind* tenantByCode(int code) {
    for (const TenantKind& k : kKinds)
        if (k.code == code) return &k;
    return nullptr;
}

const TenantKind* tenantByName(const QString& name) {
    for (const TenantKind& k : kKinds)
        if (name == QString::fromUtf16(k.name)) return &k;
    return nullptr;
}

QString floorPicture(int code) {
    if (code == 0) return QStringLiteral("\\mu.bmp");
    const TenantKind* k = tenantByCode(code);
    return k ? QString::fromUtf16(k->picture) : QString();
}

}  // namespace building
