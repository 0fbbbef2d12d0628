#pragma once
// The window "目標": how far the win and the loss are. The game is won with
// the building ranked S in a town grown to 首都, and lost when a month end
// leaves the money below 100万円. Each row says where the game stands and
// what is left; the money rows say what the next month end will do. The
// window keeps nothing of its own: follow() reads the game with the panel's
// own ladders and the settlement's own accounts, so the rows are live as the
// game moves.
#include <array>

#include "shell/Program.h"

namespace town {

class Mokuhyou : public ui::Form {
public:
    explicit Mokuhyou(Program& p);
    const char* name() const override { return "Mokuhyou"; }

    ui::Label Label1{QStringLiteral("勝つには：首都で評価S")};
    ui::Label Frame1{QStringLiteral("街の発展")};
    ui::Label Frame2{QStringLiteral("ビルの評価")};
    ui::Label Frame3{QStringLiteral("お金")};
    // Rows, in screen order: the grade, the next grade, 首都; the rank, the
    // next rank, S; what the next month end adds to the money (its income
    // less everything it takes), the money after it and the money to spare
    // then. Each is a caption, a word (a grade or a rank), "まで あと" (or
    // "達成"), a figure and its unit.
    static constexpr int kRows = 9;
    static constexpr int kFirstMoney = 6;
    std::array<ui::Label, kRows> Koumoku;
    std::array<ui::Label, kRows> Kotoba;
    std::array<ui::Label, kRows> Ato;
    std::array<ui::Label, kRows> Atai;
    std::array<ui::Label, kRows> Unit;
    // Shown only while the next month end would end the game.
    ui::Label Keikoku;
    ui::Label Label2{QStringLiteral("勝ちは「街&ビル」を開いたときに決まります")};

    // Writes every row from the game as it stands; a row whose figures did
    // not change keeps its text, so nothing is redrawn. While a month end is
    // being settled the money rows keep what they said before it.
    void follow() override;

private:
    void row(int i, const QString& word, double left, const QString& unit);
    Program& p;
};

}  // namespace town
