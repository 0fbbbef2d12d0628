#pragma once
// The window "はじめてのかたへ": the first month, one step at a time. Each step
// says what to do, what it costs or means (the figures read from the rules
// themselves) and which key does it; the player's own action moves it on.
// It only watches: it never holds the clock nor changes a rule.
#include "shell/Program.h"

namespace settings {

class Hajimete : public ui::Form, public ActListener {
public:
    static constexpr int kSteps = 7;

    explicit Hajimete(Program& p);
    ~Hajimete() override;
    const char* name() const override { return "Hajimete"; }

    ui::Label Bangou;   // "1 / 7"
    ui::Label Setumei;  // what to do
    ui::Label Hosoku;   // what it costs or means, a line a figure
    ui::Label Kii;      // the keys that do it
    ui::Label Kessan;   // where a step spends money: what the next month end will do
    ui::Command Tugi{QStringLiteral("次へ")};
    ui::Command Toziru{QStringLiteral("閉じる")};

    void load() override;
    int step() const { return step_; }
    // The windows the step points at (forms' names), which the guide must
    // never cover; none when it points at the frame's own row or menu.
    QStringList pointsAt() const;

    void tugiClick();
    void toziruClick();
    void closeBox() override { toziruClick(); }
    void unloadHandler() override { p.stopListening(this); }
    // The player's act: the step waiting for it moves on.
    void saw(Act act) override;
    void follow() override;

private:
    void show(int step);
    void done();
    Program& p;
    int step_ = 0;
    bool info_ = false, goals_ = false;
};

// From the first step, whether it was done before or is open now.
void startGuide(Program& p);

}  // namespace settings
