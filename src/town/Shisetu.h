#pragma once
// The facilities list "施設", opened from the panel's "詳細" beside "その他".
#include "shell/Program.h"

namespace town {

class Shisetu : public ui::Form {
public:
    explicit Shisetu(Program& p) : ui::Form(p), p(p) { caption = QStringLiteral("施設"); }
    const char* name() const override { return "Shisetu"; }

    ui::ListBox List1;  // no rule of the game adds a facility, so it stays empty
    ui::Command Command1{QStringLiteral("閉じる")};

    void command1Click();
    void closeBox() override { command1Click(); }

private:
    Program& p;
};

}  // namespace town
