#pragma once
#include "ui/qt/Views.h"
#include "shell/Program.h"

namespace shell {
// The title screen.
class StartView : public ui::qt::DialogView {
public:
    StartView(Program& p, QWidget* owner);
};
}  // namespace shell
