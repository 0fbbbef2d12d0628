#include "building/Choiwin.h"

#include "building/Choic.h"
#include "building/Kivora.h"
#include "building/Tenants.h"
#include "town/Game.h"

namespace building {

Choiwin::Choiwin(Program& p) : ui::Form(p), p(p) {
    caption = QStringLiteral("階数ごと");
    Dansu.onChange = [this] { dansuChange(); };
}

void Choiwin::showPicture(const QString& literal) {
    if (literal.isEmpty()) Naisou.clear();
    else Naisou.load(p.programFile(literal));
}

// Each floor change reads its picture from the program folder again.
void Choiwin::dansuChange() {
    const bool roof = Dansu.text().isEmpty();
    追加.visible = Down.visible = Up.visible = !roof;
    if (roof) {
        showPicture(QStringLiteral("\\oku.bmp"));
        return;
    }
    if (Dansu.text() == u"1") {
        追加.visible = false;
        showPicture(QStringLiteral("\\robey.bmp"));
        return;
    }
    const int n = ui::toI16(Dansu.number());
    showPicture(floorPicture(ui::strictNumber(p.state.Ckai(n))));
}

void Choiwin::upClick() {
    const double n = Dansu.number();
    if (n < p.state.Kai) Dansu.setNumber(n + 1);
}

void Choiwin::downClick() {
    const double n = Dansu.number();
    if (n > 1) Dansu.setNumber(n - 1);
}

void Choiwin::追加Click() {
    const int n = ui::toI16(Dansu.number());
    // Only floors 2 up to the top can take a tenant.
    if (n < 2 || n > p.state.Kai) return;
    p.stopClock();
    const int c = p.state.code(n);
    int removed = 0;
    if (c != 0) {
        if (p.ask(QStringLiteral("すでに会社が入っていますが変えますか？"), ui::Prompt::Buttons::YesNo,
                  ui::Prompt::Icon::Question) != ui::Answer::Yes) {
            p.restartClock();
            return;
        }
        const TenantKind* old = tenantByCode(c);
        removed = old ? old->employees : 0;
        town::Game& g = p.game();
        g.Zyuugyou.setNumber(g.Zyuugyou.number() - removed);
    }
    tenantPlaced = false;
    Program& prog = p;
    prog.choic.showModal();
    // Leaving the choice without a new tenant keeps the old one, and with it
    // the employees taken off above.
    Choiwin* self = prog.choiwin.peek();
    if (removed != 0 && !(self && self->tenantPlaced)) {
        town::Game& g = prog.game();
        g.Zyuugyou.setNumber(g.Zyuugyou.number() + removed);
    }
}

}  // namespace building
