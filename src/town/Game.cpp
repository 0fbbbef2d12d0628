#include "town/Game.h"

#include <cmath>

#include "building/Kivora.h"
#include "shell/Main.h"
#include "town/Kaisyamei.h"
#include "town/Ladders.h"
#include "town/People.h"
#include "town/Shisetu.h"

namespace town {

namespace {
const char16_t* const kCaptions[12] = {u"街人口", u"発展度", u"住宅",   u"マンション",
                                      u"工場",   u"畑",     u"ビル数", u"その他",
                                      u"階数",   u"従業員数", u"会社数", u"評価"};
const char16_t* const kUnits[12] = {u"人", u"", u"戸", u"施設", u"場", u"畑",
                                   u"塔", u"",   u"階", u"人",   u"",   u""};
}  // namespace

QString gradeFor(double population) { return climb(kGrades, population); }

QString rankFor(double employees) { return climb(kRanks, employees); }

QString clearCode(double year, double month, double week) {
    QString code;
    for (double counter : {year, month, week})
        code += QString::number(ui::toI32(counter + kClearCodeOffset), 16).toUpper();
    return code;
}

Game::Game(Program& p) : ui::Form(p), p(p) {
    caption = QStringLiteral("街&ビル");
    for (int i = 0; i < 12; ++i) {
        Koumoku[i].setText(QString::fromUtf16(kCaptions[i]));
        Unit[i].setText(QString::fromUtf16(kUnits[i]));
    }
    Pop.onChange = [this] { popChange(); };
    Kaisu.onChange = [this] { kaisuChange(); };
    Zyuugyou.onChange = [this] { zyuugyouChange(); };
    Kaisya.onChange = [this] { kaisyaChange(); };
}

std::array<ui::Label*, 12> Game::rows() {
    return {&Pop, &Hatte, &Zyuu, &Apart, &Kouz, &Hat, &CBuil, &Kibo, &Kaisu, &Zyuugyou, &Kaisya,
            &Hyouka};
}

// The population follows only here, at the panel's focus.
void Game::Change() { Pop.setNumber(population()); }

double Game::population() const {
    const double employees = Zyuugyou.leading();
    const double buildings = CBuil.number();
    const double blocks = Apart.number();
    return populationOf(employees, buildings, blocks);
}

void Game::popChange() {
    const double pop = Pop.leading();
    const QString grade = gradeFor(pop);
    if (!grade.isEmpty()) Hatte.setText(grade);
    Zyuu.setNumber(housingOf(Pop.number(), Apart.number()));
}

void Game::kaisuChange() {
    p.state.Kai = ui::toI32(Kaisu.number());
    if (building::Kivora* k = p.kivora.peek()) k->floorsChanged();
}

void Game::zyuugyouChange() {
    Kaisya.setText(QStringLiteral("0"));
    for (int i = 1; i <= 100; ++i)
        if (ui::strictNumber(p.state.Ckai(i)) != 0) Kaisya.setNumber(Kaisya.number() + 1);
}

void Game::kaisyaChange() {
    const QString rank = rankFor(Zyuugyou.leading());
    if (!rank.isEmpty()) Hyouka.setText(rank);
}

// The month's chance: the wall-clock second / 6, halves to even.
void Game::P() { Kaku = ui::toU8(p.seams.wallSecond() / 6.0); }

// The only victory check: the top rank in a town at the top grade, noticed
// when the panel gets the focus, after the figures are brought up to date.
void Game::gotFocus() {
    Change();
    if (Hyouka.text() != QString::fromUtf16(kRanks.back().word)) return;
    if (Hatte.text() != QString::fromUtf16(kGrades.back().word)) return;
    building::Kivora& k = p.kivora();
    const QString code = clearCode(k.Ye.number(), k.Mon.number(), k.We.number());
    p.state.end = state::GameState::End::LastMessage;  // a game won is over: its automatic save goes with it
    p.main().AutoDrop();
    p.ask(QStringLiteral("ゲームクリア!パスは") + code, ui::Prompt::Buttons::Ok, ui::Prompt::Icon::None,
          QStringLiteral("ゲームのクリア"));
    p.endNow();
}

// The two "詳細" links hold the clock while their lists are open.
void Game::label9Click() {
    p.stopClock();
    p.kaisyamei.show();
}

void Game::label10Click() {
    p.stopClock();
    p.shisetu.showModal();
}

}  // namespace town
