#pragma once
// The window "目標": three frames of rows, each row one stop for the keyboard,
// heard whole ("評価 S まで あと 181人").
#include "shell/Program.h"
#include "ui/qt/Views.h"

namespace town {

class Mokuhyou;

class MokuhyouView : public ui::qt::MdiView {
public:
    MokuhyouView(Program& p, QMdiArea* area);
    void showView() override;
    void refresh() override;

private:
    QLabel* warning_;
};

}  // namespace town
