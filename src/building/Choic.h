#pragma once
// The tenant choice "会社設定": hotel, restaurant or company for one floor.
#include "shell/Program.h"

namespace building {

class Choic : public ui::Form {
public:
    explicit Choic(Program& p);
    const char* name() const override { return "Choic"; }

    ui::Picture Ex;  // starts on the built-in instruction picture
    ui::ListBox Na{{QStringLiteral("ホテル"), QStringLiteral("レストラン"), QStringLiteral("会社")}};
    ui::Label 価格{QStringLiteral("0")};
    ui::Label Label1{QStringLiteral("億円かかリます")};
    ui::Command Command1{QStringLiteral("OK")};
    ui::Command Command2{QStringLiteral("キャンセル")};

    void naClick();
    void command1Click();
    void command2Click() { unloadMe(); }
    void unloadHandler() override;

private:
    Program& p;
};

}  // namespace building
