#pragma once
// The building window "ルーミエ - 詳細": the date line, the clock, and the
// floor picker in blocks of ten floors.
#include <array>

#include "shell/Program.h"

namespace building {

class Kivora : public ui::Form {
public:
    explicit Kivora(Program& p);
    const char* name() const override { return "Kivora"; }

    ui::Label Label4{QStringLiteral("0")};  // tick counter, never shown
    ui::Label Label3{QStringLiteral("年目　 月　週")};
    ui::Label Ye{QStringLiteral("1")};
    ui::Label Mon{QStringLiteral("4")};
    ui::Label We{QStringLiteral("1")};
    ui::Timer Timer1;
    int32_t コスト = 0;  // construction waiting for the month end, in millions of yen

    std::array<ui::Label, 11> Label1;  // blocks, then the rooftop
    std::array<ui::Label, 10> Label2;  // floors of the chosen block

    void gotFocus() override;
    // The building has another number of floors: the blocks, and the floors
    // of the chosen block (it stays chosen), as the building is now.
    void floorsChanged();
    void label1Click(int i);
    void label2Click(int i);
    // Does floor label i name a floor (not blank, not the prompt)?
    bool holdsFloor(int i) const;
    // A floor label's click once its tag is read: the floor (or "屋上") in
    // 階数ごと. 外観's storeys open their floors here too.
    void floorClick(const QString& tag);
    // The window holds the calendar: its close box only hides it.
    void closeBox() override { hideMe(); }

private:
    int blocks() const;
    void listBlocks();
    void listFloors(int i);
    Program& p;
};

}  // namespace building
