#pragma once
#include "ui/qt/Views.h"
#include "shell/Program.h"

namespace shell {
// The name dialog.
class NamerView : public ui::qt::DialogView {
public:
    NamerView(Program& p, QWidget* owner);
};
}  // namespace shell
