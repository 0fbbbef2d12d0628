#pragma once
#include "ui/qt/Views.h"
#include "shell/Program.h"

namespace building {
// The floor browser.
class ChoiwinView : public ui::qt::MdiView {
public:
    ChoiwinView(Program& p, QMdiArea* area);
};
// The built-in pictures shown before any floor picture is loaded.
void drawNothing(QPainter& painter, const QRect& area);
void drawChooseHint(QPainter& painter, const QRect& area);
}  // namespace building
