#pragma once
// The floor browser "階数ごと": one floor as a picture, walked with arrows.
#include "shell/Program.h"

namespace building {

class Choiwin : public ui::Form {
public:
    explicit Choiwin(Program& p);
    const char* name() const override { return "Choiwin"; }

    ui::Label Dansu{QStringLiteral("0")};
    ui::Label Tr{QStringLiteral("階")};
    ui::Label Label1{QStringLiteral("です")};
    ui::Picture Naisou;
    ui::Command Up{QStringLiteral("↑")};
    ui::Command Down{QStringLiteral("↓")};
    ui::Command 追加{QStringLiteral("業者を入れる")};
    ui::Command Command1{QStringLiteral("閉じる")};
    // Each time a floor is opened from the building, even the one shown: a
    // view says the floor again for it.
    int opened = 0;

    void upClick();
    void downClick();
    void 追加Click();
    void command1Click() { unloadMe(); }

    // Set by the tenant choice once a tenant has really moved in.
    bool tenantPlaced = false;

private:
    void dansuChange();
    void showPicture(const QString& literal);
    Program& p;
};

}  // namespace building
