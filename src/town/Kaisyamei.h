#pragma once
// The tenant counts "詳細": hotels, restaurants and companies in the building,
// counted when the window is created.
#include "shell/Program.h"

namespace town {

class Kaisyamei : public ui::Form {
public:
    explicit Kaisyamei(Program& p);
    const char* name() const override { return "Kaisyamei"; }

    // Row captions, counts and their units, one row per kind of tenant.
    ui::Label Label1{QStringLiteral("ホテル")};
    ui::Label Label2{QStringLiteral("レストラン")};
    ui::Label Label3{QStringLiteral("会社")};
    ui::Label HO{QStringLiteral("0")};
    ui::Label RE{QStringLiteral("0")};
    ui::Label KA{QStringLiteral("0")};
    ui::Label Label4{QStringLiteral("社")};
    ui::Label Label5{QStringLiteral("社")};
    ui::Label Label6{QStringLiteral("社")};
    ui::Command Command1{QStringLiteral("閉じる")};

    void load() override;
    void command1Click();
    void closeBox() override { command1Click(); }

private:
    Program& p;
};

}  // namespace town
