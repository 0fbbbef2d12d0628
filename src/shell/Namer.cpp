#include "shell/Namer.h"

#include "building/Kivora.h"
#include "finance/LoanRecord.h"
#include "shell/Main.h"
#include "state/Cp932.h"
#include "town/Game.h"

namespace shell {

void Namer::command1Click() {
    if (Text1.isEmpty()) {
        p.ask(QStringLiteral("名前を入れてください"));
        return;
    }
    // The save file holds the name in code page 932; a name it cannot hold
    // would be lost on saving, so it is refused here like the empty one.
    if (!state::cp932CanHold(Text1)) {
        p.ask(QStringLiteral("名前に使えない文字が含まれています"));
        return;
    }
    Program& prog = p;
    const QString name = Text1;
    prog.restartClock();
    prog.state.Player = ui::Variant::text(name);
    prog.main().caption = prog.state.Player.toText() + QStringLiteral("社長 - 行動中");
    prog.namer.unload();
    openingPosition(prog);
}

void openingPosition(Program& p) {
    state::GameState& s = p.state;
    // A game already running: the frame is closed and reopened, by the answer.
    if (p.main().Command4.enabled) {
        if (p.main.unload()) {
            p.main.show();
            p.restartClock();
            p.main().caption = s.Player.toText() + QStringLiteral("社長 - 行動中");
        } else {
            p.main.show();
        }
    }
    p.game().Zyuu.setText(QStringLiteral("1000"));
    p.game().Apart.setText(QStringLiteral("0"));
    p.game().Kouz.setText(QStringLiteral("1"));
    p.game().Hat.setText(QStringLiteral("100"));
    p.game().CBuil.setText(QStringLiteral("1"));
    p.game().Kibo.setText(QStringLiteral("0"));
    p.game().Kaisu.setText(QStringLiteral("3"));
    p.game().Zyuugyou.setText(QStringLiteral("10"));
    p.game().Kaisya.setText(QStringLiteral("0"));
    p.game.hide();

    // Loans of an earlier game must not fall due in this one.
    finance::clearLoans(s);
    p.kivora.show();
    p.kivora().Label4.setText(QStringLiteral("0"));
    p.kivora().Ye.setText(QStringLiteral("1"));
    p.kivora().Mon.setText(QStringLiteral("4"));
    p.kivora().We.setText(QStringLiteral("1"));

    s.Kai = 3;
    s.Last = ui::Variant::whole(10000);
    Main& m = p.main();
    m.Simo.setText(QStringLiteral(",000,000円"));
    m.OkaneH.visible = true;
    s.Ye1 = 1;
    s.Mon1 = 4;
    s.We1 = 1;
    p.main().Okane.setText(QStringLiteral("100"));

    Main& m2 = p.main();
    for (ui::Command* c : {&m2.Command1, &m2.Command5, &m2.Command3, &m2.Command4, &m2.Command8,
                           &m2.Command9, &m2.Fsa})
        c->enabled = true;
    p.kivora.show();
}

}  // namespace shell
