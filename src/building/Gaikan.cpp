#include "building/Gaikan.h"

#include <algorithm>

#include "building/Kivora.h"
#include "town/Game.h"

namespace building {

Gaikan::Gaikan(Program& p) : ui::Form(p), p(p) { caption = QStringLiteral("外観"); }

QString Gaikan::Storey::floorText() const {
    return floor > 0 ? QString::number(floor) + QStringLiteral("階") : QString();
}

std::vector<Gaikan::Storey> Gaikan::storeys() const {
    const int top = std::clamp(p.state.Kai, 0, 100);
    std::vector<Storey> out;
    out.reserve(size_t(top) + 1);
    out.push_back({0, &kRoofSign});
    for (int floor = top; floor >= 1; --floor) {
        // The lobby is the lobby whatever its code, as in the floor browser;
        // the save admits no code above 3.
        const int code = p.state.code(floor);
        out.push_back({floor, floor == 1 ? &kLobbySign : &kTenantSigns[size_t(code < 4 ? code : 0)]});
    }
    return out;
}

QString Gaikan::floorCount() const { return QString::number(p.state.Kai) + QStringLiteral("階建て"); }

QString Gaikan::rank() const {
    const town::Game* g = p.game.peek();
    return g ? g->Hyouka.text() : QString();
}

// The building window's floor click, with the tag its label would carry.
void Gaikan::storeyClick(int floor) {
    p.kivora().floorClick(floor > 0 ? QString::number(floor) : QStringLiteral("屋上"));
}

}  // namespace building
