#pragma once
// The title screen, also shown as the version screen.
#include "shell/Program.h"

namespace shell {

class Start : public ui::Form {
public:
    explicit Start(Program& p) : ui::Form(p), p(p) { caption = QStringLiteral("Form1"); }
    const char* name() const override { return "Start"; }

    ui::Label Label1{QStringLiteral("ルーミエ")};
    ui::Label Label3{QStringLiteral("～ビル経営させて町を発展させよう！")};
    ui::Label Label2{QStringLiteral("Ver.1.00")};
    ui::Label Label4{QStringLiteral("テスクゲーム会社")};
    ui::Command Command1{QStringLiteral("閉じる")};

    void command1Click();
    void closeBox() override;

private:
    Program& p;
};

}  // namespace shell
