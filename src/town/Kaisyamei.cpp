#include "town/Kaisyamei.h"

namespace town {

Kaisyamei::Kaisyamei(Program& p) : ui::Form(p), p(p) { caption = QStringLiteral("詳細"); }

// The floors' kind codes as they stand now; later tenants are not followed
// while the window stays open.
void Kaisyamei::load() {
    const struct {
        const char16_t* code;
        ui::Label& count;
    } rows[] = {{u"1", HO}, {u"2", RE}, {u"3", KA}};
    for (int i = 1; i <= 100; ++i) {
        const QString code = p.state.Ckai(i);
        for (const auto& r : rows)
            if (code == QString::fromUtf16(r.code)) r.count.setNumber(r.count.number() + 1);
    }
}

// Closing by the player restarts the clock; the frame taking it down with
// its other windows does not come through here.
void Kaisyamei::command1Click() {
    Program& prog = p;
    prog.kaisyamei.unload();
    prog.restartClock();
}

}  // namespace town
