#pragma once
#include "ui/qt/Views.h"
#include "shell/Program.h"

namespace town {
// The tenant counts: a small window of its own over the frame, not inside
// it, so that it stays in sight while it holds the clock.
class KaisyameiView : public ui::qt::DialogView {
public:
    KaisyameiView(Program& p, QWidget* owner);
};
}  // namespace town
