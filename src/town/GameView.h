#pragma once
#include "ui/qt/Views.h"
#include "shell/Program.h"

namespace town {
// The information panel.
class GameView : public ui::qt::MdiView {
public:
    GameView(Program& p, QMdiArea* area);
};
}  // namespace town
