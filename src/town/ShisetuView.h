#pragma once
#include "ui/qt/Views.h"
#include "shell/Program.h"

namespace town {
// The facilities list.
class ShisetuView : public ui::qt::DialogView {
public:
    ShisetuView(Program& p, QWidget* owner);
};
}  // namespace town
