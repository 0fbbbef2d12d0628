#include "settings/SetS.h"

#include "shell/Main.h"

namespace settings {

namespace {
constexpr int kSlowest = 10;  // seconds per week at the slider's left end
constexpr int kStoppedClockPosition = 5;

// Before the first game the clock stays stopped; the new speed then applies
// from the game's start.
void restartIfPlaying(Program& p) {
    if (p.main().Command4.enabled) p.restartClock();
}
}  // namespace

int sliderFor(int32_t spe) {
    if (spe == 0) return kStoppedClockPosition;
    return ui::toI32(kSlowest - spe / 10.0);
}

int32_t speFor(int position) { return 100 - 10 * position; }

int secondsFor(int position) { return kSlowest - position; }

SetS::SetS(Program& p) : ui::Form(p), p(p) {
    caption = QStringLiteral("環境設定");
    Slider1.onChange = [this] { slider1Change(); };
}

// The seconds follow the slider from the start, also when it is preset to
// the position it already stands at (which is no change).
void SetS::load() { slider1Change(); }

void SetS::slider1Change() { Speed.setNumber(secondsFor(Slider1.value())); }

void SetS::command1Click() {
    Program& prog = p;
    prog.state.Spe = speFor(Slider1.value());
    restartIfPlaying(prog);
    prog.setS.unload();
}

void SetS::command2Click() {
    Program& prog = p;
    prog.setS.unload();
    restartIfPlaying(prog);
}

}  // namespace settings
