#pragma once
// The information panel "街&ビル": the town's and the building's figures.
#include <array>

#include "shell/Program.h"

namespace town {

// The settlement grade for a population; empty below 0 (the grade stays).
QString gradeFor(double population);
// The building rank for an employee count; empty below 0 (the rank stays).
QString rankFor(double employees);

// Added to the year, the month and the week before they are written in
// hexadecimal for the clear code.
inline constexpr int kClearCodeOffset = 7;
// The clear code shown at the victory: the three shifted counters in capital
// hexadecimal, year first, joined with nothing between them.
QString clearCode(double year, double month, double week);

class Game : public ui::Form {
public:
    explicit Game(Program& p);
    const char* name() const override { return "Game"; }

    ui::Label Frame1{QStringLiteral("街情報")};
    ui::Label Frame2{QStringLiteral("ビル情報")};
    // Row captions, town rows first.
    std::array<ui::Label, 12> Koumoku;

    ui::Label Pop{QStringLiteral("0")};
    ui::Label Hatte{QStringLiteral("0")};
    ui::Label Zyuu{QStringLiteral("0")};
    ui::Label Apart{QStringLiteral("-1")};
    ui::Label Kouz{QStringLiteral("0")};
    ui::Label Hat{QStringLiteral("0")};
    ui::Label CBuil{QStringLiteral("0")};
    ui::Label Kibo{QStringLiteral("-1")};
    ui::Label Kaisu{QStringLiteral("0")};
    ui::Label Zyuugyou{QStringLiteral("0")};
    ui::Label Kaisya{QStringLiteral("-1")};
    ui::Label Hyouka{QStringLiteral("0")};
    // Units beside the values, in row order (empty where none or a link).
    std::array<ui::Label, 12> Unit;
    ui::Label Label9{QStringLiteral("詳細")};   // beside the company count
    ui::Label Label10{QStringLiteral("詳細")};  // beside the other facilities

    uint8_t Kaku = 0;

    void Change();
    // The population the figures give, as the panel's focus recomputes it.
    double population() const;
    void P();
    void gotFocus() override;
    // The panel's labels are the town's counters: its close box only hides it.
    void closeBox() override { hideMe(); }
    void label9Click();
    void label10Click();

    // The value label of each row, in screen order.
    std::array<ui::Label*, 12> rows();

private:
    void popChange();
    void kaisuChange();
    void zyuugyouChange();
    void kaisyaChange();
    Program& p;
};

}  // namespace town
