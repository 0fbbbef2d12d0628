#pragma once
#include "ui/qt/Views.h"
#include "shell/Program.h"

namespace finance {
// The monthly report: two frames that dismiss it when clicked.
class HoukokuView : public ui::qt::DialogView {
public:
    HoukokuView(Program& p, QWidget* owner);
};
}  // namespace finance
