#pragma once
// The monthly report "報告書": the month's account and the balance it leads to.
#include "shell/Program.h"

namespace finance {

class Houkoku : public ui::Form {
public:
    explicit Houkoku(Program& p);
    const char* name() const override { return "Houkoku"; }

    ui::Label Frame1{QStringLiteral("今月の結果報告")};
    ui::Label Frame2{QStringLiteral("残金")};
    ui::Label Label1{QStringLiteral("会社収入")};
    ui::Label Label2{QStringLiteral("従業員給与")};
    ui::Label Label3{QStringLiteral("ビル維持費")};
    ui::Label Label4{QStringLiteral("増築費用")};
    ui::Label Kei{QStringLiteral("合計")};
    ui::Label Plus1{QStringLiteral("+")};
    ui::Label Note1{QStringLiteral("※従業員　　　　×30万")};
    ui::Label Note2{QStringLiteral("※階数　　　　　×100万")};
    ui::Label Minus1{QStringLiteral("-")};
    ui::Label Plus2{QStringLiteral("+")};

    ui::Label Syunyu{QStringLiteral("0")};
    ui::Label Keihi{QStringLiteral("0")};
    ui::Label Izi{QStringLiteral("0")};
    ui::Label Other{QStringLiteral("0")};
    ui::Label Gou{QStringLiteral("0")};
    ui::Label Syozi{QStringLiteral("0")};
    ui::Label Gou2{QStringLiteral("0")};
    ui::Label An{QStringLiteral("0")};

    // The month reported, as the history names it ("1年目2月"): the month the
    // month end that opened the report enters.
    QString month() const { return month_; }

    // Only the frames themselves (and the close box) dismiss the report.
    void frame1Click() { dismiss(); }
    void frame2Click() { dismiss(); }
    void closeBox() override { dismiss(); }

private:
    void gouChange();
    void dismiss();
    Program& p;
    QString month_;
};

}  // namespace finance
