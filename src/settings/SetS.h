#pragma once
// The speed setting "環境設定": how many seconds of real time a week lasts.
#include "shell/Program.h"

namespace settings {

// Where the slider opens for a clock interval: 10 − interval / 10, halves to
// the even neighbour, and the middle for a stopped clock. A saved interval
// may give a position the slider does not have; the slider keeps it in range.
int sliderFor(int32_t spe);
// The clock interval in milliseconds a slider position stands for.
int32_t speFor(int position);
// Seconds of real time per week shown for a slider position.
int secondsFor(int position);

class SetS : public ui::Form {
public:
    explicit SetS(Program& p);
    const char* name() const override { return "SetS"; }

    ui::Label Label1{QStringLiteral("速度設定")};
    ui::Slider Slider1{0, 8};
    ui::Label Label2{QStringLiteral("現在の速度は　　秒で1週進みます")};
    ui::Label Speed{QStringLiteral("0")};
    ui::Command Command1{QStringLiteral("OK")};
    ui::Command Command2{QStringLiteral("キャンセル")};

    void load() override;
    void slider1Change();
    void slider1Click() { Slider1.tipText.clear(); }
    void command1Click();
    void command2Click();
    void closeBox() override { command2Click(); }

private:
    Program& p;
};

}  // namespace settings
