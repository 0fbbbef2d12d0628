#pragma once
#include "ui/qt/Views.h"
#include "shell/Program.h"

namespace building {
// The floor extension.
class KakudaiView : public ui::qt::DialogView {
public:
    KakudaiView(Program& p, QWidget* owner);
};
}  // namespace building
