#pragma once
// The composition root: the one place that knows which view draws each form.
#include <memory>

#include "ui/Runtime.h"

class Program;
namespace ui::qt { class QtSeams; }

namespace app {

std::unique_ptr<ui::View> makeView(Program& p, ui::Form& form);
// Gives the seams the program to drive and the views to draw it with.
void wire(ui::qt::QtSeams& seams, Program& p);

}  // namespace app
