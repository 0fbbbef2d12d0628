#pragma once
// The floor extension "会社の拡大": new floor count and its price.
#include "shell/Program.h"

namespace building {

// What one more floor costs, in 億円, paid at the month end.
inline constexpr double kPricePerFloor = 0.5;

class Kakudai : public ui::Form {
public:
    explicit Kakudai(Program& p) : ui::Form(p), p(p) { caption = QStringLiteral("会社の拡大"); }
    const char* name() const override { return "Kakudai"; }

    ui::Label Label1{QStringLiteral("何回建てにしますか？")};
    ui::Label Zou{QStringLiteral("4")};
    ui::Label Label2{QStringLiteral("階")};
    ui::Label Label3{QStringLiteral("費用は　　　億円です")};
    ui::Label Hiyou{QStringLiteral("0.5")};
    ui::Command Command1{QStringLiteral("▲")};
    ui::Command Command2{QStringLiteral("▼")};
    ui::Command Command3{QStringLiteral("OK")};
    ui::Command Command4{QStringLiteral("キャンセル")};

    void load() override;
    void command1Click();
    void command2Click();
    void command3Click();
    void command4Click() { unloadMe(); }
    void unloadHandler() override;

private:
    Program& p;
};

}  // namespace building
