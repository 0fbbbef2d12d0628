#include "shell/Main.h"

#include "building/Gaikan.h"
#include "building/Kakudai.h"
#include "building/Kivora.h"
#include "finance/Bank.h"
#include "finance/Money.h"
#include "settings/Hajimete.h"
#include "settings/Help1.h"
#include "settings/SetS.h"
#include "shell/Namer.h"
#include "town/Game.h"
#include "town/Suii.h"

namespace shell {

Main::Main(Program& p) : ui::Form(p), p(p) {
    caption = QStringLiteral("0");
    Okane.visible = false;
    Okane.onChange = [&p] { finance::okaneChange(p); };
}

void Main::load() {
    p.state.Spe = 50;
    Fauto.enabled = autoSaveReads(p);
    p.kivora();
    p.kivora.hide();
}

// The exit question: anything but Yes keeps the frame and the game.
bool Main::queryUnload() {
    if (p.ask(QStringLiteral("終了しますか？"), ui::Prompt::Buttons::YesNo,
              ui::Prompt::Icon::Question) != ui::Answer::Yes)
        return false;
    p.game.unload();
    return true;
}

void Main::fstaClick() { p.namer.showModal(); }

void Main::enableGame() {
    for (ui::Command* c : {&Command1, &Command5, &Fsuii, &Fgaikan, &Fmokuhyou, &Fsa, &Command3, &Command4, &Command8, &Command9})
        c->enabled = true;
}

void Main::command1Click() {
    p.game.show();
    p.did(Act::Info);
}

void Main::command5Click() {
    building::Kivora& k = p.kivora();
    k.Ye.setText(QString::number(p.state.Ye1));
    k.Mon.setText(QString::number(p.state.Mon1));
    k.We.setText(QString::number(p.state.We1));
    p.kivora.show();
}

// The history only reads what the month ends wrote: the clock runs on.
void Main::fsuiiClick() { p.suii.show(); }

// The building drawn as it stands; it only reads the game, so the clock runs on.
void Main::fgaikanClick() { p.gaikan.show(); }

// How far the win and the loss are; it only reads the game, so the clock runs on.
void Main::fmokuhyouClick() {
    p.mokuhyou.show();
    p.did(Act::Goals);
}

// "環境設定" and "設定": the speed dialog, with the clock held while it is open.
void Main::fsetClick() {
    Program& prog = p;
    if (OkaneH.text().isEmpty()) prog.kivora.hide();
    prog.stopClock();
    prog.setS().Slider1.setValue(settings::sliderFor(prog.state.Spe));
    prog.setS.showModal();
    // Closing unloaded the dialog; this brings it back, hidden, for the next time.
    prog.setS().Slider1.tipText = QStringLiteral("速度変更");
}

// The help page is read again at every opening; the weeks go on meanwhile.
void Main::fhelpClick() {
    Program& prog = p;
    prog.help1().Tesk.navigate(prog.programFile(QStringLiteral("\\Help.html")));
    prog.help1.showModal();
}

// The guide from its first step, done before or not; the weeks go on.
void Main::fhajimeteClick() { settings::startGuide(p); }

void Main::fverClick() {
    p.stopClock();
    p.start.showModal();
}

void Main::command9Click() {
    // A building of 100 floors has no room left to grow.
    if (p.state.Kai >= 100) {
        p.ask(QStringLiteral("これ以上拡大できません"));
        return;
    }
    p.stopClock();
    p.kakudai.showModal();
}

void Main::command8Click() {
    p.did(Act::Bank);
    p.stopClock();
    p.bank.showModal();
}

void Main::command4Click() {
    const QString who = p.state.Player.toText();
    if (Command4.caption == QStringLiteral("開始")) {
        Command4.caption = QStringLiteral("停止");
        caption = who + QStringLiteral("社長 - 行動中");
        p.kivora().Timer1.setEnabled(true);
    } else {
        Command4.caption = QStringLiteral("開始");
        caption = who + QStringLiteral("社長 - 停止中");
        p.kivora().Timer1.setEnabled(false);
    }
}

}  // namespace shell
