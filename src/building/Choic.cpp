#include "building/Choic.h"

#include "building/Choiwin.h"
#include "building/Kivora.h"
#include "building/Tenants.h"
#include "town/Game.h"

namespace building {

Choic::Choic(Program& p) : ui::Form(p), p(p) { caption = QStringLiteral("会社設定"); }

void Choic::naClick() {
    const TenantKind* k = tenantByName(Na.text());
    if (!k) return;
    価格.setText(priceText(*k));
    Ex.load(p.programFile(QString::fromUtf16(k->picture)));
}

void Choic::command1Click() {
    const TenantKind* k = tenantByName(Na.text());
    if (!k) {
        unloadMe();
        return;
    }
    if (p.ask(QStringLiteral("本当にいいですか？"), ui::Prompt::Buttons::YesNo,
              ui::Prompt::Icon::Question) != ui::Answer::Yes)
        return;
    Program& prog = p;
    building::Choiwin& w = prog.choiwin();
    const int n = ui::toI16(w.Dansu.number());
    prog.state.setCkai(n, QString::number(k->code));
    w.Naisou.load(prog.programFile(QString::fromUtf16(k->picture)));
    w.tenantPlaced = true;
    prog.choic.unload();  // resumes the clock
    // The code is written first: the count's recount reads the floors.
    town::Game& g = prog.game();
    g.Zyuugyou.setNumber(g.Zyuugyou.number() + k->employees);
    building::Kivora& kv = prog.kivora();
    kv.コスト = ui::addI32(kv.コスト, k->cost);
    prog.did(Act::Tenant);
}

void Choic::unloadHandler() { p.restartClock(); }

}  // namespace building
