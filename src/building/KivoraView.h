#pragma once
#include "ui/qt/Views.h"
#include "shell/Program.h"

namespace building {
// The building window: date line and the two-column floor picker.
class KivoraView : public ui::qt::MdiView {
public:
    KivoraView(Program& p, QMdiArea* area);
};
}  // namespace building
