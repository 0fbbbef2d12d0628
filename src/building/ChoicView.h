#pragma once
#include "ui/qt/Views.h"
#include "shell/Program.h"

namespace building {
// The tenant choice.
class ChoicView : public ui::qt::DialogView {
public:
    ChoicView(Program& p, QWidget* owner);
};
}  // namespace building
