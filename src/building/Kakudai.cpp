#include "building/Kakudai.h"

#include "building/Kivora.h"
#include "town/Game.h"

namespace building {

namespace {
constexpr int kMaxFloors = 100;
}  // namespace

void Kakudai::load() { Zou.setNumber(p.state.Kai + 1); }

// The price steps with the target (0.5 is exact in binary, so no drift).
void Kakudai::command1Click() {
    const double t = Zou.number();
    if (t < kMaxFloors) {
        Zou.setNumber(t + 1);
        Hiyou.setNumber(Hiyou.number() + kPricePerFloor);
    }
}

void Kakudai::command2Click() {
    const double t = Zou.number();
    if (t > p.state.Kai + 1) {
        Zou.setNumber(t - 1);
        Hiyou.setNumber(Hiyou.number() - kPricePerFloor);
    }
}

void Kakudai::command3Click() {
    Program& prog = p;
    building::Kivora& k = prog.kivora();
    k.コスト = ui::addI32(k.コスト, ui::toI32(Hiyou.number() * 100));
    // Never past the 100 floors the floor table holds.
    if (Zou.number() <= kMaxFloors) prog.game().Kaisu.setText(Zou.text());
    prog.kakudai.unload();
    prog.did(Act::Floors);
}

void Kakudai::unloadHandler() { p.restartClock(); }

}  // namespace building
