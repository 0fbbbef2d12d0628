#pragma once
#include "ui/qt/Views.h"
#include "shell/Program.h"

namespace finance {
// The bank: five loan windows, one row each.
class BankView : public ui::qt::DialogView {
public:
    BankView(Program& p, QWidget* owner);
};
}  // namespace finance
