#include "shell/Namer.h"

#include "building/Kivora.h"
#include "settings/Hajimete.h"
#include "shell/Main.h"
#include "state/Cp932.h"
#include "town/Game.h"

namespace shell {

bool fitsOneSaveLine(const QString& text) {
    for (QChar c : text) {
        const auto cat = c.category();
        if (cat == QChar::Other_Control || cat == QChar::Separator_Line ||
            cat == QChar::Separator_Paragraph)
            return false;
    }
    return true;
}

void Namer::command1Click() {
    if (Text1.isEmpty()) {
        p.ask(QStringLiteral("名前を入れてください"));
        return;
    }
    // The save file holds the name as one line of code page 932: a name it
    // cannot hold, or one that would break the line, is refused here.
    const QString name = state::toCp932LookAlikes(Text1);
    if (!fitsOneSaveLine(name) || !state::cp932CanHold(name)) {
        p.ask(QStringLiteral("名前に使えない文字が含まれています"));
        return;
    }
    Program& prog = p;
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
    // Nothing of an old game carries over: no tenants, loans, picked floor
    // or unpaid construction.
    s.clearForNewGame();
    if (p.kivora.exists()) p.kivora().コスト = 0;
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

    // Last: a month end the date writes above may have run belongs to the old game.
    p.history.reset();
    p.main().enableGame();
    p.kivora.show();
    // The first game ever started teaches itself.
    if (!p.prefs.guideDone()) settings::startGuide(p);
}

}  // namespace shell
