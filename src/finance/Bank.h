#pragma once
// The bank "銀行　-　期限は守りましょう": five loan windows, each drawn from its
// loan record in the game state.
#include "shell/Program.h"

namespace finance {

class Bank : public ui::Form {
public:
    explicit Bank(Program& p);
    const char* name() const override { return "Bank"; }

    ui::Label Label1{QStringLiteral("銀行で融資を受けましょう")};
    ui::Label Label2{QStringLiteral("状態")};
    // The five windows: a button, its status and its due date under it.
    ui::Command Command1{QStringLiteral("窓口1")};
    ui::Command Command2{QStringLiteral("窓口2")};
    ui::Command Command3{QStringLiteral("窓口3")};
    ui::Command Command4{QStringLiteral("窓口4")};
    ui::Command Command5{QStringLiteral("窓口5")};
    ui::Label Label3{QStringLiteral("借りれます")};
    ui::Label Label4{QStringLiteral("借りれます")};
    ui::Label Label5{QStringLiteral("借りれます")};
    ui::Label Label6{QStringLiteral("借りれます")};
    ui::Label Label7{QStringLiteral("借りれます")};
    ui::Label as1, as2, as3, as4, as5;
    ui::Command Command6{QStringLiteral("OK")};

    // Window n (1..5) of the family.
    ui::Command& button(int n);
    ui::Label& status(int n);
    ui::Label& due(int n);

    void load() override;
    // The click of window n's button (Command1..Command5).
    void windowClick(int n);
    void command6Click() { unloadMe(); }
    // "OK" and the close box both end here: the clock runs again.
    void unloadHandler() override;

    // Draws window n from its record.
    void showWindow(int n);

private:
    Program& p;
};

}  // namespace finance
