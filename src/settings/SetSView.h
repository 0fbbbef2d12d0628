#pragma once
#include "ui/qt/Views.h"
#include "shell/Program.h"

namespace settings {
// The speed setting.
class SetSView : public ui::qt::DialogView {
public:
    SetSView(Program& p, QWidget* owner);
};
}  // namespace settings
